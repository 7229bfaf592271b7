#pragma once
// Windows of the catalogue whose Calculator is not built yet open as a small
// window with their caption, the line "In preparazione" and a close button.
#include <memory>
#include <string>
#include <string_view>

#include "framework/form.h"

namespace vm {

// The caption a window not built yet shows: the caption of its first menu
// command, or its form name when no command opens it.
std::string pendingCaption(std::string_view form);
std::unique_ptr<Form> makePendingForm(std::string_view form);
// The registered Calculator, or the window "In preparazione".
std::unique_ptr<Form> makeAnyForm(std::string_view form);

}  // namespace vm
