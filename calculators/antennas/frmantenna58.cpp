// The 5/8-wave vertical in three fixed designs, one per band.
#include "framework/registry.h"
#include "vertical_drawings.h"

namespace vm {
namespace {

struct Design {
  const char* height;
  const char* radial;
  const char* radiator;
  const char* radials;
  const char* coil;
  const char* turns;
};
const Design kDesigns[] = {
    {"340 cm.", "143 cm.", "RADIATORE cm. 340     DIAMETRO 20 mm.", "N. 4 RADIALI cm. 143     DIAMETRO 5 mm.",
     "BOBINA n.9 spire 2 mm. su diametro 3 cm. lunga 3 cm.", "9 sp."},
    {"120 cm.", "50 cm.", "RADIATORE cm. 120     DIAMETRO 10 mm.", "N. 4 RADIALI cm. 50     DIAMETRO 5 mm.",
     "BOBINA n.5 spire 2 mm. su diametro 2 cm. lunga 2 cm.", "5 sp."},
    {"42 cm.", "17 cm.", "RADIATORE cm. 42     DIAMETRO 6 mm.", "N. 4 RADIALI cm. 17     DIAMETRO 5 mm.",
     "BOBINA n.2 spire 2 mm. su diametro 1.5 cm. lunga 2 cm.", "2 sp."},
};

class Antenna58 final : public CalculatorOf<Antenna58> {
 public:
  explicit Antenna58(FormBuilder& b) : CalculatorOf(b) {
    b.caption("  ANTENNA VERTICALE 5/8 LAMBDA");
    b.frame("Frame1", "Banda", [&] {
       b.options("Option1", {"50 Mcs", "145 Mcs", "433 Mcs"}).opensOn(0).onClick([this](int i) { choose(i); });
     }).tooltip("selezionare una frequenza");
    Art art = b.drawing("drw58", verticals::fiveEighths());
    height_ = b.label("lblaltezza", "radiatore").at(art, "lblaltezza");
    radial_ = b.label("lblradiale", "radiali").at(art, "lblradiale");
    turns_ = b.label("lblcarico", "bobina").at(art, "lblcarico");
    radiator_ = b.result("lblradiatore");
    radials_ = b.result("lblradiali");
    coil_ = b.result("lblbobina");
    b.text("IN  FASE  DI  REALIZZAZIONE  AGIRE SULLA LUNGHEZZA DEL RADIATORE PER  IL  MIGLIOR  ADATTAMENTO");
    b.closeButton("cmdesci", "E S C I");
  }

 private:
  void choose(int i) {
    if (i < 0 || i > 2) return;
    const Design& d = kDesigns[i];
    setText(height_, d.height);
    setText(radial_, d.radial);
    setText(radiator_, d.radiator);
    setText(radials_, d.radials);
    setText(coil_, d.coil);
    setText(turns_, d.turns);
  }

  Label height_, radial_, turns_, radiator_, radials_, coil_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmantenna58, Antenna58)
