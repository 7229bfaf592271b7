#pragma once
// Schematics of the filter and time-constant windows: ladder sections of
// series and shunt arms between an input and an output, the charging
// circuits of a capacitor or a coil, and the twin-T network. Every element
// is marked by the name its window gives the element's value label.
#include <string>
#include <vector>

#include "framework/drawing.h"

namespace vm::circuit {

// An element of an arm and the mark beside it, where its value goes.
struct Element {
  Symbol symbol = Symbol::Inductor;
  std::string mark;
};

// One arm of a ladder section: along the line (series) or from the line to
// the ground rail (shunt); with two elements, connected in series or in
// parallel.
struct Arm {
  bool shunt = false;
  bool parallel = false;
  std::vector<Element> elements;
};

inline Arm seriesArm(std::vector<Element> e, bool parallel = false) { return Arm{false, parallel, std::move(e)}; }
inline Arm shuntArm(std::vector<Element> e, bool parallel = false) { return Arm{true, parallel, std::move(e)}; }

// The arms in order between the input terminals (mark "input") and the
// output terminals (mark "output").
Drawing ladder(const std::vector<Arm>& arms);

// A supply charging `load` (a capacitor or a coil) through a resistor;
// marks "resistor", "load" and "supply".
Drawing chargingCircuit(Symbol load);

// The twin-T notch network: two series resistors with a shunt capacitor at
// their middle, two series capacitors with a shunt resistor at theirs;
// marks "input", "output", "r1", "r2", "r3" (the shunt resistor), "c1",
// "c2", "c3" (the shunt capacitor).
Drawing twinT();

}  // namespace vm::circuit
