#include "filter_drawings.h"

namespace vm::circuit {

namespace {

constexpr double kPen = 2;
constexpr double kTop = 100;     // the signal line of a ladder
constexpr double kBottom = 260;  // its ground rail
constexpr double kMargin = 80;   // room for the terminal labels

void terminal(Drawing& d, double x, double y) { d.circle(x, y, 5); }
void node(Drawing& d, double x, double y) { d.circle(x, y, 3, true); }

const Element& at(const Arm& a, std::size_t i) { return a.elements.at(i); }

// The width an arm takes along the line.
double widthOf(const Arm& a) {
  const bool two = a.elements.size() > 1;
  if (a.shunt) return two && a.parallel ? 200 : 130;
  if (!two) return 140;
  return a.parallel ? 160 : 240;
}

void mark(Drawing& d, const Element& e, double x, double y) {
  if (!e.mark.empty()) d.mark(e.mark, x, y);
}

void seriesArm(Drawing& d, const Arm& a, double x) {
  const double y = kTop;
  if (a.elements.size() == 1) {
    d.line(x, y, x + 40, y, kPen);
    d.symbol(at(a, 0).symbol, x + 40, y, x + 100, y);
    d.line(x + 100, y, x + 140, y, kPen);
    mark(d, at(a, 0), x + 70, y - 36);
  } else if (!a.parallel) {
    d.line(x, y, x + 30, y, kPen);
    d.symbol(at(a, 0).symbol, x + 30, y, x + 90, y);
    d.line(x + 90, y, x + 150, y, kPen);
    d.symbol(at(a, 1).symbol, x + 150, y, x + 210, y);
    d.line(x + 210, y, x + 240, y, kPen);
    mark(d, at(a, 0), x + 60, y - 36);
    mark(d, at(a, 1), x + 180, y - 36);
  } else {
    const double up = y - 50;
    d.line(x, y, x + 50, y, kPen);
    d.symbol(at(a, 0).symbol, x + 50, y, x + 110, y);
    d.line(x + 110, y, x + 160, y, kPen);
    node(d, x + 30, y);
    node(d, x + 130, y);
    d.line(x + 30, y, x + 30, up, kPen);
    d.line(x + 130, y, x + 130, up, kPen);
    d.line(x + 30, up, x + 50, up, kPen);
    d.symbol(at(a, 1).symbol, x + 50, up, x + 110, up);
    d.line(x + 110, up, x + 130, up, kPen);
    mark(d, at(a, 0), x + 80, y + 30);
    mark(d, at(a, 1), x + 80, up - 30);
  }
}

void shuntArm(Drawing& d, const Arm& a, double x) {
  const double w = widthOf(a);
  d.line(x, kTop, x + w, kTop, kPen);
  if (a.elements.size() == 1 || !a.parallel) {
    const double xv = x + 40;
    node(d, xv, kTop);
    node(d, xv, kBottom);
    if (a.elements.size() == 1) {
      d.line(xv, kTop, xv, kTop + 50, kPen);
      d.symbol(at(a, 0).symbol, xv, kTop + 50, xv, kTop + 120);
      d.line(xv, kTop + 120, xv, kBottom, kPen);
      mark(d, at(a, 0), xv + 50, kTop + 85);
    } else {
      d.line(xv, kTop, xv, kTop + 20, kPen);
      d.symbol(at(a, 0).symbol, xv, kTop + 20, xv, kTop + 75);
      d.line(xv, kTop + 75, xv, kTop + 95, kPen);
      d.symbol(at(a, 1).symbol, xv, kTop + 95, xv, kTop + 150);
      d.line(xv, kTop + 150, xv, kBottom, kPen);
      // the values of a resonator's pair are long: written clear of the arm,
      // reaching into the room below the next arm
      mark(d, at(a, 0), xv + 60, kTop + 47);
      mark(d, at(a, 1), xv + 92, kTop + 122);
    }
    return;
  }
  const double xl = x + 40, xr = x + 140, xc = (xl + xr) / 2;
  const double join1 = kTop + 25, join2 = kBottom - 25;
  node(d, xc, kTop);
  node(d, xc, kBottom);
  d.line(xc, kTop, xc, join1, kPen);
  d.line(xc, join2, xc, kBottom, kPen);
  d.line(xl, join1, xr, join1, kPen);
  d.line(xl, join2, xr, join2, kPen);
  for (double xb : {xl, xr}) {
    const Element& e = at(a, xb == xl ? 0 : 1);
    d.line(xb, join1, xb, kTop + 50, kPen);
    d.symbol(e.symbol, xb, kTop + 50, xb, kTop + 110);
    d.line(xb, kTop + 110, xb, join2, kPen);
  }
  mark(d, at(a, 0), xc, kTop + 60);
  mark(d, at(a, 1), xr + 45, kTop + 100);
}

}  // namespace

Drawing ladder(const std::vector<Arm>& arms) {
  double width = 2 * kMargin;
  for (const auto& a : arms) width += widthOf(a);
  Drawing d(width, kBottom + 30);
  const double xin = 30, xout = width - 30;
  terminal(d, xin, kTop);
  terminal(d, xin, kBottom);
  terminal(d, xout, kTop);
  terminal(d, xout, kBottom);
  d.line(xin + 5, kBottom, xout - 5, kBottom, kPen);
  d.line(xin + 5, kTop, kMargin, kTop, kPen);
  double x = kMargin;
  for (const auto& a : arms) {
    if (a.shunt)
      shuntArm(d, a, x);
    else
      seriesArm(d, a, x);
    x += widthOf(a);
  }
  d.line(x, kTop, xout - 5, kTop, kPen);
  d.mark("input", xin + 10, (kTop + kBottom) / 2);
  d.mark("output", xout - 10, (kTop + kBottom) / 2);
  return d;
}

Drawing chargingCircuit(Symbol load) {
  const double top = 50, bottom = 210, xs = 50, xl = 260;
  Drawing d(380, 250);
  d.line(xs, top, xs, 100, kPen);
  d.symbol(Symbol::Generator, xs, 100, xs, 160);
  d.line(xs, 160, xs, bottom, kPen);
  d.line(xs, top, 100, top, kPen);
  d.symbol(Symbol::Resistor, 100, top, 180, top);
  d.line(180, top, xl, top, kPen);
  d.line(xl, top, xl, 100, kPen);
  d.symbol(load, xl, 100, xl, 160);
  d.line(xl, 160, xl, bottom, kPen);
  d.line(xs, bottom, xl, bottom, kPen);
  d.mark("resistor", 140, 20).mark("load", 320, 130).mark("supply", 140, 130);
  return d;
}

Drawing twinT() {
  const double up = 60, low = 180, xin = 30, xout = 470, bin = 100, bout = 400, mid = 250;
  Drawing d(500, 290);
  terminal(d, xin, (up + low) / 2);
  terminal(d, xout, (up + low) / 2);
  d.line(xin + 5, (up + low) / 2, bin, (up + low) / 2, kPen);
  d.line(bout, (up + low) / 2, xout - 5, (up + low) / 2, kPen);
  node(d, bin, (up + low) / 2);
  node(d, bout, (up + low) / 2);
  d.line(bin, up, bin, low, kPen);
  d.line(bout, up, bout, low, kPen);
  for (double y : {up, low}) {
    const Symbol s = y == up ? Symbol::Resistor : Symbol::Capacitor;
    d.line(bin, y, 130, y, kPen);
    d.symbol(s, 130, y, 210, y);
    d.line(210, y, 290, y, kPen);
    d.symbol(s, 290, y, 370, y);
    d.line(370, y, bout, y, kPen);
    node(d, mid, y);
  }
  // the shunt capacitor of the resistor T, and the shunt resistor of the capacitor T
  d.line(mid, up, mid, 80, kPen);
  d.symbol(Symbol::Capacitor, mid, 80, mid, 120);
  d.symbol(Symbol::Ground, mid, 120, mid, 140);
  d.line(mid, low, mid, 195, kPen);
  d.symbol(Symbol::Resistor, mid, 195, mid, 255);
  d.symbol(Symbol::Ground, mid, 255, mid, 275);
  d.mark("input", xin + 10, 150).mark("output", xout - 10, 150);
  d.mark("r1", 170, up - 30).mark("r2", 330, up - 30).mark("c3", mid + 45, 100);
  d.mark("c1", 170, low + 30).mark("c2", 330, low + 30).mark("r3", mid + 45, 225);
  return d;
}

}  // namespace vm::circuit
