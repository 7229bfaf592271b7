// Resonance of an L-C pair: the frequency in kHz, the wavelength in metres
// and the reactance of either element at resonance.
#include <cmath>

#include "framework/registry.h"

namespace vm {
namespace {

class Risonanza final : public CalculatorOf<Risonanza> {
 public:
  explicit Risonanza(FormBuilder& b) : CalculatorOf(b) {
    b.caption("RISONANZA");
    l_ = b.input("txtinduttanza").label("Label1", "Induttanza in microHenry");
    c_ = b.input("txtcapacità").label("Label2", "capacità in picoFarad");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cdmesci", "ESCI");
    b.button("cmdchiamabobine", "DATI COSTRUZIONE BOBINE").onClick([this] {
      openBeside("frmbobine", {.selfLeft = 180, .selfTop = 180, .left = 4100, .top = 2800});
    });
    frequency_ = b.result("lbloutputfrequenza");
    metres_ = b.result("lbloutputmetri");
    reactance_ = b.result("lbloutputreattanza");
    ghost_ = b.label("lblfantasma",
                     "COME RISULTATO DEL CALCOLO AVREMO LA FREQUENZA IN KHz , LA LUNGHEZZA D'ONDA IN METRI E LA "
                     "REATTANZA XL = XC IN Ohm");
    b.onTyping({l_, c_}, Typing::Blank, {frequency_, metres_, reactance_});
  }

 private:
  void compute() {
    const double l = number(l_), c = number(c_);
    if (!productTest({c, l}, Product::Zero, l_)) return;
    const double root = std::sqrt(c * l);
    const double f = 1e6 / (root * 6.283184);  // kHz
    const double lambda = root * 1.885;
    // the reactance is held in single precision
    const float x = single(l * f * 0.00628318);
    setText(frequency_, "Frequenza in Khz  :  " + fixed(f, 3));
    setText(metres_, "Lunghezza d'onda in mt. : " + fixed(lambda, 3));
    setText(reactance_, "Reattanza XL=XC = " + fixed(static_cast<double>(x)) + " Ohm ");
    hide(ghost_);
  }

  Input l_, c_;
  Label frequency_, metres_, reactance_, ghost_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmrisonanza, Risonanza)
