// The capacitors of a voltage doubler, for either doubler drawn: the no-load
// output and the smallest capacitance for the load current.
#include "framework/registry.h"
#include "supply_drawings.h"

namespace vm {
namespace {

class Duplicatori final : public CalculatorOf<Duplicatori> {
 public:
  explicit Duplicatori(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CALCOLO DEI CONDENSATORI IN CIRCUITI DUPLICATORI DI TENSIONI");
    b.label("Label1", "DUPLICATORE CON NEGATIVO A MASSA");
    b.drawing("drwmassa", supplies::groundedDoubler());
    b.label("Label2",
            "DUPLICATORE CON NEGATIVO ISOLATO DA MASSA (per ottenere tensioni duali , oppure la massa potrebbe essere "
            "collegata al positivo )");
    b.drawing("drwisolato", supplies::floatingDoubler());
    vac_ = b.input("txtvolt").label("Label5", "TENSIONE ALTERNATA IN INGRESSO");
    current_ = b.input("txtassorbimento").label("Label6", "ASSORBIMENTO IN mA");
    frequency_ = b.input("txtfrequenza").text("50").label("Label8", "FREQUENZA IN Hz");
    b.label("Label7", "USARE IL PUNTO PER SEPARARE I DECIMALI");
    vcc_ = b.result("lblvcc");
    cap_ = b.result("lblcap");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
  }

 private:
  void compute() {
    const double vac = number(vac_), i = number(current_), f = number(frequency_);
    // the frequency takes no part in the test
    if (!productTest({i, vac}, Product::NotPositive, vac_)) return;
    const std::string vcc = fixed(2 * 1.41 * vac, 1);
    // the capacitance follows the output as shown
    const double c = (40000 / f) / (roundFixed(2 * 1.41 * vac, 1) / i);
    const std::string cap = c >= 1 ? "LA CAPACITA' MINIMA E' " + fixed(c, 1) + " microFARAD"
                                   : "LA CAPACITA' MINIMA E' " + fixed(1000 * c, 3) + " nanoFARAD";
    setText(vcc_, "LA TENSIONE CONTINUA E' " + vcc + " VOLT A VUOTO");
    setText(cap_, cap);
  }

  Input vac_, current_, frequency_;
  Label vcc_, cap_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmduplicatori, Duplicatori)
