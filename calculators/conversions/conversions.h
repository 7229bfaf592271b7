#pragma once
#include "framework/registry.h"

namespace vm {

CalculatorEntry dBEntry();
CalculatorEntry dBWEntry();
CalculatorEntry dBmicrovoltEntry();
CalculatorEntry voltwattEntry();

}  // namespace vm
