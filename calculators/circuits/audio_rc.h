#pragma once
// The audio R-C windows choose their capacitor from the frequency band and
// keep the frequency between 10 Hz and 100 kHz.

namespace vm::circuit {

// The capacitance in picofarad for a frequency in Hz already kept within
// 10 Hz .. 100 kHz.
double audioCapacitance(double hertz);

}  // namespace vm::circuit
