#include "eh_drawings.h"

namespace vm::eh {

Drawing cylinders() {
  Drawing d(320, 420);
  // the common tube, the upper and lower cylinders
  d.line(160, 20, 160, 380);
  d.rect(130, 30, 60, 110);
  d.rect(130, 170, 60, 110);
  d.symbol(Symbol::Dimension, 110, 30, 110, 140);
  d.symbol(Symbol::Dimension, 110, 170, 110, 280);
  d.symbol(Symbol::Dimension, 130, 150, 190, 150);
  d.symbol(Symbol::Dimension, 130, 290, 190, 290);
  // the networks at the feed and the coax
  d.symbol(Symbol::Inductor, 220, 60, 220, 140);
  d.symbol(Symbol::Inductor, 220, 200, 220, 280);
  d.symbol(Symbol::Capacitor, 250, 300, 250, 340);
  d.symbol(Symbol::Capacitor, 280, 300, 280, 340);
  d.line(190, 60, 220, 60).line(190, 200, 220, 200);
  d.polyline({220, 140, 220, 300, 250, 300}).polyline({220, 280, 280, 280, 280, 300});
  d.symbol(Symbol::Coax, 160, 340, 160, 410);
  d.mark("cilindro_superiore", 260, 20);
  d.mark("lunghezza_superiore", 60, 85);
  d.mark("lunghezza_inferiore", 60, 225);
  d.mark("diametro_superiore", 102, 160);
  d.mark("diametro_inferiore", 126, 303);
  d.mark("coil_alta", 270, 100);
  d.mark("coil_bassa", 270, 240);
  d.mark("coil_media", 90, 320);
  d.mark("cond_alto", 250, 360);
  d.mark("cond_basso", 290, 380);
  d.mark("coax", 200, 400);
  return d;
}

}  // namespace vm::eh
