#include "networks.h"

namespace vm::networks {

void terminal(Drawing& d, double x, double y) { d.circle(x, y, kTerminal); }
void node(Drawing& d, double x, double y) { d.circle(x, y, 3, true); }

Drawing piNetwork() {
  const double top = 50, bottom = 170, left = 20, right = 380;
  const double x1 = 90, x2 = 310;
  Drawing d(right + 20, 200);
  terminal(d, left, top);
  terminal(d, left, bottom);
  terminal(d, right, top);
  terminal(d, right, bottom);
  d.line(left + kTerminal, top, 150, top, kPen);
  d.symbol(Symbol::Inductor, 150, top, 250, top);
  d.line(250, top, right - kTerminal, top, kPen);
  d.line(left + kTerminal, bottom, right - kTerminal, bottom, kPen);
  for (double x : {x1, x2}) {
    node(d, x, top);
    node(d, x, bottom);
    d.line(x, top, x, 90, kPen);
    d.symbol(Symbol::Capacitor, x, 90, x, 130);
    d.line(x, 130, x, bottom, kPen);
  }
  d.mark("input", left + 10, 20).mark("output", right - 10, 20);
  d.mark("c1", x1 + 58, 110).mark("l", 200, top + 26).mark("c2", x2 - 58, 110);
  return d;
}

}  // namespace vm::networks
