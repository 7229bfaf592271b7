// L and C at one frequency, in series and in parallel: impedances, phase
// angles, the two reactances and the resonant frequency.
#include <cmath>

#include "framework/registry.h"
#include "circuit_drawings.h"

namespace vm {
namespace {

class LC final : public CalculatorOf<LC> {
 public:
  explicit LC(FormBuilder& b) : CalculatorOf(b) {
    b.caption("IMPEDENZA di :  CAPACITA'  +  INDUTTANZA");
    f_ = b.input("txtf").label("Label1", "FREQUENZA  in MHz ");
    l_ = b.input("txtl").label("Label2", "INDUTTANZA in uH");
    c_ = b.input("txtC").label("Label3", "CAPACITA' in pF");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdchiudi", "C H I U D I");
    b.button("cmdchiamabobine", "Costruzione bobine").onClick([this] {
      openBeside("frmbobine", {.selfLeft = 180, .selfTop = 180, .left = 4100, .top = 2800});
    });
    circuit::seriesAndParallel(b, {{Symbol::Inductor, "L"}, {Symbol::Capacitor, "C"}});
    impSerie_ = b.result("lblimpserie");
    impParallelo_ = b.result("lblimpparallelo");
    faseS_ = b.result("lblfases");
    faseP_ = b.result("lblfasep");
    reattanza_ = b.result("lblreattanza");
    risonanza_ = b.result("lblrisonanza");
    b.onTyping({f_, l_, c_}, Typing::Blank, {impSerie_, impParallelo_, faseS_, faseP_, reattanza_, risonanza_});
  }

 private:
  void compute() {
    double f = number(f_), l = number(l_), c = number(c_);
    if (!productTest({c, l, f}, Product::Zero, c_)) return;
    double xl = 6.2831852 * f * l;
    // 159154.976: three digits fewer than the neighbours' 159154.976203
    double xc = 159154.976 / (f * c);
    double zs = std::fabs(xl - xc);
    // at XL = XC the parallel impedance has no finite value: nothing is shown
    double zp = xc * std::sqrt(xl * xl / ((xl - xc) * (xl - xc)));
    double phaseS = xl > xc ? 90 : (xl == xc ? 0 : -90);
    double phaseP = std::atan(xl * (xc - xl) / xc) * 180 / 3.14159265358979;
    double fr = 159.154976 / std::sqrt(l * c);
    setText(impSerie_, "IMPEDENZA SERIE " + fixed(zs, 1) + " Ohm");
    setText(impParallelo_, "IMPEDENZA PARALLELO " + fixed(zp, 1) + " Ohm");
    setText(faseS_, "ANGOLO DI FASE SERIE  " + general(phaseS) + "  GRADI");
    setText(faseP_, "ANGOLO DI FASE PARALLELO " + fixed(phaseP, 1) + "  GRADI");
    setText(risonanza_, "LA RISONANZA E' A MHz: " + fixed(fr, 3));
    setText(reattanza_, "Xc = " + fixed(xc, 1) + "   Xl = " + fixed(xl, 1) + " Ohm");
  }

  Input f_, l_, c_;
  Label impSerie_, impParallelo_, faseS_, faseP_, reattanza_, risonanza_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmLC, LC)
