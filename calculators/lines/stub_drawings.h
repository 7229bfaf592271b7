#pragma once
// Sketches of the line transformers, stubs and baluns. Each marks the points
// where the window puts its labels; the mark names are given with each one.
#include "framework/drawing.h"

namespace vm::stubs {

// An antenna fed through a quarter-wave piece of line from the feed line.
// Marks: "antenna" (the antenna end), "line" (the feed-line end), "piece"
// (along the quarter-wave piece), "feed" (the feed line).
Drawing quarterWaveLine();

// Two quarter-wave pieces of cable between the antenna (top) and the feed
// line (bottom), joined side by side (`crossed`: their braids and inner
// conductors cross, as a balanced end needs). Marks: "antenna", "piece",
// "feed", "line".
Drawing twoPieces(bool crossed);

// Two concentric tubes a quarter wave long between the antenna and the
// coaxial line. Marks: "d1", "d2", "length", "coax".
Drawing concentricTubes();

// A gamma match on the centre of a driven element. Marks: "centre",
// "insulator", "bridge", "coax", "rod" (along the gamma rod), "spacing",
// "capacitor".
Drawing gammaMatch();

// A hairpin across the centre of a split dipole. Marks: "length",
// "spacing", "diameter".
Drawing hairpin();

// A 1:1 coaxial balun: the feed cable and a quarter-wave piece (or a
// quarter-wave and a three-quarter-wave piece) to a dipole. Marks:
// "dipole", "balanced", "unbalanced", "feed", "quarter" and, with
// `threeQuarter`, "threeQuarter".
Drawing coaxBalun(bool threeQuarter);

}  // namespace vm::stubs
