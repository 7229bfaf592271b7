// Pi low-pass section whose series coil has a capacitor across it, from the
// terminating impedance and the cut-off frequency; the sheet can be printed.
#include "framework/registry.h"
#include "filter_drawings.h"

namespace vm {
namespace {

class PassaBasso2 final : public CalculatorOf<PassaBasso2> {
 public:
  explicit PassaBasso2(FormBuilder& b) : CalculatorOf(b) {
    b.caption("ALTRO FILTRO \"  L C  \" PASSA BASSO");
    using circuit::Element;
    Art drw = b.drawing("drwfiltro",
                        circuit::ladder({circuit::shuntArm({Element{Symbol::Capacitor, "c2a"}}),
                                         circuit::seriesArm({Element{Symbol::Inductor, "l"},
                                                             Element{Symbol::Capacitor, "c1"}},
                                                            true),
                                         circuit::shuntArm({Element{Symbol::Capacitor, "c2b"}})}));
    zin_ = b.result("lblzin", "INPUT").at(drw, "input");
    zout_ = b.result("lblzout", "OUTPUT").at(drw, "output");
    c2a_ = b.result("lblc2a").at(drw, "c2a");
    c2b_ = b.result("lblc2b").at(drw, "c2b");
    c1_ = b.result("lblc1").at(drw, "c1");
    l_ = b.result("lbll").at(drw, "l");
    z_ = b.input("txtimpedenza").text("50").label("Label2", "IMPEDENZA INPUT = OUTPUT in OHM");
    f_ = b.input("txtf").label("Label3", "FREQUENZA DI TAGLIO in MHz");
    b.label("Label1", "ARROTONDARE I CONDENSATORI SEMPRE PER DIFETTO");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdchiudi", "CHIUDI");
    b.button("cmdchiamabobine", "COSTRUZIONE BOBINE").onClick([this] { openCompanion("frmbobine"); });
    b.button("cmdstampa", "STAMPA SCHEDA").tooltip("IMPOSTA STAMPANTE IN ORIZZONTALE").onClick([this] {
      printWindow();
    });
  }

 private:
  void compute() {
    const double z = number(z_), f = number(f_);
    if (!productTest({f, z}, Product::Zero, z_)) return;
    const double l = 0.6 * z / (6.28 * f);
    const double c1 = 270000 / (f * z * 3.14);
    // the end capacitors are rounded to tenths and shown without grouping
    const double c2 = roundFixed(600000 / (f * z * 6.28), 1);
    setText(l_, fixed(l, 3) + " µH");
    setText(c1_, fixed(c1, 1) + " pF");
    setText(c2a_, general(c2) + " pF");
    setText(c2b_, general(c2) + " pF");
    setText(zin_, general(z) + " OHM");
    setText(zout_, general(z) + " OHM");
  }

  Label zin_, zout_, c2a_, c2b_, c1_, l_;
  Input z_, f_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmpassabasso2, PassaBasso2)
