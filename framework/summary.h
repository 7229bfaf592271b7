#pragma once
// A window as plain text lines, ready to paste into a log or a message: its
// caption, its inputs with their captions, its choices and its visible
// results.
#include <string>

#include "form.h"

namespace vm {

std::string resultsText(const Form& form);

}  // namespace vm
