#pragma once
#include "framework/registry.h"

namespace vm {

// Dipoles and wire antennas.
CalculatorEntry dipoliEntry();
CalculatorEntry dipoloRipiegatoEntry();
CalculatorEntry antPresaCalcolataEntry();
CalculatorEntry antG5rvEntry();
CalculatorEntry lungHarmonicaEntry();
CalculatorEntry gradiEntry();
CalculatorEntry resRadiazioneEntry();
CalculatorEntry resRadiazioneStiloEntry();
CalculatorEntry ridimensionaEntry();

}  // namespace vm
