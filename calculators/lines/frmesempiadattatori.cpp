// Three worked quarter-wave transformers, each of two pieces of the chosen
// cable: the length of the pieces and the antenna impedance each example
// matches to a 52 ohm feed line. Recomputed on every keystroke.
#include <cmath>

#include "framework/registry.h"
#include "stub_drawings.h"

namespace vm {
namespace {

class EsempiAdattatori final : public CalculatorOf<EsempiAdattatori> {
 public:
  explicit EsempiAdattatori(FormBuilder& b) : CalculatorOf(b) {
    b.caption("ADATTATORI D'IMPEDENZA IN CAVO COASSIALE DI LUNGHEZZA PARI A 1/4 LAMBDA");
    b.frame("Frame1", " TIPO DI SPEZZONE", [&] {
      cable_ =
          b.options("Option1", {"52 OHM fatt.vel. 0.66", "75 OHM fatt.vel. 0.8"}).opensOn(0).onClick([this](int i) {
            chooseCable(i);
          });
    });
    f_ = b.input("txtfrequenza").label("lblfrequenza", "FREQUENZA in MHz");
    b.label("Label7", "USARE IL PUNTO PER SEPARARE I DECIMALI");
    b.button("cmdchiamacavi", "CAVI COASSIALI").onClick([this] { openCompanion("frmcaviRG"); });
    b.closeButton("cdmesci", "C H I U D I");
    impedances_ = b.frame("Frame2", "", [&] {
      zant1_ = b.result("lblzant1");
      zant2_ = b.result("lblzant2");
      zant3_ = b.result("lblzant3");
    });
    // example 1: unbalanced to unbalanced, the pieces in parallel (Z / 2)
    Art first = b.drawing("drwesempio1", stubs::twoPieces(false));
    b.label("Label3", "SBILANCIATO").at(first, "antenna");
    length1_ = b.result("lbllunghezza1", "1/4 LAMBDA").at(first, "piece");
    b.label("Label1", "SBILANCIATO").at(first, "line");
    b.label("Label8", "CAVO DISCESA 52 OHM").at(first, "feed");
    // example 2: balanced to unbalanced, the pieces in series (2 Z)
    Art second = b.drawing("drwesempio2", stubs::twoPieces(true));
    b.label("Label10", "BILANCIATO").at(second, "antenna");
    length2_ = b.result("lbllunghezza2", "1/4 LAMBDA").at(second, "piece");
    b.label("Label9", "SBILANCIATO").at(second, "line");
    b.label("Label12", "CAVO DISCESA 52 OHM").at(second, "feed");
    // example 3: balanced to unbalanced, the pieces in parallel (Z / 2)
    Art third = b.drawing("drwesempio3", stubs::twoPieces(false));
    b.label("Label5", "BILANCIATO").at(third, "antenna");
    length3_ = b.result("lbllunghezza3", "1/4 LAMBDA").at(third, "piece");
    b.label("Label6", "SBILANCIATO").at(third, "line");
    b.label("Label2", "CAVO DISCESA 52 OHM").at(third, "feed");
    b.live({f_}, {length1_, length2_, length3_, zant1_, zant2_, zant3_}, [this] { compute(); }, true);
  }

 private:
  void chooseCable(int i) {
    // emptying the frequency hides the results through its own reaction
    if (!text(f_).empty()) setText(f_, {});
    hide(impedances_);
    z_ = i == 0 ? 52.0f : 75.0f;
    v_ = i == 0 ? 0.66 : 0.8;
  }

  void compute() {
    const double f = number(f_);
    if (f <= 0) {
      hide({impedances_, length1_, length2_, length3_});
      return;
    }
    const double l = roundFixed(v_ * 75 / f, 2);
    const double z = static_cast<double>(z_);
    const double zant1 = Int((z / 2) * (z / 2) / 52);
    const double zant2 = Int((2 * z) * (2 * z) / 52);
    const double zant3 = Int((z / 2) * (z / 2) / 52);
    const std::string metres = general(l) + " mt.";
    setText(length1_, metres);
    setText(length2_, text(length1_));
    setText(length3_, text(length1_));
    setText(zant1_, general(zant1) + " OHM");
    setText(zant2_, general(zant2) + " OHM");
    setText(zant3_, general(zant3) + " OHM");
    show({length1_, length2_, length3_, impedances_});
  }

  Options cable_;
  Input f_;
  Frame impedances_;
  Label zant1_, zant2_, zant3_, length1_, length2_, length3_;
  float z_ = 0;   // the pieces' impedance, in single precision
  double v_ = 0;  // their velocity factor
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmesempiadattatori, EsempiAdattatori)
