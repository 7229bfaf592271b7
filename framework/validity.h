#pragma once
// Results that have no physical meaning although their arithmetic went
// through: a line impedance of zero or below, a capacitance that comes out
// negative because a logarithm changed sign. They are refused like any
// arithmetic failure: the window is put back as it was and a click warns
// "DATI NON VALIDI".
#include <cmath>
#include <initializer_list>

#include "numbers.h"

namespace vm {

// Refuses the reaction (the failure guard restores the window).
[[noreturn]] inline void refuse(const char* why) { throw ArithmeticFailure(why); }

// x when it is a finite number greater than 0; otherwise the reaction is refused.
inline double positive(double x) {
  if (!(std::isfinite(x) && x > 0)) refuse("not a finite positive value");
  return x;
}

// Refuses the reaction when any of the sizes is negative: a line has no
// negative dimension, whatever the product of its sizes.
inline void nonNegative(std::initializer_list<double> sizes) {
  for (double s : sizes)
    if (s < 0) refuse("negative size");
}

}  // namespace vm
