// An LM 317 (or LM 337) adjustable over a range of output voltages: R2 sets
// the lowest output, a trimmer in series with it reaches the highest.
#include "adjustable_regulator.h"
#include "framework/registry.h"
#include "supply_drawings.h"

namespace vm {
namespace {

class Lm317Range final : public CalculatorOf<Lm317Range> {
 public:
  explicit Lm317Range(FormBuilder& b) : CalculatorOf(b) {
    b.caption("LM 317   LM 337 STABILIZZATO TENSIONE VARIABILE");
    vmax_ = b.input("txtvumax").tooltip("da 1.25 a 100 volt").label("Label1", "MASSIMA TENSIONE IN USCITA :");
    vmin_ = b.input("txtvumin").tooltip("maggiore di 1.25 volt").label("Label13", "MINIMA TENSIONE IN USCITA");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    Art drw = b.drawing("drwlm317", supplies::regulator(supplies::Regulator::Range));
    r1_ = b.result("lblr1", "R1").at(drw, "r1");
    r2_ = b.result("lblr2", "R2").at(drw, "r2");
    trimmer_ = b.result("lbltrimmer", "TRIMMER").at(drw, "trimmer");
    vout_ = b.result("lblvout", "V. Out").at(drw, "vout");
    vin_ = b.result("lblvin", "V. In").at(drw, "vin");
    supplies::lm317Labels(b, drw);
    limits_ = b.result("lblvmax").hidden();
    b.label("Label14", "E' POSSIBILE OTTENERE UNA TENSIONE STABILIZZATA IN UN INTERVALLO DI VALORI");
    supplies::lm317Notes(b);
  }

 private:
  void compute() {
    const double vmax = number(vmax_), vmin = number(vmin_);
    if (!(vmax > 1.25 && vmax <= 100) || vmin < 1.25 || vmax < vmin) {
      warn("DATO NON CONGRUO", "MESSAGGIO DI ERRORE", vmax_);
      return;
    }
    const double r2max = Int(220 * (vmax / 1.25 - 1)), r2min = Int(220 * (vmin / 1.25 - 1));
    const double trimmer = Int(r2max - r2min);
    // the best input follows the highest output, the largest one the lowest
    const std::string best = general(1.2 * vmax);
    const std::string r2Text = general(r2min) + " Ohm", trimmerText = general(trimmer) + " Ohm",
                      out = general(vmin) + "/" + general(vmax) + " Volt Out", in = best + " Volt Input";
    const std::string limits = "LA TENSIONE OTTIMALE IN ENTRATA E' " + best + " VOLT   -  LA MASSIMA APPLICABILE E' " +
                               general(vmin + 30) + " VOLT";
    setText(r1_, "220 Ohm");
    setText(r2_, r2Text);
    setText(trimmer_, trimmerText);
    setText(vout_, out);
    setText(vin_, in);
    setText(limits_, limits);
    show(limits_);
  }

  Input vmax_, vmin_;
  Label r1_, r2_, trimmer_, vout_, vin_, limits_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmlm317variab, Lm317Range)
