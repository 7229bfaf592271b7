#pragma once
// The catalogue of radio-frequency cables of the RG/U series (and a few
// others): fixed texts, shown as they are whatever the regional format.
#include <span>

namespace vm::lines {

struct RgCable {
  const char* name;
  // impedance, capacitance per metre, outer diameter, loss per 100 m at 100
  // and at 400 MHz, maximum voltage, maximum power at 100 MHz, velocity factor
  const char* cells[8];
};

// Every cable in the order of the window's list.
std::span<const RgCable> rgCableCatalogue();

}  // namespace vm::lines
