#include "calculators/families.h"
#include "conversions.h"

namespace vm {

void addConversions(std::vector<CalculatorEntry>& t) {
  t.push_back(dBEntry());
  t.push_back(dBWEntry());
  t.push_back(dBmicrovoltEntry());
  t.push_back(voltwattEntry());
}

}  // namespace vm
