// One full type-and-compute cycle per window: open it, type a plausible value
// into every input (each keystroke reacts), press every compute button.
#include <benchmark/benchmark.h>

#include "calculators/registry.h"
#include "framework/headless.h"

namespace {

bool isCompute(const vm::ControlDef& d) {
  return d.kind == vm::Kind::Button && d.name.find("calcola") != std::string::npos;
}

void cycle(benchmark::State& state, vm::FormFactory make) {
  const char* values[] = {"14.2", "20", "3.5", "50", "2", "7.1"};
  for (auto _ : state) {
    vm::HeadlessHost host;
    auto form = make();
    form->open(host, vm::Regional::italian(), false);
    int n = 0;
    for (int i = 0; i < form->count(); ++i) {
      if (form->def(i).kind != vm::Kind::Input) continue;
      const std::string v = values[n++ % 6];
      for (std::size_t k = 1; k <= v.size(); ++k) form->type(i, v.substr(0, k));
    }
    for (int i = 0; i < form->count(); ++i)
      if (isCompute(form->def(i))) form->click(i);
    benchmark::DoNotOptimize(form->states().data());
  }
}

}  // namespace

int main(int argc, char** argv) {
  for (const auto& e : vm::calculators())
    benchmark::RegisterBenchmark(std::string(e.form).c_str(), cycle, e.make);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
