// The resistive voltage divider: the partial voltages across two resistors
// in series and the current through them.
#include <cmath>
#include <string>

#include "framework/registry.h"

namespace vm {
namespace {

// A supply feeding two resistors in series, R1 above R2. The supply's
// value is written at its left, the names inside the loop and the partial
// voltages at the right of the resistors.
Drawing divider() {
  const double xg = 80, xr = 170;
  Drawing d(300, 200);
  d.symbol(Symbol::Generator, xg, 160, xg, 40);
  d.line(xg, 40, xg, 20).line(xg, 20, xr, 20);
  d.symbol(Symbol::Resistor, xr, 20, xr, 100);
  d.symbol(Symbol::Resistor, xr, 100, xr, 180);
  d.line(xr, 180, xg, 180).line(xg, 180, xg, 160);
  d.mark("supply", 36, 100);
  d.mark("r1", xr - 24, 60);
  d.mark("r2", xr - 24, 140);
  d.mark("v1", xr + 58, 60);
  d.mark("v2", xr + 58, 140);
  return d;
}

class Partitori final : public CalculatorOf<Partitori> {
 public:
  explicit Partitori(FormBuilder& b) : CalculatorOf(b) {
    b.caption("PARTITORI RESISTIVI");
    b.label("Label1",
            "FISSATI I VALORI DELLA TENSIONE DI ALIMENTAZIONE E DELLE RESISTENZE, SI OTTENGONO LE RISPETTIVE "
            "TENSIONI PARZIALI");
    v_ = b.input("txtV").tooltip("usa il punto per i decimali").label("Label2", "TENSIONE DI ALIMENTAZIONE");
    r1_ = b.input("txtr1").label("Label3", "VALORE di R 1 in OHM");
    r2_ = b.input("txtr2").label("Label4", "VALORE di R 2 in OHM");
    Art drw = b.drawing("drwpartitore", divider());
    vlabel_ = b.result("lblV", "Volt").at(drw, "supply");
    b.label("lblr1", "R1").at(drw, "r1");
    b.label("lblr2", "R2").at(drw, "r2");
    v1_ = b.result("lblv1").at(drw, "v1");
    v2_ = b.result("lblv2").at(drw, "v2");
    corrente_ = b.result("lblcorrente");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
  }

 private:
  void compute() {
    const double v = number(v_), r1 = number(r1_);
    const float r2 = single(number(r2_));
    // only a zero product is missing data: a negative supply is divided too
    if (v * r1 * r2 == 0) {
      missingData(v_);
      return;
    }
    float i = single(v / (r1 + r2));
    const double v1 = i * r1;
    const float v2 = single(static_cast<double>(i) * r2);
    i = single(std::fabs(roundFixed(i, 4)));
    const std::string corrente = i >= 1 ? "LA CORRENTE E' :  " + general(i) + "  Amp."
                                        : "LA CORRENTE E' :  " + general(single(i * 1000.0)) + "  milliAmp.";
    setText(v1_, "Volt " + fixed(v1, 2));
    setText(v2_, "Volt " + fixed(v2, 2));
    setText(corrente_, corrente);
    setText(vlabel_, "V. " + general(v));
  }

  Input v_, r1_, r2_;
  Label vlabel_, v1_, v2_, corrente_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmpartitori, Partitori)
