// The diameter of a copper wire for a given current, at the least and at the
// usual current density, recomputed on every keystroke.
#include <cmath>

#include "framework/registry.h"

namespace vm {
namespace {

class WireSection final : public CalculatorOf<WireSection> {
 public:
  explicit WireSection(FormBuilder& b) : CalculatorOf(b) {
    b.caption("Diametro filo di rame ");
    current_ = b.input("txtinput").label("lblinput", "INTENSITA' DI CORRENTE IN AMPERE");
    results_ = b.frame("Frame1", "", [&] {
      dmin_ = b.result("lbloutputmin");
      smin_ = b.result("lblmqmin");
      dnorm_ = b.result("lbloutputnorm");
      snorm_ = b.result("lblmqnorm");
    });
    b.closeButton("cmdesci", "CHIUDI");
    b.label("Label1", "CALCOLO DEL DIAMETRO DI UN FILO DI RAME IN RELAZIONE ALL' INTENSITA'  DELLA CORRENTE");

    b.live({current_}, {dmin_, smin_, dnorm_, snorm_}, [this] { compute(); });
  }

 private:
  void compute() {
    const double i = number(current_);
    if (i <= 0) {
      hide(results_);
      return;
    }
    // each section follows from its diameter as shown
    const double dmin = roundFixed(0.7 * std::sqrt(i), 3);
    const double smin = 3.141592 * (dmin / 2) * (dmin / 2);
    const double dnorm = roundFixed(0.8 * std::sqrt(i), 3);
    const double snorm = roundFixed(3.141592 * (dnorm / 2) * (dnorm / 2), 3);
    const std::string dminText = fixed(dmin, 3), sminText = fixed(smin, 3), dnormText = fixed(dnorm, 3);
    show(results_);
    setText(dmin_, "DIAMETRO MINIMO =  " + dminText);
    setText(dnorm_, "DIAMETRO NORMALE =  " + dnormText);
    setText(smin_, "pari a sezione mmq : " + sminText);
    setText(snorm_, "pari a sezione mmq : " + general(snorm));
  }

  Input current_;
  Frame results_;
  Label dmin_, smin_, dnorm_, snorm_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmsezione, WireSection)
