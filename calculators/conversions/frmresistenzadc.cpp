// Direct-current resistance per metre of a round wire of one of six metals.
#include <cmath>

#include "framework/registry.h"
#include "material_tables.h"

namespace vm {
namespace {

using materials::kDcMetals;

class DcResistance final : public CalculatorOf<DcResistance> {
 public:
  explicit DcResistance(FormBuilder& b) : CalculatorOf(b) {
    b.caption("RESISTENZA DI CONDUTTORI IN RELAZIONE ALLA SEZIONE");
    b.frame("Frame1", " Conduttori ", [&] {
      std::vector<std::string> names;
      for (const auto& m : kDcMetals) names.emplace_back(m.name);
      metal_ = b.options("Option1", names).opensOn(0).onClick([this](int i) { chooseMetal(i); });
    });
    diameter_ = b.input("txtdiametro")
                    .label("Label1", "DIAMETRO DEL FILO in mm : ")
                    .tooltip("usare il punto per i decimali");
    section_ = b.result("lblsezione");
    resistance_ = b.result("lblresistenza");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "").picture("exit");
    b.label("Label2", "SOLO PER CORRENTI CONTINUE O ALTERNATE A BASSA FREQUENZA");
    b.label("Label3", "(usare il punto per i decimali)");

    b.onTyping({diameter_}, Typing::Blank, {section_, resistance_});
  }

 private:
  void chooseMetal(int i) {
    setText(resistance_, {});
    rho_ = kDcMetals[i].rho;
  }

  void compute() {
    const double d = number(diameter_);
    if (d <= 0) {
      warn("INSERISCI IL DIAMETRO", "MESSAGGIO DI ERRORE", diameter_);
      return;
    }
    const double s = 3.14159 * (d / 2) * (d / 2);
    const double r = roundFixed(rho_ / s, 4);
    setText(section_, "LA SEZIONE E' mmq " + fixed(s, 2));
    setText(resistance_, "LA RESISTENZA ELETTRICA E'  " + general(r) + " Ohm per metro");
  }

  Options metal_;
  Input diameter_;
  Label section_, resistance_;
  double rho_ = kDcMetals[0].rho;  // ohm mm2 per metre
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmresistenzadc, DcResistance)
