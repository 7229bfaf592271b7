#include "beam_drawings.h"

namespace vm::beams {

Drawing yagi(const std::vector<double>& halfLengths, const std::vector<double>& gaps) {
  double width = 60;
  for (double g : gaps) width += g;
  double tallest = 0;
  for (double h : halfLengths) tallest = h > tallest ? h : tallest;
  const double boomY = 40 + tallest;
  Drawing d(width, boomY + tallest + 50);
  double x = 30;
  d.line(x - 14, boomY, width - 16, boomY, 4);
  for (std::size_t i = 0; i < halfLengths.size(); ++i) {
    d.line(x, boomY - halfLengths[i], x, boomY + halfLengths[i], 2);
    d.circle(x, boomY, 3, true);
    d.mark("heading" + std::to_string(i), x, 14);
    if (i < gaps.size()) {
      const double next = x + gaps[i];
      d.symbol(Symbol::Dimension, x, boomY + tallest + 18, next, boomY + tallest + 18);
      d.mark("spacing" + std::to_string(i), (x + next) / 2, boomY + tallest + 34);
      x = next;
    }
  }
  return d;
}

Drawing squareLoop() {
  Drawing d(340, 280);
  // the loop, open at the middle of its bottom side for the feed
  d.polyline({144, 200, 60, 200, 60, 40, 240, 40, 240, 200, 156, 200}, 2);
  d.circle(144, 200, 2, true).circle(156, 200, 2, true);
  d.symbol(Symbol::Dimension, 260, 40, 260, 200);
  d.mark("side", 300, 120);
  d.rect(138, 208, 24, 14);
  d.mark("balun", 230, 215);
  d.symbol(Symbol::Coax, 150, 222, 150, 270);
  d.mark("coax", 220, 250);
  d.mark("title", 150, 20);
  return d;
}

}  // namespace vm::beams
