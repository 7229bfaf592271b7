// Can feed for a dish above 1000 MHz: the can's diameter and depth, the
// probe's distance from the closed end and its length.
#include "framework/registry.h"

namespace vm {
namespace {

Drawing canDrawing() {
  Drawing d(340, 240);
  // the can in section, closed on the left, the probe rising from its wall
  d.polyline({250, 40, 60, 40, 60, 190, 250, 190}, 3);
  d.line(120, 190, 120, 120, 2);
  d.symbol(Symbol::Coax, 120, 190, 120, 235);
  d.symbol(Symbol::Dimension, 60, 24, 250, 24);
  d.symbol(Symbol::Dimension, 270, 40, 270, 190);
  d.symbol(Symbol::Dimension, 60, 210, 120, 210);
  d.symbol(Symbol::Dimension, 140, 120, 140, 190);
  d.mark("profondita", 155, 12);
  d.mark("diametro", 300, 115);
  d.mark("s", 90, 224);
  d.mark("h", 180, 155);
  d.mark("coax", 190, 225);
  return d;
}

class Barattolo final : public CalculatorOf<Barattolo> {
 public:
  explicit Barattolo(FormBuilder& b) : CalculatorOf(b) {
    b.caption("ILLUMINATORE A BARATTOLO PER PARABOLE");
    freq_ = b.input("txtfrequenza").label("lbltxtfrequenza", "FREQUENZA IN MHz").tooltip("punto per decimali");
    b.text("(superiore a 1.000 MHz)");
    Art art = b.drawing("drwbarattolo", canDrawing());
    depth_ = b.result("lblprofondita").hidden().at(art, "profondita");
    diameter_ = b.result("lbldiametro").hidden().at(art, "diametro");
    distance_ = b.result("lbls").at(art, "s");
    probe_ = b.result("lblh").at(art, "h");
    b.text("cavo coax").at(art, "coax");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
  }

 private:
  void compute() {
    const double f = number(freq_);
    // an empty box reads as 0 and is too low as well
    if (f < 1000) {
      warn("FREQUENZA TROPPO BASSA", "MESSAGGIO DI AVVISO", freq_);
      return;
    }
    const double k = 28800 / f;
    const std::string diameter = fixed(0.7 * k, 1);  // the can is as deep as it is wide
    const std::string s = fixed(0.26 * k, 2);
    const double h = roundFixed(0.22 * k, 2);
    setText(depth_, diameter + " cm.circa ");
    setText(diameter_, diameter + " cm.circa ");
    show({depth_, diameter_});
    setText(distance_, s + " cm.");
    setText(probe_, general(h) + " cm.");
  }

  Input freq_;
  Label depth_, diameter_, distance_, probe_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmbarattolo, Barattolo)
