#include "table.h"

#include <numeric>

namespace vm::reference {

std::string cell(int row, int column) { return "r" + std::to_string(row) + "c" + std::to_string(column); }

Drawing table(const std::vector<double>& columnWidths, int rows, double rowHeight) {
  return table(columnWidths, std::vector<double>(static_cast<std::size_t>(rows), rowHeight));
}

Drawing table(const std::vector<double>& columnWidths, const std::vector<double>& rowHeights) {
  const double margin = 2;
  const double w = std::accumulate(columnWidths.begin(), columnWidths.end(), 0.0);
  const double h = std::accumulate(rowHeights.begin(), rowHeights.end(), 0.0);
  Drawing d(w + 2 * margin, h + 2 * margin);
  d.rect(margin, margin, w, h);
  double y = margin;
  for (std::size_t r = 0; r < rowHeights.size(); ++r) {
    double x = margin;
    for (std::size_t c = 0; c < columnWidths.size(); ++c) {
      d.mark(cell(static_cast<int>(r), static_cast<int>(c)), x + columnWidths[c] / 2, y + rowHeights[r] / 2);
      x += columnWidths[c];
    }
    y += rowHeights[r];
    if (r + 1 < rowHeights.size()) {
      d.line(margin, y, margin + w, y);
      if (r == 0) d.line(margin, y + 2, margin + w, y + 2);
    }
  }
  double x = margin;
  for (std::size_t c = 0; c + 1 < columnWidths.size(); ++c) {
    x += columnWidths[c];
    d.line(x, margin, x, margin + h);
  }
  return d;
}

}  // namespace vm::reference
