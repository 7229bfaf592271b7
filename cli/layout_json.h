#pragma once
// The arrangement of a window as the driver prints it (`velmorante-cli layout`).
#include <string>

#include "framework/form.h"

namespace vm::cli {

// {"form","caption","size","boxes":[...],"drawings":[...],"folded":[...]}
std::string layoutObject(const Form& form);

}  // namespace vm::cli
