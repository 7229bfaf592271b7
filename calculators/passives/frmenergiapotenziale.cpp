// The energy stored in an electrolytic capacitor, with a warning when it is
// dangerous to touch.
#include "framework/registry.h"

namespace vm {
namespace {

class EnergiaPotenziale final : public CalculatorOf<EnergiaPotenziale> {
 public:
  explicit EnergiaPotenziale(FormBuilder& b) : CalculatorOf(b) {
    b.caption("ENERGIA POTENZIALE O ELETTROSTATICA DEL CONDENSATORE ELETTROLITICO");
    b.label("Label1",
            "L'ENERGIA ELETTROSTATICA E' L'ENERGIA ACCUMULATA DAL CONDENSATORE AL TERMINE DELLA CARICA E SI "
            "ESPRIME IN JOULE");
    v_ = b.input("txttensione").label("lbltensione", "TENSIONE DI LAVORO in Volt");
    c_ = b.input("txtcapacità").label("lblcapacità", "CAPACITA' IN microFARAD");
    out_ = b.result("lbloutput");
    avviso_ = b.result("lblavviso").hidden();
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cdmesci", "ESCI");
    b.onTyping({v_, c_}, Typing::Blank, {out_}, [this] { hide(avviso_); });
  }

 private:
  void compute() {
    const double v = number(v_), c = number(c_);
    if (!productTest({v, c}, Product::Zero, v_)) return;
    const double e = v * v * (c * 1e-6) / 2;
    setText(out_, "L'ENERGIA POTENZIALE O ELETTROSTATICA E'  " + fixed(e, 2) + " JOULE");
    if (e >= 9) {
      setText(avviso_, "VALORE ESTREMAMENTE PERICOLOSO");
      show(avviso_);
    } else if (e >= 3) {
      setText(avviso_, "VALORE PERICOLOSO");
      show(avviso_);
    }
  }

  Input v_, c_;
  Label out_, avviso_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmenergiapotenziale, EnergiaPotenziale)
