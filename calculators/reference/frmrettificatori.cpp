// Example rectifier circuits for alternating current: half wave, full wave
// with a centre-tapped winding, bridge, and voltage doubler. The picture is
// the whole window.
#include <cmath>

#include "framework/registry.h"

namespace vm {
namespace {

// A diode from anode (x1, y1) to cathode (x2, y2): leads, triangle, bar.
void diode(Drawing& d, double x1, double y1, double x2, double y2) {
  const double len = std::hypot(x2 - x1, y2 - y1);
  const double ux = (x2 - x1) / len, uy = (y2 - y1) / len;  // along
  const double vx = -uy, vy = ux;                           // across
  const double mx = (x1 + x2) / 2, my = (y1 + y2) / 2, s = 8;
  const double ax = mx - ux * s, ay = my - uy * s, kx = mx + ux * s, ky = my + uy * s;
  d.line(x1, y1, ax, ay).line(kx, ky, x2, y2);
  d.polyline({ax + vx * s, ay + vy * s, ax - vx * s, ay - vy * s, kx, ky, ax + vx * s, ay + vy * s});
  d.line(kx + vx * s, ky + vy * s, kx - vx * s, ky - vy * s, 2);
}

void dot(Drawing& d, double x, double y) { d.circle(x, y, 2.5, true); }

// A mains transformer at (x, top..bottom): primary on the left with its
// mains leads, secondary on the right at x + 30.
void transformer(Drawing& d, double x, double top, double bottom, bool centreTap = false) {
  d.symbol(Symbol::Inductor, x, top, x, bottom);
  d.line(x + 13, top, x + 13, bottom, 1.5).line(x + 17, top, x + 17, bottom, 1.5);
  if (centreTap) {
    double mid = (top + bottom) / 2;
    d.symbol(Symbol::Inductor, x + 30, top, x + 30, mid).symbol(Symbol::Inductor, x + 30, mid, x + 30, bottom);
  } else {
    d.symbol(Symbol::Inductor, x + 30, top, x + 30, bottom);
  }
  d.line(x, top, x - 18, top).line(x, bottom, x - 18, bottom);
  d.circle(x - 21, top, 3).circle(x - 21, bottom, 3);
  d.text(x - 30, (top + bottom) / 2, "~");
}

// Filter capacitor and load between two rails at x.
void load(Drawing& d, double x, double plus, double minus) {
  d.symbol(Symbol::Capacitor, x, plus, x, minus);
  d.symbol(Symbol::Resistor, x + 45, plus, x + 45, minus);
  dot(d, x, plus); dot(d, x, minus); dot(d, x + 45, plus); dot(d, x + 45, minus);
  d.text(x + 53, (plus + minus) / 2, "RL");
  d.text(x + 72, plus, "+");
  d.text(x + 72, minus, "-");
}

void halfWave(Drawing& d, double ox, double oy) {
  d.text(ox + 10, oy + 14, "RADDRIZZATORE A SEMIONDA");
  transformer(d, ox + 40, oy + 50, oy + 150);
  diode(d, ox + 70, oy + 50, ox + 170, oy + 50);
  d.line(ox + 170, oy + 50, ox + 270, oy + 50).line(ox + 70, oy + 150, ox + 270, oy + 150);
  load(d, ox + 200, oy + 50, oy + 150);
}

void fullWave(Drawing& d, double ox, double oy) {
  d.text(ox + 10, oy + 14, "ONDA INTERA CON PRESA CENTRALE");
  transformer(d, ox + 40, oy + 40, oy + 170, true);
  diode(d, ox + 70, oy + 40, ox + 160, oy + 40);
  diode(d, ox + 70, oy + 170, ox + 160, oy + 170);
  d.line(ox + 160, oy + 170, ox + 180, oy + 170).line(ox + 180, oy + 170, ox + 180, oy + 40);
  d.line(ox + 160, oy + 40, ox + 270, oy + 40);
  d.line(ox + 70, oy + 105, ox + 270, oy + 105);
  dot(d, ox + 70, oy + 105); dot(d, ox + 180, oy + 40);
  load(d, ox + 205, oy + 40, oy + 105);
}

void bridge(Drawing& d, double ox, double oy) {
  d.text(ox + 10, oy + 14, "ONDA INTERA A PONTE");
  transformer(d, ox + 40, oy + 50, oy + 150);
  const double cx = ox + 150, cy = oy + 100, r = 42;
  diode(d, cx - r, cy, cx, cy - r);
  diode(d, cx, cy - r, cx + r, cy);
  diode(d, cx - r, cy, cx, cy + r);
  diode(d, cx, cy + r, cx + r, cy);
  d.line(ox + 70, oy + 50, cx, oy + 50).line(cx, oy + 50, cx, cy - r);
  d.line(ox + 70, oy + 150, cx, oy + 150).line(cx, oy + 150, cx, cy + r);
  d.line(cx + r, cy, ox + 270, cy);
  d.line(cx - r, cy, cx - r, oy + 185).line(cx - r, oy + 185, ox + 270, oy + 185);
  dot(d, cx - r, cy); dot(d, cx + r, cy); dot(d, cx, cy - r); dot(d, cx, cy + r);
  load(d, ox + 210, cy, oy + 185);
}

void doubler(Drawing& d, double ox, double oy) {
  d.text(ox + 10, oy + 14, "DUPLICATORE DI TENSIONE");
  transformer(d, ox + 40, oy + 50, oy + 150);
  d.symbol(Symbol::Capacitor, ox + 70, oy + 50, ox + 130, oy + 50);
  diode(d, ox + 130, oy + 150, ox + 130, oy + 50);
  diode(d, ox + 130, oy + 50, ox + 200, oy + 50);
  d.line(ox + 200, oy + 50, ox + 270, oy + 50).line(ox + 70, oy + 150, ox + 270, oy + 150);
  dot(d, ox + 130, oy + 50); dot(d, ox + 130, oy + 150);
  load(d, ox + 210, oy + 50, oy + 150);
  d.text(ox + 150, oy + 180, "V uscita = 2 x V picco");
}

Drawing rectifiers() {
  Drawing d(660, 420);
  halfWave(d, 10, 0);
  fullWave(d, 340, 0);
  bridge(d, 10, 215);
  doubler(d, 340, 215);
  d.line(330, 10, 330, 410).line(10, 210, 650, 210);
  return d;
}

class Rettificatori final : public CalculatorOf<Rettificatori> {
 public:
  explicit Rettificatori(FormBuilder& b) : CalculatorOf(b) {
    b.caption("POSSIBILI ESEMPI DI CIRCUITI RETTIFICATORI  PER CORRENTE ALTERNATA");
    b.drawing("Picture1", rectifiers());
    b.closeButton("cmdchiudi", "C H I U D I");
  }
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmrettificatori, Rettificatori)
