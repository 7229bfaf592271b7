// An LM 317 as a constant-current source: R1 carries the 1.25 V reference
// at the wanted current.
#include "framework/registry.h"
#include "supply_drawings.h"

namespace vm {
namespace {

class Lm317Current final : public CalculatorOf<Lm317Current> {
 public:
  explicit Lm317Current(FormBuilder& b) : CalculatorOf(b) {
    b.caption(" LM 317  COME GENERATORE DI CORRENTE COSTANTE");
    current_ = b.input("txtcorrente").label("Label1", "CORRENTE STABILIZZATA CHE SI DESIDERA PRELEVARE       in  mA :");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "").picture("exit");
    Art drw = b.drawing("drwlm317", supplies::currentSource());
    r1_ = b.result("lblr1", "R1").at(drw, "r1");
    b.label("Label3", "E").at(drw, "pinIn");
    b.label("Label4", "R").at(drw, "pinAdj");
    b.label("Label5", "U").at(drw, "pinOut");
    b.label("Label8", "2.200 microF").at(drw, "cIn");
    b.label("Label9", "100 nF").at(drw, "cInSmall");
    b.label("Label10", "carico").at(drw, "load");
    b.label("Label11", "LM 317").at(drw, "name");
    result_ = b.result("lblrisultato");
  }

 private:
  void compute() {
    const double ma = number(current_);
    if (!(ma > 0 && ma <= 1000)) {
      warn("DATO NON CONGRUO", "MESSAGGIO DI ERRORE", current_);
      return;
    }
    const std::string r1 = fixed(1250 / ma, 1);
    const std::string line = "PER OTTENERE " + general(ma) + " mA LA RESISTENZA DEVE ESSERE  " + r1 + " OHM";
    setText(r1_, r1 + " Ohm");
    setText(result_, line);
  }

  Input current_;
  Label r1_, result_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmlm317correntecost, Lm317Current)
