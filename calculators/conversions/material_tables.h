#pragma once
// Data tables of the conductor and material windows: reference lists of
// densities, contact potentials and resistivities, and the resistivities the
// resistance windows compute with.
#include <string>
#include <vector>

namespace vm::materials {

// Densities in kilograms per cubic decimetre, alphabetical.
const std::vector<std::string>& densities();
// Contact potentials against copper in volts, from the most positive.
const std::vector<std::string>& contactPotentials();
// Resistivities in microhm-centimetre, alphabetical.
const std::vector<std::string>& resistivities();

// A metal of the direct-current resistance window: its option caption and
// its resistivity in ohm mm2 per metre.
struct Metal {
  const char* name;
  double rho;
};
extern const Metal kDcMetals[6];

// Resistivities in ohm metre of the two metals of the skin-effect window.
constexpr double kRfCopper = 1.678e-8;
constexpr double kRfAluminium = 2.6548e-8;

}  // namespace vm::materials
