#pragma once
// Schematics of the power-supply windows. Each comment names the marks where
// the windows place their value labels.
#include "framework/drawing.h"

namespace vm::supplies {

// A series resistor feeding a Zener diode to ground: marks "vcc" (the
// supply, by "+ Vcc"), "ohm" (above the resistor) and "vz" (by "Vz").
Drawing zenerDropper();

// A supply, a series resistor and a LED: marks "supply" (between the
// supply terminals) and "ohm" (above the resistor).
Drawing ledSeries();

// Which three-terminal regulator a regulator schematic shows.
enum class Regulator {
  Fixed,       // a 78xx raised by R1 from the output to M and R2 from M to ground
  Adjustable,  // an LM 317 with R1 from the output to R and R2 from R to ground
  Range,       // as Adjustable, with a trimmer under R2
};

// A three-terminal regulator with its divider and its capacitors. Marks:
// "vin", "vout" (above the input and output rails), "name" (inside the
// regulator), "pinIn", "pinAdj", "pinOut" (its three pins), "r1", "r2",
// "trimmer" (Range only), "cIn" and "cInSmall" (the input electrolytic and
// ceramic), "cAdj" (the capacitor across R2), "cOutSmall" and "cOut".
Drawing regulator(Regulator kind);

// An LM 317 with R1 from its output to its R pin, feeding a load: marks
// "name", "pinIn", "pinAdj", "pinOut", "r1", "cIn", "cInSmall", "load".
Drawing currentSource();

// A bridge rectifier with its reservoir capacitor: marks "ac" (between the
// AC terminals), "c" and "cValue" (beside the capacitor), "dc" and "dcValue"
// (beside the output terminals).
Drawing bridgeRectifier();

// The half-wave doubler with its negative to ground, and the full-wave
// doubler whose outputs float (each with its input marked "A C").
Drawing groundedDoubler();
Drawing floatingDoubler();

}  // namespace vm::supplies
