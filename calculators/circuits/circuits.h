#pragma once
#include "framework/registry.h"

namespace vm {

// Impedance of R, L, C combinations.
CalculatorEntry lcEntry();
CalculatorEntry llEntry();
CalculatorEntry rcEntry();
CalculatorEntry rlEntry();
CalculatorEntry rlcEntry();
CalculatorEntry rlcParalleloEntry();
CalculatorEntry rlcSerieEntry();
CalculatorEntry rlrEntry();
CalculatorEntry circuitiRlcEntry();
CalculatorEntry impCapParalleloEntry();
CalculatorEntry impCapSerieEntry();

}  // namespace vm
