// Radiation resistance of a dipole shorter than a half wave, with its length
// in electrical degrees and the length it would need to resonate.
#include <cmath>

#include "calculators/antennas/antennas.h"
#include "wire_drawings.h"

namespace vm {
namespace {

class ResRadiazione final : public CalculatorOf<ResRadiazione> {
 public:
  explicit ResRadiazione(FormBuilder& b) {
    b.window("frmresradiazione", "RESISTENZA DI RADIAZIONE APPROSSIMATIVA DI UN DIPOLO PIU' CORTO DI 1/2 LAMBDA");
    length_ = b.input("txtlunghezza")
                  .label("lbltxtlunghezza", "LUNGHEZZA DEL DIPOLO in mt.  :")
                  .tooltip("frequenza di risonanza dipolo");
    freq_ = b.input("txtfrequenza")
                .label("lbltxtfrequenza", "USATO ALLA FREQUENZA DI  MHz  :")
                .tooltip("frequenza di risonanza dipolo");
    b.computeButton("cmdcalcola", "C A L C O L A").onClick([this] { compute(); });
    rr_ = b.result("lblrr");
    Art art = b.drawing("drwdipolo", wires::shortDipole());
    half_ = b.result("lbllunghezza").at(art, 213, 28);
    degrees_ = b.result("lblgradi");
    resonant_ = b.result("lblrisonanza");
    b.text("max 1/4 lambda").at(art, 225, 80);
    b.text("discesa coax").at(art, 215, 130);
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
    setText(rr_, "RESISTENZA DI RADIAZIONE = OHM " + general(rr));
    setText(half_, general(l / 2));
    setText(resonant_, "per risuonare dovrebbe essere lungo mt. " + fixed(lambda / 2, 1));
    setText(degrees_, "corrisponde a gradi elettrici: " + general(deg));
  }

  Input length_, freq_;
  Label rr_, half_, degrees_, resonant_;
};

}  // namespace

CalculatorEntry resRadiazioneEntry() { return entry<ResRadiazione>("frmresradiazione"); }

}  // namespace vm
