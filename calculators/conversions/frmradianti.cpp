// Degrees to radians and back, over half a turn, recomputed on every
// keystroke.
#include "framework/registry.h"

namespace vm {
namespace {

constexpr const char* kHint = "USA IL PUNTO PER SEPARARE I DECIMALI";

class Radians final : public CalculatorOf<Radians> {
 public:
  explicit Radians(FormBuilder& b) : CalculatorOf(b) {
    b.caption("TRASFORMAZIONE DA GRADI IN RADIANTI E DA RADIANTI A GRADI");
    b.frame("Frame1", " Opzioni ", [&] {
      direction_ =
          b.options("Option1", {"DA GRADI A RADIANTI", "DA RADIANTI A GRADI"}).opensOn(0).onClick([this](int i) {
            chooseDirection(i);
          });
    });
    std::tie(input_, lblInput_) =
        b.input("txtinput").label("lblinput", "").labelTooltip(kHint).tooltip(kHint).handles();
    out_ = b.result("lblout");
    b.closeButton("cmdesci", "E S C I");
    b.label("Label1",
            "NEL CALCOLO DELLE ANTENNE E'  SPESSO NECESSARIO EFFETTUARE LA TRASFORMAZIONE DA GRADI IN RADIANTI E "
            "VICEVERSA");
    b.label("Label2", "DA 0 A 180 GRADI   E  DA 0 A 3,14159 RADIANTI");
    b.label("Label3", "PER SEPARARE I DECIMALI USARE IL PUNTO");

    b.live({input_}, {out_}, [this] { compute(); });
  }

 private:
  void chooseDirection(int i) {
    hide(out_);
    setText(input_, {});  // converts once more, with nothing typed
    setText(lblInput_, i == 0 ? "GRADI : " : "RADIANTI : ");
  }

  void compute() {
    const double x = number(input_);
    if (isSelected(direction_, 0)) {
      if (x < 0 || x > 180) {
        warn("GRADI DA :  0 a  180", "MESSAGGIO DI AVVISO", input_);
      } else {
        setText(out_, " CORRISPONDENTI A RADIANTI : " + general(roundFixed(3.14159 * x / 180, 4)));
      }
    } else if (isSelected(direction_, 1)) {
      if (x < 0 || x > 3.14159) {
        warn("RADIANTI DA :  0 a  3,1415", "MESSAGGIO DI AVVISO", input_);
      } else {
        setText(out_, " CORRISPONDENTI A GRADI : " + general(roundPattern(180 * x / 3.14159, "#0.###")));
      }
    }
    show(out_);
  }

  Options direction_;
  Input input_;
  Label lblInput_, out_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmradianti, Radians)
