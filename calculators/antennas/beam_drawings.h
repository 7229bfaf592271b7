#pragma once
// Drawings of the beam and loop antennas: a Yagi boom with its elements and
// spacings, square and rectangular loops, the two-element quad. Everything
// is in the drawing's own units, y growing downwards.
#include <string>
#include <vector>

#include "framework/drawing.h"

namespace vm::beams {

// A boom seen from above with one element per entry of `halfLengths` (the
// reflector first), `gaps` apart; the element headings go to the marks
// "heading0", "heading1"... and the spacings to "spacing0", "spacing1"...
// (between element i and i + 1), under the boom.
Drawing yagi(const std::vector<double>& halfLengths, const std::vector<double>& gaps);

// A square loop standing on one side, fed at
// the middle of the bottom side; marks "side" (beside the right side),
// "balun" and "coax" (along the feed line).
Drawing squareLoop();

}  // namespace vm::beams
