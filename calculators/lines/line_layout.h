#pragma once
// The one layout of the impedance windows for wire and strip lines: the
// cross-section, the inputs with their captions, the decimal-point note,
// CALCOLA and E S C I, and the impedance line, emptied by every change of an
// input.
#include <functional>
#include <string>
#include <vector>

#include "framework/calculator.h"

namespace vm::lines {

// One input of the window: its name and its caption.
struct LineField {
  std::string name;
  std::string caption;
};

struct LineLayout {
  std::vector<Input> inputs;  // in the order of the fields
  Label impedance;            // lblimpedenza
};

LineLayout lineLayout(FormBuilder& b, const std::string& caption, Drawing section,
                      const std::vector<LineField>& fields, const std::string& note,
                      std::function<void()> compute);

// The impedance line around the impedance as shown.
std::string impedanceLine(const std::string& shown);

// The note of most of these windows.
inline const std::string kDecimalNote = "separare i decimali con il punto del tastierino numerico";

}  // namespace vm::lines
