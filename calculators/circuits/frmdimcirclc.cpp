// A suggested L-C pair for a tuned circuit at a given frequency, recomputed
// on every change of the frequency.
#include "framework/registry.h"

namespace vm {
namespace {

class DimCircLC final : public CalculatorOf<DimCircLC> {
 public:
  explicit DimCircLC(FormBuilder& b) : CalculatorOf(b) {
    b.caption("DIMENSIONAMENTO DEL CIRCUITO ACCORDATO L C");
    f_ = b.input("txtfrequenza")
             .tooltip("separare i decimali con il punto")
             .label("Label6", "FREQUENZA IN MHz.");
    b.label("Label1",
            "IN UN CIRCUITO RISONANTE ESISTONO INFINITE COMBINAZIONI DI VALORI L /C CHE CONSENTONO DI OTTENERE "
            "UNA DETERMINATA FREQUENZA ");
    b.label("Label2",
            "IN TEORIA PUO'  ESSERE ADOTTATA QUALSIASI COMBINAZIONE MA PER IL MIGLIOR RENDIMENTO E' BENE "
            "MANTENERE UNA CERTA PROPORZIONE TRA  INDUTTANZA E CAPACITA'.");
    b.label("Label4", "IMPOSTATA LA FREQUENZA VERRANNO CALCOLATI I VALORI DI CAPACITA'  E INDUTTANZA. ");
    b.label("Label5", "LA VALIDITA' DEL CALCOLO E' LIMITATA ALLE H.F.");
    b.label("Label3", "SEPARARE GLI EVENTUALI DECIMALI CON IL PUNTO");
    capacitance_ = b.result("lblcapacita");
    inductance_ = b.result("lblinduttanza");
    b.closeButton("cmdesci", "E S C I");
    b.live({f_}, {capacitance_, inductance_}, [this] { compute(); });
  }

 private:
  void compute() {
    const double f = number(f_);
    // no frequency, or a negative one (a sign typed first), makes no circuit:
    // both results are emptied while the user types on
    if (f <= 0) {
      blank({capacitance_, inductance_});
      return;
    }
    const double c = 400 / f;
    // the inductance is rounded to tenths before it is shown
    const double l = roundFixed(25330 / (f * f * c), 1);
    setText(capacitance_, "LA CAPACITA' OTTIMALE E'  CIRCA pF " + fixed(c, 1));
    setText(inductance_, "L'INDUTTANZA IN QUESTO CASO E' µH " + general(l));
  }

  Input f_;
  Label capacitance_, inductance_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmdimcirclc, DimCircLC)
