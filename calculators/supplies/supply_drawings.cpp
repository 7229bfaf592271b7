#include "supply_drawings.h"

#include <cmath>

namespace vm::supplies {

namespace {

constexpr double kPen = 2;

// A symbol drawn with the pen of the wires.
void part(Drawing& d, Symbol s, double x1, double y1, double x2, double y2) {
  d.symbol(s, x1, y1, x2, y2);
  d.shapes.back().width = kPen;
}

void terminal(Drawing& d, double x, double y) { d.circle(x, y, 5); }
void node(Drawing& d, double x, double y) { d.circle(x, y, 3, true); }
void wire(Drawing& d, double x1, double y1, double x2, double y2) { d.line(x1, y1, x2, y2, kPen); }
void ground(Drawing& d, double x, double y) { part(d, Symbol::Ground, x, y, x, y + 12); }

enum class Diode { Plain, Zener, Led };

// A diode from anode a to cathode k, its body in the middle, leads to both ends.
void diode(Drawing& d, double ax, double ay, double kx, double ky, Diode kind = Diode::Plain) {
  const double len = std::hypot(kx - ax, ky - ay);
  const double ux = (kx - ax) / len, uy = (ky - ay) / len;  // along, anode to cathode
  const double nx = -uy, ny = ux;                           // across
  const double s = 16, mx = (ax + kx) / 2, my = (ay + ky) / 2;
  const double bx = mx - ux * s / 2, by = my - uy * s / 2;  // base of the triangle
  const double tx = mx + ux * s / 2, ty = my + uy * s / 2;  // its tip, on the bar
  wire(d, ax, ay, bx, by);
  wire(d, tx, ty, kx, ky);
  d.polyline({bx + nx * s / 2, by + ny * s / 2, bx - nx * s / 2, by - ny * s / 2, tx, ty, bx + nx * s / 2,
              by + ny * s / 2},
             kPen);
  const double ex = tx + nx * s / 2, ey = ty + ny * s / 2, fx = tx - nx * s / 2, fy = ty - ny * s / 2;
  d.line(ex, ey, fx, fy, kPen);
  if (kind == Diode::Zener) {
    // the bent ends of the Zener bar
    d.line(ex, ey, ex - ux * 5, ey - uy * 5, kPen);
    d.line(fx, fy, fx + ux * 5, fy + uy * 5, kPen);
  }
  if (kind == Diode::Led) {
    // the light, leaving the body on its side
    for (double k : {-4.0, 5.0}) {
      const double sx = mx + nx * 12 + ux * k, sy = my + ny * 12 + uy * k;
      part(d, Symbol::Arrow, sx, sy, sx + nx * 14 - ux * 10, sy + ny * 14 - uy * 10);
    }
  }
}

// A capacitor standing between a rail at y1 and a rail at y2, its plates in the middle.
void shuntCapacitor(Drawing& d, double x, double y1, double y2, bool electrolytic) {
  const double mid = (y1 + y2) / 2;
  wire(d, x, y1, x, mid - 20);
  part(d, Symbol::Capacitor, x, mid - 20, x, mid + 20);
  wire(d, x, mid + 20, x, y2);
  node(d, x, y1);
  if (electrolytic) d.text(x + 8, mid - 12, "+");
}

// A three-terminal regulator: its box and the input and output rails at `rail`.
void regulatorBox(Drawing& d, double left, double right, double top, double bottom, double rail) {
  d.rect(left, top, right - left, bottom - top);
  d.mark("pinIn", left + 12, rail);
  d.mark("pinOut", right - 12, rail);
  d.mark("pinAdj", (left + right) / 2, bottom - 18);
}

}  // namespace

Drawing zenerDropper() {
  Drawing d(420, 200);
  const double top = 50, bottom = 160, zx = 270;
  terminal(d, 30, top);
  terminal(d, 30, bottom);
  terminal(d, 380, top);
  terminal(d, 380, bottom);
  d.text(14, top - 24, "+ Vcc");
  d.text(372, top - 24, "Vz");
  wire(d, 35, top, 90, top);
  part(d, Symbol::Resistor, 90, top, 200, top);
  wire(d, 200, top, 375, top);
  node(d, zx, top);
  // the Zener works reversed: its cathode on the positive side
  wire(d, zx, top, zx, 85);
  diode(d, zx, 130, zx, 85, Diode::Zener);
  wire(d, zx, 130, zx, bottom);
  node(d, zx, bottom);
  wire(d, 35, bottom, 375, bottom);
  ground(d, 150, bottom);
  d.mark("ohm", 145, top - 27);
  d.mark("vcc", 85, 105);
  d.mark("vz", 330, 105);
  return d;
}

Drawing ledSeries() {
  Drawing d(400, 210);
  const double top = 50, bottom = 170, lx = 300;
  terminal(d, 30, top);
  terminal(d, 30, bottom);
  d.text(12, top - 22, "+");
  d.text(12, bottom + 22, "-");
  wire(d, 35, top, 110, top);
  part(d, Symbol::Resistor, 110, top, 210, top);
  wire(d, 210, top, lx, top);
  wire(d, lx, top, lx, 90);
  diode(d, lx, 90, lx, 130, Diode::Led);
  wire(d, lx, 130, lx, bottom);
  wire(d, 35, bottom, lx, bottom);
  d.mark("ohm", 160, top - 27);
  d.mark("supply", 90, 110);
  return d;
}

Drawing regulator(Regulator kind) {
  const bool range = kind == Regulator::Range;
  const double rail = 70, gnd = range ? 340 : 280, adj = 170;
  const double right = 830, rx = 490;  // the output terminals and the divider
  Drawing d(right + 20, gnd + 30);
  terminal(d, 20, rail);
  terminal(d, 20, gnd);
  terminal(d, right, rail);
  terminal(d, right, gnd);
  d.text(right + 8, rail - 18, "+");
  d.text(8, rail - 18, "+");
  // input rail, the regulator from E to U, output rail
  const double boxL = 300, boxR = 420, boxT = 30, boxB = 130, mid = (boxL + boxR) / 2;
  wire(d, 25, rail, boxL, rail);
  wire(d, boxR, rail, right - 5, rail);
  regulatorBox(d, boxL, boxR, boxT, boxB, rail);
  d.mark("name", mid, 48);
  if (kind != Regulator::Fixed) {
    d.text(mid - 22, 48, "LM 317");
    // the protection diode from the output back to the input
    node(d, 270, rail);
    node(d, 450, rail);
    wire(d, 270, rail, 270, 14);
    wire(d, 450, rail, 450, 14);
    wire(d, 270, 14, 320, 14);
    diode(d, 400, 14, 320, 14);
    wire(d, 400, 14, 450, 14);
  }
  wire(d, 25, gnd, right - 5, gnd);
  shuntCapacitor(d, 130, rail, gnd, true);
  shuntCapacitor(d, 230, rail, gnd, false);
  d.mark("cIn", 64, (rail + gnd) / 2);
  d.mark("cInSmall", 186, (rail + gnd) / 2);
  // the divider: R1 from the output to the middle pin, R2 (and the trimmer) to ground
  wire(d, mid, boxB, mid, adj);
  wire(d, mid, adj, rx, adj);
  node(d, rx, rail);
  node(d, rx, adj);
  part(d, Symbol::Resistor, rx, rail, rx, adj);
  d.mark("r1", rx + 54, (rail + adj) / 2);
  if (range) {
    part(d, Symbol::Resistor, rx, adj, rx, 255);
    part(d, Symbol::Resistor, rx, 255, rx, gnd);
    part(d, Symbol::Arrow, rx - 16, 312, rx + 16, 284);
    d.mark("r2", rx + 54, (adj + 255) / 2);
    d.mark("trimmer", rx + 60, (255 + gnd) / 2);
  } else {
    part(d, Symbol::Resistor, rx, adj, rx, gnd);
    d.mark("r2", rx + 54, (adj + gnd) / 2);
  }
  node(d, rx, gnd);
  shuntCapacitor(d, 430, adj, gnd, true);
  d.mark("cAdj", 370, (adj + gnd) / 2);
  shuntCapacitor(d, 640, rail, gnd, false);
  shuntCapacitor(d, 730, rail, gnd, true);
  d.mark("cOutSmall", 684, (rail + gnd) / 2);
  d.mark("cOut", 792, (rail + gnd) / 2);
  d.mark("vin", 80, rail - 30);
  d.mark("vout", 760, rail - 30);
  ground(d, 560, gnd);
  return d;
}

Drawing currentSource() {
  const double rail = 70, gnd = 280, adj = 170;
  Drawing d(720, gnd + 30);
  terminal(d, 20, rail);
  terminal(d, 20, gnd);
  d.text(8, rail - 18, "+");
  const double boxL = 300, boxR = 420, boxT = 30, boxB = 130, mid = (boxL + boxR) / 2;
  wire(d, 25, rail, boxL, rail);
  regulatorBox(d, boxL, boxR, boxT, boxB, rail);
  d.mark("name", mid, 48);
  wire(d, 25, gnd, 640, gnd);
  shuntCapacitor(d, 130, rail, gnd, true);
  shuntCapacitor(d, 230, rail, gnd, false);
  d.mark("cIn", 64, (rail + gnd) / 2);
  d.mark("cInSmall", 186, (rail + gnd) / 2);
  // R1 between the output and the R pin sets the current
  wire(d, boxR, rail, 450, rail);
  part(d, Symbol::Resistor, 450, rail, 560, rail);
  d.mark("r1", 505, rail - 30);
  node(d, 560, rail);
  wire(d, 560, rail, 640, rail);
  wire(d, 560, rail, 560, adj);
  wire(d, mid, boxB, mid, adj);
  wire(d, mid, adj, 560, adj);
  // the load
  wire(d, 640, rail, 640, 145);
  d.rect(625, 145, 30, 70);
  wire(d, 640, 215, 640, gnd);
  d.mark("load", 690, 180);
  ground(d, 400, gnd);
  return d;
}

Drawing bridgeRectifier() {
  Drawing d(540, 260);
  const double lx = 90, rx = 230, cx = 160, ty = 60, by = 200, my = 130;
  const double acTop = 35, acBottom = 225, out = 470, cap = 330;
  // the AC terminals reach the top and bottom corners of the bridge
  terminal(d, 20, acTop);
  terminal(d, 20, acBottom);
  wire(d, 25, acTop, cx, acTop);
  wire(d, cx, acTop, cx, ty);
  wire(d, 25, acBottom, cx, acBottom);
  wire(d, cx, acBottom, cx, by);
  // the four diodes, all pointing to the positive corner on the right
  diode(d, lx, my, cx, ty);
  diode(d, lx, my, cx, by);
  diode(d, cx, ty, rx, my);
  diode(d, cx, by, rx, my);
  node(d, lx, my);
  node(d, rx, my);
  node(d, cx, ty);
  node(d, cx, by);
  // the negative corner goes to ground
  wire(d, lx, my, lx, 150);
  ground(d, lx, 150);
  // positive rail, the reservoir capacitor and the output
  wire(d, rx, my, out - 5, my);
  node(d, cap, my);
  wire(d, cap, my, cap, 150);
  part(d, Symbol::Capacitor, cap, 150, cap, 190);
  d.text(cap + 8, 158, "+");
  wire(d, cap, 190, cap, 205);
  ground(d, cap, 205);
  terminal(d, out, my);
  terminal(d, out, 210);
  wire(d, out, 215, out, 225);
  ground(d, out, 225);
  d.mark("ac", 28, my);
  d.mark("c", 300, 170);
  d.mark("cValue", 385, 170);
  d.mark("dcValue", out, 170);
  d.mark("dc", out + 38, 170);
  return d;
}

Drawing groundedDoubler() {
  Drawing d(440, 240);
  const double top = 60, bottom = 200, ax = 180, bx = 300, out = 400;
  part(d, Symbol::Generator, 40, top, 40, bottom);
  d.text(62, (top + bottom) / 2, "A C");
  wire(d, 40, top, 70, top);
  part(d, Symbol::Capacitor, 70, top, 150, top);
  wire(d, 150, top, ax, top);
  node(d, ax, top);
  // the first diode clamps the negative half-wave to ground
  wire(d, ax, bottom, ax, 150);
  diode(d, ax, 150, ax, 110);
  wire(d, ax, 110, ax, top);
  node(d, ax, bottom);
  // the second charges the output capacitor to twice the peak
  diode(d, ax, top, 260, top);
  wire(d, 260, top, out - 5, top);
  node(d, bx, top);
  shuntCapacitor(d, bx, top, bottom, true);
  node(d, bx, bottom);
  wire(d, 40, bottom, out - 5, bottom);
  ground(d, 110, bottom);
  terminal(d, out, top);
  terminal(d, out, bottom);
  d.text(out + 10, top, "+");
  d.text(out + 10, bottom, "-");
  return d;
}

Drawing floatingDoubler() {
  Drawing d(440, 260);
  const double plus = 40, minus = 220, mid = 130, xx = 80, cx = 260, out = 400;
  // each diode charges one of the two capacitors on its half-wave
  wire(d, xx, mid, xx, 110);
  diode(d, xx, 110, xx, 70);
  wire(d, xx, 70, xx, plus);
  wire(d, xx, minus, xx, 190);
  diode(d, xx, 190, xx, 150);
  wire(d, xx, 150, xx, mid);
  node(d, xx, mid);
  wire(d, xx, plus, out - 5, plus);
  wire(d, xx, minus, out - 5, minus);
  // the input between the diodes and the middle of the capacitors
  part(d, Symbol::Generator, xx, mid, cx, mid);
  d.text((xx + cx) / 2 - 12, mid + 28, "A C");
  node(d, cx, plus);
  node(d, cx, minus);
  wire(d, cx, plus, cx, 60);
  part(d, Symbol::Capacitor, cx, 60, cx, 110);
  d.text(cx + 10, 68, "+");
  wire(d, cx, 110, cx, mid);
  node(d, cx, mid);
  wire(d, cx, mid, cx, 150);
  part(d, Symbol::Capacitor, cx, 150, cx, 200);
  d.text(cx + 10, 158, "+");
  wire(d, cx, 200, cx, minus);
  terminal(d, out, plus);
  terminal(d, out, minus);
  d.text(out + 10, plus, "+");
  d.text(out + 10, minus, "-");
  return d;
}

}  // namespace vm::supplies
