#pragma once
// The schematics of the valve windows.
#include "framework/drawing.h"

namespace vm::valves {

// A power valve, its output transformer and the loudspeaker; marks pri and
// sec for the turns of the two windings.
Drawing outputTransformer();

}  // namespace vm::valves
