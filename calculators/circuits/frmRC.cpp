// R and C at one frequency, in series and in parallel: impedances and the
// (leading, so negative) phase angles.
#include <cmath>

#include "framework/registry.h"
#include "circuit_drawings.h"

namespace vm {
namespace {

class RC final : public CalculatorOf<RC> {
 public:
  explicit RC(FormBuilder& b) : CalculatorOf(b) {
    b.caption("IMPEDENZA di :  RESISTENZA  +  CAPACITA'");
    r_ = b.input("txtr").label("Label1", "RESISTENZA  in Ohm");
    c_ = b.input("txtC").label("Label2", "CAPACITA '   in pF");
    f_ = b.input("txtf").label("Label3", "FREQUENZA  in MHz ");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdchiudi", "C H I U D I");
    circuit::seriesAndParallel(b, {{Symbol::Resistor, "R"}, {Symbol::Capacitor, "C"}});
    impSerie_ = b.result("lblimpserie");
    impParallelo_ = b.result("lblimpparallelo");
    faseS_ = b.result("lblfases");
    faseP_ = b.result("lblfasep");
    b.onTyping({r_, c_, f_}, Typing::Blank, {impSerie_, impParallelo_, faseS_, faseP_});
  }

 private:
  void compute() {
    double r = number(r_), c = number(c_), f = number(f_);
    if (!productTest({r, c, f}, Product::Zero, r_)) return;
    // 159000 and pi as 3.1415: coarser than the neighbours' 159154.976203 and
    // 14-digit pi, and kept so
    double xc = 159000 / (c * f);
    double zs = std::sqrt(xc * xc + r * r);
    double zp = xc * r / std::sqrt(xc * xc + r * r);
    double phaseS = roundPattern(std::atan(xc / r) * 180 / 3.1415, "#,##0.#");
    double phaseP = roundPattern(std::atan(r / xc) * 180 / 3.1415, "#,##0.#");
    setText(impSerie_, "IMPEDENZA SERIE " + pattern(zs, "#,##0.#") + " Ohm");
    setText(impParallelo_, "IMPEDENZA PARALLELO " + pattern(zp, "#,##0.#") + " Ohm");
    // the current leads: both angles are shown negative
    setText(faseS_, "ANGOLO DI FASE SERIE  " + general(-phaseS) + "  GRADI");
    setText(faseP_, "ANGOLO DI FASE PARALLELO " + general(-phaseP) + "  GRADI");
  }

  Input r_, c_, f_;
  Label impSerie_, impParallelo_, faseS_, faseP_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmRC, RC)
