// velmorante-cli: drives any window without a screen.
//   velmorante-cli list
//   velmorante-cli menu
//   velmorante-cli run [--locale NAME] FORM [STEP...]
#include <QDate>
#include <QLocale>
#include <QString>
#include <iostream>
#include <optional>
#include <string>

#include "framework/headless.h"
#include "framework/registry.h"
#include "json.h"
#include "shell/catalogue.h"
#include "ui/regional_qt.h"

namespace {

using vm::Form;

struct Failure {
  std::string what;
};

// "NAME" or "NAME(I)" -> name and index (-1 when there is none).
std::pair<std::string, int> splitName(const std::string& s) {
  if (!s.empty() && s.back() == ')') {
    auto open = s.rfind('(');
    if (open != std::string::npos && open + 1 < s.size() - 1) {
      std::string digits = s.substr(open + 1, s.size() - open - 2);
      if (digits.find_first_not_of("0123456789") == std::string::npos && digits.size() < 6)
        return {s.substr(0, open), std::stoi(digits)};
    }
  }
  return {s, -1};
}

int parseIndex(const std::string& s) {
  if (s.empty() || s.size() > 6 || s.find_first_not_of("0123456789") != std::string::npos)
    throw Failure{"malformed index: " + s};
  return std::stoi(s);
}

// A control (or an option of a group) named in a step.
struct Target {
  int id = -1;
  int option = -1;
};

Target resolve(const Form& f, const std::string& name, int index) {
  Target t;
  // a control array element, or a plain control
  t.id = f.find(name, index);
  if (t.id >= 0 && f.def(t.id).kind != vm::Kind::Options) return t;
  t.id = f.find(name, -1);
  if (t.id < 0) t.id = f.find(name, index);
  if (t.id < 0) throw Failure{"unknown control: " + name + (index >= 0 ? "(" + std::to_string(index) + ")" : "")};
  const auto& d = f.def(t.id);
  if (d.kind == vm::Kind::Options) {
    int n = static_cast<int>(f.state(t.id).captions.size());
    if (index >= 0 && (index < d.firstIndex || index >= d.firstIndex + n))
      throw Failure{"unknown option: " + name + "(" + std::to_string(index) + ")"};
    t.option = index;
  } else if (index >= 0 && d.index != index) {
    throw Failure{"unknown control: " + name + "(" + std::to_string(index) + ")"};
  }
  return t;
}

Target resolveStep(const Form& f, const std::string& step) {
  // NAME, NAME(I) or NAME:I
  std::string name = step;
  int index = -1;
  auto colon = step.find(':');
  if (colon != std::string::npos) {
    name = step.substr(0, colon);
    index = parseIndex(step.substr(colon + 1));
  }
  auto [base, idx] = splitName(name);
  if (idx >= 0) {
    if (index >= 0) throw Failure{"malformed step: " + step};
    index = idx;
  }
  if (base.empty()) throw Failure{"malformed step: " + step};
  return resolve(f, base, index);
}

void runStep(Form& f, vm::HeadlessHost& host, const std::string& step, std::string& out) {
  auto starts = [&](const char* p) { return step.rfind(p, 0) == 0; };
  if (step == "dump") {
    out += vm::cli::windowObject(f, host.events) + "\n";
    host.events.clear();
    return;
  }
  if (starts("click:")) {
    Target t = resolveStep(f, step.substr(6));
    f.click(t.id, t.option);
    return;
  }
  if (starts("focus:")) {
    Target t = resolveStep(f, step.substr(6));
    f.focusByKeyboard(t.id, t.option);
    return;
  }
  if (starts("pick:")) {
    std::string rest = step.substr(5);
    auto eq = rest.find('=');
    int id = -1, entry = -1;
    if (eq != std::string::npos) {
      Target t = resolveStep(f, rest.substr(0, eq));
      id = t.id;
      std::string want = rest.substr(eq + 1);
      const auto& e = f.state(id).entries;
      for (std::size_t i = 0; i < e.size(); ++i)
        if (e[i] == want) {
          entry = static_cast<int>(i);
          break;
        }
      if (entry < 0) throw Failure{"unknown entry: " + want};
    } else {
      auto colon = rest.rfind(':');
      if (colon == std::string::npos) throw Failure{"malformed step: " + step};
      Target t = resolveStep(f, rest.substr(0, colon));
      id = t.id;
      entry = parseIndex(rest.substr(colon + 1));
      if (entry >= static_cast<int>(f.state(id).entries.size())) throw Failure{"unknown entry: " + step};
    }
    if (f.def(id).kind != vm::Kind::List) throw Failure{"not a list: " + step};
    f.choose(id, entry);
    return;
  }
  auto eq = step.find('=');
  if (eq == std::string::npos || eq == 0) throw Failure{"malformed step: " + step};
  auto [base, idx] = splitName(step.substr(0, eq));
  int id = f.find(base, idx);
  if (id < 0) throw Failure{"unknown control: " + step.substr(0, eq)};
  if (f.def(id).kind != vm::Kind::Input) throw Failure{"not an input: " + step.substr(0, eq)};
  f.type(id, step.substr(eq + 1));
}

int run(int argc, char** argv) {
  std::string cmd = argc > 1 ? argv[1] : "";
  if (cmd == "list") {
    for (const auto& e : vm::calculators()) {
      auto f = e.make();
      std::cout << f->name() << '\t' << f->caption() << '\n';
    }
    return 0;
  }
  if (cmd == "menu") {
    std::cout << vm::cli::menuTree() << '\n';
    return 0;
  }
  if (cmd != "run") throw Failure{"usage: velmorante-cli list | menu | run [--locale NAME] FORM [STEP...]"};
  int i = 2;
  QLocale locale = QLocale::system();
  if (i < argc && std::string(argv[i]) == "--locale") {
    if (i + 1 >= argc) throw Failure{"--locale needs a name"};
    locale = QLocale(QString::fromLocal8Bit(argv[i + 1]));
    i += 2;
  } else if (i < argc && std::string(argv[i]).rfind("--locale=", 0) == 0) {
    locale = QLocale(QString::fromLocal8Bit(argv[i] + 9));
    ++i;
  }
  if (i >= argc) throw Failure{"run needs a form name"};
  std::string formName = argv[i++];
  auto form = vm::makeForm(formName);
  if (!form) throw Failure{"unknown form: " + formName};
  vm::HeadlessHost host;
  QDate today = QDate::currentDate();
  host.date = vm::Date{today.year(), today.month(), today.day()};
  bool modal = vm::catalogueMode(formName).value_or(vm::OpenHow::Modeless) == vm::OpenHow::Modal;
  form->open(host, vm::ui::regionalOf(locale), modal);
  std::string out;
  for (; i < argc; ++i) runStep(*form, host, argv[i], out);
  out += vm::cli::windowObject(*form, host.events) + "\n";
  std::cout << out;
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return run(argc, argv);
  } catch (const Failure& f) {
    std::cerr << "velmorante-cli: " << f.what << '\n';
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "velmorante-cli: " << e.what() << '\n';
    return 2;
  }
}
