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
#include "framework/steps.h"
#include "json.h"
#include "shell/catalogue.h"
#include "cli/regional.h"

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
  std::optional<std::string> localeName;
  if (i < argc && std::string(argv[i]) == "--locale") {
    if (i + 1 >= argc) throw Failure{"--locale needs a name"};
    localeName = argv[i + 1];
    i += 2;
  } else if (i < argc && std::string(argv[i]).rfind("--locale=", 0) == 0) {
    localeName = std::string(argv[i] + 9);
    ++i;
  }
  if (localeName) {
    auto named = vm::localeNamed(*localeName);
    if (!named) throw Failure{"unknown locale: " + *localeName};
    locale = *named;
  }
  if (i >= argc) throw Failure{"run needs a form name"};
  std::string formName = argv[i++];
  auto form = vm::makeForm(formName);
  if (!form) throw Failure{"unknown form: " + formName};
  vm::HeadlessHost host;
  QDate today = QDate::currentDate();
  host.date = vm::Date{today.year(), today.month(), today.day()};
  bool modal = vm::catalogueMode(formName).value_or(vm::OpenHow::Modeless) == vm::OpenHow::Modal;
  form->open(host, vm::regionalOf(locale), modal);
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
