// Five imperial per-unit quantities in metric units, recomputed on every
// keystroke.
#include "framework/registry.h"

namespace vm {
namespace {

struct Quantity {
  const char* caption;
  double k;
  const char* output;
};
// 1 ohm per 100 feet is 32.8 ohm per kilometre.
constexpr Quantity kQuantities[] = {
    {"Pollici quadrati ", 6.45, "CORRISPONDE A cm quadri "},
    {"Spire per pollice ", 0.396, "CORRISPONDE A SPIRE PER cm "},
    {"Spire per pollice quadrato ", 0.155, "CORRISPONDE A SPIRE PER cm quadro "},
    {"Piedi per libbra ", 0.671, "CORRISPONDE A METRI PER Kg "},
    {"Ohm per 100 piedi ", 32.8, "CORRISPONDE A OHM PER Km "},
};

class OtherImperial final : public CalculatorOf<OtherImperial> {
 public:
  explicit OtherImperial(FormBuilder& b) : CalculatorOf(b) {
    b.caption("ULTERIORI CONVERSIONI MISURE INGLESI");
    b.frame("Frame1", "Da trasformare", [&] {
      quantity_ = b.options("Option1", {kQuantities[0].caption, kQuantities[1].caption, kQuantities[2].caption,
                                        kQuantities[3].caption, kQuantities[4].caption}).opensOn(0)
                      .onClick([this](int) { chooseQuantity(); });
    });
    std::tie(input_, lblInput_) =
        b.input("txtinput").label("lblinput", "").tooltip("inserire il dato da trasformare").handles();
    output_ = b.result("lbloutput");
    result_ = b.result("lblrisultato");
    b.closeButton("cmdesci", "E S C I");

    b.live({input_}, {result_}, [this] { compute(); });
  }

 private:
  void chooseQuantity() {
    // emptying the input converts once more; the results are emptied after it
    setText(input_, {});
    blank({output_, result_});
    const int i = selected(quantity_);
    if (i >= 0) setText(lblInput_, kQuantities[i].caption);
  }

  void compute() {
    x_ = number(input_);
    if (const int i = selected(quantity_); i >= 0) {
      k_ = kQuantities[i].k;
      setText(output_, kQuantities[i].output);
    }
    r_ = roundFixed(x_ * k_, 3);
    setText(result_, general(r_));
  }

  Options quantity_;
  Input input_;
  Label lblInput_, output_, result_;
  double x_ = 0;
  double k_ = 0;  // the factor of the quantity last converted
  double r_ = 0;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmaltreconversioni, OtherImperial)
