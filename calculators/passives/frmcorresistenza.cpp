// The largest current a resistor carries, from its power rating and its
// resistance.
#include <cmath>

#include "framework/registry.h"

namespace vm {
namespace {

class CorResistenza final : public CalculatorOf<CorResistenza> {
 public:
  explicit CorResistenza(FormBuilder& b) : CalculatorOf(b) {
    b.caption("MASSIMA CORRENTE CHE PUO' SCORRERE IN UNA RESISTENZA");
    b.label("Label2",
            "LA MASSIMA CORRENTE CHE PUO' SCORRERE IN UNA RESISTENZA E' DETERMINATA DAL WATTAGGIO E DAL "
            "VALORE OHMICO");
    b.frame("Frame1", "WATT", [&] {
      watt_ = b.options("Option1",
                        {"1/4 WATT", "1/2 WATT", "1 WATT", "2 WATT", "3 WATT", "5 WATT", "7 WATT", "10 WATT",
                         "12 WATT", "15 WATT", "20 WATT"})
                  .selected(0)
                  .onClick([this](int) { hide(maxcorr_); });
    });
    ohm_ = b.input("txtohm").label("Label1", "VALORE DELLA RESISTENZA IN OHM");
    maxcorr_ = b.result("lblmaxcorr");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    b.onTyping({ohm_}, Typing::Hide, {maxcorr_});
  }

 private:
  void compute() {
    const double r = number(ohm_);
    if (r <= 0) {
      warn("INSERIRE UN VALORE", "messaggio di errore", ohm_);
      return;
    }
    static const double kRatings[] = {0.25, 0.5, 1, 2, 3, 5, 7, 10, 12, 15, 20};
    const int k = selected(watt_);
    if (k < 0) return;
    const double i = roundFixed(std::sqrt(kRatings[k] / r), 3);
    setText(maxcorr_, "LA CORRRENTE MASSIMA E' DI AMPERE " + general(i));
    show(maxcorr_);
  }

  Options watt_;
  Input ohm_;
  Label maxcorr_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmcorresistenza, CorResistenza)
