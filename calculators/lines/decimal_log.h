#pragma once
// The decimal logarithm of the line windows, taken as ln x / ln 10.
#include <cmath>

namespace vm::lines {

inline double log10(double x) { return std::log(x) / std::log(10.0); }

}  // namespace vm::lines
