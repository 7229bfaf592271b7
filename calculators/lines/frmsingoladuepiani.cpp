// One wire half way between two ground planes: impedance from the wire
// diameter and the distance between the planes.
#include <cmath>

#include "framework/registry.h"
#include "framework/validity.h"
#include "decimal_log.h"
#include "line_drawings.h"
#include "line_layout.h"

namespace vm {
namespace {

class SingolaDuePiani final : public CalculatorOf<SingolaDuePiani> {
 public:
  explicit SingolaDuePiani(FormBuilder& b) : CalculatorOf(b) {
    auto l = lines::lineLayout(b, " IMPEDENZA DI UNA LINEA SINGOLA TRA DUE PIANI DI TERRA", lines::singleBetweenPlanes(),
                               {{"txtd", "DIAMETRO  DEL CONDUTTORE  in mm. :"}, {"txth", "DISTANZA  TRA I DUE PIANI DI TERRA  :"}},
                               lines::kDecimalNote, [this] { compute(); });
    d_ = l.inputs[0];
    h_ = l.inputs[1];
    z_ = l.impedance;
  }

 private:
  void compute() {
    const double d = number(d_), h = number(h_);
    // this window asks for a product of at least 1, not merely above 0
    if (h * d < 1) {
      warn("DATI NON VALIDI", "MESSAGGIO DI ERRORE", d_);
      return;
    }
    if (h <= 4.0 / 3.0 * d) {
      warn("h deve essere > 4/3 d", "MESSAGGIO DI ERRORE", d_);
      return;
    }
    nonNegative({d, h});
    // the impedance is held in single precision
    const float z = single(138 * lines::log10(4 * h / (3.14 * d)));
    positive(roundPattern(z, "#,##0.##"));
    setText(z_, lines::impedanceLine(pattern(z, "#,##0.##")));
  }

  Input d_, h_;
  Label z_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmsingoladuepiani, SingolaDuePiani)
