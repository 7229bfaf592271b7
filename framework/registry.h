#pragma once
// The one explicit table of Calculators: form name -> factory.
//
// A window's own file ends with VM_WINDOW(formName, Class); its family's
// registration file lists it once, in a line X(formName) of the family's
// window list, and VM_FAMILY turns that list into declarations and entries.
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

// A fresh window of Calculator C named `form`, in its design state.
template <class C>
std::unique_ptr<Form> build(std::string_view form) {
  auto f = std::make_unique<Form>();
  FormBuilder b(*f, form);
  auto c = std::make_unique<C>(b);
  b.finish(std::move(c));
  return f;
}

// Every Calculator of the system, family by family.
const std::vector<CalculatorEntry>& calculators();
// A fresh window of the named Calculator in its design state, or null.
std::unique_ptr<Form> makeForm(std::string_view form);

}  // namespace vm

// Defines the factory of window `form` (an identifier: the form name) for
// Calculator class `Class`.
#define VM_WINDOW(form, Class)                                                 \
  namespace vm::windows {                                                      \
  std::unique_ptr<::vm::Form> form() { return ::vm::build<Class>(#form); }     \
  }

#define VM_WINDOW_DECLARE_(form) std::unique_ptr<::vm::Form> form();
#define VM_WINDOW_ENTRY_(form) t.push_back(::vm::CalculatorEntry{#form, &::vm::windows::form});

// Declares the windows of LIST (an X-macro of X(formName) lines) and defines
// `void fn(std::vector<CalculatorEntry>&)` adding them in that order.
#define VM_FAMILY(fn, LIST)                                                    \
  namespace vm::windows {                                                      \
  LIST(VM_WINDOW_DECLARE_)                                                     \
  }                                                                            \
  namespace vm {                                                               \
  void fn([[maybe_unused]] std::vector<CalculatorEntry>& t) { LIST(VM_WINDOW_ENTRY_) } \
  }
