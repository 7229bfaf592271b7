// Ohm's law and power: from any two of volt, ampere, ohm and watt, the other
// two.
#include <cmath>

#include "framework/registry.h"

namespace vm {
namespace {

// Per pair of known quantities: the formulas shown and the captions of the
// two inputs and of the two results.
struct Case {
  const char* formulas;
  const char* captions[4];
};
constexpr Case kCases[] = {
    {"R = V : I     W= V x I", {"VOLT :", "AMPER :", "OHM :", "WATT :"}},
    {"I = V : R     W = (V x V) : R", {"VOLT :", "OHM :", "AMPER :", "WATT :"}},
    {"I = W : V     R = (V x V) : W", {"VOLT :", "WATT :", "AMPER :", "OHM :"}},
    {"V = I x R     W = (I x I) x R", {"AMPER :", "OHM :", "VOLT :", "WATT :"}},
    {"V = W : I     R = W : (I x I)", {"AMPER :", "WATT :", "VOLT :", "OHM :"}},
    {"V = radice(R x W)   I = radice( W : R)", {"OHM :", "WATT :", "VOLT :", "AMPER :"}},
};

class OhmsLaw final : public CalculatorOf<OhmsLaw> {
 public:
  explicit OhmsLaw(FormBuilder& b) : CalculatorOf(b) {
    b.caption("POTENZA - TENSIONE - CORRENTE - RESISTENZA");
    b.frame("Frame1", "dati conosciuti", [&] {
       known_ = b.options("Option1", {"VOLT  e  AMPERE", "VOLT e  OHM", "VOLT e  WATT", "AMPERE e OHM",
                                      "AMPERE e  WATT", "OHM e  WATT"}).opensOn(0)
                    .onClick([this](int i) { chooseCase(i); });
     }).tooltip("effettuare una scelta");
    std::tie(input1_, caption_[0]) = b.input("txtinput1").label("lblinput", "", 0).tooltip("immissione dato").handles();
    std::tie(input2_, caption_[1]) = b.input("txtinput2").label("lblinput", "", 1).tooltip("immissione dato").handles();
    caption_[2] = b.label("lblinput", "", 2).hidden();
    out1_ = b.result("lblinput", "", 4).captionedBy(caption_[2]);
    caption_[3] = b.label("lblinput", "", 3).hidden();
    out2_ = b.result("lblinput", "", 5).captionedBy(caption_[3]);
    formulas_ = b.label("lblformule");
    b.computeButton("cmdcalcola", "CALCOLA").tooltip("abilita il calcolo").onClick([this] { compute(); });
    b.closeButton("cdmesci", "CHIUDI").tooltip("esce dall'applicazione");
    b.label("Label1", "USARE IL PUNTO PER SEPARARE I DECIMALI");

    b.onTyping({input1_, input2_}, Typing::Blank, {out1_, out2_});
  }

 private:
  void chooseCase(int i) {
    blank({out1_, out2_});
    const Case& c = kCases[i];
    setText(formulas_, c.formulas);
    for (int k = 0; k < 4; ++k) setText(caption_[k], c.captions[k]);
  }

  void compute() {
    const double x1 = number(input1_), x2 = number(input2_);
    if (!productTest({x2, x1}, Product::NotPositive, input1_)) return;
    double r1 = 0, r2 = 0;
    bool any = true;
    if (isSelected(known_, 0)) {
      r1 = x1 / x2, r2 = x1 * x2;
    } else if (isSelected(known_, 1)) {
      r1 = x1 / x2, r2 = x1 * x1 / x2;
    } else if (isSelected(known_, 2)) {
      r1 = x2 / x1, r2 = x1 * x1 / x2;
    } else if (isSelected(known_, 3)) {
      r1 = x1 * x2, r2 = x1 * x1 * x2;
    } else if (isSelected(known_, 4)) {
      r1 = x2 / x1, r2 = x2 / (x1 * x1);
    } else if (isSelected(known_, 5)) {
      r1 = std::sqrt(x1 * x2), r2 = std::sqrt(x2 / x1);
    } else {
      any = false;
    }
    if (any) {
      setText(out1_, pattern(r1, "#,##0.###"));
      setText(out2_, pattern(r2, "#,##0.###"));
    }
    show({caption_[2], caption_[3]});
  }

  Options known_;
  Input input1_, input2_;
  Label caption_[4], out1_, out2_, formulas_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmleggediohm, OhmsLaw)
