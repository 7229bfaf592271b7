#include "coil_drawings.h"

namespace vm::coils {

Drawing solenoid() {
  Drawing d(260, 170);
  // leads
  d.line(10, 75, 40, 75, 2).line(200, 75, 230, 75, 2);
  // the turns: front half solid, back half as a thin arc
  for (int i = 0; i < 8; ++i) {
    double x = 40 + i * 20;
    d.arc(x, 30, 20, 90, 90, 180).arc(x, 30, 20, 90, 270, 180);
    d.shapes.back().width = 2;
  }
  // coil length L, below
  d.symbol(Symbol::Dimension, 40, 135, 200, 135);
  d.line(40, 122, 40, 145).line(200, 122, 200, 145);
  // diameter D, at the right
  d.symbol(Symbol::Dimension, 215, 30, 215, 120);
  return d;
}

}  // namespace vm::coils
