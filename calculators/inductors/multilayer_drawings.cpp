#include "multilayer_drawings.h"

#include <cmath>
#include <vector>

namespace vm::coils {

Drawing multilayerSection() {
  // the section stands 30 to the right: the depth's value is written at the
  // left of its dimension line
  const double dx = 30;
  Drawing d(340, 200);
  // the axis of the bobbin
  d.line(20 + dx, 170, 280 + dx, 170).color(0x808080);
  // the bobbin: its tube and its two cheeks
  d.rect(60 + dx, 120, 180, 8, true).color(0xC0C0C0);
  d.rect(92 + dx, 40, 8, 80, true).color(0xC0C0C0);
  d.rect(200 + dx, 40, 8, 80, true).color(0xC0C0C0);
  // the winding: layers of turns between the cheeks
  for (int layer = 0; layer < 5; ++layer)
    for (int turn = 0; turn < 10; ++turn) d.circle(105 + dx + turn * 10, 115 - layer * 10, 5);
  // inner radius r, from the axis to the first layer
  d.symbol(Symbol::Dimension, 80 + dx, 170, 80 + dx, 120);
  d.mark("r", 74, 145);
  // outer radius R, from the axis to the last layer
  d.line(208 + dx, 70, 250 + dx, 70);
  d.symbol(Symbol::Dimension, 245 + dx, 170, 245 + dx, 70);
  d.mark("R", 281 + dx, 120);
  // width of the winding, above it
  d.line(100 + dx, 20, 100 + dx, 38).line(200 + dx, 20, 200 + dx, 38);
  d.symbol(Symbol::Dimension, 100 + dx, 26, 200 + dx, 26);
  d.mark("larghezza", 150 + dx, 12);
  // depth of the winding, at the left
  d.line(40 + dx, 70, 98 + dx, 70);
  d.symbol(Symbol::Dimension, 50 + dx, 70, 50 + dx, 120);
  d.mark("spessore", 30, 95);
  return d;
}

Drawing rectangularWinding() {
  Drawing d(330, 220);
  // end view: the core and the winding around it
  d.rect(40, 40, 140, 140, false);
  d.shapes.back().width = 3;
  d.rect(70, 70, 80, 80, true).color(0xC0C0C0);
  // core height d, at the left of the core
  d.symbol(Symbol::Dimension, 20, 70, 20, 150);
  d.line(16, 70, 68, 70).line(16, 150, 68, 150);
  d.mark("d", 8, 110);
  // core width y, below
  d.symbol(Symbol::Dimension, 70, 200, 150, 200);
  d.line(70, 152, 70, 205).line(150, 152, 150, 205);
  d.mark("y", 110, 212);
  // winding thickness b, above
  d.symbol(Symbol::Dimension, 150, 25, 180, 25);
  d.line(150, 20, 150, 68).line(180, 20, 180, 38);
  d.mark("b", 165, 10);
  // side view: the winding width L
  d.rect(230, 40, 60, 140, false);
  for (int i = 0; i < 6; ++i) d.line(230 + i * 10, 40, 240 + i * 10, 180);
  d.symbol(Symbol::Dimension, 230, 200, 290, 200);
  d.mark("L", 260, 212);
  return d;
}

Drawing flatSpiral() {
  // the spiral at the left; the mean radius is written at the right of it,
  // on the line of its arrow
  Drawing d(380, 260);
  const double cx = 130, cy = 130;
  // the spiral: turns growing outward from the inner radius
  std::vector<double> xy;
  for (int i = 0; i <= 4 * 72; ++i) {
    const double a = i * 3.14159265358979 / 36;
    const double rr = 40 + 60 * i / (4.0 * 72);
    xy.push_back(cx + rr * std::cos(a));
    xy.push_back(cy - rr * std::sin(a));
  }
  d.polyline(xy, 3);
  d.circle(cx, cy, 3, true);
  // inner radius r, written in the free lower half of the hole
  d.symbol(Symbol::Arrow, cx, cy, cx - 28, cy - 28);
  d.mark("interno", cx - 16, cy + 14);
  // mean radius
  d.symbol(Symbol::Arrow, cx, cy, cx + 70, cy);
  d.mark("medio", cx + 156, cy);
  // radial depth of the winding, below
  d.symbol(Symbol::Dimension, cx, cy + 40, cx, cy + 100);
  d.mark("spessore", cx + 60, cy + 112);
  // outer radius R
  d.line(cx, cy, cx + 71, cy - 71);
  d.symbol(Symbol::Arrow, cx + 110, cy - 110, cx + 72, cy - 72);
  d.mark("esterno", cx + 120, cy - 120);
  return d;
}

namespace {
// The toroid with its bifilar winding, shown as a transformer between
// (x, 60) and (x, 140).
void bifilarToroid(Drawing& d, double x) {
  d.circle(x, 100, 50);
  d.shapes.back().width = 4;
  d.shapes.back().color = 0xC00000;
  d.symbol(Symbol::Transformer, x, 60, x, 140);
}
}  // namespace

Drawing voltageBalun() {
  Drawing d(300, 220);
  bifilarToroid(d, 150);
  // unbalanced side: coax to ground
  d.symbol(Symbol::Coax, 20, 120, 100, 120);
  d.line(100, 120, 138, 120).line(60, 140, 60, 170);
  d.symbol(Symbol::Ground, 60, 170, 60, 180);
  // balanced side: the two antenna wires
  d.line(162, 70, 260, 70).line(162, 130, 260, 130);
  d.circle(262, 70, 3, true).circle(262, 130, 3, true);
  d.mark("bilanciata", 250, 100);
  d.mark("sbilanciata", 56, 96);
  d.mark("nome", 150, 205);
  return d;
}

Drawing voltageUnUn() {
  // a little taller than the balun: its two captions stand one under the other below the ground
  Drawing d(300, 240);
  bifilarToroid(d, 150);
  d.symbol(Symbol::Coax, 20, 120, 100, 120);
  d.line(100, 120, 138, 120);
  d.line(162, 70, 260, 70);
  d.circle(262, 70, 3, true);
  // the common ground of both sides
  d.line(60, 170, 240, 170).line(150, 140, 150, 170).line(240, 170, 240, 150);
  d.symbol(Symbol::Ground, 150, 170, 150, 180);
  d.mark("sbilanciata", 250, 100);
  d.mark("massa", 150, 198);
  d.mark("nome", 150, 222);
  return d;
}

}  // namespace vm::coils
