#pragma once
// Drawings shared by the air-coil windows.
#include "framework/drawing.h"

namespace vm::coils {

// A single-layer solenoid seen from the side, with the length dimension
// below it (label anchor at (120, 150)) and the diameter dimension at its
// right (label anchor at (235, 75)).
Drawing solenoid();

}  // namespace vm::coils
