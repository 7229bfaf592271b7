#include "registry.h"

#include <stdexcept>
#include <string>

namespace vm {

// Written by the build (windows.cpp, from calculators/list_windows.cmake).
std::vector<CalculatorEntry> declaredWindows();

const std::vector<CalculatorEntry>& calculators() {
  static const std::vector<CalculatorEntry> table = declaredWindows();
  return table;
}

const CalculatorEntry* findCalculator(std::string_view form) {
  for (const auto& e : calculators())
    if (e.form == form) return &e;
  return nullptr;
}

std::unique_ptr<Form> makeForm(std::string_view form) {
  if (const CalculatorEntry* e = findCalculator(form)) return e->make();
  throw std::logic_error("no window is declared as " + std::string(form));
}

}  // namespace vm
