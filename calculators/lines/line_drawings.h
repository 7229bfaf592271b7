#pragma once
// Cross-sections of the transmission lines and sketches of the wire lines,
// with the letters of their dimensions drawn beside the dimension lines.
#include "framework/drawing.h"

namespace vm::lines {

// Coaxial line: outer conductor D, centre conductor d.
Drawing coaxial();
// Two wires of diameter d in air, h apart.
Drawing twoWireOpen();
// Two wires of diameter d, S apart, at h above a ground plane.
Drawing twoWireOverGround();
// Two wires of diameter d between two ground planes h apart.
Drawing balancedBetweenPlanes();
// Two wires of diameter d, h apart, inside a round screen of inner diameter D.
Drawing balancedShielded();
// One wire of diameter d in the middle of a closed square guide of side S.
Drawing squareGuide();
// One wire of diameter d half way between two ground planes h apart.
Drawing singleBetweenPlanes();
// Two parallel strips of width S, d apart.
Drawing parallelStrips();
// One wire of diameter d at h above the ground, which is the return conductor.
Drawing wireOverGround();
// Two wires of diameter d, D apart, at h above the ground.
Drawing twoWireLine();
// A vertical conductor of diameter d and length l just above the ground.
Drawing verticalWire();

}  // namespace vm::lines
