// American Wire Gauge to millimetres, recomputed on every keystroke. Gauges
// above 80 are capped at 80; there is no lower limit, so 00, 000 and 0000 are
// typed as -1, -2 and -3.
#include <cmath>

#include "framework/registry.h"

namespace vm {
namespace {

class WireGauge final : public CalculatorOf<WireGauge> {
 public:
  explicit WireGauge(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CONVERSIONE VALORE AMERICAN WIRE GAUGE IN MILLIMETRI");
    gauge_ = b.input("txtawg")
                 .label("lblinput", "DIAMETRO DEL FILO ESPRESSO IN  AWG")
                 .tooltip("VALORI AMMESSI DA 0 a  80");
    diameter_ = b.result("lbld");
    note_ = b.label("lbl2",
                    "VALORI PARTICOLARI:    AWG  OOOO = 11,684 mm     AWG  OOO = 10,45 mm      AWG  OO = 9,266 mm  ")
                .hidden();
    b.closeButton("cmdesci", "CHIUDI");

    b.live({gauge_}, {diameter_}, [this] { compute(); });
  }

 private:
  void compute() {
    const double n = number(gauge_);
    if (n > 80) {
      // the capped text runs this reaction again
      setText(gauge_, "80");
      return;
    }
    const double d = 0.127 * std::pow(92.0, (36 - n) / 39);
    setText(diameter_, "IL DIAMETRO DEL FILO CORRISPONDE A " + fixed(d, 3) + " MILLIMETRI");
    show(note_);
  }

  Input gauge_;
  Label diameter_, note_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmawg, WireGauge)
