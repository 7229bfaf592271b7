#include "calculators/families.h"

namespace vm {

void addAntennas(std::vector<CalculatorEntry>&) {}

}  // namespace vm
