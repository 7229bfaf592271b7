#pragma once
// The one grammar of steps that drive a window, shared by the command-line
// driver and the tests:
//   NAME=TEXT        replaces the input's whole text (its Change reaction runs once)
//   click:NAME       a button, label, picture, or the first option of a group
//   click:NAME:I     option I of group NAME, or element I of a control array
//   pick:NAME:I      entry I (from 0) of a list
//   pick:NAME=TEXT   the entry of a list with that text
//   focus:NAME[:I]   the focus, given by the keyboard
// An element of a control array is named NAME(I) everywhere.
#include <stdexcept>
#include <string>
#include <string_view>

#include "form.h"

namespace vm {

// A step that names no control of the window, or is not well formed.
struct StepError : std::invalid_argument {
  using std::invalid_argument::invalid_argument;
};

// Plays one step on the window. Returns false when the control is there but
// cannot take the event (hidden, disabled); throws StepError for a step
// that the grammar or the window does not know.
bool applyStep(Form& form, std::string_view step);

// The control that has the focus, as NAME or NAME(I) (an option of a group
// by its index); empty when none has it.
std::string focusName(const Form& form);

}  // namespace vm
