// Inductance of a straight round wire in free space.
#include <cmath>

#include "framework/registry.h"

namespace vm {
namespace {

class FiloDiritto final : public CalculatorOf<FiloDiritto> {
 public:
  explicit FiloDiritto(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CALCOLO DELL' INDUTTANZA DI UN CONDUTTORE RETTILINEO");
    length_ = b.input("txtlunghezza").label("lbllunghezza", "LUNGHEZZA DEL CONDUTTORE IN METRI");
    diameter_ = b.input("txtdiametro").label("lbldiametro", "DIAMETRO DEL CONDUTTORE IN MILLIMETRI");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cdmesci", "E S C I");
    out_ = b.result("lblinduttanza", "SEPARARE GLI EVENTUALI DECIMALI CON IL PUNTO");
    b.onTyping({length_, diameter_}, Typing::Reset, {out_});
  }

 private:
  void compute() {
    const double d = number(diameter_);
    const double len = number(length_);
    if (!productTest({d, len}, Product::EachPositive, length_)) return;
    // centimetres: the radius of the wire and its length
    const double a = d / 10 / 2;
    const double l = 100 * len;
    const double uh = 0.002 * l * (std::log(2 * l / a) - 3.0 / 4);
    if (uh >= 1) {
      setText(out_, "L'INDUTTANZA DEL FILO E' microHenry " + fixed(uh, 3));
    } else {
      setText(out_, "L'INDUTTANZA DEL FILO E' nanoHenry " + fixed(1000 * uh, 3));
    }
  }

  Input length_, diameter_;
  Label out_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frminduttanzafilodiritto, FiloDiritto)
