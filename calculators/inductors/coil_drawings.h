#pragma once
// Drawings shared by the air-coil windows. Each comment gives the anchor
// points where the windows place their value labels.
#include "framework/drawing.h"

namespace vm::coils {

// A single-layer solenoid seen from the side, with the length dimension
// below it (label anchor at (120, 150)) and the diameter dimension at its
// right (label anchor at (252, 75)).
Drawing solenoid();

// A small solenoid with spaced turns: the diameter dimension at its right
// (label anchor at (272, 80)) and the turn-to-turn spacing measured between
// two turns above the coil (label anchor at (138, 8)).
Drawing spacedSolenoid();

// A straight conductor running parallel to a ground plane and tied to it at
// one end: its length measured above it (label anchor at (150, 20)) and its
// height over the plane at the free end (label anchor at (250, 105)).
Drawing groundPlaneConductor();

// A square spiral etched on a board, as wide inside as its winding: outer
// side measured above (label anchor at (130, 8)), inner side across the hole,
// pointed at from below (label anchor at (150, 262)), track width (label
// anchor at (300, 175)) and gap between tracks (label anchor at (300, 95)),
// both pointed at from the right.
Drawing squareSpiral();

}  // namespace vm::coils
