// The bridged-T attenuator between equal input and output impedances.
#include <cmath>

#include "framework/registry.h"
#include "pad_drawings.h"

namespace vm {
namespace {

class RetiATPonte final : public CalculatorOf<RetiATPonte> {
 public:
  explicit RetiATPonte(FormBuilder& b) : CalculatorOf(b) {
    b.caption("RETI a T a ponte       l'impedenza d'ingresso deve essere uguale a quella d'uscita");
    const std::string data = "inserire i dati";
    r0_ = b.input("txtR0").tooltip(data).label("lblZI", "IMPEDENZA D' INGRESSO E USCITA");
    a_ = b.input("txtattenuazione").tooltip(data).label("lblattenuazione", "ATTENUAZIONE IN dB");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    Art drw = b.drawing("drwrete", pads::bridgedT());
    r1_ = b.result("lblR1", "R1").at(drw, "R1");
    r1a_ = b.result("lblR1a", "R1").at(drw, "R1a");
    r2_ = b.result("lblR2", "R2").at(drw, "R2");
    r3_ = b.result("lblR3", "R3").at(drw, "R3");
    b.text("La rete a T  a ponte ha il vantaggio di poter modificare l'attenuazione variando due sole resistenze");
  }

 private:
  void compute() {
    const double r0 = number(r0_), a = number(a_);
    if (!productTest({r0, a}, Product::NotPositive, r0_)) return;
    // the voltage ratio is kept in single precision; a ratio that rounds to 1
    // gives no finite shunt and is refused by the failure guard
    const float k = single(std::pow(10.0, a / 20));
    const double r1 = r0;
    const double r2 = r0 / (k - 1.0);
    const double r3 = r0 * (k - 1.0);
    const std::string series = fixed(r1, 1);
    setText(r1_, series);
    setText(r1a_, series);
    setText(r2_, fixed(r2, 1));
    setText(r3_, fixed(r3, 1));
  }

  Input r0_, a_;
  Label r1_, r1a_, r2_, r3_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmretiaTponte, RetiATPonte)
