// R1 in series with L, that branch in parallel with R2: impedance, phase
// angle, and the reactance of L written on the drawing.
#include <cmath>

#include "framework/registry.h"
#include "circuit_drawings.h"

namespace vm {
namespace {

class RLR final : public CalculatorOf<RLR> {
 public:
  explicit RLR(FormBuilder& b) : CalculatorOf(b) {
    b.caption("IMPEDENZA di :  R  L + R ");
    r1_ = b.input("txtr1").label("Label1", "RESISTENZA R1 in Ohm");
    l_ = b.input("txtl").label("Label2", "INDUTTANZA in uH");
    r2_ = b.input("txtr2").label("Label3", "RESISTENZA R2 in Ohm");
    f_ = b.input("txtf").label("Label4", "FREQUENZA  in MHz ");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdchiudi", "C H I U D I");
    Art drw = b.drawing("drwcircuito", circuit::branchParallel({{Symbol::Resistor, ""}, {Symbol::Inductor, ""}},
                                                               {Symbol::Resistor, ""}));
    b.text("R1").at(drw, "element1");
    xl_ = b.result("lbll", "L").at(drw, "element2");
    b.text("R2").at(drw, "element3");
    imp_ = b.result("lblimp");
    fi_ = b.result("lblfi");
    b.onTyping({r1_, r2_, f_}, Typing::Blank, {imp_, fi_, xl_});
    // a new inductance leaves the reactance of the previous one on the drawing
    b.onTyping({l_}, Typing::Blank, {imp_, fi_});
  }

 private:
  void compute() {
    double r1 = number(r1_), l = number(l_), r2 = number(r2_), f = number(f_);
    if (!productTest({r1, l, r2, f}, Product::Zero, r1_)) return;
    double xl = 6.2831852 * f * l;
    double z = r2 * std::sqrt((r1 * r1 + xl * xl) / ((r1 + r2) * (r1 + r2) + xl * xl));
    double phase =
        roundPattern(std::atan(r2 * xl / (r1 * r1 + r1 * r2 + xl * xl)) * 180 / 3.14159265358979, "#,##0.##");
    setText(imp_, "L' IMPEDENZA E'  " + pattern(z, "#,##0.#") + " Ohm");
    setText(fi_, "ANGOLO DI FASE   " + general(phase) + "  GRADI");
    setText(xl_, "XL = " + pattern(xl, "#,##0.#") + " Ohm");
  }

  Input r1_, l_, r2_, f_;
  Label imp_, fi_, xl_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmRLR, RLR)
