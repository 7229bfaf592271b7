#pragma once
#include "framework/registry.h"

namespace vm {

CalculatorEntry bobineEntry();
CalculatorEntry microbobineEntry();
CalculatorEntry bobineUhfEntry();
CalculatorEntry bobinePiatteEntry();
CalculatorEntry filoDirittoEntry();

}  // namespace vm
