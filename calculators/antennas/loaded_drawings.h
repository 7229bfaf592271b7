#pragma once
// Drawings of the shortened, loaded and trapped antennas: one arm of a dipole
// (or a vertical) with its coil or trap, the loaded verticals and the small
// loop. Everything is in the drawing's own units, y growing downwards.
#include "framework/drawing.h"

namespace vm::loaded {

// One arm from the feed point: section A, a loading coil, the rest to B.
Drawing coilLoadedArm();
// One arm with a parallel L-C trap between section A and section B.
Drawing trappedArm();
// One arm with a trap wound from coaxial cable.
Drawing coaxTrapArm();
// One arm folded back on itself by a linear loading wire.
Drawing linearLoadedArm();
// One arm with a trap made of a linear element and a coaxial capacitor.
Drawing linearTrapArm();
// A vertical with a loading coil part way up, and its radials.
Drawing coilLoadedVertical();
// A vertical with a capacitive hat on top.
Drawing cappedVertical();
// A vertical with a base coil tapped for the feed line.
Drawing tappedBaseCoil();
// The short vertical with its coil, choke and coax counterpoise.
Drawing microVertical();
// A small loop fed through coupling capacitors from a balun.
Drawing couplingCapacitors();

}  // namespace vm::loaded
