#pragma once
// Pieces of the wire-antenna drawings (dipole arms, feed point, inverted V,
// folded conductor, whip) and the finished drawings of the dipole windows.
// Everything is in the drawing's own units, y growing downwards.
#include "framework/drawing.h"

namespace vm::wires {

// Two horizontal arms from x1 to x2 at height y, open by `gap` either side of
// the centre, with an insulator at each far end.
void dipoleArms(Drawing& d, double x1, double x2, double y, double gap);
// The centre insulator and the two terminals where the line is connected.
void feedPoint(Drawing& d, double cx, double y, double gap);
// A feed line running straight down from the feed point.
void downLead(Drawing& d, double cx, double y1, double y2);
// A mast from the ground up to `top`, with the two arms sloping down from its
// top to the far ends at height `ends`.
void invertedV(Drawing& d, double cx, double top, double halfSpan, double ends, double ground);
// A folded conductor: a closed loop of two parallel wires `spacing` apart,
// the lower one open at the centre for the feed.
void foldedConductor(Drawing& d, double x1, double x2, double y, double spacing, double gap);
// A vertical whip from its base up to `top`, on a base insulator over ground.
void whip(Drawing& d, double x, double base, double top);

// The finished drawings.
Drawing halfWaveDipole();
Drawing invertedVDipole();
Drawing foldedDipole();
Drawing offCentreFed();
Drawing g5rv();
Drawing shortDipole();
Drawing shortWhip();

}  // namespace vm::wires
