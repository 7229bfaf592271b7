#pragma once
// The dielectrics of the home-made capacitor windows and the reference
// table of the spark-over voltage of dry air that both show.
#include <string>
#include <vector>

#include "framework/calculator.h"

namespace vm::dielectrics {

// The option captions, in order.
std::vector<std::string> captions();
// The relative permittivity of option i.
double permittivity(int i);
// The frame "Frame2" with the spark-over table (text only).
void sparkOverTable(FormBuilder& b);

}  // namespace vm::dielectrics
