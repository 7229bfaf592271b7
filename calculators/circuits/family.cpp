#include "calculators/families.h"
#include "circuits.h"

namespace vm {

void addCircuits(std::vector<CalculatorEntry>& t) {
  t.push_back(lcEntry());
  t.push_back(llEntry());
  t.push_back(rcEntry());
  t.push_back(rlEntry());
  t.push_back(rlcEntry());
  t.push_back(rlcParalleloEntry());
  t.push_back(rlcSerieEntry());
  t.push_back(rlrEntry());
  t.push_back(circuitiRlcEntry());
  t.push_back(impCapParalleloEntry());
  t.push_back(impCapSerieEntry());
}

}  // namespace vm
