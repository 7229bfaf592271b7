// Radiation resistance of a dipole shorter than a half wave, with its length
// in electrical degrees and the length it would need to resonate.
#include <cmath>

#include "framework/registry.h"
#include "wire_drawings.h"

namespace vm {
namespace {

class ResRadiazione final : public CalculatorOf<ResRadiazione> {
 public:
  explicit ResRadiazione(FormBuilder& b) : CalculatorOf(b) {
    b.caption("RESISTENZA DI RADIAZIONE APPROSSIMATIVA DI UN DIPOLO PIU' CORTO DI 1/2 LAMBDA");
    length_ = b.input("txtlunghezza")
                  .label("lbltxtlunghezza", "LUNGHEZZA DEL DIPOLO in mt.  :")
                  .tooltip("frequenza di risonanza dipolo");
    freq_ = b.input("txtfrequenza")
                .label("lbltxtfrequenza", "USATO ALLA FREQUENZA DI  MHz  :")
                .tooltip("frequenza di risonanza dipolo");
    b.computeButton("cmdcalcola", "C A L C O L A").onClick([this] { compute(); });
    rr_ = b.result("lblrr");
    Art art = b.drawing("drwdipolo", wires::shortDipole());
    half_ = b.result("lbllunghezza").at(art, "lbllunghezza");
    degrees_ = b.result("lblgradi");
    resonant_ = b.result("lblrisonanza");
    b.text("max 1/4 lambda").at(art, "max_1_4_lambda");
    b.text("discesa coax").at(art, "discesa_coax");
    b.text(" FREQUENZE AMMISSIBILI : da 1 a 50 MHz");
    b.text("separare i decimali con il punto del tastierino numerico");
    b.closeButton("cmdesci", "E S C I");
  }

 private:
  void compute() {
    const double f = number(freq_);
    const double l = number(length_);
    if (!productTest({l, f}, Product::Zero, length_)) return;
    const double deg = f * l * 1.2;
    const double lambda = 300 / f;
    // twice the short-whip resistance of one arm
    const double rr = roundFixed(2 * std::pow(24 * (l / 2) / lambda, 2), 1);
    const std::string rrText = "RESISTENZA DI RADIAZIONE = OHM " + general(rr);
    const std::string half = general(l / 2);
    const std::string resonant = "per risuonare dovrebbe essere lungo mt. " + fixed(lambda / 2, 1);
    const std::string degrees = "corrisponde a gradi elettrici: " + general(deg);
    setText(rr_, rrText);
    setText(half_, half);
    setText(resonant_, resonant);
    setText(degrees_, degrees);
  }

  Input length_, freq_;
  Label rr_, half_, degrees_, resonant_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmresradiazione, ResRadiazione)
