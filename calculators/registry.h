#pragma once
// Every window of the system: the table is generated at build time from
// the VM_WINDOW line each window file ends with, family folder by family
// folder, file by file.
#include <memory>
#include <string_view>
#include <vector>

#include "framework/registry.h"

namespace vm {

// Every Calculator of the system, each exactly once.
const std::vector<CalculatorEntry>& calculators();
// The registered window of that name, or null (for names a user typed).
const CalculatorEntry* findCalculator(std::string_view form);
// A fresh window of the named Calculator in its design state. An unknown
// name is a programming error: throws std::logic_error.
std::unique_ptr<Form> makeForm(std::string_view form);

}  // namespace vm
