// Two inductors without mutual coupling, in series and in parallel: the
// reactance of each configuration at one frequency.
#include "framework/registry.h"
#include "circuit_drawings.h"

namespace vm {
namespace {

class LL final : public CalculatorOf<LL> {
 public:
  explicit LL(FormBuilder& b) : CalculatorOf(b) {
    b.caption("IMPEDENZA di :  INDUTTANZA  +  INDUTTANZA");
    l1_ = b.input("txtl1").label("Label1", "uH prima induttanza ");
    l2_ = b.input("txtl2").label("Label2", "uH seconda induttanza ");
    f_ = b.input("txtf").label("Label3", "frequenza in MHz ");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdchiudi", "").picture("exit");
    b.button("cmdchiamabobine", "Costruzione bobine").onClick([this] {
      openBeside("frmbobine", {.selfLeft = 400, .selfTop = 300, .left = 4100, .top = 2800});
    });
    circuit::seriesAndParallel(b, {{Symbol::Inductor, "L1"}, {Symbol::Inductor, "L2"}});
    impSerie_ = b.result("lblimpserie");
    impParallelo_ = b.result("lblimpparallelo");
    fase_ = b.result("lblfase");
    b.onTyping({l1_, l2_, f_}, Typing::Blank, {impSerie_, impParallelo_, fase_});
  }

 private:
  void compute() {
    double l1 = number(l1_), l2 = number(l2_), f = number(f_);
    if (!productTest({l1, l2, f}, Product::Zero, l1_)) return;
    double ls = l1 + l2;
    double lp = l1 * l2 / (l1 + l2);
    // 2 pi as 6.28, coarser than the 6.2831852 of the neighbouring windows, and kept so
    double xs = 6.28 * f * ls;
    double xp = 6.28 * f * lp;
    setText(impSerie_, "IMPEDENZA SERIE " + pattern(xs, "#,##0.#") + " Ohm");
    // the parallel value is rounded, then shown without digit grouping
    setText(impParallelo_, "IMPEDENZA PARALLELO " + general(roundPattern(xp, "#,##0.#")) + " Ohm");
    setText(fase_, "ANGOLO DI FASE 90° ");
  }

  Input l1_, l2_, f_;
  Label impSerie_, impParallelo_, fase_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmLL, LL)
