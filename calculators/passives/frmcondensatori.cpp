// Two capacitors in series and in parallel.
#include <string>

#include "framework/registry.h"

namespace vm {
namespace {

// The two connections of C1 and C2: in series on the left, in parallel on
// the right.
Drawing connections() {
  Drawing d(320, 130);
  d.text(40, 14, "SERIE").text(210, 14, "PARALLELO");
  d.circle(15, 60, 4).line(19, 60, 30, 60, 2);
  d.symbol(Symbol::Capacitor, 30, 60, 70, 60).line(70, 60, 90, 60, 2);
  d.symbol(Symbol::Capacitor, 90, 60, 130, 60).line(130, 60, 141, 60, 2).circle(145, 60, 4);
  d.text(42, 40, "C1").text(102, 40, "C2");
  d.circle(185, 70, 4).line(189, 70, 210, 70, 2);
  d.line(210, 40, 210, 100, 2).line(290, 40, 290, 100, 2);
  d.line(210, 40, 230, 40, 2).symbol(Symbol::Capacitor, 230, 40, 270, 40).line(270, 40, 290, 40, 2);
  d.line(210, 100, 230, 100, 2).symbol(Symbol::Capacitor, 230, 100, 270, 100).line(270, 100, 290, 100, 2);
  d.line(290, 70, 305, 70, 2).circle(309, 70, 4);
  d.text(242, 28, "C1").text(242, 124, "C2");
  return d;
}

class Condensatori final : public CalculatorOf<Condensatori> {
 public:
  explicit Condensatori(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CONDENSATORI IN SERIE E IN PARALLELO");
    c1_ = b.input("txtc1").label("Label1", "PRIMO CONDENSATORE in pF :");
    c2_ = b.input("txtc2").label("Label2", "SECONDO CONDENSATORE in pF :");
    b.drawing("drwcollegamenti", connections());
    serie_ = b.result("lblserie");
    parallelo_ = b.result("lblparallelo");
    b.computeButton("cmdcalcola", "CALCOLA").tooltip("abilita il calcolo").onClick([this] { compute(); });
    b.closeButton("cmdesci", "").picture("exit").tooltip("chiude l'applicazione");
  }

 private:
  // The unit steps up only past 1001 and 1000001 pF.
  std::string scaled(double v) const {
    if (v < 1001) return fixed(v, 1) + "  picoF";
    if (v >= 1000001) return fixed(v / 1000000, 2) + "  microF";
    return fixed(v / 1000, 2) + "  nanoF";
  }

  void compute() {
    const double c1 = number(c1_), c2 = number(c2_);
    if (!productTest({c1, c2}, Product::NotPositive, c1_)) return;
    const double cs = c1 * c2 / (c1 + c2);
    const double cp = c1 + c2;
    const std::string serie = "TOTALE SERIE =  " + scaled(cs);
    const std::string parallelo = "TOTALE PARALLELO =  " + scaled(cp);
    setText(serie_, serie);
    setText(parallelo_, parallelo);
  }

  Input c1_, c2_;
  Label serie_, parallelo_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmcondensatori, Condensatori)
