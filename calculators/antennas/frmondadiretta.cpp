// Line-of-sight range from the height of the antenna above sea level,
// recomputed on every keystroke.
#include <cmath>
#include <string>

#include "framework/registry.h"

namespace vm {
namespace {

class OndaDiretta final : public CalculatorOf<OndaDiretta> {
 public:
  explicit OndaDiretta(FormBuilder& b) : CalculatorOf(b) {
    b.caption("DISTANZA DI COLLEGAMENTO PER ONDA DIRETTA");
    b.text("CONOSCENDO L'ALTEZZA DELL'ANTENNA SUL LIVELLO DEL MARE , SI PUO' CALCOLARE IN VIA TEORICA LA DISTANZA "
           "COPERTA PER ONDA DIRETTA OPERANDO IN IN VHF - UHF");
    height_ = b.input("txtaltezza").label("lbltxtaltezza", "ALTEZZA IN MT. SUL LIVELLO DEL MARE");
    range_ = b.result("lbldistanza");
    b.closeButton("cmdesci", "C H I U D I");
    b.live({height_}, {range_}, [this] { compute(); });
  }

 private:
  void compute() {
    const double h = number(height_);
    if (h == 0) return;
    if (h < 0) {
      warn("MANCA DATO", "MESSAGGIO DI ERRORE", height_);
      return;
    }
    if (h > 5000) {
      warn("ALTEZZA ECCESSIVA", "MESSAGGIO DI ERRORE", height_);
      return;
    }
    const int km = toInt16(4.124 * std::sqrt(h));
    setText(range_, "LA POSSIBILE DISTANZA E' DI KM: " + std::to_string(km));
  }

  Input height_;
  Label range_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmondadiretta, OndaDiretta)
