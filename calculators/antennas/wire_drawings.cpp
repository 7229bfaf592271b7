#include "wire_drawings.h"

namespace vm::wires {

void dipoleArms(Drawing& d, double x1, double x2, double y, double gap) {
  const double cx = (x1 + x2) / 2;
  d.line(x1, y, cx - gap, y, 2).line(cx + gap, y, x2, y, 2);
  // end insulators and the short halyards behind them
  d.rect(x1 - 8, y - 3, 6, 6, true).line(x1 - 8, y, x1 - 16, y);
  d.rect(x2 + 2, y - 3, 6, 6, true).line(x2 + 8, y, x2 + 16, y);
}

void feedPoint(Drawing& d, double cx, double y, double gap) {
  d.rect(cx - gap, y - 4, 2 * gap, 8);
  d.circle(cx - gap, y, 2, true).circle(cx + gap, y, 2, true);
}

void downLead(Drawing& d, double cx, double y1, double y2) { d.symbol(Symbol::Coax, cx, y1, cx, y2); }

void invertedV(Drawing& d, double cx, double top, double halfSpan, double ends, double ground) {
  d.line(cx, top, cx, ground, 3);
  d.polyline({cx - halfSpan, ends, cx - 4, top + 2}, 2);
  d.polyline({cx + 4, top + 2, cx + halfSpan, ends}, 2);
  d.rect(cx - halfSpan - 6, ends - 3, 6, 6, true).rect(cx + halfSpan, ends - 3, 6, 6, true);
  d.line(cx - halfSpan - 40, ground, cx + halfSpan + 40, ground);
  d.symbol(Symbol::Ground, cx, ground, cx, ground);
}

void foldedConductor(Drawing& d, double x1, double x2, double y, double spacing, double gap) {
  const double cx = (x1 + x2) / 2;
  const double r = spacing / 2;
  // upper conductor, whole
  d.line(x1 + r, y, x2 - r, y, 2);
  // lower conductor, open at the centre
  d.line(x1 + r, y + spacing, cx - gap, y + spacing, 2);
  d.line(cx + gap, y + spacing, x2 - r, y + spacing, 2);
  // the folds joining them at the ends
  d.arc(x1, y, spacing, spacing, 90, 180);
  d.shapes.back().width = 2;
  d.arc(x2 - spacing, y, spacing, spacing, 270, 180);
  d.shapes.back().width = 2;
}

void whip(Drawing& d, double x, double base, double top) {
  d.line(x, base, x, top, 3);
  d.rect(x - 5, base, 10, 12, true);
  d.line(x - 60, base + 12, x + 60, base + 12, 2);
  d.symbol(Symbol::Ground, x + 40, base + 12, x + 40, base + 12);
}

Drawing halfWaveDipole() {
  Drawing d(320, 180);
  dipoleArms(d, 30, 290, 60, 6);
  feedPoint(d, 160, 60, 6);
  downLead(d, 160, 64, 150);
  // the length of one arm
  d.symbol(Symbol::Dimension, 30, 40, 154, 40);
  d.symbol(Symbol::Dimension, 166, 40, 290, 40);
  d.mark("lbllunghezza", 92, 28);
  d.mark("1_4_lambda", 228, 28);
  d.mark("discesa_coax", 215, 130);
  return d;
}

Drawing invertedVDipole() {
  Drawing d(240, 120);
  invertedV(d, 120, 20, 90, 80, 105);
  d.symbol(Symbol::Dimension, 114, 14, 30, 74);
  return d;
}

Drawing foldedDipole() {
  Drawing d(360, 200);
  foldedConductor(d, 30, 310, 60, 24, 6);
  feedPoint(d, 170, 84, 6);
  downLead(d, 170, 88, 170);
  // diameters and spacing, at the right-hand fold
  d.symbol(Symbol::Arrow, 250, 40, 250, 58);
  d.symbol(Symbol::Arrow, 250, 104, 250, 86);
  d.symbol(Symbol::Dimension, 320, 60, 320, 84);
  // overall length, above
  d.symbol(Symbol::Dimension, 30, 25, 310, 25);
  d.mark("lbld1", 250, 116);
  d.mark("lbld2", 272, 44);
  d.mark("lbls", 338, 72);
  d.mark("lblimpedenza", 215, 150);
  d.mark("lbllung", 170, 12);
  return d;
}

Drawing offCentreFed() {
  Drawing d(360, 200);
  // the feed point sits at a third of the wire from the left end
  dipoleArms(d, 30, 330, 60, 0);
  d.circle(129, 60, 3, true);
  d.rect(117, 90, 24, 16);
  d.line(129, 60, 129, 90, 2);
  downLead(d, 129, 106, 180);
  d.symbol(Symbol::Dimension, 30, 35, 330, 35);
  d.symbol(Symbol::Dimension, 30, 80, 129, 80);
  d.mark("lblm", 180, 22);
  d.mark("lblpresa", 80, 70);
  d.mark("balun", 175, 98);
  d.mark("discesa_al_rxtx", 200, 160);
  return d;
}

Drawing g5rv() {
  Drawing d(380, 260);
  dipoleArms(d, 30, 350, 40, 6);
  feedPoint(d, 190, 40, 6);
  // open-wire matching line, then balun, tuner and coax
  d.line(184, 44, 184, 150, 2).line(196, 44, 196, 150, 2);
  for (double y = 55; y < 150; y += 15) d.line(184, y, 196, y);
  d.rect(170, 150, 40, 24);
  d.symbol(Symbol::Coax, 190, 174, 190, 240);
  d.symbol(Symbol::Dimension, 30, 20, 184, 20);
  d.symbol(Symbol::Dimension, 215, 44, 215, 150);
  d.mark("lblbraccio", 107, 10);
  d.mark("lbladattamento", 250, 97);
  d.mark("scaletta_10_12_cm", 105, 100);
  d.mark("balun_tuner", 260, 162);
  d.mark("discesa_coax_50_ohm", 270, 215);
  return d;
}

Drawing shortDipole() {
  Drawing d(320, 180);
  dipoleArms(d, 60, 260, 60, 6);
  feedPoint(d, 160, 60, 6);
  downLead(d, 160, 64, 150);
  // one arm, at most a quarter wave
  d.symbol(Symbol::Dimension, 166, 40, 260, 40);
  d.mark("lbllunghezza", 213, 28);
  d.mark("max_1_4_lambda", 225, 80);
  d.mark("discesa_coax", 215, 130);
  return d;
}

Drawing shortWhip() {
  Drawing d(220, 260);
  whip(d, 100, 200, 30);
  d.symbol(Symbol::Dimension, 130, 30, 130, 200);
  d.symbol(Symbol::Coax, 100, 212, 20, 250);
  d.mark("lbllunghezza", 170, 115);
  d.mark("discesa_coax", 110, 250);
  return d;
}

}  // namespace vm::wires
