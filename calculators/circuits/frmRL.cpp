// R and L at one frequency, in series and in parallel: impedances and phase
// angles.
#include <cmath>

#include "framework/registry.h"
#include "circuit_drawings.h"

namespace vm {
namespace {

class RL final : public CalculatorOf<RL> {
 public:
  explicit RL(FormBuilder& b) : CalculatorOf(b) {
    b.caption("IMPEDENZA di :  RESISTENZA  +  INDUTTANZA");
    r_ = b.input("txtr").label("Label1", "RESISTENZA  in Ohm");
    l_ = b.input("txtl").label("Label2", "INDUTTANZA in uH");
    f_ = b.input("txtf").label("Label3", "FREQUENZA  in MHz ");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdchiudi", "C H I U D I");
    b.button("cmdchiamabobine", "Costruzione bobine").onClick([this] {
      openBeside("frmbobine", {.selfLeft = 400, .selfTop = 300, .left = 4100, .top = 2800});
    });
    circuit::seriesAndParallel(b, {{Symbol::Resistor, "R"}, {Symbol::Inductor, "L"}});
    impSerie_ = b.result("lblimpserie");
    impParallelo_ = b.result("lblimpparallelo");
    faseS_ = b.result("lblfases");
    faseP_ = b.result("lblfasep");
    b.onTyping({r_, l_, f_}, Typing::Blank, {impSerie_, impParallelo_, faseS_, faseP_});
  }

 private:
  void compute() {
    double r = number(r_), l = number(l_), f = number(f_);
    if (!productTest({r, l, f}, Product::Zero, r_)) return;
    // 2 pi as 6.283 and pi as 3.1415: coarser than the neighbours' constants, and kept so
    double xl = 6.283 * f * l;
    double zs = std::sqrt(xl * xl + r * r);
    double zp = xl * r / std::sqrt(xl * xl + r * r);
    double phaseS = std::atan(xl / r) * 180 / 3.1415;
    double phaseP = std::atan(r / xl) * 180 / 3.1415;
    setText(impSerie_, "IMPEDENZA SERIE " + pattern(zs, "#,##0.#") + " Ohm");
    setText(impParallelo_, "IMPEDENZA PARALLELO " + general(roundPattern(zp, "#,##0.#")) + " Ohm");
    setText(faseS_, "ANGOLO DI FASE SERIE  " + pattern(phaseS, "#,##0.#") + "  GRADI");
    setText(faseP_, "ANGOLO DI FASE PARALLELO " + pattern(phaseP, "#,##0.#") + "  GRADI");
  }

  Input r_, l_, f_;
  Label impSerie_, impParallelo_, faseS_, faseP_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmRL, RL)
