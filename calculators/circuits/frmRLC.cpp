// A coil (R in series with L) in parallel with a capacitor: impedance, phase
// angle, the two reactances and the Q of the coil.
#include <cmath>

#include "framework/registry.h"
#include "circuit_drawings.h"

namespace vm {
namespace {

class RLC final : public CalculatorOf<RLC> {
 public:
  explicit RLC(FormBuilder& b) : CalculatorOf(b) {
    b.caption("IMPEDENZA di :  R + L + C  ");
    r_ = b.input("txtr").label("Label1", "RESISTENZA  in Ohm");
    l_ = b.input("txtl").label("Label2", "INDUTTANZA in uH");
    c_ = b.input("txtC").label("Label3", "CAPACITA' in pF");
    f_ = b.input("txtf").label("Label4", "FREQUENZA  in MHz ");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdchiudi", "C H I U D I");
    b.button("cmdchiamabobine", "Costruzione bobine").onClick([this] {
      openBeside("frmbobine", {.selfLeft = 400, .selfTop = 300, .left = 4100, .top = 2800});
    });
    b.drawing("drwcircuito", circuit::branchParallel({{Symbol::Resistor, "R"}, {Symbol::Inductor, "L"}},
                                     {Symbol::Capacitor, "C"}));
    imp_ = b.result("lblimp");
    fi_ = b.result("lblfi");
    reattanza_ = b.result("lblreattanza");
    q_ = b.result("lblq");
    b.onTyping({r_, l_, c_, f_}, Typing::Blank, {imp_, fi_, reattanza_, q_});
  }

 private:
  void compute() {
    double r = number(r_), l = number(l_), c = number(c_), f = number(f_);
    if (!productTest({r, l, c, f}, Product::NotPositive, r_)) return;
    double xl = 6.2831852 * f * l;
    double xc = 159154.976203 / (f * c);
    double z = xc * std::sqrt((r * r + xl * xl) / (r * r + (xl - xc) * (xl - xc)));
    // conductance and net susceptance of the two branches
    double g = r / (r * r + xl * xl);
    double susceptance = xl / (r * r + xl * xl) - 1 / xc;
    double phase = roundPattern(std::atan(susceptance / g) * 180 / 3.14159265358979, "#,##0.##");
    double q = xl / r;
    setText(imp_, "L' IMPEDENZA E'  " + pattern(z, "#,##0.#") + " Ohm");
    setText(fi_, "ANGOLO DI FASE   " + general(phase) + "  GRADI");
    setText(reattanza_, "XC = " + fixed(xc, 1) + " Ohm   -   XL = " + fixed(xl, 1) + " Ohm");
    setText(q_, "IL Q DEL CIRCUITO E'  " + fixed(q, 1));
  }

  Input r_, l_, c_, f_;
  Label imp_, fi_, reattanza_, q_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmRLC, RLC)
