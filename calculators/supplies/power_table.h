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

}  // namespace vm::stages
