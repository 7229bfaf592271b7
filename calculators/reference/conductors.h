#pragma once
// The enamelled copper winding wires of the conductor table.
#include <vector>

namespace vm::reference {

struct WireRow {
  double diameter = 0;              // bare copper, mm
  double section = 0;               // mm2
  double amps3 = 0, amps4 = 0;      // A at 3 and 4 A/mm2
  double turnsPerCm = 0;            // close wound, enamel included
  double turnsPerCm2 = 0;           // layer on layer, no paper
  double turnsPerCm2Paper005 = 0;   // 0,005 mm paper between layers
  double turnsPerCm2Paper10 = 0;    // 0,10 mm paper between layers
  double grams = 0;                 // g/m
  double ohms = 0;                  // ohm/m at 15 C
};

double enamelledDiameter(double d);
std::vector<WireRow> wireTable();

}  // namespace vm::reference
