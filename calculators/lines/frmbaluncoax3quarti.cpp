// 1:1 balun of coaxial cable pieces a quarter wave and three quarters of a
// wave long, in the chosen cable. Recomputed on every keystroke.
#include "framework/registry.h"
#include "stub_drawings.h"

namespace vm {
namespace {

class BalunThreeQuarters final : public CalculatorOf<BalunThreeQuarters> {
 public:
  explicit BalunThreeQuarters(FormBuilder& b) : CalculatorOf(b) {
    b.caption("BALUN FORMATO DA SPEZZONI DI CAVO COASSIALE DA 1/4 E DA 3/4 LAMBDA");
    b.frame("Frame1", " TIPO DI SPEZZONE", [&] {
      b.options("Option1", {"50 OHM fatt.vel. 0.66", "75 OHM fatt.vel. 0.8"}).opensOn(0).onClick([this](int i) {
        // emptying the frequency hides the results through its own reaction
        if (!text(f_).empty()) setText(f_, {});
        v_ = i == 0 ? 0.66 : 0.8;
      });
    });
    f_ = b.input("txtfrequenza").label("lblfrequenza", "FREQUENZA in MHz");
    b.label("Label7",
            "SIMMETRIZZATORE RAPPORTO 1 : 1   CAVO DI DISCESA E ANTENNA DEVONO AVERE LA STESSA IMPEDENZAI");
    b.button("cmdchiamacavi", "CAVI COASSIALI").onClick([this] { openCompanion("frmcaviRG"); });
    b.closeButton("cdmesci", "C H I U D I");
    Art sketch = b.drawing("drwbalun", stubs::coaxBalun(true));
    b.label("Label1", "D I P O L O").at(sketch, "dipole");
    b.label("Label5", "BILANCIATO").at(sketch, "balanced");
    b.label("Label6", "SBILANCIATO").at(sketch, "unbalanced");
    b.label("Label2", "CAVO DISCESA").at(sketch, "feed");
    quarter_ = b.result("lbllunghezza", "1/4 LAMBDA").at(sketch, "quarter");
    threeQuarters_ = b.result("lbllunghezza1", "3/4 LAMBDA").at(sketch, "threeQuarter");
    b.live({f_}, {quarter_, threeQuarters_}, [this] { compute(); }, true);
  }

 private:
  void compute() {
    const double f = number(f_);
    if (f <= 0) {
      hide({quarter_, threeQuarters_});
      return;
    }
    // the longer piece is three times the quarter wave as shown
    const double l = roundFixed(v_ * 75 / f, 2);
    setText(quarter_, general(l) + " mt.");
    setText(threeQuarters_, general(3 * l) + " mt.");
    show({quarter_, threeQuarters_});
  }

  Input f_;
  Label quarter_, threeQuarters_;
  double v_ = 0;  // velocity factor of the chosen cable
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmbaluncoax3quarti, BalunThreeQuarters)
