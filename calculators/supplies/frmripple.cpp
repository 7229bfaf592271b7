// The reservoir capacitor after a bridge rectifier that holds the ripple
// to a chosen percentage of the DC voltage.
#include "framework/registry.h"
#include "supply_drawings.h"

namespace vm {
namespace {

class Ripple final : public CalculatorOf<Ripple> {
 public:
  explicit Ripple(FormBuilder& b) : CalculatorOf(b) {
    b.caption("Dimensionamento del condensatore anti ripple");
    b.size(8595, 5200);
    b.label("Label1",
            "L'ondulazione residua (RIPPLE) presente all'uscita di un ponte raddrizzatore, aumenta con il crescere "
            "della corrente e può essere ridotta aumentando la capacità del condensatore elettrolitico di "
            "livellamento. Una capacità troppo elevata è tuttavia causa di una elevata corrente in fase di accensione "
            "dell'alimentatore, con possibile danno per i diodi se non sono di potenza adeguata.");
    b.label("Label2",
            "La situazione ottimale è pertanto quella che prevede un dimensionamento dell'elettrolitico tale da "
            "ridurre il ripple a valori accettabili, senza danneggiare i diodi. Fissata la percentuale di ripple, si "
            "ricava il valore del condensatore.");
    percent_ = b.input("txtpercentuale")
                   .text("2")
                   .tooltip("inserisci percentuale ")
                   .label("Label6", "PERCENTUALE DI RIPPLE PREVISTA :");
    volt_ = b.input("txtvolt").text("18").tooltip("inserisci Volt").label("Label7", "TENSIONE CC ALL'USCITA DEL PONTE");
    current_ = b.input("txtcorrente").tooltip("massima corrente prevista").label("lblcorrente", "CORRENTE IN AMPERE :");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    Art drw = b.drawing("drwponte", supplies::bridgeRectifier());
    b.label("Label3", "AC").at(drw, "ac");
    b.label("Label4", "C").at(drw, "c");
    b.label("Label5", "CC").at(drw, "dc");
    lblV_ = b.result("lblV").at(drw, "dcValue");
    lblC_ = b.result("lblc").at(drw, "cValue");
    veff_ = b.result("lblVeff");
    vp_ = b.result("lblVp");
    vpp_ = b.result("lblVpp");
    cap_ = b.result("lblelettrolitico");
    b.label("Label8",
            "il RIPPLE è definito come il rapporto tra il valore efficace della componente alternata e la componente "
            "continua");
  }

 private:
  void compute() {
    const double p = number(percent_), v = number(volt_), i = number(current_);
    // the percentage takes no part in the test
    if (!productTest({i, v}, Product::Zero, percent_)) return;
    // the peak values and the capacitance follow the ripple as shown
    const std::string veff = fixed(p * v / 100, 3);
    const double veffShown = roundFixed(p * v / 100, 3);
    const std::string vp = fixed(1.4 * veffShown, 3), vpp = fixed(2.8 * veffShown, 3);
    const double vppShown = roundFixed(2.8 * veffShown, 3);
    const double c = roundFixed(1e6 * i / (100 * vppShown), 0);
    const std::string vText = general(v), cText = general(c);
    setText(lblV_, vText);
    setText(lblC_, cText);
    setText(veff_, "VOLT EFFICACI DEL RIPPLE = " + veff);
    setText(vp_, "VOLT DI PICCO DEL RIPPLE = " + vp);
    setText(vpp_, "VOLT PICCO-PICCO DEL RIPPLE = " + vpp);
    setText(cap_, "CAPACITA' IN microFarad : " + cText);
    show({veff_, vp_, vpp_, cap_});
  }

  Input percent_, volt_, current_;
  Label lblV_, lblC_, veff_, vp_, vpp_, cap_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmripple, Ripple)
