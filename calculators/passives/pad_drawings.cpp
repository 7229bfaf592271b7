#include "pad_drawings.h"

namespace vm::pads {

namespace {

constexpr double kPen = 2;
constexpr double kTop = 50, kBottom = 170;  // the two lines
constexpr double kCell = 200;               // width of one cell
constexpr double kMargin = 30;              // room for the terminals
constexpr double kBeside = 38;              // a shunt resistor to the centre of its value

void terminal(Drawing& d, double x, double y) { d.circle(x, y, 5); }
void node(Drawing& d, double x, double y) { d.circle(x, y, 3, true); }

// The terminal pairs at both ends and the frame of the drawing.
Drawing frame(int cells) {
  Drawing d(2 * kMargin + kCell * cells, kBottom + 40);
  const double right = d.width - kMargin + 15;
  for (double x : {kMargin - 15, right}) {
    terminal(d, x, kTop);
    terminal(d, x, kBottom);
  }
  d.line(kMargin - 10, kTop, kMargin, kTop, kPen).line(kMargin - 10, kBottom, kMargin, kBottom, kPen);
  d.line(d.width - kMargin, kTop, right - 5, kTop, kPen);
  d.line(d.width - kMargin, kBottom, right - 5, kBottom, kPen);
  d.mark("title", d.width / 2, 12);
  return d;
}

// A resistor in a line from x1 to x2 with wire up to the ends of the span.
void seriesArm(Drawing& d, double x1, double x2, double y) {
  d.line(x1, y, x1 + 10, y, kPen);
  d.symbol(Symbol::Resistor, x1 + 10, y, x2 - 10, y);
  d.line(x2 - 10, y, x2, y, kPen);
}

// A resistor between the two lines at x.
void shuntArm(Drawing& d, double x) {
  node(d, x, kTop);
  node(d, x, kBottom);
  d.line(x, kTop, x, kTop + 25, kPen);
  d.symbol(Symbol::Resistor, x, kTop + 25, x, kBottom - 25);
  d.line(x, kBottom - 25, x, kBottom, kPen);
}

std::string name(const std::string& r, int cells, int n, const char* half = "") {
  return cells == 1 ? r + half : cellMark(r + half, n);
}

}  // namespace

std::string cellMark(const std::string& r, int n) { return r + "." + std::to_string(n); }

Drawing tNetwork(bool balanced, int cells) {
  Drawing d = frame(cells);
  for (int i = 0; i < cells; ++i) {
    const double x0 = kMargin + kCell * i, mid = x0 + kCell / 2;
    seriesArm(d, x0, mid, kTop);
    seriesArm(d, mid, x0 + kCell, kTop);
    shuntArm(d, mid);
    d.mark(name("R1", cells, i + 1), x0 + kCell / 4, kTop - 22);
    d.mark(name("R2", cells, i + 1), x0 + 3 * kCell / 4, kTop - 22);
    d.mark(name("R3", cells, i + 1), mid + kBeside, (kTop + kBottom) / 2);
    if (balanced) {
      seriesArm(d, x0, mid, kBottom);
      seriesArm(d, mid, x0 + kCell, kBottom);
      d.mark(name("R1", cells, i + 1, "a"), x0 + kCell / 4, kBottom + 22);
      d.mark(name("R2", cells, i + 1, "a"), x0 + 3 * kCell / 4, kBottom + 22);
    } else {
      d.line(x0, kBottom, x0 + kCell, kBottom, kPen);
    }
  }
  return d;
}

Drawing piNetwork(bool balanced, int cells) {
  Drawing d = frame(cells);
  for (int i = 0; i < cells; ++i) {
    const double x0 = kMargin + kCell * i;
    const double left = x0 + 30, right = x0 + kCell - 30;
    d.line(x0, kTop, left, kTop, kPen).line(right, kTop, x0 + kCell, kTop, kPen);
    seriesArm(d, left, right, kTop);
    shuntArm(d, left);
    shuntArm(d, right);
    d.mark(name("R1", cells, i + 1), left + kBeside - 4, (kTop + kBottom) / 2);
    d.mark(name("R2", cells, i + 1), right - kBeside + 4, (kTop + kBottom) / 2);
    d.mark(name("R3", cells, i + 1), x0 + kCell / 2, kTop - 22);
    if (balanced) {
      d.line(x0, kBottom, left, kBottom, kPen).line(right, kBottom, x0 + kCell, kBottom, kPen);
      seriesArm(d, left, right, kBottom);
      d.mark(name("R3", cells, i + 1, "a"), x0 + kCell / 2, kBottom + 22);
    } else {
      d.line(x0, kBottom, x0 + kCell, kBottom, kPen);
    }
  }
  return d;
}

Drawing lNetwork(bool balanced) {
  Drawing d = frame(1);
  // the two sides' captions are longer than half the width: one row each
  d.height += 10;
  const double x0 = kMargin, shunt = x0 + 140;
  seriesArm(d, x0, shunt, kTop);
  d.line(shunt, kTop, x0 + kCell, kTop, kPen);
  shuntArm(d, shunt);
  d.mark("R1", x0 + 70, kTop - 22);
  d.mark("R2", shunt + kBeside, (kTop + kBottom) / 2);
  d.mark("high", x0 + 50, kBottom + 22);
  d.mark("low", x0 + kCell - 40, kBottom + 37);
  if (balanced) {
    seriesArm(d, x0, shunt, kBottom);
    d.line(shunt, kBottom, x0 + kCell, kBottom, kPen);
    // above the lower line: the side captions take the room below it
    d.mark("R1a", x0 + 70, kBottom - 22);
  } else {
    d.line(x0, kBottom, x0 + kCell, kBottom, kPen);
  }
  return d;
}

Drawing bridgedT() {
  Drawing d = frame(1);
  const double x0 = kMargin, mid = x0 + kCell / 2, y = kTop + 50;
  // the main line runs lower so that the bridge fits above it
  d.line(x0, kTop, x0, y, kPen).line(x0 + kCell, kTop, x0 + kCell, y, kPen);
  seriesArm(d, x0, mid, y);
  seriesArm(d, mid, x0 + kCell, y);
  node(d, x0, y);
  node(d, x0 + kCell, y);
  d.line(x0, kTop, x0 + 50, kTop, kPen);
  d.symbol(Symbol::Resistor, x0 + 50, kTop, x0 + kCell - 50, kTop);
  d.line(x0 + kCell - 50, kTop, x0 + kCell, kTop, kPen);
  node(d, mid, y);
  node(d, mid, kBottom);
  d.line(mid, y, mid, y + 10, kPen);
  d.symbol(Symbol::Resistor, mid, y + 10, mid, kBottom - 10);
  d.line(mid, kBottom - 10, mid, kBottom, kPen);
  d.line(x0, kBottom, x0 + kCell, kBottom, kPen);
  d.mark("R3", mid, kTop - 22);
  d.mark("R1", x0 + kCell / 4, y + 16);
  d.mark("R1a", x0 + 3 * kCell / 4, y + 16);
  d.mark("R2", mid + kBeside, (y + kBottom) / 2 + 6);
  return d;
}

}  // namespace vm::pads
