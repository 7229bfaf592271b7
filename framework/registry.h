#pragma once
// The one explicit table of Calculators: form name -> factory.
#include <memory>
#include <string_view>
#include <vector>

#include "calculator.h"

namespace vm {

using FormFactory = std::unique_ptr<Form> (*)();

struct CalculatorEntry {
  std::string_view form;
  FormFactory make;
};

template <class C>
std::unique_ptr<Form> build() {
  auto f = std::make_unique<Form>();
  FormBuilder b(*f);
  auto c = std::make_unique<C>(b);
  b.finish(std::move(c));
  return f;
}

template <class C>
CalculatorEntry entry(std::string_view form) {
  return CalculatorEntry{form, &build<C>};
}

// Every Calculator of the system, family by family.
const std::vector<CalculatorEntry>& calculators();
// A fresh window of the named Calculator in its design state, or null.
std::unique_ptr<Form> makeForm(std::string_view form);

}  // namespace vm
