#include "support/rows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <sstream>

#include "calculators/registry.h"
#include "framework/headless.h"
#include "framework/steps.h"
#include "support/nonsense.h"

namespace vm::test {

Row::Row(std::string form, std::vector<std::string> steps, std::source_location where)
    : form_(std::move(form)), steps_(std::move(steps)), where_(where) {}

Row& Row::why(std::string s) {
  why_ = std::move(s);
  return *this;
}
Row& Row::text(std::string name, std::string expected) {
  texts_.emplace_back(std::move(name), std::move(expected));
  return *this;
}
Row& Row::shown(std::vector<std::string> names) {
  for (auto& n : names) visible_.emplace_back(std::move(n), true);
  return *this;
}
Row& Row::hidden(std::vector<std::string> names) {
  for (auto& n : names) visible_.emplace_back(std::move(n), false);
  return *this;
}
Row& Row::enabled(std::vector<std::string> names) {
  for (auto& n : names) enabled_.emplace_back(std::move(n), true);
  return *this;
}
Row& Row::disabled(std::vector<std::string> names) {
  for (auto& n : names) enabled_.emplace_back(std::move(n), false);
  return *this;
}
Row& Row::selected(std::string group, int option) {
  selected_.emplace_back(std::move(group), option);
  return *this;
}
Row& Row::caption(std::string group, int option, std::string expected) {
  captions_.push_back({{std::move(group), option}, std::move(expected)});
  return *this;
}
Row& Row::entries(std::string list, std::vector<std::string> expected) {
  entries_.emplace_back(std::move(list), std::move(expected));
  return *this;
}
Row& Row::chosen(std::string list, int entry) {
  chosen_.emplace_back(std::move(list), entry);
  return *this;
}
Row& Row::message(std::string m) {
  messages_.push_back(std::move(m));
  return *this;
}
Row& Row::focus(std::string name) {
  focus_ = std::move(name);
  return *this;
}
Row& Row::effects(std::vector<std::string> expected) {
  effects_ = std::move(expected);
  return *this;
}
Row& Row::open(bool expected) {
  open_ = expected;
  return *this;
}
Row& Row::modal() {
  modal_ = true;
  return *this;
}
Row& Row::regional(const Regional& r) {
  regional_ = r;
  return *this;
}

Row& Row::title(std::string expected) {
  title_ = std::move(expected);
  return *this;
}
Row& Row::tooltip(std::string name, std::string expected) {
  tooltips_.emplace_back(std::move(name), std::move(expected));
  return *this;
}
Row& Row::placed(std::vector<std::string> names) {
  for (auto& n : names) placed_.push_back(std::move(n));
  return *this;
}
Row& Row::drawn(std::vector<std::string> names) {
  for (auto& n : names) drawn_.push_back(std::move(n));
  return *this;
}
Row& Row::pictured(std::vector<std::string> names) {
  for (auto& n : names) pictured_.push_back(std::move(n));
  return *this;
}
Row& Row::absent(std::vector<std::string> names) {
  for (auto& n : names) absent_.push_back(std::move(n));
  return *this;
}
Row& Row::unchanged(std::vector<std::string> except) {
  unchanged_ = std::move(except);
  return *this;
}
Row& Row::since(std::size_t steps) {
  since_ = steps;
  return *this;
}
Row& Row::field(std::string input, std::string caption) {
  fields_.emplace_back(std::move(input), std::move(caption));
  return *this;
}
Row& Row::geometry(int left, int top, int width, int height) {
  geometry_ = Geometry{left, top, width < 0 ? std::nullopt : std::optional<int>(width),
                       height < 0 ? std::nullopt : std::optional<int>(height)};
  return *this;
}
Row& Row::on(std::string drawing, std::vector<std::string> labels) {
  on_.emplace_back(std::move(drawing), std::move(labels));
  return *this;
}
Row& Row::inside(std::string frame, std::vector<std::string> names) {
  inside_.emplace_back(std::move(frame), std::move(names));
  return *this;
}
Row& Row::captionColor(std::string group, int option, Color expected) {
  captionColors_.push_back({{std::move(group), option}, expected});
  return *this;
}
Row& Row::messagesAmong(std::vector<std::string> allowed) {
  among_ = std::move(allowed);
  return *this;
}
Row& Row::clean() {
  clean_ = true;
  return *this;
}

std::vector<std::string> keys(const std::string& input, const std::string& text) {
  std::vector<std::string> out;
  for (std::size_t n = 1; n <= text.size(); ++n) out.push_back(input + "=" + text.substr(0, n));
  return out;
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

namespace {

const char* iconName(Icon i) {
  switch (i) {
    case Icon::Warning: return "warning";
    case Icon::Critical: return "critical";
    case Icon::Information: return "information";
    case Icon::None: return "none";
  }
  return "?";
}

std::string describe(const HostEvent& e) {
  std::ostringstream o;
  switch (e.type) {
    case HostEvent::Type::Open:
      o << "open " << e.form << (e.how == OpenHow::Modal ? " modal" : " modeless");
      if (e.left) o << ' ' << *e.left << ' ' << *e.top;
      break;
    case HostEvent::Type::Move: o << "move " << e.left.value_or(0) << ' ' << e.top.value_or(0); break;
    case HostEvent::Type::Resize: o << "resize " << e.width << ' ' << e.height; break;
    case HostEvent::Type::Print: o << "print"; break;
    case HostEvent::Type::Close: o << "close"; break;
    case HostEvent::Type::Message: o << "message " << e.prompt; break;
  }
  return o.str();
}

// The control of a form named NAME or NAME(I), or -1.
int controlNamed(const Form& f, const std::string& name) {
  if (!name.empty() && name.back() == ')') {
    auto open = name.rfind('(');
    if (open != std::string::npos) {
      int index = std::atoi(name.substr(open + 1).c_str());
      int id = f.find(name.substr(0, open), index);
      if (id >= 0) return id;
    }
  }
  return f.find(name);
}

std::string join(const std::vector<std::string>& v) {
  std::string out;
  for (const auto& s : v) out += "\n    " + s;
  return out.empty() ? "\n    (none)" : out;
}

}  // namespace

void play(const Row& row) {
  const char* file = row.where_.file_name();
  const int line = static_cast<int>(row.where_.line());
  const std::string label = row.form_ + (row.why_.empty() ? "" : ": " + row.why_);
#define ROW_FAIL ADD_FAILURE_AT(file, line) << label << ": "
  const CalculatorEntry* entry = findCalculator(row.form_);
  if (!entry) {
    ROW_FAIL << "no such window";
    return;
  }
  auto form = entry->make();
  HeadlessHost host;
  form->open(host, row.regional_, row.modal_);
  std::vector<std::pair<std::string, bool>> before;
  const std::size_t snapshotAt = row.since_ ? *row.since_ : (row.steps_.empty() ? 0 : row.steps_.size() - 1);
  auto snapshot = [&] {
    for (int i = 0; i < form->count(); ++i) before.emplace_back(form->state(i).text, form->state(i).visible);
  };
  for (std::size_t n = 0; n < row.steps_.size(); ++n) {
    const auto& raw = row.steps_[n];
    if (row.unchanged_ && n == snapshotAt) snapshot();
    const bool refused = !raw.empty() && raw[0] == '!';
    const std::string step = refused ? raw.substr(1) : raw;
    bool taken = false;
    try {
      taken = applyStep(*form, step);
    } catch (const StepError& e) {
      ROW_FAIL << "step " << step << ": " << e.what();
      return;
    }
    if (taken == refused) ROW_FAIL << "step " << step << (refused ? " was taken" : " was refused");
  }
  if (row.unchanged_ && before.empty()) snapshot();
  auto id = [&](const std::string& name) {
    int i = controlNamed(*form, name);
    if (i < 0) ROW_FAIL << "no control " << name;
    return i;
  };
  for (const auto& [name, want] : row.texts_)
    if (int i = id(name); i >= 0 && form->state(i).text != want)
      ROW_FAIL << name << " shows \"" << form->state(i).text << "\", expected \"" << want << "\"";
  for (const auto& [name, want] : row.visible_)
    if (int i = id(name); i >= 0 && form->state(i).visible != want)
      ROW_FAIL << name << (want ? " is hidden" : " is shown");
  for (const auto& [name, want] : row.enabled_)
    if (int i = id(name); i >= 0 && form->state(i).enabled != want)
      ROW_FAIL << name << (want ? " is disabled" : " is enabled");
  for (const auto& [name, want] : row.selected_)
    if (int i = id(name); i >= 0 && form->state(i).selected != want)
      ROW_FAIL << name << " has option " << form->state(i).selected << " selected, expected " << want;
  for (const auto& [what, want] : row.captions_) {
    int i = id(what.first);
    if (i < 0) continue;
    const auto& caps = form->state(i).captions;
    const int k = what.second - form->def(i).firstIndex;
    if (k < 0 || k >= static_cast<int>(caps.size())) ROW_FAIL << what.first << " has no option " << what.second;
    else if (caps[static_cast<std::size_t>(k)] != want)
      ROW_FAIL << what.first << "(" << what.second << ") reads \"" << caps[static_cast<std::size_t>(k)]
               << "\", expected \"" << want << "\"";
  }
  for (const auto& [name, want] : row.entries_)
    if (int i = id(name); i >= 0 && form->state(i).entries != want)
      ROW_FAIL << name << " lists" << join(form->state(i).entries) << "\n  expected" << join(want);
  for (const auto& [name, want] : row.chosen_)
    if (int i = id(name); i >= 0 && form->state(i).listIndex != want)
      ROW_FAIL << name << " has entry " << form->state(i).listIndex << " chosen, expected " << want;
  if (row.title_ && form->caption() != *row.title_)
    ROW_FAIL << "caption \"" << form->caption() << "\", expected \"" << *row.title_ << "\"";
  for (const auto& [name, want] : row.tooltips_)
    if (int i = id(name); i >= 0 && form->state(i).tooltip != want)
      ROW_FAIL << name << " tooltip \"" << form->state(i).tooltip << "\", expected \"" << want << "\"";
  for (const auto& name : row.placed_) {
    int i = id(name);
    if (i < 0) continue;
    const auto& d = form->def(i);
    if (d.drawing < 0 || !form->def(d.drawing).art) {
      ROW_FAIL << name << " is not placed on a drawing";
      continue;
    }
    const auto& art = *form->def(d.drawing).art;
    if (!(d.anchorX > 0 && d.anchorX < art.width && d.anchorY > 0 && d.anchorY < art.height))
      ROW_FAIL << name << " sits at " << d.anchorX << "," << d.anchorY << ", outside its drawing";
  }
  for (const auto& name : row.drawn_)
    if (int i = id(name); i >= 0 && (!form->def(i).art || form->def(i).art->shapes.empty()))
      ROW_FAIL << name << " draws nothing";
  for (const auto& name : row.pictured_)
    if (int i = id(name); i >= 0 && form->def(i).picture.empty()) ROW_FAIL << name << " shows no image";
  for (const auto& name : row.absent_)
    if (controlNamed(*form, name) >= 0) ROW_FAIL << "the window has a control " << name;
  if (row.geometry_) {
    const Geometry& g = form->geometry();
    auto show = [](const Geometry& x) {
      auto n = [](std::optional<int> v) { return v ? std::to_string(*v) : std::string("-"); };
      return n(x.left) + " " + n(x.top) + " " + n(x.width) + " " + n(x.height);
    };
    const Geometry& want = *row.geometry_;
    if (g.left != want.left || g.top != want.top || (want.width && g.width != want.width) ||
        (want.height && g.height != want.height))
      ROW_FAIL << "geometry " << show(g) << ", expected " << show(*row.geometry_);
  }
  for (const auto& [what, want] : row.captionColors_) {
    int i = id(what.first);
    if (i < 0) continue;
    const auto& colors = form->state(i).captionColors;
    const int k = what.second - form->def(i).firstIndex;
    if (k < 0 || k >= static_cast<int>(colors.size())) ROW_FAIL << what.first << " has no option " << what.second;
    else if (colors[static_cast<std::size_t>(k)] != want)
      ROW_FAIL << what.first << "(" << what.second << ") caption colour " << std::hex
               << colors[static_cast<std::size_t>(k)] << ", expected " << want << std::dec;
  }
  for (const auto& [drawing, labels] : row.on_) {
    const int art = id(drawing);
    if (art < 0) continue;
    if (!form->def(art).art) {
      ROW_FAIL << drawing << " is not a drawing";
      continue;
    }
    const Drawing& a = *form->def(art).art;
    if (a.shapes.empty()) ROW_FAIL << drawing << " draws nothing";
    for (const auto& name : labels) {
      const int i = id(name);
      if (i < 0) continue;
      const auto& d = form->def(i);
      if (d.drawing != art) ROW_FAIL << name << " is not placed on " << drawing;
      else if (d.anchorX < 0 || d.anchorX > a.width || d.anchorY < 0 || d.anchorY > a.height)
        ROW_FAIL << name << " sits at " << d.anchorX << "," << d.anchorY << ", outside " << drawing;
    }
  }
  for (const auto& [frame, names] : row.inside_) {
    const int f = id(frame);
    for (const auto& name : names)
      if (int i = id(name); i >= 0 && f >= 0 && form->def(i).parent != f) ROW_FAIL << name << " is not in " << frame;
  }
  for (const auto& [input, want] : row.fields_) {
    int i = id(input);
    if (i < 0) continue;
    const int buddy = form->def(i).buddy;
    if (buddy < 0) ROW_FAIL << input << " has no caption label";
    else if (form->state(buddy).text != want)
      ROW_FAIL << input << " is captioned \"" << form->state(buddy).text << "\", expected \"" << want << "\"";
  }
  if (row.unchanged_)
    for (int i = 0; i < form->count(); ++i) {
      const std::string& name = form->def(i).name;
      if (std::find(row.unchanged_->begin(), row.unchanged_->end(), name) != row.unchanged_->end()) continue;
      const auto& [text, visible] = before[static_cast<std::size_t>(i)];
      if (form->state(i).text != text)
        ROW_FAIL << name << " changed from \"" << text << "\" to \"" << form->state(i).text << "\"";
      if (form->state(i).visible != visible) ROW_FAIL << name << (visible ? " was hidden" : " was shown");
    }
  if (row.clean_)
    for (int i = 0; i < form->count(); ++i) {
      const std::string& t = form->state(i).text;
      if (showsNonsense(t)) ROW_FAIL << form->def(i).name << " shows \"" << t << "\"";
    }
  std::vector<std::string> messages, effects;
  for (const auto& e : host.events) {
    if (e.type == HostEvent::Type::Message) messages.push_back(e.prompt + "|" + e.title + "|" + iconName(e.icon));
    else effects.push_back(describe(e));
  }
  std::vector<std::string> wantMessages;
  for (const auto& m : row.messages_) {
    // the icon may be left out: a warning is meant
    wantMessages.push_back(std::count(m.begin(), m.end(), '|') >= 2 ? m : m + "|warning");
  }
  if (row.among_) {
    for (const auto& m : messages) {
      bool allowed = false;
      for (const auto& a : *row.among_)
        allowed = allowed || m == (std::count(a.begin(), a.end(), '|') >= 2 ? a : a + "|warning");
      if (!allowed) ROW_FAIL << "unexpected message " << m;
    }
  } else if (messages != wantMessages) ROW_FAIL << "messages" << join(messages) << "\n  expected" << join(wantMessages);
  if (row.effects_ && effects != *row.effects_)
    ROW_FAIL << "effects" << join(effects) << "\n  expected" << join(*row.effects_);
  if (row.focus_ && focusName(*form) != *row.focus_)
    ROW_FAIL << "focus on \"" << focusName(*form) << "\", expected \"" << *row.focus_ << "\"";
  if (row.open_ && form->isOpen() != *row.open_) ROW_FAIL << (*row.open_ ? "window closed" : "window still open");
#undef ROW_FAIL
}

void play(std::span<const Row> rows) {
  for (const auto& r : rows) play(r);
}

}  // namespace vm::test
