// Moxon rectangle: its five dimensions from the frequency and the conductor
// diameter, by regressions on the diameter in wavelengths.
#include <cmath>

#include "framework/registry.h"

namespace vm {
namespace {

Drawing moxonDrawing() {
  Drawing d(490, 260);
  // radiator at the top, reflector at the bottom, tails folded towards each other
  d.polyline({110, 110, 110, 50, 390, 50, 390, 110}, 2);
  d.polyline({110, 140, 110, 200, 390, 200, 390, 140}, 2);
  d.rect(106, 110, 8, 30).rect(386, 110, 8, 30);
  d.circle(244, 50, 2, true).circle(256, 50, 2, true);
  d.symbol(Symbol::Coax, 250, 50, 250, 10);
  d.symbol(Symbol::Dimension, 110, 230, 390, 230);
  d.symbol(Symbol::Dimension, 410, 50, 410, 110);
  d.symbol(Symbol::Dimension, 410, 110, 410, 140);
  d.symbol(Symbol::Dimension, 410, 140, 410, 200);
  d.symbol(Symbol::Dimension, 80, 50, 80, 200);
  // the values stand clear of the dimension lines, on their outer side
  d.mark("a", 250, 70);
  d.mark("b", 452, 80);
  d.mark("c", 340, 125);
  d.mark("d", 452, 170);
  d.mark("e", 38, 125);
  d.mark("coax", 340, 20);
  d.mark("riflettore", 250, 218);
  return d;
}

class Moxon final : public CalculatorOf<Moxon> {
 public:
  explicit Moxon(FormBuilder& b) : CalculatorOf(b) {
    b.caption("ANTENNA MOXON");
    freq_ = b.input("txtfrequenza").label("lbltxtfrequenza", "FREQUENZA IN MHz");
    diameter_ = b.input("txtdiametro").label("lbltxtdiametro", "DIAMETRO DEL CONDUTTORE in mm");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    Art art = b.drawing("drwmoxon", moxonDrawing());
    a_ = b.result("lbla", "radiatore").at(art, "a");
    b_ = b.result("lblb").hidden().at(art, "b");
    c_ = b.result("lblc", "separazione").at(art, "c");
    d_ = b.result("lbld").hidden().at(art, "d");
    e_ = b.result("lble").hidden().at(art, "e");
    b.text("ALIM. COASSIALE 50 Ohm").at(art, "coax");
    b.text("RIFLETTORE").at(art, "riflettore");
    b.frame("Frame1", "", [&] {
      b.text("E' UNA YAGI A DUE ELEMENTI I CUI ELEMENTI SONO RIPIEGATI UNO VERSO L'ALTRO E SEPARATI DA ISOLATORI. "
             "LA DIRETTIVITA' E' DI CIRCA 25 dB. L'ELEMENTO ALIMENTATO E' IL RADIATORE, L'ALTRO E' IL RIFLETTORE. "
             "L'IMPEDENZA TEORICA E' DI 50 Ohm E IL GUADAGNO DI 5 dB SUL DIPOLO. NORMALMENTE SI USA IN "
             "POLARIZZAZIONE ORIZZONTALE. E' CONSIGLIABILE UN BALUN 1:1.");
    });
    b.closeButton("cmdesci", "E S C I");
    // any change puts the drawing back to its captions
    b.onTyping({freq_, diameter_}, Typing::Reset, {a_, b_, c_, d_, e_});
  }

 private:
  void compute() {
    const double f = number(freq_);
    const double dia = number(diameter_);
    if (!productTest({dia, f}, Product::Zero, freq_)) return;
    // the diameter in wavelengths, on a decimal logarithm
    const double d1 = std::log(dia / (299792.5 / f)) * 0.4342945;
    if (d1 < -6) {
      warn("CONDUTTORE TROPPO SOTTILE", "MESSAGGIO DI ERRORE", diameter_);
      return;
    }
    if (d1 > -2) {
      warn("CONDUTTORE TROPPO GROSSO", "MESSAGGIO DI ERRORE", diameter_);
      return;
    }
    const double lambda = 299.7925 / f;
    const double a = (-0.0008571428571 * d1 * d1 - 0.009571428571 * d1 + 0.3398571429) * lambda;
    const double bb = (-0.002142857143 * d1 * d1 - 0.02035714286 * d1 + 0.008285714286) * lambda;
    const double c = (0.001809523381 * d1 * d1 + 0.01780952381 * d1 + 0.05164285714) * lambda;
    const double d = (0.001 * d1 + 0.07178571429) * lambda;
    const double e = bb + c + d;
    const std::string ta = fixed(a, 4) + " mt";
    const std::string tb = fixed(bb, 4) + " mt";
    const std::string tc = fixed(c, 4) + " mt";
    const std::string td = fixed(d, 4) + " mt";
    const std::string te = general(roundFixed(e, 4)) + "mt";
    setText(a_, ta);
    setText(b_, tb);
    setText(c_, tc);
    setText(d_, td);
    setText(e_, te);
    show({b_, d_, e_});
  }

  Input freq_, diameter_;
  Label a_, b_, c_, d_, e_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmantennamoxon, Moxon)
