#pragma once
// The drawings of the full-size resonant verticals: the 5/8 wave with its
// base coil, the J with open or shorted base, the slim jim, the coaxial
// collinear and the ground plane with gamma match. Drawing units, y down.
#include "framework/drawing.h"

namespace vm::verticals {

Drawing fiveEighths();
// `shorted`: the two conductors of the matching line are joined at the base.
Drawing jAntenna(bool shorted);
Drawing slimJim();
Drawing collinear();
Drawing gammaGroundPlane();

}  // namespace vm::verticals
