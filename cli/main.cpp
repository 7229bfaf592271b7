// velmorante-cli: drives any window without a screen.
//   velmorante-cli list
//   velmorante-cli menu
//   velmorante-cli run [--locale NAME] FORM [STEP...]
//   velmorante-cli search WORDS...
//   velmorante-cli sweep [--locale NAME] FORM --vary NAME=FROM:TO:POINTS --result NAME [STEP...]
//   velmorante-cli layout [--locale NAME] FORM [STEP...]
#include <QDate>
#include <QLocale>
#include <QString>
#include <charconv>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "calculators/registry.h"
#include "framework/headless.h"
#include "framework/steps.h"
#include "json.h"
#include "layout_json.h"
#include "regional/regional.h"
#include "shell/catalogue.h"
#include "shell/search.h"
#include "shell/sweep.h"

namespace {

using vm::Form;

struct Failure {
  std::string what;
};

void runStep(Form& f, vm::HeadlessHost& host, const std::string& step, std::string& out) {
  if (step == "dump") {
    out += vm::cli::windowObject(f, host.events) + "\n";
    host.events.clear();
    return;
  }
  vm::applyStep(f, step);
}

// The locale the command line names at argv[i] (--locale NAME or
// --locale=NAME), else the system's; i moves past it.
QLocale localeOption(int argc, char** argv, int& i) {
  std::optional<std::string> localeName;
  if (i < argc && std::string(argv[i]) == "--locale") {
    if (i + 1 >= argc) throw Failure{"--locale needs a name"};
    localeName = argv[i + 1];
    i += 2;
  } else if (i < argc && std::string(argv[i]).rfind("--locale=", 0) == 0) {
    localeName = std::string(argv[i] + 9);
    ++i;
  }
  if (!localeName) return QLocale::system();
  auto named = vm::localeNamed(*localeName);
  if (!named) throw Failure{"unknown locale: " + *localeName};
  return *named;
}

vm::Date today() {
  const QDate d = QDate::currentDate();
  return vm::Date{d.year(), d.month(), d.day()};
}

// The commands whose words match, best first: form and menu path per line.
int search(int argc, char** argv) {
  std::string words;
  for (int i = 2; i < argc; ++i) words += std::string(i > 2 ? " " : "") + argv[i];
  if (words.empty()) throw Failure{"search needs words"};
  const vm::CommandSearch index;
  for (const auto& h : index.find(words)) std::cout << h.entry->form << '\t' << h.path << '\n';
  return 0;
}

double numberArg(std::string_view text, const char* what) {
  double v = 0;
  const auto res = std::from_chars(text.data(), text.data() + text.size(), v);
  if (res.ec != std::errc() || res.ptr != text.data() + text.size()) throw Failure{std::string("bad ") + what};
  return v;
}

int sweep(int argc, char** argv) {
  int i = 2;
  const QLocale locale = localeOption(argc, argv, i);
  if (i >= argc) throw Failure{"sweep needs a form name"};
  vm::SweepRequest q;
  q.form = argv[i++];
  bool vary = false, result = false;
  for (; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--vary" && i + 1 < argc) {
      const std::string v = argv[++i];
      const auto eq = v.find('=');
      const auto c1 = v.find(':', eq == std::string::npos ? 0 : eq);
      const auto c2 = c1 == std::string::npos ? c1 : v.find(':', c1 + 1);
      if (eq == std::string::npos || c2 == std::string::npos) throw Failure{"--vary needs NAME=FROM:TO:POINTS"};
      q.vary = v.substr(0, eq);
      q.from = numberArg(std::string_view(v).substr(eq + 1, c1 - eq - 1), "FROM");
      q.to = numberArg(std::string_view(v).substr(c1 + 1, c2 - c1 - 1), "TO");
      const double n = numberArg(std::string_view(v).substr(c2 + 1), "POINTS");
      if (n < 1 || n > 100000 || n != static_cast<int>(n)) throw Failure{"POINTS must be a whole number from 1"};
      q.points = static_cast<int>(n);
      vary = true;
    } else if (a == "--result" && i + 1 < argc) {
      q.result = argv[++i];
      result = true;
    } else {
      q.steps.push_back(a);
    }
  }
  if (!vary || !result) throw Failure{"sweep needs --vary NAME=FROM:TO:POINTS and --result NAME"};
  std::cout << vm::sweepCsv(q, vm::sweep(q, vm::regionalOf(locale), today()));
  return 0;
}

// FORM opened as its menu command opens it, in its load-time state.
std::unique_ptr<vm::Form> openNamed(const std::string& formName, const QLocale& locale, vm::HeadlessHost& host) {
  const vm::CalculatorEntry* entry = vm::findCalculator(formName);
  if (!entry) throw Failure{"unknown form: " + formName};
  auto form = entry->make();
  host.date = today();
  const bool modal = vm::catalogueMode(formName).value_or(vm::OpenHow::Modeless) == vm::OpenHow::Modal;
  form->open(host, vm::regionalOf(locale), modal);
  return form;
}

// The arrangement of FORM once it has opened and the steps have run.
int layout(int argc, char** argv) {
  int i = 2;
  const QLocale locale = localeOption(argc, argv, i);
  if (i >= argc) throw Failure{"layout needs a form name"};
  vm::HeadlessHost host;
  auto form = openNamed(argv[i++], locale, host);
  for (; i < argc; ++i) vm::applyStep(*form, argv[i]);
  std::cout << vm::cli::layoutObject(*form) << '\n';
  return 0;
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
  if (cmd == "search") return search(argc, argv);
  if (cmd == "sweep") return sweep(argc, argv);
  if (cmd == "layout") return layout(argc, argv);
  if (cmd != "run")
    throw Failure{"usage: velmorante-cli list | menu | run [--locale NAME] FORM [STEP...] | search WORDS... | "
                  "sweep [--locale NAME] FORM --vary NAME=FROM:TO:POINTS --result NAME [STEP...] | "
                  "layout [--locale NAME] FORM [STEP...]"};
  int i = 2;
  const QLocale locale = localeOption(argc, argv, i);
  if (i >= argc) throw Failure{"run needs a form name"};
  vm::HeadlessHost host;
  auto form = openNamed(argv[i++], locale, host);
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
  } catch (const vm::StepError& e) {
    std::cerr << "velmorante-cli: " << e.what() << '\n';
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "velmorante-cli: " << e.what() << '\n';
    return 2;
  }
}
