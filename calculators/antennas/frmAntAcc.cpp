// A short radiator loaded by a coil at its feed point: the coil that tunes
// out the radiator's capacitive reactance, and how to wind it.
#include <cmath>

#include "framework/registry.h"
#include "wire_drawings.h"

namespace vm {
namespace {

class AntAcc final : public CalculatorOf<AntAcc> {
 public:
  explicit AntAcc(FormBuilder& b) : CalculatorOf(b) {
    b.caption("Radiatore accorciato con carico induttivo nel punto di alimentazione");
    b.frame("frainserimento", "Inserimento dati per calcolo numero spire", [&] {
      height_ = b.input("txtlunghezzarad")
                    .label("lbllunghezzarad", "Lunghezza del radiatore in mt.")
                    .labelTooltip("lunghezza dell'antenna che si prevede di adottare");
      radiator_ = b.input("txtdiametrorad").label("lbldiametrorad", "Diametro medio radiatore in cm.");
      coilLength_ = b.input("txtlunghezzabob")
                        .tooltip("inserire dato compatibile con il diametro della bobina e la sez. del filo")
                        .label("lbllunghezzabob", "Lunghezza bobina in cm.")
                        .labelTooltip("è preferibile sia più lunga del diametro");
      coilDiameter_ = b.input("txtdiametrobob")
                          .tooltip("inserire dato compatibile con la lunghezza della bobina e la sezione del filo")
                          .label("lbldiametrobob", "Diametro bobina in cm.");
      freq_ = b.input("txtfrequenza")
                  .label("lblfrequenza", "Frequenza in MHz.")
                  .labelTooltip("frequenza di utilizzo dell'antenna");
    });
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.button("cmdstampa", "STAMPA").onClick([this] { printWindow(); });
    b.button("cmdavviso", "AVVISO").onClick([this] { openCompanion("frmavvertenza", Companion::Modal); });
    b.closeButton("cmdchiudi", "E S C I");
    degrees_ = b.result("lblgradi");
    rr_ = b.result("lblRR");
    impedance_ = b.result("lblimpedenza");
    reactance_ = b.result("lblreattanza");
    inductance_ = b.result("lblinduttanza");
    turns_ = b.result("lblspire");
    wire_ = b.result("lblfilo");
    radials_ = b.result("lblradiali");
    b.picture("drwstilo", wires::shortWhip());
  }

 private:
  void compute() {
    const double f = number(freq_);
    const double a = number(radiator_) / 2 / 100;
    const double d = number(coilDiameter_);
    const double l = number(coilLength_);
    const double h = number(height_);
    if (!productTest({l, d, h, a, f}, Product::Zero, height_)) return;
    if (h >= 72 / f) {
      warn("L'ANTENNA NON RICHIEDE BOBINA", "MESSAGGIO DI AVVISO", height_);
      return;
    }
    const double deg = f * h * 1.2;
    const double z0 = 60 * (std::log(2 * h / a) - 1);
    const double theta = 3.14159 * deg / 180;
    const double xl = z0 / std::tan(theta);
    const double ind = xl / (6.283184 * f);
    const double n = std::sqrt((101 * l + 45 * d) * ind) / d;
    const double lambda = 300 / f;
    const double rr = std::pow(24 * h / lambda, 2);
    const std::string turns = fixed(n, 1);
    // the wire is reckoned from the turns as shown
    const float wire = single(roundFixed(single(roundFixed(n, 1) * 3.14 * d / 100), 2));
    setText(degrees_, "Gradi elettrici : " + fixed(deg, 1));
    setText(rr_, "Resistenza di radiazione Ohm : " + fixed(rr, 2));
    setText(impedance_, "Impedenza del radiatore Ohm : " + fixed(z0, 1));
    setText(reactance_, "Reattanza induttiva bobina Ohm : " + fixed(xl, 1));
    setText(inductance_, "Induttanza bobina microH : " + fixed(ind, 1));
    setText(turns_, "numero spire occorrenti : " + turns);
    setText(wire_, "occorrono " + general(wire) + " mt di filo per la bobina");
    setText(radials_, "lunghezza radiali mt " + fixed(75 / f, 1));
  }

  Input height_, radiator_, coilLength_, coilDiameter_, freq_;
  Label degrees_, rr_, impedance_, reactance_, inductance_, turns_, wire_, radials_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmAntAcc, AntAcc)
