// Frequency in megahertz to wavelength in metres and back, recomputed on
// every keystroke.
#include "framework/registry.h"

namespace vm {
namespace {

constexpr const char* kHint = "USA IL PUNTO PER SEPARARE I DECIMALI";
constexpr Color kRed = 0xFF0000;
constexpr Color kBlack = 0x000000;

class FrequencyMetres final : public CalculatorOf<FrequencyMetres> {
 public:
  explicit FrequencyMetres(FormBuilder& b) : CalculatorOf(b) {
    b.caption("RELAZIONI TRA  FREQUENZA E LUNGHEZZA D'ONDA");
    b.frame("Frame1", " Opzioni ", [&] {
      direction_ =
          b.options("Option1", {"DA FREQUENZA A METRI", "DA METRI A FREQUENZA"}).opensOn(0).onClick([this](int i) {
            chooseDirection(i);
          });
    });
    std::tie(input_, lblInput_) =
        b.input("txtinput").label("lblinput", "").labelTooltip(kHint).tooltip(kHint).handles();
    out_ = b.result("lblout");
    b.closeButton("cmdesci", "E S C I");
    b.label("Label3", "PER SEPARARE I DECIMALI USARE IL PUNTO");

    b.live({input_}, {out_}, [this] { compute(); }, true);
  }

 private:
  void chooseDirection(int i) {
    hide(out_);
    setText(input_, {});
    setText(lblInput_, i == 0 ? "FREQUENZA in MHz:" : "METRI : ");
    for (int k = 0; k < 2; ++k) setCaptionColor(direction_, k, k == i ? kRed : kBlack);
  }

  void compute() {
    const double x = number(input_);
    if (x <= 0) {
      focus(input_);
      hide(out_);
      return;
    }
    // metres from megahertz, or megahertz from metres
    const double y = roundFixed(300 / x, 3);
    if (isSelected(direction_, 0)) {
      setText(out_, " CORRISPONDENTE A METRI : " + general(y));
    } else if (isSelected(direction_, 1)) {
      setText(out_, " CORRISPONDENTI A MHz : " + general(y));
    }
    show(out_);
  }

  Options direction_;
  Input input_;
  Label lblInput_, out_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmfrequenzametri, FrequencyMetres)
