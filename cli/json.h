#pragma once
// The JSON texts that the driver prints: one object per window state.
#include <string>
#include <vector>

#include "framework/form.h"
#include "framework/headless.h"

namespace vm::cli {

std::string quote(std::string_view s);
// {"form","caption","open","focus","controls":{...},"events":[...]}
std::string windowObject(const Form& form, const std::vector<HostEvent>& events);
// The menu catalogue as a tree.
std::string menuTree();

}  // namespace vm::cli
