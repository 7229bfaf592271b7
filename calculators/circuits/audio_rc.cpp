#include "audio_rc.h"

namespace vm::circuit {

double audioCapacitance(double f) {
  if (f >= 50000) return 660;
  if (f >= 10000) return 800;
  if (f >= 5000) return 1500;
  if (f >= 1000) return 4700;
  if (f >= 500) return 15000;
  if (f >= 100) return 56000;
  return 220000;
}

}  // namespace vm::circuit
