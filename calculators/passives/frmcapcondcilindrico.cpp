// The capacitance of a cylindrical capacitor from its radii, its length and
// the dielectric.
#include <cmath>

#include "framework/registry.h"
#include "dielectrics.h"

namespace vm {
namespace {

class CapCondCilindrico final : public CalculatorOf<CapCondCilindrico> {
 public:
  explicit CapCondCilindrico(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CALCOLO DELLA CAPACITA'  DI UN CONDENSATORE CILINDRICO");
    b.frame("Frame1", "DIELETTRICO", [&] {
      dielectric_ = b.options("Option1", dielectrics::captions()).opensOn(0).onClick([this](int i) { choose(i); });
    });
    dielectrics::sparkOverTable(b);
    const std::string cm = "in centimetri";
    r1_ = b.input("txtr1").tooltip(cm).label("Label1", "RAGGIO DEL CILINDRO INTERNO IN cm");
    r2_ = b.input("txtr2").tooltip(cm).label("Label2", "RAGGIO DEL CILINDRO ESTERNO IN cm");
    l_ = b.input("txtl").tooltip(cm).label("Label3", "LUNGHEZZA DEL CILINDRO IN cm ");
    b.label("Label9", "SEMPRE >> DEL DIAMETRO DEL CILINDRO ESTERNO");
    c_ = b.result("lblcapacità");
    b.computeButton("cmdcalcola", "C A L C O L A").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    b.onTyping({r1_, r2_, l_}, Typing::Blank, {c_});
  }

 private:
  void choose(int i) {
    setText(c_, "");
    er_ = dielectrics::permittivity(i);
  }

  void compute() {
    double r1 = number(r1_), r2 = number(r2_), l = number(l_);
    if (!productTest({r1, r2, l}, Product::NotPositive, r1_)) return;
    if (r1 > r2) {
      warn("IL CILINDRO INTERNO DEVE ESSERE MINORE", "MESSAGGIO DI ERRORE", r1_);
      return;
    }
    if (r1 == r2) return;
    r1 /= 100;
    r2 /= 100;
    l /= 100;
    // 6.28 and the factor 10 make the 62.8 of this window's formula
    const double c = 6.28 * er_ * l / std::log(r2 / r1);
    setText(c_, "LA CAPACITA' DEL CONDENSATORE E' CIRCA : " + fixed(10 * c, 1) + "  pF");
  }

  Options dielectric_;
  Input r1_, r2_, l_;
  Label c_;
  double er_ = 0;  // the relative permittivity of the chosen dielectric
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmcapcondcilindrico, CapCondCilindrico)
