#include "loaded_drawings.h"

namespace vm::loaded {
namespace {

// The feed point at the left of a horizontal arm, with the coax going down.
void armFeed(Drawing& d, double x, double y) {
  d.rect(x - 6, y - 4, 6, 8, true);
  d.symbol(Symbol::Coax, x - 3, y + 4, x - 3, y + 80);
}

void endInsulator(Drawing& d, double x, double y) {
  d.rect(x, y - 3, 6, 6, true).line(x + 6, y, x + 16, y);
}

// A parallel trap: a coil with a capacitor above it, between x1 and x2.
void parallelTrap(Drawing& d, double x1, double x2, double y) {
  d.symbol(Symbol::Inductor, x1, y, x2, y);
  d.line(x1, y, x1, y - 24).line(x2, y, x2, y - 24);
  const double cx = (x1 + x2) / 2;
  d.line(x1, y - 24, cx - 4, y - 24).line(cx + 4, y - 24, x2, y - 24);
  d.symbol(Symbol::Capacitor, cx - 4, y - 24, cx + 4, y - 24);
}

}  // namespace

Drawing coilLoadedArm() {
  Drawing d(360, 160);
  armFeed(d, 40, 50);
  d.line(40, 50, 160, 50, 2);
  d.symbol(Symbol::Inductor, 160, 50, 200, 50);
  d.line(200, 50, 320, 50, 2);
  endInsulator(d, 320, 50);
  d.symbol(Symbol::Dimension, 40, 30, 180, 30);
  d.symbol(Symbol::Dimension, 40, 80, 320, 80);
  d.symbol(Symbol::Arrow, 260, 30, 260, 48);
  d.mark("A", 105, 16);
  d.mark("B", 175, 92);
  d.mark("L", 180, 63);
  d.mark("d", 276, 20);
  d.mark("coax", 88, 115);
  return d;
}

Drawing trappedArm() {
  Drawing d(360, 160);
  armFeed(d, 40, 60);
  d.line(40, 60, 160, 60, 2);
  parallelTrap(d, 160, 200, 60);
  d.line(200, 60, 320, 60, 2);
  endInsulator(d, 320, 60);
  d.symbol(Symbol::Dimension, 40, 84, 160, 84);
  d.symbol(Symbol::Dimension, 40, 110, 320, 110);
  d.mark("A", 100, 97);
  d.mark("B", 175, 124);
  d.mark("L", 180, 72);
  d.mark("C", 172, 18);
  d.mark("coax", 64, 135);
  return d;
}

Drawing coaxTrapArm() {
  Drawing d(360, 160);
  armFeed(d, 40, 60);
  d.line(40, 60, 160, 60, 2);
  d.symbol(Symbol::Inductor, 160, 60, 200, 60);
  d.rect(160, 50, 40, 20);
  d.line(200, 60, 320, 60, 2);
  endInsulator(d, 320, 60);
  d.symbol(Symbol::Dimension, 40, 84, 160, 84);
  d.symbol(Symbol::Dimension, 40, 110, 320, 110);
  d.mark("A", 100, 97);
  d.mark("B", 175, 124);
  d.mark("bobina", 180, 36);
  d.mark("alimentazione", 10, 12);
  d.mark("discesa", 72, 135);
  return d;
}

Drawing linearLoadedArm() {
  Drawing d(360, 160);
  armFeed(d, 40, 60);
  d.line(40, 60, 300, 60, 2);
  // the loading wire runs back under the arm from its far end
  d.line(300, 60, 300, 80, 2).line(300, 80, 160, 80, 2);
  endInsulator(d, 160, 80);
  d.symbol(Symbol::Dimension, 40, 40, 300, 40);
  d.symbol(Symbol::Dimension, 160, 100, 300, 100);
  d.symbol(Symbol::Dimension, 315, 60, 315, 80);
  d.mark("l", 160, 26);
  d.mark("lc", 230, 113);
  d.mark("d", 322, 64);
  d.mark("coax", 64, 135);
  return d;
}

Drawing linearTrapArm() {
  Drawing d(380, 170);
  armFeed(d, 40, 60);
  d.line(40, 60, 330, 60, 2);
  endInsulator(d, 330, 60);
  // the linear element beside the radiator, shorted at one end and closed
  // by the sliding coaxial capacitor at the other
  d.line(160, 60, 160, 80, 2).line(160, 80, 230, 80, 2);
  d.rect(226, 74, 12, 12, true);
  d.line(238, 80, 238, 60, 2);
  d.symbol(Symbol::Dimension, 40, 40, 160, 40);
  d.symbol(Symbol::Dimension, 238, 40, 330, 40);
  d.symbol(Symbol::Dimension, 160, 100, 238, 100);
  d.symbol(Symbol::Dimension, 250, 60, 250, 80);
  d.mark("a", 95, 26);
  d.mark("b", 280, 26);
  d.mark("ll", 199, 113);
  d.mark("s", 273, 71);
  d.mark("alimentazione", 10, 10);
  d.mark("coax", 64, 140);
  return d;
}

Drawing coilLoadedVertical() {
  Drawing d(240, 300);
  d.line(100, 250, 100, 150, 3);
  d.symbol(Symbol::Inductor, 100, 150, 100, 110);
  d.line(100, 110, 100, 30, 3);
  d.rect(95, 250, 10, 12, true);
  d.line(20, 262, 180, 262, 2).line(100, 262, 40, 290).line(100, 262, 160, 290);
  d.symbol(Symbol::Dimension, 140, 30, 140, 250);
  d.symbol(Symbol::Dimension, 60, 130, 60, 250);
  d.mark("ind", 110, 125);
  d.mark("lung", 162, 135);
  d.mark("dist", 20, 190);
  d.mark("radiali", 150, 280);
  return d;
}

Drawing cappedVertical() {
  Drawing d(240, 280);
  d.line(100, 240, 100, 50, 3);
  // the hat: spokes and a ring seen from the side
  d.line(50, 50, 150, 50, 2).line(100, 50, 60, 40).line(100, 50, 140, 40);
  d.ellipse(50, 40, 100, 20);
  d.rect(95, 240, 10, 12, true);
  d.line(20, 252, 180, 252, 2);
  d.symbol(Symbol::Ground, 160, 252, 160, 252);
  d.symbol(Symbol::Dimension, 50, 20, 150, 20);
  d.mark("c", 160, 40);
  return d;
}

Drawing tappedBaseCoil() {
  Drawing d(260, 300);
  d.line(120, 150, 120, 20, 3);
  d.symbol(Symbol::Inductor, 120, 230, 120, 190);
  d.symbol(Symbol::Inductor, 120, 190, 120, 150);
  d.line(120, 230, 120, 260, 2);
  d.line(60, 260, 180, 260, 2);
  d.symbol(Symbol::Ground, 120, 260, 120, 260);
  d.symbol(Symbol::Coax, 120, 200, 20, 200);
  d.mark("antenna", 156, 60);
  d.mark("L2", 135, 165);
  d.mark("L1", 135, 205);
  d.mark("compens", 188, 150);
  d.mark("adattam", 188, 220);
  d.mark("linea", 10, 180);
  return d;
}

Drawing microVertical() {
  Drawing d(260, 320);
  d.line(120, 130, 120, 20, 3);
  d.symbol(Symbol::Inductor, 120, 170, 120, 130);
  d.symbol(Symbol::Dimension, 150, 20, 150, 130);
  d.symbol(Symbol::Dimension, 150, 130, 150, 170);
  // the choke and the coax counterpoise below it
  d.symbol(Symbol::Coax, 120, 170, 120, 290);
  d.rect(110, 200, 20, 20);
  d.symbol(Symbol::Coax, 120, 290, 30, 290);
  d.mark("lung1", 182, 70);
  d.mark("dd", 180, 150);
  d.mark("choke", 158, 210);
  d.mark("contrappeso", 196, 250);
  d.mark("rxtx", 26, 306);
  return d;
}

Drawing couplingCapacitors() {
  Drawing d(420, 300);
  d.ellipse(60, 20, 200, 200);
  // the tuning capacitor at the top, the feed at the bottom
  d.symbol(Symbol::Capacitor, 150, 20, 170, 20);
  d.symbol(Symbol::Capacitor, 130, 220, 140, 240);
  d.symbol(Symbol::Capacitor, 190, 220, 180, 240);
  d.rect(140, 240, 40, 20);
  d.symbol(Symbol::Coax, 160, 260, 160, 295);
  d.mark("sintonia", 250, 6);
  d.mark("accoppiamento", 306, 228);
  d.mark("balun", 220, 250);
  d.mark("alimentazione", 244, 280);
  return d;
}

}  // namespace vm::loaded
