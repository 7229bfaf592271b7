// Radiation resistance of a whip up to a quarter wave, with its length in
// electrical degrees and the quarter wave it would need to resonate.
#include <cmath>

#include "framework/registry.h"
#include "wire_drawings.h"

namespace vm {
namespace {

class ResRadiazioneStilo final : public CalculatorOf<ResRadiazioneStilo> {
 public:
  explicit ResRadiazioneStilo(FormBuilder& b) : CalculatorOf(b) {
    b.caption("RESISTENZA DI RADIAZIONE APPROSSIMATA DI UNO STILO ");
    length_ = b.input("txtlunghezza")
                  .label("lbltxtlunghezza", "LUNGHEZZA DELLO STILO in mt.  :")
                  .tooltip("MAX 1/4 LAMBDA");
    freq_ = b.input("txtfrequenza")
                .label("lbltxtfrequenza", "USATO ALLA FREQUENZA DI  MHz  :")
                .tooltip("frequenza di lavoro");
    b.computeButton("cmdcalcola", "C A L C O L A").onClick([this] { compute(); });
    rr_ = b.result("lblrr");
    Art art = b.drawing("drwstilo", wires::shortWhip());
    whip_ = b.result("lbllunghezza").at(art, "lbllunghezza");
    degrees_ = b.result("lblgradi");
    resonant_ = b.result("lblrisonanza");
    b.text("discesa coax").at(art, "discesa_coax");
    b.text("FINO AD UN MASSIMO DI 1/4 LAMBDA");
    b.text("separare i decimali con il punto del tastierino numerico");
    b.closeButton("cmdesci", "E S C I");
  }

 private:
  void compute() {
    const double f = number(freq_);
    const double h = number(length_);
    if (!productTest({h, f}, Product::Zero, length_)) return;
    const double lambda = 300 / f;
    if (h > lambda / 4) {
      warn("FINO A 1/4 LAMBDA", "MESSAGGIO DI ERRORE", length_);
      return;
    }
    const std::string deg = fixed(f * h * 1.2, 2);
    const double rr = roundFixed(std::pow(24 * h / lambda, 2), 1);
    const std::string rrText = "RESISTENZA DI RADIAZIONE = OHM " + general(rr);
    const std::string whip = general(h) + " mt";
    const std::string resonant = "per risuonare dovrebbe essere lungo mt. " + fixed(lambda / 4, 2);
    setText(rr_, rrText);
    setText(whip_, whip);
    setText(resonant_, resonant);
    setText(degrees_, "corrisponde a gradi elettrici: " + deg);
  }

  Input length_, freq_;
  Label rr_, whip_, degrees_, resonant_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmresradiazionestilo, ResRadiazioneStilo)
