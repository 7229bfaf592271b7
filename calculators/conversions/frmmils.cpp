// Millimetres to mils (thousandths of an inch) and back, recomputed on every
// keystroke.
#include "framework/registry.h"

namespace vm {
namespace {

constexpr Color kRed = 0xFF0000;
constexpr Color kBlack = 0x000000;

class Mils final : public CalculatorOf<Mils> {
 public:
  explicit Mils(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CONVERSIONE DA MILLIMETRI IN MILS E DA MILS IN MILLIMETRI");
    b.frame("Frame1", " Opzioni ", [&] {
      direction_ =
          b.options("Option1", {"DA MILLIMETRI A MILS", "DA MILS A MILLIMETRI"}).opensOn(0).onClick([this](int i) {
            chooseDirection(i);
          });
    });
    std::tie(input_, lblInput_) = b.input("txtinput")
                                      .label("lblinput", "")
                                      .labelTooltip("USA IL PUNTO PER SEPARARE I DECIMALI")
                                      .tooltip("USA IL PUNTO PER SEPARARE I DECIMALI")
                                      .handles();
    out_ = b.result("lblout");
    b.closeButton("cmdesci", "E S C I");
    b.label("Label1", "UN MIL CORRISPONDE A UN MILLESIMO DI POLLICE");
    b.label("Label3", "PER SEPARARE I DECIMALI USARE IL PUNTO");

    b.live({input_}, {out_}, [this] { compute(); }, true);
  }

 private:
  void chooseDirection(int i) {
    hide(out_);
    setText(input_, {});
    setText(lblInput_, i == 0 ? "INSERIRE MILLIMETRI" : "INSERIRE MILS");
    for (int k = 0; k < 2; ++k) setCaptionColor(direction_, k, k == i ? kRed : kBlack);
  }

  void compute() {
    const double x = number(input_);
    if (x <= 0) {
      focus(input_);
      hide(out_);
      return;
    }
    if (isSelected(direction_, 0)) {
      setText(out_, "CORRISPONDENTE A MILS : " + general(39.3700787 * x));
    } else if (isSelected(direction_, 1)) {
      const double mm = 0.0254 * x;
      setText(out_, "CORRISPONDENTI A mm : " + general(mm) + "   PARI A " + general(mm * 1000) + " microMETRI");
    }
    show(out_);
  }

  Options direction_;
  Input input_;
  Label lblInput_, out_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmmils, Mils)
