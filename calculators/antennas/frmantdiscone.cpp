// Discone: disc and cone dimensions from the frequency, recomputed on every
// keystroke.
#include "framework/registry.h"

namespace vm {
namespace {

Drawing disconeDrawing() {
  Drawing d(340, 300);
  // the disc on top, the cone under it, the coax coming up through the cone
  d.line(100, 60, 240, 60, 4);
  d.polyline({166, 74, 60, 250, 280, 250, 174, 74}, 2);
  d.line(166, 74, 174, 74);
  d.rect(164, 62, 12, 10, true);
  d.symbol(Symbol::Coax, 170, 250, 170, 295);
  d.symbol(Symbol::Dimension, 100, 40, 240, 40);
  d.symbol(Symbol::Dimension, 60, 270, 280, 270);
  d.symbol(Symbol::Dimension, 290, 62, 290, 74);
  d.mark("disco", 170, 26);
  d.mark("lato", 60, 150);
  d.mark("base", 118, 285);
  d.mark("isolante", 300, 90);
  d.mark("coax", 220, 290);
  return d;
}

class Discone final : public CalculatorOf<Discone> {
 public:
  explicit Discone(FormBuilder& b) : CalculatorOf(b) {
    b.caption("ANTENNA DISCONE");
    freq_ = b.input("txtfrequenza").label("lbltxtfrequenza", "FREQUENZA IN MHz");
    b.text("USARE IL PUNTO PER SEPARARE EVENTUALI DECIMALI");
    Art art = b.drawing("drwdiscone", disconeDrawing());
    disc_ = b.result("lbldisco", "DISCO").at(art, "disco");
    side_ = b.result("lbllato", "LATO CONO").at(art, "lato");
    base_ = b.result("lblbase", "BASE").at(art, "base");
    gap_ = b.result("lblspaziatura", "isolante").at(art, "isolante");
    b.text("coax").at(art, "coax");
    b.text("ANTENNA A BANDA MOLTO LARGA   MA DAL RENDIMENTO INFERIORE AL DIPOLO USATA TIPICAMENTE IN RICEZIONE VHF - "
           "UHF");
    b.text("PER IL MINIMO R.O.S.  AGIRE SULLA DIST. CONO DISCO O SULLA MISURA DELLA BASE");
    b.closeButton("cmdesci", "E S C I");
    b.live({freq_}, {disc_, side_, base_, gap_}, [this] { compute(); }, true);
  }

 private:
  void compute() {
    const double f = number(freq_);
    if (!(f > 0)) {
      hide({disc_, side_, base_, gap_});
      return;
    }
    const double q = 7500 / f;  // a quarter wave, cm
    const std::string base = general(Int(0.84 * q) + 1) + " cm";
    const std::string side = general(Int(q) + 1) + " cm di lato";
    const std::string disc = general(Int(0.7 * q) + 1) + " cm";
    const std::string gap = general(roundFixed(0.084 * q, 1)) + " cm";
    setText(base_, base);
    setText(side_, side);
    setText(disc_, disc);
    setText(gap_, gap);
    show({disc_, side_, base_, gap_});
  }

  Input freq_;
  Label disc_, side_, base_, gap_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmantdiscone, Discone)
