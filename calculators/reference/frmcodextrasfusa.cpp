// The standard wire colours of power, IF and interstage or output
// transformers.
#include <string>
#include <vector>

#include "framework/registry.h"

namespace vm {
namespace {

// A winding from (x, top) to (x, bottom), with a centre tap when asked.
void winding(Drawing& d, double x, double top, double bottom, bool tap) {
  if (tap) {
    double mid = (top + bottom) / 2;
    d.symbol(Symbol::Inductor, x, top, x, mid).symbol(Symbol::Inductor, x, mid, x, bottom);
  } else {
    d.symbol(Symbol::Inductor, x, top, x, bottom);
  }
}

// A lead from (x, y) to (x + length, y), ending in a small ring.
void lead(Drawing& d, double x, double y, double length) {
  d.line(x, y, x + length, y);
  d.circle(x + length + (length < 0 ? -2 : 2), y, 2);
}

struct Secondary {
  const char* title;
  const char* outer;
  const char* tap;
};

constexpr Secondary kSecondaries[] = {
    {"SECONDARIO ALTA TENSIONE", "ROSSO", "ROSSO e GIALLO"},
    {"SECONDARIO FILAMENTI", "GIALLO", "GIALLO e BLU"},
    {"SECONDARIO BASSA TENSIONE", "VERDE", "GIALLO e VERDE"},
    {"SECONDARIO BASSA TENSIONE", "MARRONE", "GIALLO e MARRONE"},
    {"SECONDARIO BASSA TENSIONE", "GRIGIO", "GIALLO e GRIGIO"},
};

Drawing powerTransformer() {
  Drawing d(770, 420);
  d.line(338, 20, 338, 400, 1.5).line(342, 20, 342, 400, 1.5);
  // the two ways of winding the primary
  winding(d, 300, 40, 100, true);
  for (double y : {40.0, 70.0, 100.0}) lead(d, 300, y, -46);
  d.mark("pct", 180, 22).mark("pct0", 200, 40).mark("pct1", 200, 70).mark("pct2", 200, 100);
  winding(d, 300, 170, 230, false);
  for (double y : {170.0, 230.0}) lead(d, 300, y, -46);
  d.mark("p", 180, 152).mark("p0", 200, 170).mark("p1", 200, 230);
  // the secondaries, each with its centre tap
  for (int k = 0; k < 5; ++k) {
    double y = 20 + 80.0 * k;
    winding(d, 380, y, y + 60, true);
    for (int i = 0; i < 3; ++i) lead(d, 380, y + 30 * i, 46);
    std::string s = "s" + std::to_string(k);
    d.mark(s, 670, y + 30).mark(s + "a", 496, y).mark(s + "b", 496, y + 30).mark(s + "c", 496, y + 60);
  }
  return d;
}

Drawing ifTransformer() {
  Drawing d(600, 124);
  d.rect(180, 6, 110, 112).color(0x808080);
  winding(d, 210, 20, 100, false);
  lead(d, 210, 20, -46);
  lead(d, 210, 100, -46);
  winding(d, 260, 20, 100, true);
  for (int i = 0; i < 3; ++i) lead(d, 260, 20 + 40.0 * i, 46);
  d.mark("blu", 140, 20).mark("placca", 60, 20).mark("rosso", 134, 100).mark("s0", 420, 20).mark("s1", 420, 60)
      .mark("s2", 420, 100);
  return d;
}

Drawing outputTransformer() {
  // the primary's long captions need the room at the left
  const double dx = 30;
  Drawing d(590, 124);
  d.line(263 + dx, 10, 263 + dx, 114, 1.5).line(267 + dx, 10, 267 + dx, 114, 1.5);
  winding(d, 240 + dx, 20, 100, true);
  for (int i = 0; i < 3; ++i) lead(d, 240 + dx, 20 + 40.0 * i, -30);
  winding(d, 290 + dx, 20, 100, true);
  for (int i = 0; i < 3; ++i) lead(d, 290 + dx, 20 + 40.0 * i, 30);
  d.mark("p0", 116, 20).mark("p1", 116, 60).mark("p2", 116, 100).mark("s0", 420 + dx, 20).mark("s1", 420 + dx, 60)
      .mark("s2", 420 + dx, 100);
  return d;
}

class CodexTrasfUsa final : public CalculatorOf<CodexTrasfUsa> {
 public:
  explicit CodexTrasfUsa(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CODIFICAZIONE STANDARD TRASFORMATORI U.S.A.                COLOR CODE STANDARD RMA");
    b.frame("Frame1", "", [&] {
      b.label("Label1", "CODICE COLORI DEI CONDUTTORI NEI TRASFORMATORI DI ALIMENTAZIONE");
      Art drw = b.drawing("drwalimentazione", powerTransformer());
      b.text("PRIMARIO CON PRESA CENTRALE 115 + 115 Volt").at(drw, "pct");
      b.text("NERO").at(drw, "pct0");
      b.text("NERO e GIALLO").at(drw, "pct1");
      b.text("NERO e ROSSO").at(drw, "pct2");
      b.text("PRIMARIO SENZA PRESA CENTRALE").at(drw, "p");
      b.text("NERO").at(drw, "p0");
      b.text("NERO").at(drw, "p1");
      for (int k = 0; k < 5; ++k) {
        const Secondary& s = kSecondaries[k];
        std::string m = "s" + std::to_string(k);
        b.text(s.title).at(drw, m);
        b.text(s.outer).at(drw, m + "a");
        b.text(s.tap).at(drw, m + "b");
        b.text(s.outer).at(drw, m + "c");
      }
    });
    b.frame("Frame2", "", [&] {
      b.label("Label35", "CODICE COLORI TRASFORMATORI DI MEDIA FREQUENZA");
      Art drw = b.drawing("drwmediafrequenza", ifTransformer());
      b.text("BLU").at(drw, "blu");
      b.text("ALLA PLACCA").at(drw, "placca");
      b.text("ROSSO").at(drw, "rosso");
      b.text("VERDE  ALLA GRIGLIA O DIODO").at(drw, "s0");
      b.text("VERDE e NERO RETT. ONDA INTERA").at(drw, "s1");
      b.text("NERO  ALLA GRIGLIA O DIODO").at(drw, "s2");
    });
    b.frame("Frame3", "", [&] {
      b.label("Label41", "CODICE COLORI DEI CONDUTTORI NEI TRASFORMATORI INTERSTADIO O USCITA");
      Art drw = b.drawing("drwuscita", outputTransformer());
      b.text("BLU ALLA PLACCA").at(drw, "p0");
      b.text("ROSSO").at(drw, "p1");
      b.text("BLU o MARRONE ALLA PLACCA (nota)").at(drw, "p2");
      b.text("ROSSO ALLA GRIGLIA").at(drw, "s0");
      b.text("NERO  -  RITORNO").at(drw, "s1");
      b.text("VERDE o GIALLO (nota)").at(drw, "s2");
      b.label("Label43", "nota :USATO IN CIRCUITO  PUSH-PULL");
    });
    b.closeButton("cmdesci", "E S C I");
  }
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmcodextrasfusa, CodexTrasfUsa)
