#pragma once
// The typical output resistance and capacitance of a transistor, looked up
// by its maximum power in a table of power ranges.
#include <span>

namespace vm::stages {

struct PowerRow {
  double low, high;  // watts, both inclusive
  double a, b;       // ohms, picofarad
};

// The rows are tried from the first one (both bounds inclusive); a power in
// the gap between two rows belongs to the row above the gap, so that the
// rows cover every power from the lowest bound to the highest one. Below the
// lowest bound the lowest row answers, above the highest the highest one.
inline const PowerRow& lookUp(std::span<const PowerRow> rows, double w) {
  for (const auto& r : rows)
    if (w >= r.low && w <= r.high) return r;
  const PowerRow* best = nullptr;
  for (const auto& r : rows)
    if (r.high >= w && (!best || r.high < best->high)) best = &r;
  if (best) return *best;
  const PowerRow* top = &rows.front();
  for (const auto& r : rows)
    if (r.high > top->high) top = &r;
  return *top;
}

// A transistor's output, resistance `a` (ohms) in parallel with `b`
// picofarad, seen at `f` MHz as a resistance in series with a reactance.
struct SeriesOutput {
  double x0;  // the reactance of the output capacitance
  double r;   // the series resistance
  double x;   // the series reactance
};

inline SeriesOutput seriesOutput(double a, double b, double f) {
  const double x0 = 1e6 / (6.28 * f * b);
  const double r = a / (1 + (a / x0) * (a / x0));
  return {x0, r, r * a / x0};
}

}  // namespace vm::stages
