// The tuning relation of an LC circuit: the frequency, the capacitance or the
// inductance from the other two.
#include <cmath>
#include <tuple>

#include "framework/registry.h"

namespace vm {
namespace {

class ValInduttanza final : public CalculatorOf<ValInduttanza> {
 public:
  explicit ValInduttanza(FormBuilder& b) : CalculatorOf(b) {
    b.caption("Calcolo dei parametri di un circuito con  Induttanza e Capacità");
    b.frame("Frame1", "dati conosciuti", [&] {
      b.options("Option1", {"INDUTTANZA e CAPACITA'", "FREQUENZA e INDUTTANZA", "FREQUENZA e CAPACITA'"}).opensOn(0)
          .onClick([this](int i) { chooseMode(i); });
    });
    std::tie(input1_, name_[0]) = b.input("txtinput1").label("lblinput", "", 0).handles();
    unit_[0] = b.label("lblumisura", "", 0).unitOf(input1_);
    std::tie(input2_, name_[1]) = b.input("txtinput2").label("lblinput", "", 1).handles();
    unit_[1] = b.label("lblumisura", "", 1).unitOf(input2_);
    name_[2] = b.label("lblinput", "", 2);
    out_ = b.result("lblinput", "", 3).captionedBy(name_[2]);
    unit_[2] = b.label("lblumisura", "", 2).unitOf(out_);
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "ESCI");
    b.button("cmdchiamabobine", "DATI PRATICI COSTRUZIONE BOBINE IN ARIA").onClick([this] {
      openBeside("frmbobine", {.selfLeft = 180, .selfTop = 180, .left = 4100, .top = 3000});
    });
    b.button("cmdchiamatoroidi", "NUCLEI TOROIDALI  AMIDON").onClick([this] {
      // the core selector opens where it stands
      moveTo(180, 180);
      openCompanion("frmamidon");
    });
    b.text("USARE IL PUNTO PER SEPARARE I DECIMALI");
  }

 private:
  void chooseMode(int i) {
    static const char* const kNames[3][6] = {
        {"INDUTTANZA :", " microH", "CAPACITA' :", " pF", "FREQUENZA :", " MHz"},
        {"FREQUENZA :", " MHz", "INDUTTANZA :", " microH", "CAPACITA' :", " pF"},
        {"FREQUENZA :", " MHz", "CAPACITA' :", " pF", "INDUTTANZA :", " microH"},
    };
    mode_ = i;
    blank({out_});
    for (int row = 0; row < 3; ++row) {
      setText(name_[row], kNames[i][2 * row]);
      setText(unit_[row], kNames[i][2 * row + 1]);
    }
  }

  void compute() {
    x1_ = number(input1_);
    x2_ = single(number(input2_));
    if (!productTest({x1_, x2_}, Product::Zero, input1_)) return;
    // two negative values pass the product but tune nothing
    if (x1_ < 0 || x2_ < 0) {
      missingData(input1_);
      return;
    }
    const double x2 = x2_;
    double result = 0;
    switch (mode_) {
      case 0:
        result = 159 / std::sqrt(x2 * x1_);
        break;
      case 1:
        result = 25300 / (x1_ * x1_ * x2);
        break;
      case 2:
        result = 25300 / (x1_ * x1_ * x2);
        break;
      default:
        return;
    }
    setText(out_, pattern(result, "#,##0.###"));
  }

  Input input1_, input2_;
  Label name_[3], unit_[3], out_;
  int mode_ = -1;  // the option clicked last
  double x1_ = 0;
  float x2_ = 0;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmvalinduttanza, ValInduttanza)
