#include "summary.h"

namespace vm {

namespace {

// A caption as a user reads it: no access-key marks, no outer blanks.
std::string plain(const std::string& caption) {
  std::string out;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') out += caption[++i];
      continue;
    }
    out += caption[i] == '\n' || caption[i] == '\r' || caption[i] == '\t' ? ' ' : caption[i];
  }
  const auto from = out.find_first_not_of(' ');
  if (from == std::string::npos) return {};
  return out.substr(from, out.find_last_not_of(' ') - from + 1);
}

// "CAPTION : value" where the caption ends with its colon, "CAPTION: value" otherwise.
std::string line(const std::string& caption, const std::string& value) {
  if (caption.empty()) return value;
  return caption + (caption.back() == ':' || caption.back() == '=' ? " " : ": ") + value;
}

}  // namespace

std::string resultsText(const Form& form) {
  std::string inputs, results;
  for (int id = 0; id < form.count(); ++id) {
    if (!form.shown(id)) continue;
    const ControlDef& d = form.def(id);
    const ControlState& s = form.state(id);
    const std::string caption = d.buddy >= 0 ? plain(form.state(d.buddy).text) : std::string();
    switch (d.kind) {
      case Kind::Input:
        inputs += line(caption.empty() ? d.name : caption, plain(s.text)) + '\n';
        break;
      case Kind::List:
        if (s.listIndex >= 0 && s.listIndex < static_cast<int>(s.entries.size()))
          inputs += line(caption.empty() ? d.name : caption, plain(s.entries[static_cast<std::size_t>(s.listIndex)])) +
                    '\n';
        break;
      case Kind::Options: {
        const int i = s.selected - d.firstIndex;
        if (i < 0 || i >= static_cast<int>(s.captions.size())) break;
        const std::string frame = d.parent >= 0 ? plain(form.state(d.parent).text) : std::string();
        inputs += line(frame, plain(s.captions[static_cast<std::size_t>(i)])) + '\n';
        break;
      }
      case Kind::Label:
        if (d.role == Role::Result) {
          const std::string text = plain(s.text);
          if (text.empty()) break;
          // a static text just before a result, in the same place, captions it
          std::string before;
          const int prev = id - 1;
          if (prev >= 0 && form.shown(prev) && form.def(prev).kind == Kind::Label &&
              form.def(prev).role == Role::Static && form.def(prev).drawing == d.drawing &&
              form.def(prev).parent == d.parent)
            before = plain(form.state(prev).text);
          results += line(before, text) + '\n';
        }
        break;
      default:
        break;
    }
  }
  std::string out = plain(form.caption()) + '\n' + inputs;
  if (!results.empty()) out += '\n' + results;
  return out;
}

}  // namespace vm
