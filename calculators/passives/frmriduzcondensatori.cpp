// The capacitor to put in series with one at hand to bring it down to a
// wanted capacitance.
#include "framework/registry.h"

namespace vm {
namespace {

class RiduzCondensatori final : public CalculatorOf<RiduzCondensatori> {
 public:
  explicit RiduzCondensatori(FormBuilder& b) : CalculatorOf(b) {
    b.caption("RIDUZIONE DELLA CAPACITA' DI UN CONDENSATORE");
    b.label("Label2",
            "PER RIDURRE LA CAPACITA' DI UN CONDENSATORE OCCORRE COLLEGARNE UN ALTRO IN SERIE IL CUI VALORE "
            "PUO' ESSERE ESATTAMENTE CALCOLATO ");
    c1_ = b.input("txtc1").label("Label1", "CAPACITA' in pF DEL  CONDENSATORE :");
    c2_ = b.input("txtc2").label("Label3", "CAPACITA' in pF CHE SI VUOLE OTTENERE :");
    out_ = b.result("lblriduzione");
    b.computeButton("cmdcalcola", "CALCOLA").tooltip("abilita il calcolo").onClick([this] { compute(); });
    b.closeButton("cmdesci", "").picture("exit").tooltip("chiude l'applicazione");
  }

 private:
  void compute() {
    const double c1 = number(c1_), c2 = number(c2_);
    if (!productTest({c1, c2}, Product::NotPositive, c1_)) return;
    if (c1 <= c2) {
      warn("IL PRIMO COND.RE HA SEMPRE LA CAPACITA' MAGGIORE", "STAI ATTENTO", c1_);
      return;
    }
    const double cx = c1 * c2 / (c1 - c2);
    // no microfarad range here
    const std::string value = cx >= 1001 ? fixed(cx / 1000, 1) + "  nanoF" : fixed(cx, 1) + "  picoF";
    setText(out_, "CAPACITA' DA APPLICARE IN SERIE =  " + value);
  }

  Input c1_, c2_;
  Label out_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmriduzcondensatori, RiduzCondensatori)
