#include "calculators/families.h"
#include "inductors.h"

namespace vm {

void addInductors(std::vector<CalculatorEntry>& t) {
  t.push_back(bobineEntry());
}

}  // namespace vm
