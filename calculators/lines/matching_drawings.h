#pragma once
// Schematics of the matching-network windows, drawn with the standard
// symbols. Every drawing marks the points where the window puts the labels
// of its elements and ports (the pi network, drawn by the valve windows
// too, is in calculators/drawings/networks.h).
#include <string>

#include "framework/drawing.h"

namespace vm::matching {

// A two-element L network between an input port (left) and an output port
// (right): one element in series along the top, one across the line, at the
// input or at the output. The element names are drawn beside them; marks
// "series" and "shunt" sit beside the two elements.
Drawing lNetwork(Symbol series, const std::string& seriesName, Symbol shunt, const std::string& shuntName,
                 bool shuntAtInput);

// The ports of two networks side by side, input at the left and output at
// the right of each: marks "zin", "zout" (first network) and "zin1",
// "zout1" (second network).
Drawing twoPortPairs();

// A tuned circuit: a coil in parallel with two capacitors in series (C1 on
// top, C2 below), the low impedance taken at their junction. Marks: "c1",
// "c2", "l".
Drawing tappedCapacitor();

// A short antenna fed through a series coil, with a capacitor across the
// transmitter side. Marks: "l", "c", "tx".
Drawing antennaLNetwork();

}  // namespace vm::matching
