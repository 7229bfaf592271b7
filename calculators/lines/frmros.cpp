// From the standing-wave ratio on a 50 ohm line: the antenna impedance, the
// reflected and radiated power, the reflection coefficient and the return
// loss, recomputed on every keystroke.
#include <cmath>

#include "framework/registry.h"
#include "decimal_log.h"

namespace vm {
namespace {

class Ros final : public CalculatorOf<Ros> {
 public:
  explicit Ros(FormBuilder& b) : CalculatorOf(b) {
    b.caption("R.O.S  -  RETURN LOSS  -  IMPEDENZA E ENERGIA IRRADIATA IN RAPPORTO AL ROS");
    s_ = b.input("txtros").label("lblros", "RAPPORTO DI ONDE STAZIONARIE :").tooltip("inserisci il ROS");
    b.label("lblpuntovirgola", "USARE IL PUNTO DEL TASTIERINO NUMERICO PER SEPARARE I DECIMALI");
    b.label("Label1",
            "NOTO IL RAPPORTO DI ONDE STAZIONARIE E SUPPONENDO CHE LE IMPEDENZE DEL TX E DEL  CAVO SIANO  = 50 "
            "Ohm, SI DETERMINA L'IMPEDENZA DELL'ANTENNA ( CHE PUO' ESSERE PIU' ALTA O PIU' BASSA DI 50 ohm) E "
            "L'ENERGIA RIFLESSA E IRRADIATA.");
    results_ = b.frame("Frame1", "", [&] {
                  impedance_ = b.result("lblimpedenza");
                  reflected_ = b.result("lblwattriflessi");
                  radiated_ = b.result("lblwattirradiati");
                  gamma_ = b.result("lblcoeffriflessione");
                  returnLoss_ = b.result("lblreturnloss");
                }).hidden();
    b.closeButton("cmdesci", "E S C I");
    b.live({s_}, {results_}, [this] { compute(); }, true);
  }

 private:
  void compute() {
    const double s = number(s_);
    if (s < 1) {
      hide(results_);
      return;
    }
    const double gamma = (s - 1) / (s + 1);
    // the radiated share is worked from the reflected one as shown
    const double pr = 100 * gamma * gamma;
    const double pt = 100 - roundFixed(pr, 1);
    setText(impedance_, "IMPEDENZA DELL'ANTENNA =  " + fixed(50 * s, 1) + " o " + fixed(50 / s, 1) + " ohm");
    setText(reflected_, "PERCENTUALE DELL'ENERGIA RIFLESSA =  " + fixed(pr, 1) + " %");
    setText(radiated_, "PERCENTUALE DELL'ENERGIA IRRADIATA =  " + fixed(pt, 2) + " %");
    setText(gamma_, "COEFFICIENTE DI RIFLESSIONE = " + fixed(gamma, 2));
    setText(returnLoss_, gamma <= 0 ? std::string("RETURN LOSS TENDENTE A INFINITO")
                                    : "RETURN LOSS = " + fixed(-20 * lines::log10(gamma), 2));
    show(results_);
  }

  Input s_;
  Frame results_;
  Label impedance_, reflected_, radiated_, gamma_, returnLoss_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmros, Ros)
