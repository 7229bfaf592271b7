#include "matching_drawings.h"

#include "calculators/drawings/networks.h"

namespace vm::matching {

using networks::kPen;
using networks::kTerminal;
using networks::node;
using networks::terminal;

Drawing lNetwork(Symbol series, const std::string& seriesName, Symbol shunt, const std::string& shuntName,
                 bool shuntAtInput) {
  const double top = 40, bottom = 150, left = 20, right = 300;
  const double xs1 = 110, xs2 = 190;                 // the series element
  const double xp = shuntAtInput ? 70 : 240;         // the element across the line
  Drawing d(right + 20, 180);
  terminal(d, left, top);
  terminal(d, left, bottom);
  terminal(d, right, top);
  terminal(d, right, bottom);
  d.line(left + kTerminal, top, xs1, top, kPen);
  d.symbol(series, xs1, top, xs2, top);
  d.line(xs2, top, right - kTerminal, top, kPen);
  d.line(left + kTerminal, bottom, right - kTerminal, bottom, kPen);
  d.text((xs1 + xs2) / 2 - 8, top - 24, seriesName);
  node(d, xp, top);
  node(d, xp, bottom);
  d.line(xp, top, xp, 70, kPen);
  d.symbol(shunt, xp, 70, xp, 120);
  d.line(xp, 120, xp, bottom, kPen);
  d.text(xp + 14, 100, shuntName);
  d.mark("series", (xs1 + xs2) / 2, top + 26);
  d.mark("shunt", shuntAtInput ? xp + 46 : xp - 46, 95);
  return d;
}

Drawing twoPortPairs() {
  Drawing d(640, 60);
  for (double x0 : {0.0, 320.0}) {
    // input port, an arrow through the network, output port
    terminal(d, x0 + 20, 40);
    d.symbol(Symbol::Arrow, x0 + 70, 40, x0 + 250, 40);
    terminal(d, x0 + 300, 40);
  }
  d.mark("zin", 30, 15).mark("zout", 290, 15).mark("zin1", 350, 15).mark("zout1", 610, 15);
  return d;
}

Drawing tappedCapacitor() {
  const double top = 30, mid = 120, bottom = 210;
  const double xl = 80, xc = 200;
  Drawing d(340, 240);
  d.line(xl, top, xc, top, kPen);
  d.line(xl, bottom, xc, bottom, kPen);
  // the coil on the left, across the whole circuit
  d.line(xl, top, xl, 80, kPen);
  d.symbol(Symbol::Inductor, xl, 80, xl, 160);
  d.line(xl, 160, xl, bottom, kPen);
  // the two capacitors in series on the right
  d.line(xc, top, xc, 55, kPen);
  d.symbol(Symbol::Capacitor, xc, 55, xc, 95);
  d.line(xc, 95, xc, 145, kPen);
  d.symbol(Symbol::Capacitor, xc, 145, xc, 185);
  d.line(xc, 185, xc, bottom, kPen);
  node(d, xc, top);
  node(d, xc, mid);
  node(d, xc, bottom);
  // the high impedance across the whole circuit, the low one at the junction
  d.line(xc, top, 300, top, kPen);
  terminal(d, 305, top);
  d.line(xc, mid, 300, mid, kPen);
  terminal(d, 305, mid);
  d.line(xc, bottom, 300, bottom, kPen);
  terminal(d, 305, bottom);
  d.symbol(Symbol::Ground, xc, bottom, xc, bottom + 15);
  d.text(315, 75, "Zout").text(315, 165, "Zin");
  d.text(xc + 12, 70, "C1").text(xc + 12, 160, "C2").text(xl - 30, 115, "L");
  d.mark("c1", xc + 60, 85).mark("c2", xc + 60, 175).mark("l", xl - 40, 140);
  return d;
}

Drawing antennaLNetwork() {
  const double top = 50, bottom = 170;
  Drawing d(400, 200);
  // the antenna at the left, on the series coil
  d.symbol(Symbol::Antenna, 40, top, 40, top - 40);
  d.line(40, top, 120, top, kPen);
  d.symbol(Symbol::Inductor, 120, top, 220, top);
  d.line(220, top, 355, top, kPen);
  d.text(165, top - 24, "L");
  // the capacitor across the transmitter side
  node(d, 280, top);
  node(d, 280, bottom);
  d.line(280, top, 280, 90, kPen);
  d.symbol(Symbol::Capacitor, 280, 90, 280, 130);
  d.line(280, 130, 280, bottom, kPen);
  d.text(294, 114, "C");
  d.line(40, bottom, 355, bottom, kPen);
  d.symbol(Symbol::Ground, 40, bottom, 40, bottom + 15);
  terminal(d, 360, top);
  terminal(d, 360, bottom);
  d.mark("l", 170, top + 26).mark("c", 230, 140).mark("tx", 350, 110);
  return d;
}

}  // namespace vm::matching
