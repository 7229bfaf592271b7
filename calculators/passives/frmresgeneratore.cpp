// The internal resistance of a generator from its voltage without load and
// with a known load.
#include "framework/registry.h"

namespace vm {
namespace {

class ResGeneratore final : public CalculatorOf<ResGeneratore> {
 public:
  explicit ResGeneratore(FormBuilder& b) : CalculatorOf(b) {
    b.caption("MISURA DELLA RESISTENZA INTERNA DEL GENERATORE");
    const std::string point = "il punto per separare i decimali";
    b.label("Label1",
            "LA RESISTENZA INTERNA DI UN GENERATORE NON E' DIRETTAMENTE MISURABILE, QUINDI PER UNA SUA "
            "VALUTAZIONE OCCORRE PROCEDERE IN MODO INDIRETTO IN DUE FASI SUCCESSIVE:");
    b.label("Label2",
            "1) MISURARE LA TENSIONE IN USCITA SENZA CARICO CON UN OSCILLOSCOPIO O UN VOLTMETRO      "
            "ELETTRONICO R.F.  IN GRADO DI COPRIRE LA FREQUENZA DI LAVORO");
    b.label("Label3",
            "2) APPLICARE IN USCITA UNA RESISTENZA NON INDUTTIVA DI VALORE NOTO, PER ESEMPIO 50      OHM, "
            "QUINDI MISURARE NUOVAMENTE LA TENSIONE ");
    b.label("Label4", "USARE IL PUNTO PER SEPARARE EVENTUALI DECIMALI");
    v1_ = b.input("txtv1").tooltip(point).label("Label5", "PRIMA LETTURA VOLT SENZA CARICO");
    v2_ = b.input("txtv2").tooltip(point).label("Label6", "SECONDA LETTURA VOLT CON CARICO");
    rl_ = b.input("txtrcarico").text("50").label("Label7", "RESISTENZA DI CARICO IN OHM");
    rg_ = b.result("lblrgeneratore");
    b.computeButton("cmdcalcola", "CALCOLA").tooltip("abilita il calcolo").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I").tooltip("chiude l'applicazione");
  }

 private:
  void compute() {
    const double v1 = number(v1_), v2 = number(v2_), rl = number(rl_);
    if (!productTest({v1, v2, rl}, Product::NotPositive, v1_)) return;
    if (v1 < v2) {
      warn("LETTURE ERRATE", "MESSAGGIO DI ERRORE", v1_);
      return;
    }
    const double rg = roundFixed((v1 / v2 - 1) * rl, 1);
    setText(rg_, "LA RESISTENZA INTERNA DEL GENERATORE E' OHM " + general(rg));
  }

  Input v1_, v2_, rl_;
  Label rg_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmresgeneratore, ResGeneratore)
