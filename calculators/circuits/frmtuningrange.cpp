// The capacitance range a variable capacitor must cover to tune a coil over
// a band of frequencies, and its tuning range (maximum over minimum).
#include "framework/registry.h"

namespace vm {
namespace {

class TuningRange final : public CalculatorOf<TuningRange> {
 public:
  explicit TuningRange(FormBuilder& b) : CalculatorOf(b) {
    b.caption("RAPPORTO DI SINTONIZZAZIONE");
    fmin_ = b.input("txtfmin").label("Label3", "FREQUENZA MINIMA in MHz");
    fmax_ = b.input("txtfmax").label("Label4", "FREQUENZA MASSIMA in MHz");
    l_ = b.input("txtl").label("Label5", "INDUTTANZA in microHenry");
    b.label("Label1",
            "IN UN CONDENSATORE VARIABILE, IL RAPPORTO DI SINTONIZZAZIONE - TUNING RANGE - E' IL RAPPORTO TRA LA "
            "SUA CAPACITA' MASSIMA E LA SUA CAPACITA' MINIMA.");
    b.label("Label2",
            "NOTA L'INDUTTANZA,  SI CALCOLA IL VALORE MASSIMO E MINIMO CHE DEVE ASSUMERE UN CONDENSATORE VARIABILE "
            "PER OTTENERE LA RISONANZA DI UN CIRCUITO L - C  IN UN INTERVALLO DI FREQUENZE.");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    out_ = b.result("lblout");
    tr_ = b.result("lbltr");
    b.onTyping({fmin_, fmax_, l_}, Typing::Blank, {out_, tr_});
  }

 private:
  void compute() {
    const double fmin = number(fmin_), fmax = number(fmax_), l = number(l_);
    if (!productTest({l, fmax, fmin}, Product::Zero, fmin_)) return;
    // 25300 here, not 25330: the capacitances are rounded to tenths before
    // their ratio is taken
    const double cmax = roundFixed(25300 / (l * fmin * fmin), 1);
    const double cmin = roundFixed(25300 / (l * fmax * fmax), 1);
    const double tr = roundFixed(cmax / cmin, 1);
    setText(out_, "LA CAPACITA' MINIMA E' pF " + fixed(cmin, 1) + "      LA CAPACITA' MASSIMA E' pF " +
                      fixed(cmax, 1));
    setText(tr_, " il TUNING RANGE è " + general(tr));
  }

  Input fmin_, fmax_, l_;
  Label out_, tr_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmtuningrange, TuningRange)
