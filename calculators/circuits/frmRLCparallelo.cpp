// R, L and C all in parallel: impedance, phase angle and the two reactances.
#include <cmath>

#include "framework/registry.h"
#include "circuit_drawings.h"

namespace vm {
namespace {

class RLCParallelo final : public CalculatorOf<RLCParallelo> {
 public:
  explicit RLCParallelo(FormBuilder& b) : CalculatorOf(b) {
    b.caption("IMPEDENZA di :  R + L + C  parallelo");
    r_ = b.input("txtr").label("Label1", "RESISTENZA  in Ohm");
    l_ = b.input("txtl").label("Label2", "INDUTTANZA in uH");
    c_ = b.input("txtC").label("Label3", "CAPACITA' in pF");
    f_ = b.input("txtf").label("Label4", "FREQUENZA  in MHz ");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdchiudi", "C H I U D I");
    b.drawing("drwcircuito",
              circuit::parallel({{Symbol::Resistor, "R"}, {Symbol::Inductor, "L"}, {Symbol::Capacitor, "C"}}));
    imp_ = b.result("lblimp");
    fi_ = b.result("lblfi");
    reattanza_ = b.result("lblreattanza");
    b.onTyping({r_, l_, c_, f_}, Typing::Blank, {imp_, fi_, reattanza_});
  }

 private:
  void compute() {
    double r = number(r_), l = number(l_), c = number(c_), f = number(f_);
    if (!productTest({r, l, c, f}, Product::Zero, r_)) return;
    double xl = 6.2831852 * f * l;
    double xc = 159154.976203 / (f * c);
    double z = r * xl * xc / std::sqrt(r * r * (xl - xc) * (xl - xc) + xl * xl * xc * xc);
    double phase = roundPattern(std::atan(r * (xl - xc) / (xl * xc)) * 180 / 3.14159265358979, "#,##0.##");
    setText(reattanza_, "XL = " + general(Int(xl)) + " Ohm   -   XC = " + general(Int(xc)) + " Ohm");
    setText(imp_, "L' IMPEDENZA E'  " + pattern(z, "#,##0.#") + " Ohm");
    setText(fi_, "L' ANGOLO DI FASE E'   " + general(phase) + "  GRADI");
  }

  Input r_, l_, c_, f_;
  Label imp_, fi_, reattanza_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmRLCparallelo, RLCParallelo)
