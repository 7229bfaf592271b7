// Constant-k L-C band-stop (notch) section for audio frequencies, in T and
// in pi form, from the two edge frequencies in Hz.
#include "framework/registry.h"
#include "filter_drawings.h"

namespace vm {
namespace {

class NotchBF final : public CalculatorOf<NotchBF> {
 public:
  explicit NotchBF(FormBuilder& b) : CalculatorOf(b) {
    b.caption("FILTRO NOTCH PASSIVO PER BASSA FREQUENZA            TIPICAMENTE PER FREQUENZE AUDIO");
    r_ = b.input("txtr").text("50").tooltip("MAX 600 OHMS").label("Label2", "IMPEDENZA FILTRO IN OHMS");
    f1_ = b.input("txtf1").label("Label3", "FREQUENZA MINORE IN HERTZ");
    f2_ = b.input("txtf2").tooltip("MAX 600 KHz").label("Label4", "FREQUENZA MAGGIORE IN HERTZ");
    using circuit::Element;
    // T: a parallel resonator in each series arm, a series resonator in the shunt arm
    b.label("Label5", "FILTRO NOTCH TIPO T");
    Art t = b.drawing(
        "drwT",
        circuit::ladder({circuit::seriesArm({Element{Symbol::Inductor, "tl1"}, Element{Symbol::Capacitor, "tc1a"}}, true),
                         circuit::shuntArm({Element{Symbol::Inductor, "tl2"}, Element{Symbol::Capacitor, "tc2"}}),
                         circuit::seriesArm({Element{Symbol::Inductor, ""}, Element{Symbol::Capacitor, "tc1b"}}, true)}));
    tl1_ = b.result("lbltl1").at(t, "tl1");
    tc1_[0] = b.result("lbltc1", "", 0).at(t, "tc1a");
    tc1_[1] = b.result("lbltc1", "", 1).at(t, "tc1b");
    tl2_ = b.result("lbltl2").at(t, "tl2");
    tc2_ = b.result("lbltc2").at(t, "tc2");
    // pi: a parallel resonator in the series arm, a series resonator in each shunt arm
    b.label("Label1", "FILTRO NOTCH TIPO PI GRECO");
    Art pi = b.drawing(
        "drwpigreco",
        circuit::ladder({circuit::shuntArm({Element{Symbol::Inductor, "pl2"}, Element{Symbol::Capacitor, "pc2"}}),
                         circuit::seriesArm({Element{Symbol::Inductor, "pl1"}, Element{Symbol::Capacitor, "pc1"}}, true),
                         circuit::shuntArm({Element{Symbol::Inductor, ""}, Element{Symbol::Capacitor, ""}})}));
    pl1_ = b.result("lblpl1").at(pi, "pl1");
    pc1_ = b.result("lblpc1").at(pi, "pc1");
    pl2_ = b.result("lblpl2").at(pi, "pl2");
    pc2_ = b.result("lblpc2").at(pi, "pc2");
    b.computeButton("cmdcalcola", "C A L C O L A").onClick([this] { compute(); });
    b.closeButton("cmdchiudi", "C H I U D I");
    b.button("cmdchiamabobine", "COSTRUZIONE BOBINE").onClick([this] {
      openBeside("frmbobine", {.selfLeft = 180, .selfTop = 250, .left = 8000, .top = 6250});
    });
  }

 private:
  void compute() {
    const double r = number(r_), f1 = number(f1_), f2 = number(f2_);  // Hz
    if (!productTest({f2, f1, r}, Product::NotPositive, f1_)) return;
    if (f1 >= f2) {
      warn("FREQUENZE INVERTITE", "MESSAGGIO DI ERRORE", f1_);
      return;
    }
    const double band = f2 - f1;
    const double l1 = 1e6 * r * band / (3.14 * f1 * f2);  // uH
    const double l2 = 1e3 * r / (12.56 * band);           // mH
    const double c1 = 1e6 / (12.56 * r * band);           // uF
    const double c2 = 1e12 * band / (3.14 * r * f1 * f2); // pF
    setText(tl1_, fixed(l1 / 2, 2) + " µH  x 2");
    setText(tl2_, fixed(l2, 2) + " mH");
    setText(tc1_[0], fixed(2 * c1, 2) + " µF");
    setText(tc1_[1], fixed(2 * c1, 2) + " µF");
    setText(tc2_, fixed(c2, 2) + " pF");
    setText(pl1_, fixed(l1, 1) + " µH");
    setText(pl2_, fixed(2 * l2, 2) + " mH x 2");
    setText(pc1_, fixed(c1, 2) + " µF");
    setText(pc2_, fixed(c2 / 2, 1) + " pF x 2");
  }

  Input r_, f1_, f2_;
  Label tl1_, tc1_[2], tl2_, tc2_, pl1_, pc1_, pl2_, pc2_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmnotchbf, NotchBF)
