#include "valve_drawings.h"

namespace vm::valves {

namespace {
constexpr double kPen = 2;
}  // namespace

Drawing outputTransformer() {
  Drawing d(370, 220);
  // the valve: anode, control grid, cathode
  d.circle(60, 120, 34);
  d.line(45, 98, 75, 98, 3);
  for (double x = 42; x < 78; x += 8) d.line(x, 120, x + 4, 120, kPen);
  d.polyline({46, 140, 46, 144, 74, 144}, kPen);
  d.line(10, 120, 40, 120, kPen);
  // the anode feeds the top of the primary, whose cold end goes to the supply
  d.polyline({60, 98, 60, 40, 150, 40, 150, 60}, kPen);
  d.symbol(Symbol::Inductor, 150, 60, 150, 160);
  d.line(150, 160, 150, 190, kPen);
  d.circle(150, 195, 5);
  // the iron core
  d.line(168, 55, 168, 165, kPen);
  d.line(176, 55, 176, 165, kPen);
  // the secondary and the loudspeaker
  d.symbol(Symbol::Inductor, 194, 70, 194, 150);
  d.polyline({194, 70, 194, 50, 300, 50, 300, 95}, kPen);
  d.polyline({194, 150, 194, 170, 300, 170, 300, 145}, kPen);
  d.rect(292, 95, 16, 50);
  d.polyline({308, 95, 335, 70, 335, 170, 308, 145}, kPen);
  d.mark("pri", 100, 182).mark("sec", 246, 110);
  return d;
}

}  // namespace vm::valves
