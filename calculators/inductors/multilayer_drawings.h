#pragma once
// Drawings of the multilayer, rectangular and spiral coils, and of the
// broadband toroid transformers. Each comment names the marks where the
// windows place their value labels.
#include "framework/drawing.h"

namespace vm::coils {

// Half section of a round bobbin wound in several layers, seen from the
// side above its axis: marks "r" (inner radius, from the axis to the first
// layer), "R" (outer radius, from the axis to the last layer), "larghezza"
// (width of the winding, above it) and "spessore" (depth of the winding).
Drawing multilayerSection();

// A rectangular core wound in several layers, seen end-on with the winding
// width beside it: marks "b" (winding thickness), "d" (core height),
// "y" (core width) and "L" (winding width).
Drawing rectangularWinding();

// A flat spiral seen from above: marks "medio" (mean radius), "spessore"
// (radial depth of the winding), "esterno" (outer radius) and "interno"
// (inner radius).
Drawing flatSpiral();

// A 4:1 voltage balun (bifilar winding on a toroid, balanced output):
// marks "bilanciata", "sbilanciata" and "nome".
Drawing voltageBalun();

// A 4:1 voltage un-un (both sides unbalanced, common ground): marks
// "sbilanciata", "massa" and "nome".
Drawing voltageUnUn();

}  // namespace vm::coils
