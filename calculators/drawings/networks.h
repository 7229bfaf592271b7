#pragma once
// Schematics that windows of more than one family draw, with the strokes
// they share: the pen, the terminals of a port and the dots of a junction.
#include "framework/drawing.h"

namespace vm::networks {

inline constexpr double kPen = 2;
inline constexpr double kTerminal = 5;

// An open terminal of a port, centred on (x, y).
void terminal(Drawing& d, double x, double y);
// A joint of two wires.
void node(Drawing& d, double x, double y);

// A pi network: a capacitor across the input, a coil in series, a
// capacitor across the output. Marks: "input", "output" (the ports), "c1",
// "l", "c2" (beside the elements).
Drawing piNetwork();

}  // namespace vm::networks
