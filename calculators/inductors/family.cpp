#include "calculators/families.h"
#include "inductors.h"

namespace vm {

void addInductors(std::vector<CalculatorEntry>& t) {
  t.push_back(bobineEntry());
  t.push_back(microbobineEntry());
  t.push_back(bobineUhfEntry());
  t.push_back(bobinePiatteEntry());
  t.push_back(filoDirittoEntry());
}

}  // namespace vm
