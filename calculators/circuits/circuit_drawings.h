#pragma once
// Schematics of the R-L-C circuit windows, drawn with the standard symbols.
// Each drawing marks the point beside every element where the window puts
// the element's label or value: "element1", "element2", ... in the order
// given (the generator drawings: "generator", "coil", "capacitor"), and
// "title" above the circuit.
#include <string>
#include <vector>

#include "framework/calculator.h"
#include "framework/drawing.h"

namespace vm::circuit {

// One element of a schematic and the letter drawn beside it ("" for none).
struct Part {
  Symbol symbol = Symbol::Resistor;
  std::string name;
};

// The mark beside element n (from 1).
std::string element(int n);

// The elements in a row between two terminals.
Drawing series(const std::vector<Part>& parts);
// Every element on a rung of its own between two rails fed from the left.
Drawing parallel(const std::vector<Part>& parts);
// The elements of `branch` in a row on the upper rung, `other` alone on the
// lower rung, both between the two terminals.
Drawing branchParallel(const std::vector<Part>& branch, const Part& other);
// A generator feeding a coil (its loss resistance and its inductance) and a
// capacitor in parallel; marks: generator, coil, capacitor.
Drawing generatorParallel();
// A generator feeding a coil (its loss resistance and its inductance) and a
// capacitor in series; marks: generator, coil, capacitor.
Drawing generatorSeries();

// The two schematics of a pair of elements, "CONFIGURAZIONE SERIE" and
// "CONFIGURAZIONE PARALLELO", declared on the window with their captions.
void seriesAndParallel(FormBuilder& b, const std::vector<Part>& parts);

}  // namespace vm::circuit
