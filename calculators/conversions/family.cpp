#include "calculators/families.h"

namespace vm {

void addConversions(std::vector<CalculatorEntry>&) {}

}  // namespace vm
