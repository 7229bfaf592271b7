// Degrees Celsius in Fahrenheit, Reaumur and Kelvin, recomputed on every
// keystroke.
#include "framework/registry.h"

namespace vm {
namespace {

class Temperature final : public CalculatorOf<Temperature> {
 public:
  explicit Temperature(FormBuilder& b) : CalculatorOf(b) {
    b.caption("COMPARAZIONI TERMOMETRICHE");
    celsius_ = b.input("txtcentigradi").label("lblgradi", "GRADI CENTIGRADI");
    b.label("lblfarenheit", "GRADI FAHRENHEIT");
    fahr_ = b.result("lblfahr");
    b.label("lblreaumur", "GRADI REAUMUR");
    reau_ = b.result("lblreau");
    b.label("lblkelvin", "GRADI KELVIN");
    kelv_ = b.result("lblkelv");
    b.closeButton("cmdesci", "CHIUDI");
    b.label("Label1", "COMPARAZIONE TRA GRADI CENTIGRADI ED ALTRI SISTEMI DI MISURAZIONE");

    b.live({celsius_}, {fahr_, reau_, kelv_}, [this] { compute(); });
  }

 private:
  void compute() {
    c_ = number(celsius_);
    f_ = pattern(9 * c_ / 5 + 32, "#0.##");
    re_ = pattern(0.8 * c_, "#0.##");
    // 273, not 273.15, in single precision
    k_ = single(c_ + 273);
    const float k = single(roundPattern(static_cast<double>(k_), "#0.##"));
    setText(fahr_, f_);
    setText(reau_, re_);
    setText(kelv_, general(k));
  }

  Input celsius_;
  Label fahr_, reau_, kelv_;
  double c_ = 0;
  std::string f_, re_;  // as shown
  float k_ = 0;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmtemperatura, Temperature)
