#pragma once
// The S-meter scales share the layout of their table: the S point, the
// voltage on 50 ohm, the power and the level in dBm, one label per cell.
#include <array>

#include "framework/calculator.h"

namespace vm::reference {

using SMeterRow = std::array<const char*, 4>;
using SMeterTable = std::array<SMeterRow, 14>;  // the heading first

// Declares the table as a drawing with its cells Label1 ... Label56, row by row.
void sMeterTable(FormBuilder& b, const SMeterTable& rows);

}  // namespace vm::reference
