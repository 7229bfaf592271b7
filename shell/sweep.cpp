#include "sweep.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

#include "calculators/registry.h"
#include "catalogue.h"
#include "framework/headless.h"
#include "framework/steps.h"

namespace vm {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool startsWith(std::string_view s, std::size_t at, std::string_view part) {
  return !part.empty() && s.substr(at, part.size()) == part;
}

// A number as the driver types it and as CSV holds it: the shortest text
// that reads back the same, with a decimal point.
std::string plainNumber(double x) {
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, x);
  return std::string(buf, res.ptr);
}

// x to 12 significant digits: the steps of a range without the binary dust
// (0.3, not 0.30000000000000004).
double rounded(double x) {
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, 12);
  double v = x;
  std::from_chars(buf, res.ptr, v);
  return v;
}

// The steps of one point: the value takes the place of a step that types
// into the varied input, else it is typed just before a closing click (the
// compute button), else after the last step.
std::vector<std::string> stepsFor(const SweepRequest& q, double x) {
  const std::string typed = q.vary + "=" + plainNumber(x);
  std::vector<std::string> out = q.steps;
  for (auto& s : out)
    if (s.rfind(q.vary + "=", 0) == 0) {
      s = typed;
      return out;
    }
  if (!out.empty() && out.back().rfind("click:", 0) == 0) out.insert(out.end() - 1, typed);
  else out.push_back(typed);
  return out;
}

}  // namespace

std::optional<double> shownNumber(std::string_view text, const Regional& r) {
  std::size_t i = 0;
  bool negative = false;
  // up to the first digit; a sign just before it counts
  for (; i < text.size(); ++i) {
    if (isDigit(text[i])) break;
    if (startsWith(text, i, r.decimal) && i + r.decimal.size() < text.size() && isDigit(text[i + r.decimal.size()]))
      break;
  }
  if (i == text.size()) return std::nullopt;
  {
    std::size_t j = i;
    while (j > 0 && text[j - 1] == ' ') --j;
    if (j >= r.minus.size() && text.substr(j - r.minus.size(), r.minus.size()) == r.minus) negative = true;
    else if (j > 0 && text[j - 1] == '-') negative = true;
  }
  std::string clean;
  bool point = false;
  while (i < text.size()) {
    if (isDigit(text[i])) {
      clean += text[i++];
    } else if (!point && startsWith(text, i, r.decimal)) {
      point = true;
      clean += '.';
      i += r.decimal.size();
    } else if (!point && startsWith(text, i, r.group) && i + r.group.size() < text.size() &&
               isDigit(text[i + r.group.size()])) {
      i += r.group.size();  // a digit group
    } else {
      break;
    }
  }
  // an exponent, as the plain form of very large and very small numbers shows it
  if (i + 1 < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    std::size_t j = i + 1;
    std::string e = "e";
    if (text[j] == '+' || text[j] == '-') e += text[j++];
    if (j < text.size() && isDigit(text[j])) {
      while (j < text.size() && isDigit(text[j])) e += text[j++];
      clean += e;
    }
  }
  double v = 0;
  const auto res = std::from_chars(clean.data(), clean.data() + clean.size(), v);
  if (res.ec != std::errc() || !std::isfinite(v)) return std::nullopt;
  return negative ? -v : v;
}

std::vector<std::string> stepsOf(const Form& form, const std::string& vary) {
  std::vector<std::string> choices, texts, press;
  for (int id = 0; id < form.count(); ++id) {
    const ControlDef& d = form.def(id);
    const ControlState& s = form.state(id);
    switch (d.kind) {
      case Kind::Options:
        if (s.selected >= 0) choices.push_back("click:" + d.name + ":" + std::to_string(s.selected));
        break;
      case Kind::List:
        if (s.listIndex >= 0) choices.push_back("pick:" + form.qualifiedName(id) + ":" + std::to_string(s.listIndex));
        break;
      case Kind::Input:
        if (form.qualifiedName(id) != vary && !s.text.empty()) texts.push_back(form.qualifiedName(id) + "=" + s.text);
        break;
      case Kind::Button:
        if (d.computes && press.empty()) press.push_back("click:" + form.qualifiedName(id));
        break;
      default:
        break;
    }
  }
  std::vector<std::string> out = choices;
  out.insert(out.end(), texts.begin(), texts.end());
  out.insert(out.end(), press.begin(), press.end());
  return out;
}

std::vector<SweepPoint> sweep(const SweepRequest& q, const Regional& regional, const Date& today,
                              const FormMaker& maker) {
  const FormMaker make = maker ? maker : FormMaker([](std::string_view name) { return makeForm(name); });
  if (q.points < 1) throw std::invalid_argument("a sweep needs at least one point");
  if (maker ? !maker(q.form) : !findCalculator(q.form)) throw std::invalid_argument("unknown form: " + q.form);
  const bool modal = catalogueMode(q.form).value_or(OpenHow::Modeless) == OpenHow::Modal;
  std::vector<SweepPoint> out;
  for (int k = 0; k < q.points; ++k) {
    SweepPoint p;
    p.x = q.points == 1 ? q.from : q.from + (q.to - q.from) * k / (q.points - 1);
    p.x = rounded(p.x);
    auto form = make(q.form);
    HeadlessHost host;
    host.date = today;
    form->open(host, regional, modal);
    const int vary = form->find(q.vary);
    if (vary < 0 || form->def(vary).kind != Kind::Input) throw std::invalid_argument("no input named " + q.vary);
    const int result = form->find(q.result);
    if (result < 0) throw std::invalid_argument("no control named " + q.result);
    bool played = true;
    for (const auto& s : stepsFor(q, p.x)) played = applyStep(*form, s) && played;
    bool refused = !played || !form->isOpen();
    for (const auto& e : host.events) refused = refused || e.type == HostEvent::Type::Message;
    if (!refused && form->shown(result)) p.y = shownNumber(form->state(result).text, regional);
    out.push_back(p);
  }
  return out;
}

std::string sweepCsv(const SweepRequest& q, const std::vector<SweepPoint>& points) {
  std::string out = q.vary + "," + q.result + "\n";
  for (const auto& p : points) out += plainNumber(p.x) + "," + (p.y ? plainNumber(*p.y) : std::string()) + "\n";
  return out;
}

}  // namespace vm
