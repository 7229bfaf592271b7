#include "stub_drawings.h"

namespace vm::stubs {

namespace {

constexpr double kPen = 2;

// A dipole drawn as two arms with a gap at the centre (cx, y).
void dipole(Drawing& d, double cx, double y, double arm) {
  d.line(cx - 6 - arm, y, cx - 6, y, 4);
  d.line(cx + 6, y, cx + 6 + arm, y, 4);
}

}  // namespace

Drawing quarterWaveLine() {
  Drawing d(300, 330);
  dipole(d, 150, 30, 110);
  d.line(144, 30, 144, 50, kPen).line(156, 30, 156, 50, kPen);
  // the quarter-wave piece, then the feed line
  d.symbol(Symbol::Coax, 150, 50, 150, 170);
  d.circle(150, 175, 4, true);
  d.symbol(Symbol::Coax, 150, 180, 150, 300);
  d.symbol(Symbol::Dimension, 100, 50, 100, 170);
  d.mark("antenna", 230, 55).mark("piece", 45, 110).mark("line", 230, 185).mark("feed", 220, 260);
  return d;
}

Drawing twoPieces(bool crossed) {
  // short enough for three of them, one under the other, on the screen
  Drawing d(220, 310);
  dipole(d, 110, 30, 80);
  d.line(104, 30, 90, 50, kPen).line(116, 30, 130, 50, kPen);
  // the two pieces side by side
  d.symbol(Symbol::Coax, 90, 50, 90, 170);
  d.symbol(Symbol::Coax, 130, 50, 130, 170);
  if (crossed) {
    d.line(90, 170, 130, 185, kPen).line(130, 170, 90, 185, kPen);
  } else {
    d.line(90, 170, 90, 185, kPen).line(130, 170, 130, 185, kPen);
  }
  d.line(90, 185, 130, 185, kPen);
  d.circle(110, 185, 4, true);
  // the feed line
  d.symbol(Symbol::Coax, 110, 190, 110, 280);
  d.mark("antenna", 110, 12).mark("piece", 176, 110).mark("line", 170, 200).mark("feed", 110, 298);
  return d;
}

Drawing concentricTubes() {
  Drawing d(420, 240);
  // outer tube (cut away) and inner tube
  d.rect(60, 70, 280, 70);
  d.rect(60, 95, 280, 20, true);
  // the antenna at the right, the coaxial line at the left
  d.line(340, 105, 380, 105, kPen);
  d.symbol(Symbol::Antenna, 380, 105, 380, 60);
  d.symbol(Symbol::Coax, 10, 105, 60, 105);
  // the diameters and the length
  d.symbol(Symbol::Dimension, 350, 70, 350, 140);
  d.symbol(Symbol::Dimension, 200, 95, 200, 115);
  d.symbol(Symbol::Dimension, 60, 170, 340, 170);
  d.line(60, 145, 60, 180).line(340, 145, 340, 180);
  d.mark("d1", 390, 150).mark("d2", 230, 60).mark("length", 200, 195).mark("coax", 40, 220);
  return d;
}

Drawing gammaMatch() {
  Drawing d(460, 300);
  // the driven element, continuous through its centre
  d.line(20, 60, 440, 60, 5);
  d.line(230, 50, 230, 70, kPen);
  // the gamma rod below it, tied by the adjustable bridge
  d.line(230, 110, 380, 110, 3);
  d.line(380, 60, 380, 110, 4);
  // the series capacitor and the coax at the centre
  d.rect(200, 100, 30, 20);
  d.symbol(Symbol::Capacitor, 215, 120, 215, 170);
  d.line(215, 170, 215, 190, kPen);
  d.symbol(Symbol::Coax, 215, 190, 215, 270);
  d.line(230, 60, 230, 100, kPen);
  d.symbol(Symbol::Dimension, 410, 60, 410, 110);
  d.mark("centre", 230, 30).mark("insulator", 140, 110).mark("bridge", 380, 140).mark("coax", 300, 240);
  d.mark("rod", 305, 90).mark("spacing", 420, 150).mark("capacitor", 290, 150);
  return d;
}

Drawing hairpin() {
  Drawing d(420, 220);
  // the two halves of the dipole, insulated at the centre
  d.line(20, 40, 195, 40, 5).line(225, 40, 400, 40, 5);
  // the hairpin: two parallel conductors shorted at the far end
  d.line(195, 40, 195, 170, 3).line(225, 40, 225, 170, 3).line(195, 170, 225, 170, 3);
  d.symbol(Symbol::Dimension, 260, 40, 260, 170);
  d.symbol(Symbol::Dimension, 195, 195, 225, 195);
  d.mark("length", 320, 105).mark("spacing", 210, 212).mark("diameter", 140, 120);
  return d;
}

Drawing coaxBalun(bool threeQuarter) {
  // the three-quarter piece stands further out: the quarter's length is
  // written between the two pieces
  const double xLong = 330;
  Drawing d(threeQuarter ? 440 : 420, 340);
  dipole(d, 210, 30, 150);
  // the feed cable's inner conductor to one arm, its braid to the other
  d.line(204, 30, 190, 60, kPen).line(216, 30, 230, 60, kPen);
  d.symbol(Symbol::Coax, 190, 60, 190, 290);
  if (threeQuarter) {
    // a quarter-wave and a three-quarter-wave piece, joined at their far ends
    d.symbol(Symbol::Coax, 230, 60, 230, 120);
    d.symbol(Symbol::Coax, xLong, 60, xLong, 240);
    d.line(230, 120, xLong, 120, kPen).line(xLong, 60, 230, 60, kPen);
    d.mark("balanced", 370, 46).mark("quarter", (230 + xLong) / 2, 140).mark("threeQuarter", 390, 160);
  } else {
    // a quarter-wave piece beside the cable, its braid tied to the braid
    d.symbol(Symbol::Coax, 230, 60, 230, 180);
    d.line(190, 180, 230, 180, kPen);
    d.mark("balanced", 340, 50).mark("quarter", 290, 120);
  }
  d.mark("dipole", 210, 12).mark("unbalanced", 110, 305).mark("feed", 110, 230);
  return d;
}

}  // namespace vm::stubs
