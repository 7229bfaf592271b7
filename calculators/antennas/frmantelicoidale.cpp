// Axial-mode helix: turn diameter and spacing, reflector disc, beam width
// and gain from the frequency and the number of turns.
#include <cmath>

#include "framework/registry.h"

namespace vm {
namespace {

Drawing helixDrawing() {
  Drawing d(420, 240);
  // the reflector disc on the left, the helix along its axis to the right
  d.line(40, 30, 40, 210, 4);
  d.line(40, 120, 400, 120);
  for (int i = 0; i < 6; ++i) {
    const double x = 70 + 50.0 * i;
    d.line(x, 160, x + 25, 80, 2).line(x + 25, 80, x + 50, 160, 2);
  }
  d.symbol(Symbol::Coax, 10, 160, 40, 160);
  d.symbol(Symbol::Dimension, 24, 30, 24, 210);
  d.symbol(Symbol::Dimension, 380, 80, 380, 160);
  d.symbol(Symbol::Dimension, 95, 60, 145, 60);
  d.mark("disco", 60, 225);
  d.mark("spira", 360, 190);
  d.mark("spaziatura", 120, 45);
  return d;
}

class Elicoidale final : public CalculatorOf<Elicoidale> {
 public:
  explicit Elicoidale(FormBuilder& b) : CalculatorOf(b) {
    b.caption("ANTENNA ELICOIDALE");
    freq_ = b.input("txtfrequenza").label("lbltxtfrequenza", "FREQUENZA IN MHz").tooltip("da 430 a 1500 MHz");
    turns_ = b.input("txtspire").label("lblspire", "NUMERO SPIRE").tooltip("da 6 a 22 spire");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    lambda_ = b.result("lbllambda");
    spacing_ = b.result("lblsp");
    disc_ = b.result("lbldd");
    beam_ = b.result("lbllobo");
    inner_ = b.result("lblds");
    gain_ = b.result("lblguadagno");
    Art art = b.drawing("drwelica", helixDrawing());
    disc1_ = b.result("lbldd1", "diametro").at(art, "disco");
    inner1_ = b.result("lblds1", "diam.interno spira").at(art, "spira");
    spacing1_ = b.result("lblsp1", "spaz.").at(art, "spaziatura");
    wire_ = b.label("lbl1", "DIAMETRO FILO 3 - 4 mm").hidden();
    b.closeButton("cmdesci", "E S C I");
  }

 private:
  void compute() {
    const double f = number(freq_);
    const double n = number(turns_);
    if (!(n * f > 0)) {
      missingData(freq_);
      return;
    }
    // the turns are judged before the frequency
    if (n < 6 || n > 22) {
      warn("NUMERO SPIRE NON VALIDO", "MESSAGGIO DI AVVISO", turns_);
      return;
    }
    if (f < 430 || f > 1500) {
      warn("FREQUENZA NON VALIDA", "MESSAGGIO DI AVVISO", freq_);
      return;
    }
    const double lambda = 30000 / f;
    const std::string disc = fixed(lambda, 0);
    const std::string inner = fixed(0.319 * lambda, 1);
    const std::string spacing = fixed(0.2 * lambda, 1);
    const std::string beam = fixed(std::sqrt(10000 / n), 1);
    const std::string wave = fixed(lambda, 1);
    const double gain = n / 2 + 2;
    setText(lambda_, "LAMBDA = " + wave + " cm.");
    setText(disc_, "DIAMETRO DISCO " + disc + " cm.");
    setText(inner_, "DIAMETRO INTERNO SPIRA = " + inner + " cm.");
    setText(spacing_, "SPAZIATURA SPIRE = " + spacing + " cm.");
    setText(beam_, "LOBO D'IRRADIAZIONE " + beam + " GRADI");
    setText(gain_, "IL GUADAGNO E' CIRCA " + general(gain) + " dB");
    setText(disc1_, disc + " cm.");
    setText(inner1_, inner + " cm.");
    setText(spacing1_, spacing + " cm.");
    show(wire_);
  }

  Input freq_, turns_;
  Label lambda_, spacing_, disc_, beam_, inner_, gain_, disc1_, inner1_, spacing1_, wire_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmantelicoidale, Elicoidale)
