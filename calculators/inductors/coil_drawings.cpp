#include "coil_drawings.h"

namespace vm::coils {

Drawing solenoid() {
  Drawing d(285, 170);
  // leads
  d.line(10, 75, 40, 75, 2).line(200, 75, 208, 75, 2);
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
  d.symbol(Symbol::Dimension, 216, 30, 216, 120);
  d.mark("lbll", 120, 150);
  d.mark("lbld", 252, 75);
  return d;
}

Drawing spacedSolenoid() {
  Drawing d(310, 150);
  // leads
  d.line(20, 80, 50, 80, 2).line(226, 80, 240, 80, 2);
  // six turns with a clear gap between them
  for (int i = 0; i < 6; ++i) {
    double x = 50 + i * 32;
    d.arc(x, 30, 16, 100, 90, 180).arc(x, 30, 16, 100, 270, 180);
    d.shapes.back().width = 3;
  }
  // spacing between the third and the fourth turn, above the coil
  d.line(130, 16, 130, 32).line(146, 16, 146, 32);
  d.symbol(Symbol::Dimension, 130, 20, 146, 20);
  // diameter at the right
  d.line(226, 30, 254, 30).line(226, 130, 254, 130);
  d.symbol(Symbol::Dimension, 248, 30, 248, 130);
  d.mark("lbld", 280, 80);
  d.mark("lbls", 138, 8);
  return d;
}

Drawing groundPlaneConductor() {
  Drawing d(300, 180);
  // the ground plane, hatched below
  d.line(20, 150, 280, 150, 3);
  for (int x = 35; x <= 275; x += 20) d.line(x, 150, x - 12, 164);
  // the conductor: tied to the plane at its left end, free at the right
  d.line(60, 150, 60, 60, 4).line(60, 60, 240, 60, 4);
  d.circle(240, 60, 4, true);
  // its length, above
  d.line(60, 30, 60, 55).line(240, 30, 240, 55);
  d.symbol(Symbol::Dimension, 60, 36, 240, 36);
  // its height over the plane
  d.symbol(Symbol::Dimension, 210, 60, 210, 150);
  d.mark("lbllunghezza", 150, 20);
  d.mark("lbldistanza", 250, 105);
  return d;
}

Drawing squareSpiral() {
  Drawing d(340, 275);
  // three turns inside a 180-unit square: tracks 12 wide with 12 between
  // them, leaving a hole as wide as the winding
  const double l = 40, t = 40, r = 220, b = 220, pitch = 24, half = 6;
  std::vector<double> xy{l + half, b + 15};
  for (int turn = 0; turn < 3; ++turn) {
    double in = half + turn * pitch;
    double corners[] = {l + in, t + in, r - in, t + in, r - in, b - in, l + in + pitch, b - in};
    xy.insert(xy.end(), corners, corners + (turn < 2 ? 8 : 6));
  }
  d.polyline(xy, 12);
  // the inner end, where the bridge is soldered
  d.circle(r - half - 2 * pitch, b - half - 2 * pitch, 7, true);
  // outer side, above
  d.line(l, 16, l, 34).line(r, 16, r, 34);
  d.symbol(Symbol::Dimension, l, 22, r, 22);
  // inner side, across the hole, pointed at from below the board
  d.symbol(Symbol::Dimension, l + 60, 130, r - 60, 130);
  d.symbol(Symbol::Arrow, 150, 252, 135, 134);
  // track width and gap of the outermost turn, pointed at from the right
  d.symbol(Symbol::Dimension, r - 12, 160, r, 160);
  d.symbol(Symbol::Arrow, 258, 175, r - 4, 162);
  d.symbol(Symbol::Dimension, r - 24, 110, r - 12, 110);
  d.symbol(Symbol::Arrow, 258, 95, r - 18, 108);
  d.mark("Label1", 130, 8);
  d.mark("Label2", 150, 262);
  d.mark("Label3", 302, 175);
  d.mark("Label4", 302, 95);
  return d;
}

}  // namespace vm::coils
