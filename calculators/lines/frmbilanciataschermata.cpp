// Balanced two-wire line inside a round screen: impedance from the screen
// diameter, the wire diameter and the spacing of the wires.
#include <cmath>

#include "framework/registry.h"
#include "framework/validity.h"
#include "decimal_log.h"
#include "line_drawings.h"
#include "line_layout.h"

namespace vm {
namespace {

class BilanciataSchermata final : public CalculatorOf<BilanciataSchermata> {
 public:
  explicit BilanciataSchermata(FormBuilder& b) : CalculatorOf(b) {
    auto l = lines::lineLayout(b, " IMPEDENZA DI UNA LINEA BILANCIATA SCHERMATA", lines::balancedShielded(),
                               {{"txtd1", "DIAMETRO INTERNO DELLO SCHERMO  ESTERNO in mm. :"},
                                {"txtd2", "DIAMETRO  DEI CONDUTTORI INTERNI in mm. :"},
                                {"txtdistanza", "DISTANZA  TRA I CONDUTTORI INTERNI in mm"}},
                               lines::kDecimalNote, [this] { compute(); });
    screen_ = l.inputs[0];
    d_ = l.inputs[1];
    h_ = l.inputs[2];
    z_ = l.impedance;
  }

 private:
  void compute() {
    const double bigD = number(screen_), d = number(d_), h = number(h_);
    if (!productTest({bigD, d, h}, Product::NotPositive, screen_)) return;
    if (h >= bigD - 2 * d) {
      warn("distanza eccessiva", "MESSAGGIO DI ERRORE", screen_);
      return;
    }
    if (bigD <= d || d > h) {
      warn("deve essere h > di d  e  D > di  h ", "MESSAGGIO DI ERRORE", screen_);
      return;
    }
    nonNegative({bigD, d, h});
    // the ratio of spacing to diameter is held in single precision
    const float v = single(h / d);
    const double sigma = h / bigD;
    const double z = 276 * lines::log10(2 * static_cast<double>(v) * (1 - sigma) / (1 + sigma));
    positive(roundPattern(z, "#,##0.##"));
    setText(z_, lines::impedanceLine(pattern(z, "#,##0.##")));
  }

  Input screen_, d_, h_;
  Label z_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmbilanciataschermata, BilanciataSchermata)
