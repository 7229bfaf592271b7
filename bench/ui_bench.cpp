// The windows side by side with hand-built dialogs of the same widgets,
// offscreen: one keystroke to the repainted window, and opening a window to
// its first paint (again and again, and as the first of a session, before
// the host knows what any of its texts measure). The two of a pair take
// turns in one run; prints each pair and the ratio of the two.
//   velmorante-ui-bench [--benchmark_filter=...] [--benchmark_repetitions=N]
// With repetitions the ratios are those of the medians.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "calculators/registry.h"
#include "hand_built.h"
#include "offscreen.h"
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

// The two sides of a pair take turns, one step each, and each step is timed
// alone: a machine that grows busier or calmer during a run moves both alike.
using Clock = std::chrono::steady_clock;

struct Pair {
  double binding = 0, hand = 0;  // nanoseconds
  int round = 0;
  // One step of each side (0: the binding, 1: the hand-built dialog), each
  // side first every other round, so that neither always finds the caches as
  // the other left them; `ready` runs before a side's step, outside the time.
  template <class Ready, class Step>
  void turn(Ready&& ready, Step&& step) {
    for (int t = 0; t < 2; ++t) {
      const int side = t ^ (round & 1);
      ready(side);
      const auto t0 = Clock::now();
      step(side);
      (side ? hand : binding) +=
          static_cast<double>(std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - t0).count());
    }
    ++round;
  }
  // microseconds a step, for the reporter
  void report(benchmark::State& state) const {
    const double n = static_cast<double>(state.iterations());
    state.counters["binding_us"] = binding / n / 1000.0;
    state.counters["hand_us"] = hand / n / 1000.0;
  }
};

void quietHost(vm::ui::QtHost& host) {
  host.setPresenter([](QWidget*, const vm::ui::MessageRequest&) {});
  host.lastWindowClosed = [] {};
}

// A digit, then its removal, into each side's first input, each keystroke
// followed by the repaint.
void keystrokes(benchmark::State& state, std::string name) {
  vm::ui::QtHost host;
  quietHost(host);
  FormWindow* w = host.openWindow(name, vm::OpenHow::Modeless);
  HandBuilt d(vm::makeForm(name), desktopTitle());
  d.show();
  settle();
  QWidget* inputs[2] = {w->widgetOf(firstInput(w->form())), d.widget(firstInput(d.form()))};
  for (QWidget* input : inputs) {
    input->setFocus();
    QTest::keyClick(input, Qt::Key_7, Qt::NoModifier);
  }
  settle();
  Pair pair;
  for (auto _ : state) {
    // "1" twice, then two backspaces
    const auto key = pair.round & 2 ? Qt::Key_Backspace : Qt::Key_1;
    pair.turn(
        [&](int side) {
          // a user types into the active window: the one typed into is made
          // active first
          QWidget* top = inputs[side]->window();
          if (!top->isActiveWindow()) {
            top->activateWindow();
            settle();
          }
        },
        [&](int side) {
          QTest::keyClick(inputs[side], key, Qt::NoModifier);
          QApplication::processEvents();
        });
  }
  pair.report(state);
  d.hide();
  w->form().close();
  settle();
}

// Opening a window to its first paint, and closing it (with the companions
// it opens as it loads, on both sides). first: each opening is the first of
// its session, nothing of its texts measured yet.
void opening(benchmark::State& state, std::string name, bool first) {
  vm::ui::QtHost host;
  quietHost(host);
  Pair pair;
  const auto binding = [&] {
    host.openWindow(name, vm::OpenHow::Modeless);
    QApplication::processEvents();  // the first paint
    for (FormWindow* w : host.windows()) w->form().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  };
  const auto hand = [&] {
    auto* d = new HandBuilt(vm::makeForm(name), desktopTitle());
    d->show();
    std::vector<std::unique_ptr<HandBuilt>> companions;
    for (const std::string& c : d->companions()) {
      companions.push_back(std::make_unique<HandBuilt>(vm::makeForm(c), desktopTitle()));
      companions.back()->show();
    }
    QApplication::processEvents();  // the first paint
    companions.clear();
    delete d;
  };
  for (auto _ : state) {
    if (first) host.measures().clear();
    pair.turn([](int) {}, [&](int side) { side ? hand() : binding(); });
  }
  pair.report(state);
}

// Prints the usual table, then each window's ratio of the binding to the hand-built dialog.
class Ratios : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    // with repetitions, the median of each side stands for it
    for (const auto& r : runs) {
      const bool single = r.run_type == Run::RT_Iteration && r.repetitions <= 1;
      const bool median = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
      if (!single && !median) continue;
      auto b = r.counters.find("binding_us"), h = r.counters.find("hand_us");
      if (b == r.counters.end() || h == r.counters.end()) continue;
      times_[r.run_name.str()] = {b->second.value, h->second.value};
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    for (const char* what : {"keystroke", "open", "first-open"}) {
      double worst = 0;
      std::string worstName;
      std::vector<double> ratios;
      std::printf("\n%s: binding / hand-built (microseconds)\n", what);
      const std::string prefix = std::string(what) + "/";
      for (const auto& [name, t] : times_) {
        if (name.rfind(prefix, 0) != 0 || t.second <= 0) continue;
        const std::string form = name.substr(prefix.size());
        const double ratio = t.first / t.second;
        std::printf("  %-26s %9.1f / %9.1f = %.2f\n", form.c_str(), t.first, t.second, ratio);
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
  std::map<std::string, std::pair<double, double>> times_;  // binding, hand-built
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
    if (firstInput(*probe) >= 0)
      benchmark::RegisterBenchmark(("keystroke/" + name).c_str(), keystrokes, name)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("open/" + name).c_str(), opening, name, false)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("first-open/" + name).c_str(), opening, name, true)->Unit(benchmark::kMicrosecond);
  }
  benchmark::Initialize(&argc, argv);
  Ratios reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
