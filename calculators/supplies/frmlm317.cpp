// An LM 317 (or LM 337) set to one output voltage by R1 = 220 ohm and R2.
#include "adjustable_regulator.h"
#include "framework/registry.h"
#include "supply_drawings.h"

namespace vm {
namespace {

class Lm317 final : public CalculatorOf<Lm317> {
 public:
  explicit Lm317(FormBuilder& b) : CalculatorOf(b) {
    b.caption("INTEGRATI PER TENSIONI VARIABILI DELLA SERIE LM 317   LM 337");
    vu_ = b.input("txtvu").label("Label1", "TENSIONE DESIDERATA IN USCITA :");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    Art drw = b.drawing("drwlm317", supplies::regulator(supplies::Regulator::Adjustable));
    r1_ = b.result("lblr1", "R1").at(drw, "r1");
    r2_ = b.result("lblr2", "R2").at(drw, "r2");
    vout_ = b.result("lblvout", "V. Out").at(drw, "vout");
    vin_ = b.result("lblvin", "V. In").at(drw, "vin");
    supplies::lm317Labels(b, drw);
    vmax_ = b.result("lblvmax").hidden();
    supplies::lm317Notes(b);
  }

 private:
  void compute() {
    const double vu = number(vu_);
    if (!(vu > 1.25 && vu <= 100)) {
      warn("DATO NON CONGRUO", "MESSAGGIO DI ERRORE", vu_);
      return;
    }
    const double r2 = Int((vu / 1.25 - 1) * 220);
    const std::string best = general(1.3 * vu);
    const std::string r2Text = general(r2) + " Ohm", out = general(vu) + " Volt Out", in = best + " Volt Input";
    const std::string limits = "LA TENSIONE OTTIMALE IN ENTRATA E' " + best + " VOLT   -  LA MASSIMA APPLICABILE E' " +
                               general(vu + 30) + " VOLT";
    setText(r1_, "220 Ohm");
    setText(r2_, r2Text);
    setText(vout_, out);
    setText(vin_, in);
    setText(vmax_, limits);
    show(vmax_);
  }

  Input vu_;
  Label r1_, r2_, vout_, vin_, vmax_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmlm317, Lm317)
