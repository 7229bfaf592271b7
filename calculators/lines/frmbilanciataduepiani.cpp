// Balanced two-wire line between two ground planes: impedance from the wire
// diameter and the distance between the planes.
#include <cmath>

#include "framework/registry.h"
#include "framework/validity.h"
#include "decimal_log.h"
#include "line_drawings.h"
#include "line_layout.h"

namespace vm {
namespace {

class BilanciataDuePiani final : public CalculatorOf<BilanciataDuePiani> {
 public:
  explicit BilanciataDuePiani(FormBuilder& b) : CalculatorOf(b) {
    auto l = lines::lineLayout(b, " IMPEDENZA DI UNA LINEA BILANCIATA TRA DUE PIANI DI TERRA", lines::balancedBetweenPlanes(),
                               {{"txtd", "DIAMETRO  DEI CONDUTTORI  in mm. :"}, {"txth", "DISTANZA  TRA I DUE PIANI DI TERRA  :"}},
                               lines::kDecimalNote, [this] { compute(); });
    d_ = l.inputs[0];
    h_ = l.inputs[1];
    z_ = l.impedance;
  }

 private:
  void compute() {
    const double d = number(d_), h = number(h_);
    if (!productTest({d, h}, Product::NotPositive, d_)) return;
    if (h < 4 * d) {
      warn("deve essere : h > 4 d", "MESSAGGIO DI ERRORE", d_);
      return;
    }
    nonNegative({d, h});
    // the impedance is held in single precision
    const float z = single(276 * lines::log10(2 * h / (3.1415 * d)));
    positive(roundPattern(z, "#,##0.##"));
    setText(z_, lines::impedanceLine(pattern(z, "#,##0.##")));
  }

  Input d_, h_;
  Label z_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmbilanciataduepiani, BilanciataDuePiani)
