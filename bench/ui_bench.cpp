// The windows side by side with hand-built dialogs of the same widgets,
// offscreen: one keystroke to the repainted window, and opening a window to
// its first paint. Prints each pair and the ratio of the two.
//   velmorante-ui-bench [--benchmark_filter=...] [--benchmark_repetitions=N]
// With repetitions the ratios are those of the medians.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/registry.h"
#include "hand_built.h"
#include "offscreen.h"
#include "shell/pending.h"
#include "ui/form_window.h"
#include "ui/qt_host.h"
#include "ui/qt_util.h"

namespace {

using vm::bench::HandBuilt;
using vm::ui::FormWindow;

// The desktop's title font, asked once as a window's host asks it once.
const QFont& desktopTitle() {
  static const QFont f = vm::ui::desktopTitleFont();
  return f;
}

void settle() {
  QApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The first input a user types into.
int firstInput(const vm::Form& f) {
  for (int id = 0; id < f.count(); ++id)
    if (f.def(id).kind == vm::Kind::Input && f.takesFocus(id)) return id;
  return -1;
}

// A digit and its removal, each one keystroke, each followed by the repaint.
void keystrokes(benchmark::State& state, QWidget* input) {
  input->setFocus();
  QTest::keyClick(input, Qt::Key_7, Qt::NoModifier);
  settle();
  bool add = true;
  for (auto _ : state) {
    QTest::keyClick(input, add ? Qt::Key_1 : Qt::Key_Backspace, Qt::NoModifier);
    QApplication::processEvents();
    add = !add;
  }
}

void keystrokeForm(benchmark::State& state, std::string name) {
  vm::ui::QtHost host;
  host.setPresenter([](QWidget*, const vm::ui::MessageRequest&) {});
  host.lastWindowClosed = [] {};
  FormWindow* w = host.openWindow(name, vm::OpenHow::Modeless);
  settle();
  keystrokes(state, w->widgetOf(firstInput(w->form())));
  w->form().close();
  settle();
}

void keystrokeHand(benchmark::State& state, std::string name) {
  HandBuilt d(vm::makeAnyForm(name), desktopTitle());
  d.show();
  settle();
  keystrokes(state, d.widget(firstInput(d.form())));
}

void openForm(benchmark::State& state, std::string name) {
  vm::ui::QtHost host;
  host.setPresenter([](QWidget*, const vm::ui::MessageRequest&) {});
  host.lastWindowClosed = [] {};
  for (auto _ : state) {
    host.openWindow(name, vm::OpenHow::Modeless);
    QApplication::processEvents();  // the first paint
    // and the companions it opened, so that each opening opens them anew
    for (FormWindow* w : host.windows()) w->form().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

void openHand(benchmark::State& state, std::string name) {
  for (auto _ : state) {
    auto* d = new HandBuilt(vm::makeAnyForm(name), desktopTitle());
    d->show();
    // with the companions it opens as it loads, as the window opens them
    std::vector<std::unique_ptr<HandBuilt>> companions;
    for (const std::string& c : d->companions()) {
      companions.push_back(std::make_unique<HandBuilt>(vm::makeAnyForm(c), desktopTitle()));
      companions.back()->show();
    }
    QApplication::processEvents();  // the first paint
    companions.clear();
    delete d;
  }
}

// Prints the usual table, then each window's ratio of the binding to the hand-built dialog.
class Ratios : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    // with repetitions, each side's median stands for it (a busy moment of
    // the machine moves one repetition, not the median)
    for (const auto& r : runs) {
      if (r.run_type == Run::RT_Iteration && !r.report_big_o && r.repetitions <= 1)
        times_[r.benchmark_name()] = r.GetAdjustedRealTime();
      else if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median")
        times_[r.run_name.str()] = r.GetAdjustedRealTime();
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    for (const char* what : {"keystroke", "open"}) {
      double worst = 0;
      std::string worstName;
      std::vector<double> ratios;
      std::printf("\n%s: binding / hand-built (microseconds)\n", what);
      for (const auto& [name, t] : times_) {
        const std::string prefix = std::string(what) + "/form/";
        if (name.rfind(prefix, 0) != 0) continue;
        const std::string form = name.substr(prefix.size());
        auto hand = times_.find(std::string(what) + "/hand/" + form);
        if (hand == times_.end() || hand->second <= 0) continue;
        const double ratio = t / hand->second;
        std::printf("  %-26s %9.1f / %9.1f = %.2f\n", form.c_str(), t, hand->second, ratio);
        if (ratio > worst) worst = ratio, worstName = form;
        ratios.push_back(ratio);
      }
      if (ratios.empty()) continue;
      // over all windows: the geometric mean (a ratio's fair average), the
      // median and the 90th percentile
      double logs = 0;
      for (double r : ratios) logs += std::log(r);
      std::sort(ratios.begin(), ratios.end());
      const auto at = [&](double q) { return ratios[static_cast<std::size_t>(q * static_cast<double>(ratios.size() - 1))]; };
      std::printf("  %zu windows: geometric mean %.3f, median %.2f, 90th percentile %.2f\n", ratios.size(),
                  std::exp(logs / static_cast<double>(ratios.size())), at(0.5), at(0.9));
      std::printf("  worst: %s %.2f\n", worstName.c_str(), worst);
    }
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

// The offscreen platform warns of each raise() and size hint it cannot
// pass on; a desktop does not. The warnings are not part of what is timed.
void quietPlatform(QtMsgType type, const QMessageLogContext& ctx, const QString& msg) {
  if (msg.startsWith(QStringLiteral("This plugin does not support")) || msg.startsWith(QStringLiteral("QStandardPaths")))
    return;
  static const QtMessageHandler standard = qInstallMessageHandler(nullptr);
  if (standard) standard(type, ctx, msg);
}

int main(int argc, char** argv) {
  qInstallMessageHandler(quietPlatform);
  vm::ui::testing::useDesignScreen();
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  for (const auto& e : vm::calculators()) {
    const std::string name(e.form);
    auto probe = e.make();
    vm::HeadlessHost host;
    probe->open(host, vm::Regional::italian(), false);
    if (firstInput(*probe) >= 0) {
      benchmark::RegisterBenchmark(("keystroke/form/" + name).c_str(), keystrokeForm, name)->Unit(benchmark::kMicrosecond);
      benchmark::RegisterBenchmark(("keystroke/hand/" + name).c_str(), keystrokeHand, name)->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark(("open/form/" + name).c_str(), openForm, name)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("open/hand/" + name).c_str(), openHand, name)->Unit(benchmark::kMicrosecond);
  }
  benchmark::Initialize(&argc, argv);
  Ratios reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
