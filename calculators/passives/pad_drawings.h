#pragma once
// Schematics of the resistive pads: T, pi, L and bridged-T networks between
// an input and an output pair of terminals. Each drawing marks the point
// beside every resistor where the window puts its value: "R1", "R2", "R3"
// and, in the balanced forms, "R1a", "R2a", "R3a" for the halves in the
// lower line. A chain of cells marks "R1.n", "R2.n", "R3.n" for cell n
// (from 1). "title" is the point above the network.
#include <string>

#include "framework/drawing.h"

namespace vm::pads {

// The mark of resistor `r` ("R1") in cell n of a chain.
std::string cellMark(const std::string& r, int n);

// Series R1, shunt R3, series R2; `cells` cells in a row.
Drawing tNetwork(bool balanced, int cells = 1);
// Shunt R1, series R3, shunt R2; `cells` cells in a row.
Drawing piNetwork(bool balanced, int cells = 1);
// Series R1 on the high-impedance side, shunt R2 across the low side;
// "high" and "low" mark the two sides.
Drawing lNetwork(bool balanced);
// Two series R1 (marks "R1", "R1a"), R3 bridging them, R2 from their
// junction to ground.
Drawing bridgedT();

}  // namespace vm::pads
