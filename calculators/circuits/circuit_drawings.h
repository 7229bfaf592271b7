#pragma once
// Schematics of the R-L-C circuit windows, drawn with the standard symbols.
// Each builder returns the drawing and, for every element, the point beside
// it where the window puts the element's label or value.
#include <string>
#include <vector>

#include "framework/calculator.h"
#include "framework/drawing.h"

namespace vm::circuit {

struct Point {
  double x = 0, y = 0;
};

// One element of a schematic and the letter drawn beside it ("" for none).
struct Part {
  Symbol symbol = Symbol::Resistor;
  std::string name;
};

struct Schematic {
  Drawing drawing;
  std::vector<Point> marks;  // beside each element, in the order given
};

// The elements in a row between two terminals.
Schematic series(const std::vector<Part>& parts);
// Every element on a rung of its own between two rails fed from the left.
Schematic parallel(const std::vector<Part>& parts);
// The elements of `branch` in a row on the upper rung, `other` alone on the
// lower rung, both between the two terminals.
Schematic branchParallel(const std::vector<Part>& branch, const Part& other);
// A generator feeding a coil (its loss resistance and its inductance) and a
// capacitor in parallel; marks: generator, coil, capacitor.
Schematic generatorParallel();
// A generator feeding a coil (its loss resistance and its inductance) and a
// capacitor in series; marks: generator, coil, capacitor.
Schematic generatorSeries();

// The two schematics of a pair of elements, "CONFIGURAZIONE SERIE" and
// "CONFIGURAZIONE PARALLELO", declared on the window with their captions.
void seriesAndParallel(FormBuilder& b, const std::vector<Part>& parts);

}  // namespace vm::circuit
