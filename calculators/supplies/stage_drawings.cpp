#include "stage_drawings.h"

namespace vm::stages {

namespace {

constexpr double kPen = 2;
constexpr double kTerminal = 5;

void terminal(Drawing& d, double x, double y) { d.circle(x, y, kTerminal); }
void node(Drawing& d, double x, double y) { d.circle(x, y, 3, true); }

// An NPN transistor with its base bar at (x, y): the collector ends at
// (x + 20, y - 34), the emitter at (x + 20, y + 34).
void transistor(Drawing& d, double x, double y) {
  d.circle(x + 10, y, 24);
  d.line(x, y - 13, x, y + 13, 3);
  d.polyline({x, y - 6, x + 20, y - 18, x + 20, y - 34}, kPen);
  d.polyline({x, y + 6, x + 20, y + 18, x + 20, y + 34}, kPen);
  d.symbol(Symbol::Arrow, x + 8, y + 11, x + 18, y + 17);
}

// A vertical choke from (x, y) up to the supply at (x, top).
void feed(Drawing& d, double x, double y, double top) {
  d.line(x, y, x, y - 5, kPen);
  d.symbol(Symbol::Inductor, x, y - 5, x, top + 10);
  d.line(x, top + 10, x, top + kTerminal, kPen);
  terminal(d, x, top);
}

}  // namespace

Drawing commonEmitter() {
  Drawing d(400, 310);
  // the supply rail
  d.line(120, 40, 330, 40, kPen);
  terminal(d, 335, 40);
  node(d, 200, 40);
  // the base divider
  d.line(120, 40, 120, 60, kPen);
  d.symbol(Symbol::Resistor, 120, 60, 120, 120);
  d.line(120, 120, 120, 180, kPen);
  d.symbol(Symbol::Resistor, 120, 180, 120, 240);
  d.line(120, 240, 120, 280, kPen);
  node(d, 120, 150);
  // the input through C1
  terminal(d, 30, 150);
  d.line(30 + kTerminal, 150, 55, 150, kPen);
  d.symbol(Symbol::Capacitor, 55, 150, 85, 150);
  d.line(85, 150, 180, 150, kPen);
  transistor(d, 180, 150);
  // the collector resistor and the output through C2
  d.line(200, 40, 200, 55, kPen);
  d.symbol(Symbol::Resistor, 200, 55, 200, 100);
  d.line(200, 100, 200, 116, kPen);
  node(d, 200, 108);
  d.line(200, 108, 250, 108, kPen);
  d.symbol(Symbol::Capacitor, 250, 108, 280, 108);
  d.line(280, 108, 320 - kTerminal, 108, kPen);
  terminal(d, 320, 108);
  // the emitter resistor, not bypassed
  d.line(200, 184, 200, 200, kPen);
  d.symbol(Symbol::Resistor, 200, 200, 200, 255);
  d.line(200, 255, 200, 280, kPen);
  d.line(120, 280, 200, 280, kPen);
  d.symbol(Symbol::Ground, 160, 280, 160, 295);
  d.mark("r1", 95, 90).mark("r2", 95, 210).mark("r3", 230, 78).mark("r4", 230, 228);
  d.mark("c1", 70, 124).mark("c2", 265, 84).mark("vcc", 370, 40);
  return d;
}

Drawing coupling(Source source, Load load) {
  const double rail = 120, ground = 220;
  Drawing d(560, 290);
  // what drives the network, on the left
  if (source == Source::OscillatorCoil) {
    d.line(70, rail, 70, rail + 15, kPen);
    d.symbol(Symbol::Inductor, 70, rail + 15, 70, ground - 15);
    d.line(70, ground - 15, 70, ground, kPen);
  } else if (source == Source::Coax) {
    d.symbol(Symbol::Coax, 10, rail, 120, rail);
    d.line(70, rail + 5, 70, ground, kPen);
  } else {
    d.line(15, 170, 50, 170, kPen);
    transistor(d, 50, 170);
    d.line(70, 136, 70, rail, kPen);
    d.line(70, 204, 70, ground, kPen);
    node(d, 110, rail);
    feed(d, 110, rail, 28);
  }
  // C1 across the input, the coil in series, C2 across the output
  d.line(source == Source::Coax ? 120 : 70, rail, 235, rail, kPen);
  d.symbol(Symbol::Inductor, 235, rail, 335, rail);
  const double end = load == Load::Transistor ? 440 : 420;
  d.line(335, rail, end, rail, kPen);
  for (double x : {170.0, 400.0}) {
    node(d, x, rail);
    d.line(x, rail, x, 150, kPen);
    d.symbol(Symbol::Capacitor, x, 150, x, 190);
    d.line(x, 190, x, ground, kPen);
    node(d, x, ground);
  }
  // what the network feeds, on the right
  double right = 0;
  if (load == Load::Transistor) {
    transistor(d, 440, rail);
    feed(d, 460, rail - 34, 28);
    d.line(460, rail + 34, 460, ground, kPen);
    right = 460;
  } else {
    d.symbol(Symbol::Coax, 420, rail, 530, rail);
    d.line(440, ground, 440, rail + 5, kPen);
    right = 440;
  }
  d.line(70, ground, right, ground, kPen);
  d.symbol(Symbol::Ground, 285, ground, 285, ground + 15);
  d.mark("source", 70, source == Source::Coax ? 88 : 252).mark("load", load == Load::Transistor ? 455 : 475, load == Load::Transistor ? 252 : 88);
  d.mark("coil", 285, 94).mark("c1", 240, 172).mark("c2", 330, 172);
  if (load == Load::Transistor) {
    d.mark("jaf", 492, 60).mark("vcc", 460, 12);
  } else {
    d.mark("jaf", 142, 70).mark("vcc", 110, 12);
  }
  d.mark("note1", 285, 250).mark("note2", 285, 272);
  return d;
}

}  // namespace vm::stages
