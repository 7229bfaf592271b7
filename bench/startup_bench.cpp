// Start-up to the first painted main window, against a bare QMainWindow with
// the same menu bar and client size, each in a fresh process, offscreen.
//   velmorante-startup-bench [ROUNDS]   runs both sides ROUNDS times (21) and prints the medians
//   velmorante-startup-bench --app | --bare   one start; prints the microseconds from main()
#include <QApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "offscreen.h"
#include "regional/regional.h"
#include "shell/catalogue.h"
#include "shell/main_window_model.h"
#include "ui/main_window.h"
#include "ui/qt_host.h"
#include "ui/qt_util.h"

namespace {

// Notes the first paint of a widget.
struct FirstPaint : QObject {
  bool painted = false;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) painted = true;
    return false;
  }
};

void bareMenus(QMainWindow& w) {
  std::vector<QMenu*> open;
  for (const auto& e : vm::menuCatalogue()) {
    open.resize(static_cast<std::size_t>(e.depth));
    const QString caption = vm::ui::qs(e.caption).replace('&', "&&");
    if (e.isCommand()) {
      auto* a = new QAction(caption, e.depth == 0 ? static_cast<QObject*>(w.menuBar()) : open.back());
      if (e.depth == 0) w.menuBar()->addAction(a);
      else open.back()->addAction(a);
    } else {
      open.push_back(e.depth == 0 ? w.menuBar()->addMenu(caption) : open.back()->addMenu(caption));
    }
  }
}

long long waitForPaint(QWidget* watched, FirstPaint& probe, const QElapsedTimer& clock) {
  watched->installEventFilter(&probe);
  while (!probe.painted) QApplication::processEvents(QEventLoop::AllEvents);
  return clock.nsecsElapsed() / 1000;
}

int once(int argc, char** argv, bool app) {
  QElapsedTimer clock;
  clock.start();
  vm::ui::testing::useDesignScreen();
  QApplication a(argc, argv);
  FirstPaint probe;
  long long us = 0;
  if (app) {
    // as the program starts
    QApplication::setQuitOnLastWindowClosed(false);
    vm::ui::QtHost host;
    host.setRegional(vm::regionalOf(QLocale::system()));
    vm::ui::MainWindow main(host);
    main.show();
    us = waitForPaint(main.centralWidget(), probe, clock);
  } else {
    QMainWindow main;
    main.setWindowTitle(vm::ui::qs(vm::MainWindowModel::kCaption));
    auto* client = new QWidget(&main);
    main.setCentralWidget(client);
    bareMenus(main);
    client->setFixedSize(std::max(vm::ui::pixelsOf(vm::MainWindowModel::kWidth), main.menuBar()->sizeHint().width()),
                         vm::ui::pixelsOf(vm::MainWindowModel::kHeight));
    main.show();
    us = waitForPaint(client, probe, clock);
  }
  // the parent measures from the launch to this line; nothing after it counts
  std::printf("%lld\n", us);
  std::fflush(stdout);
  std::_Exit(0);
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "--app") == 0) return once(argc, argv, true);
  if (argc >= 2 && std::strcmp(argv[1], "--bare") == 0) return once(argc, argv, false);
  const int rounds = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 21;
  QCoreApplication core(argc, argv);
  std::vector<double> app, bare;
  // microseconds from the launch of the process to its first painted window
  auto run = [](const char* side) {
    QProcess p;
    QElapsedTimer clock;
    clock.start();
    p.start(QCoreApplication::applicationFilePath(), {side});
    while (p.bytesAvailable() == 0 && p.state() != QProcess::NotRunning) p.waitForReadyRead(-1);
    const double us = double(clock.nsecsElapsed()) / 1000;
    p.waitForFinished(-1);
    return us;
  };
  for (int i = 0; i < rounds; ++i) {
    // side by side, in turn, each side first every other round
    if (i & 1) {
      bare.push_back(run("--bare"));
      app.push_back(run("--app"));
    } else {
      app.push_back(run("--app"));
      bare.push_back(run("--bare"));
    }
  }
  const double a = median(app), b = median(bare);
  std::printf("launch to the first paint (median of %d, microseconds)\n", rounds);
  std::printf("  main window %.0f / bare window %.0f = %.2f\n", a, b, b > 0 ? a / b : 0);
  return 0;
}
