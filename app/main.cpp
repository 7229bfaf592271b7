// velmorante: the desktop workbench. Starts with the main window; the
// program ends when its last window closes.
#include <QApplication>
#include <QLocale>
#include <cstdlib>
#include <iostream>

#include "regional/regional.h"
#include "ui/main_window.h"
#include "ui/qt_host.h"

namespace {

bool haveDisplay() {
  auto set = [](const char* name) {
    const char* v = std::getenv(name);
    return v && *v;
  };
  return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char** argv) {
  if (!haveDisplay()) {
    std::cerr << "velmorante: no display to show the windows on (DISPLAY and WAYLAND_DISPLAY are not set)\n";
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("velmorante"));
  QApplication::setQuitOnLastWindowClosed(false);
  vm::ui::QtHost host;
  host.setRegional(vm::regionalOf(QLocale::system()));
  vm::ui::MainWindow main(host);
  main.show();
  return QApplication::exec();
}
