#include "framework/registry.h"

#include "families.h"

namespace vm {

const std::vector<CalculatorEntry>& calculators() {
  static const std::vector<CalculatorEntry> table = [] {
    std::vector<CalculatorEntry> t;
    addConversions(t);
    addInductors(t);
    addCircuits(t);
    addAntennas(t);
    addLines(t);
    addReference(t);
    addPassives(t);
    addSupplies(t);
    addValves(t);
    return t;
  }();
  return table;
}

std::unique_ptr<Form> makeForm(std::string_view form) {
  for (const auto& e : calculators())
    if (e.form == form) return e.make();
  return nullptr;
}

}  // namespace vm
