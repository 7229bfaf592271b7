#include "vertical_drawings.h"

namespace vm::verticals {

Drawing fiveEighths() {
  Drawing d(240, 300);
  d.line(120, 30, 120, 200, 3);
  d.symbol(Symbol::Inductor, 120, 200, 120, 235);
  d.rect(114, 235, 12, 10, true);
  // four radials drooping from the base
  d.line(120, 245, 30, 280, 2);
  d.line(120, 245, 210, 280, 2);
  d.line(120, 245, 80, 290, 1);
  d.line(120, 245, 160, 290, 1);
  d.symbol(Symbol::Dimension, 150, 30, 150, 200);
  d.symbol(Symbol::Coax, 120, 250, 200, 250);
  d.mark("lblaltezza", 190, 115);
  d.mark("lblcarico", 70, 218);
  d.mark("lblradiale", 40, 254);
  return d;
}

Drawing jAntenna(bool shorted) {
  Drawing d(240, 330);
  // the long radiator and the quarter-wave line beside it
  d.line(90, 20, 90, 280, 3);
  d.line(130, 190, 130, 280, 3);
  d.line(90, 280, 130, 280, shorted ? 3 : 1);
  if (!shorted) d.rect(86, 280, 48, 8);
  d.symbol(Symbol::Dimension, 60, 20, 60, 280);
  d.symbol(Symbol::Dimension, 160, 190, 160, 280);
  d.symbol(Symbol::Dimension, 90, 300, 130, 300);
  // the feed taps on the line
  d.line(90, 250, 70, 250);
  d.line(130, 250, 150, 250);
  d.symbol(Symbol::Coax, 150, 250, 220, 300);
  d.mark("lblaltezza", 30, 150);
  d.mark("lbllinea", 190, 220);
  d.mark("lbldist", 110, 312);
  if (shorted) {
    d.symbol(Symbol::Dimension, 200, 250, 200, 280);
    d.mark("lbld1", 224, 265);
  }
  d.mark("coax", 196, 318);
  return d;
}

Drawing slimJim() {
  Drawing d(260, 340);
  // a folded half wave over a quarter-wave stub, open by the gap
  d.line(100, 20, 140, 20, 3);
  d.line(100, 20, 100, 300, 3);
  d.line(140, 20, 140, 130, 3);
  d.line(140, 150, 140, 300, 3);
  d.line(100, 300, 140, 300, 3);
  d.symbol(Symbol::Dimension, 70, 20, 70, 300);
  d.symbol(Symbol::Dimension, 170, 200, 170, 300);
  d.symbol(Symbol::Dimension, 100, 318, 140, 318);
  d.symbol(Symbol::Dimension, 150, 130, 150, 150);
  d.symbol(Symbol::Dimension, 210, 270, 210, 300);
  d.line(100, 270, 140, 270);
  d.symbol(Symbol::Coax, 140, 270, 240, 330);
  d.mark("lblaltezza", 30, 160);
  d.mark("lbllinea", 206, 235);
  d.mark("lbldist", 120, 332);
  d.mark("lblgap", 190, 140);
  d.mark("lblalim", 230, 285);
  return d;
}

Drawing collinear() {
  Drawing d(260, 420);
  // sections from the top: a quarter wave, three coaxial sections, a quarter wave
  const double y[] = {20, 90, 140, 240, 290, 360};
  for (int i = 0; i < 5; ++i) d.line(120, y[i] + 3, 120, y[i + 1] - 3, i == 0 || i == 4 ? 2 : 5);
  const char* marks[] = {"lbla", "lblb", "lblc", "lbld", "lble"};
  for (int i = 0; i < 5; ++i) {
    d.symbol(Symbol::Dimension, 150, y[i], 150, y[i + 1]);
    d.mark(marks[i], 200, (y[i] + y[i + 1]) / 2);
  }
  d.rect(105, 365, 30, 15);
  d.symbol(Symbol::Coax, 120, 380, 120, 415);
  d.mark("balun", 60, 372);
  d.mark("discesa", 60, 400);
  d.mark("lbldiscesa", 180, 400);
  return d;
}

Drawing gammaGroundPlane() {
  Drawing d(300, 320);
  d.line(120, 20, 120, 240, 3);
  // the gamma rod beside the radiator, strapped at its top
  d.line(140, 140, 140, 230, 2);
  d.line(120, 140, 140, 140, 2);
  d.symbol(Symbol::Capacitor, 140, 230, 140, 255);
  d.symbol(Symbol::Coax, 140, 255, 250, 300);
  d.line(120, 240, 120, 255, 2);
  d.line(120, 255, 30, 290, 2);
  d.line(120, 255, 210, 290, 2);
  d.symbol(Symbol::Ground, 120, 255, 120, 255);
  d.mark("radiatore", 60, 80);
  d.mark("gamma", 185, 185);
  d.mark("ponticello", 185, 135);
  d.mark("massa", 70, 250);
  d.mark("radiali", 40, 300);
  d.mark("variabile", 200, 242);
  return d;
}

}  // namespace vm::verticals
