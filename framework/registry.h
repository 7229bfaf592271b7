#pragma once
// How a window file declares its window: it ends with
// VM_WINDOW(formName, Class), and that one line is all it takes. The list
// of windows is built from those lines (see calculators/registry.h).
#include <memory>
#include <string_view>

#include "calculator.h"

namespace vm {

using FormFactory = std::unique_ptr<Form> (*)();

struct CalculatorEntry {
  std::string_view form;
  FormFactory make;
};

// A fresh window of Calculator C named `form`, in its design state.
template <class C>
std::unique_ptr<Form> build(std::string_view form) {
  auto f = std::make_unique<Form>();
  FormBuilder b(*f, form);
  auto c = std::make_unique<C>(b);
  b.finish(std::move(c));
  return f;
}

}  // namespace vm

// Defines the factory of window `form` (an identifier: the form name) for
// Calculator class `Class`. Written at the start of a line, once per window.
#define VM_WINDOW(form, Class)                                                 \
  namespace vm::windows {                                                      \
  std::unique_ptr<::vm::Form> form() { return ::vm::build<Class>(#form); }     \
  }
