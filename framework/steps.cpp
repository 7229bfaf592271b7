#include "steps.h"

#include <charconv>

namespace vm {
namespace {

int parseIndex(std::string_view s) {
  int v = -1;
  if (s.empty() || s.size() > 6 || s.find_first_not_of("0123456789") != std::string_view::npos)
    throw StepError("malformed index: " + std::string(s));
  std::from_chars(s.data(), s.data() + s.size(), v);
  return v;
}

// "NAME" or "NAME(I)": the name and the index (-1 when there is none).
std::pair<std::string, int> splitName(std::string_view s) {
  if (!s.empty() && s.back() == ')') {
    auto open = s.rfind('(');
    if (open != std::string_view::npos && open + 1 < s.size() - 1) {
      std::string_view digits = s.substr(open + 1, s.size() - open - 2);
      if (digits.find_first_not_of("0123456789") == std::string_view::npos && digits.size() < 6)
        return {std::string(s.substr(0, open)), parseIndex(digits)};
    }
  }
  return {std::string(s), -1};
}

// A control (or an option of a group) named in a step.
struct Target {
  int id = -1;
  int option = -1;
};

std::string shown(const std::string& name, int index) {
  return index >= 0 ? name + "(" + std::to_string(index) + ")" : name;
}

Target resolve(const Form& f, const std::string& name, int index) {
  Target t;
  // an element of a control array, or a plain control
  t.id = f.find(name, index);
  if (t.id >= 0 && f.def(t.id).kind != Kind::Options) return t;
  t.id = f.find(name, -1);
  if (t.id < 0) t.id = f.find(name, index);
  if (t.id < 0) throw StepError("unknown control: " + shown(name, index));
  const auto& d = f.def(t.id);
  if (d.kind == Kind::Options) {
    int n = static_cast<int>(f.state(t.id).captions.size());
    if (index >= 0 && (index < d.firstIndex || index >= d.firstIndex + n))
      throw StepError("unknown option: " + shown(name, index));
    t.option = index;
  } else if (index >= 0 && d.index != index) {
    throw StepError("unknown control: " + shown(name, index));
  }
  return t;
}

// NAME, NAME(I) or NAME:I
Target resolveTarget(const Form& f, std::string_view step) {
  std::string_view name = step;
  int index = -1;
  auto colon = step.find(':');
  if (colon != std::string_view::npos) {
    name = step.substr(0, colon);
    index = parseIndex(step.substr(colon + 1));
  }
  auto [base, idx] = splitName(name);
  if (idx >= 0) {
    if (index >= 0) throw StepError("malformed step: " + std::string(step));
    index = idx;
  }
  if (base.empty()) throw StepError("malformed step: " + std::string(step));
  return resolve(f, base, index);
}

bool pick(Form& f, std::string_view rest, std::string_view step) {
  int id = -1, entry = -1;
  auto eq = rest.find('=');
  if (eq != std::string_view::npos) {
    id = resolveTarget(f, rest.substr(0, eq)).id;
    if (f.def(id).kind != Kind::List) throw StepError("not a list: " + std::string(step));
    std::string_view want = rest.substr(eq + 1);
    const auto& e = f.state(id).entries;
    for (std::size_t i = 0; i < e.size(); ++i)
      if (e[i] == want) {
        entry = static_cast<int>(i);
        break;
      }
    if (entry < 0) throw StepError("unknown entry: " + std::string(want));
  } else {
    auto colon = rest.rfind(':');
    if (colon == std::string_view::npos) throw StepError("malformed step: " + std::string(step));
    id = resolveTarget(f, rest.substr(0, colon)).id;
    if (f.def(id).kind != Kind::List) throw StepError("not a list: " + std::string(step));
    entry = parseIndex(rest.substr(colon + 1));
    if (entry >= static_cast<int>(f.state(id).entries.size())) throw StepError("unknown entry: " + std::string(step));
  }
  return f.choose(id, entry);
}

}  // namespace

bool applyStep(Form& f, std::string_view step) {
  auto starts = [&](std::string_view p) { return step.substr(0, p.size()) == p; };
  if (starts("click:")) {
    Target t = resolveTarget(f, step.substr(6));
    return f.click(t.id, t.option);
  }
  if (starts("focus:")) {
    Target t = resolveTarget(f, step.substr(6));
    return f.focusByKeyboard(t.id, t.option);
  }
  if (starts("pick:")) return pick(f, step.substr(5), step);
  auto eq = step.find('=');
  if (eq == std::string_view::npos || eq == 0) throw StepError("malformed step: " + std::string(step));
  auto [base, idx] = splitName(step.substr(0, eq));
  int id = f.find(base, idx);
  if (id < 0) throw StepError("unknown control: " + std::string(step.substr(0, eq)));
  if (f.def(id).kind != Kind::Input) throw StepError("not an input: " + std::string(step.substr(0, eq)));
  return f.type(id, std::string(step.substr(eq + 1)));
}

std::string focusName(const Form& form) {
  Focus f = form.focus();
  if (f.id < 0) return {};
  const auto& d = form.def(f.id);
  if (d.kind == Kind::Options && d.array) return d.name + "(" + std::to_string(f.option) + ")";
  return form.qualifiedName(f.id);
}

}  // namespace vm
