#include "tpi_pads.h"

#include <cmath>
#include <limits>

#include "framework/validity.h"

namespace vm::pads {

double minimumLoss(double zi, double zo) {
  const double k = zi / zo;
  return 20 * std::log10(std::sqrt(k) + std::sqrt(k - 1));
}

double halfUp2(double x) { return std::floor(100 * x + 0.5) / 100; }

namespace {

// A resistor of the pad: finite and not negative, else the reaction is refused.
double arm(double r) {
  if (!(std::isfinite(r) && r >= 0)) refuse("no resistor for this attenuation");
  return halfUp2(r);
}

}  // namespace

TPiPad designTPi(double zi, double zo, double db) {
  const double k = std::pow(10.0, db / 10);
  const double f = (k + 1) / (k - 1);
  TPiPad p{};
  const double r3 = 2 * std::sqrt(k * zi * zo) / (k - 1);
  p.r1t = arm(zi * f - r3);
  p.r2t = arm(zo * f - r3);
  p.r3t = arm(r3);
  // the pi arms are derived from admittances, with F in single precision
  const double y = 2 * std::sqrt(k / (zi * zo)) / (k - 1);
  if (!(std::fabs(f) <= std::numeric_limits<float>::max())) refuse("single precision overflow");
  const double fs = static_cast<float>(f);
  p.r3p = arm(1 / y);
  p.r1p = arm(1 / (fs / zi - y));
  p.r2p = arm(1 / (fs / zo - y));
  return p;
}

}  // namespace vm::pads
