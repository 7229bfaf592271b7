#pragma once
// Ruled tables for the reference screens: a drawing of rows and columns
// whose cells are marks, so that each cell label of the window sits in its
// cell at any scale.
#include <string>
#include <vector>

#include "framework/drawing.h"

namespace vm::reference {

// The mark of the cell in row `row` (0: the heading) and column `column`.
std::string cell(int row, int column);

// A table of `rows` rows (the heading included) of height `rowHeight` and
// columns of the given widths; the heading row is ruled off by a double line.
Drawing table(const std::vector<double>& columnWidths, int rows, double rowHeight = 20);

// The same with rows of their own heights.
Drawing table(const std::vector<double>& columnWidths, const std::vector<double>& rowHeights);

}  // namespace vm::reference
