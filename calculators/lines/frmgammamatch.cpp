// Gamma match of a driven element: the rod's length and spacing, the series
// capacitor, and the length of RG 8/213 cable that can stand in for it.
#include <cmath>

#include "framework/registry.h"
#include "stub_drawings.h"

namespace vm {
namespace {

// A whole number, halves to the even one.
double wholeEven(double x) { return x - std::remainder(x, 1.0); }

class GammaMatch final : public CalculatorOf<GammaMatch> {
 public:
  explicit GammaMatch(FormBuilder& b) : CalculatorOf(b) {
    b.caption("ADATTATORE A GAMMA MATCH");
    f_ = b.input("txtfrequenza").label("lblfrequenza", "FREQUENZA in MHz");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    Art sketch = b.drawing("drwgamma", stubs::gammaMatch());
    b.label("Label1", "centro radiatore").at(sketch, "centre");
    b.label("Label4", "isolatore").at(sketch, "insulator");
    b.label("Label5", "ponticello regolabile").at(sketch, "bridge");
    b.label("Label2", "discesa coax").at(sketch, "coax");
    rod_ = b.result("lbllunghezza", "STUB").at(sketch, "rod");
    spacing_ = b.result("lbldistanza").at(sketch, "spacing");
    capArt_ = b.result("lblc").at(sketch, "capacitor");
    lambda_ = b.result("lbllambda");
    pf_ = b.result("lblpf");
    cable_ = b.result("lblcavo");
    diameters_ = b.result("lbldiametri");
  }

 private:
  void compute() {
    const double f = number(f_);
    if (f <= 0) {
      warn("MANCA INPUT", "MESSAGGIO DI ERRORE", f_);
      return;
    }
    const double lambda = 299.793 / f;
    const double rod = 6.25 * lambda;     // 0.0625 lambda, in cm
    const double spacing = 0.7 * lambda;  // 0.007 lambda, in cm
    // the capacitor in whole picofarads, held in single precision
    const float c = single(wholeEven(2100 / f));
    const double cable = wholeEven(static_cast<double>(c) / 0.97 + 1);
    setText(rod_, "cm. " + pattern(rod, "##0.#"));
    setText(spacing_, "spaziatura cm " + pattern(spacing, "##0.#"));
    setText(lambda_, "VALORE DI LAMBDA = mt. " + pattern(lambda, "##0.#"));
    setText(pf_, "CONDENSATORE = pF  " + general(c));
    setText(cable_, "USANDO L'RG 8/213 COME CONDENSATORE LA LUNGHEZZA E' cm. " + general(cable));
    setText(diameters_, "IL DIAMETRO DELLO STUB E' 1/2 - 1/4 IL DIAMETRO DEL RADIATORE");
    setText(capArt_, general(c) + " pF");
  }

  Input f_;
  Label rod_, spacing_, capArt_, lambda_, pf_, cable_, diameters_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmgammamatch, GammaMatch)
