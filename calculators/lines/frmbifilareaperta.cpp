// Open two-wire line in air: impedance from the wire diameter and the spacing.
#include <cmath>

#include "framework/registry.h"
#include "framework/validity.h"
#include "decimal_log.h"
#include "line_drawings.h"
#include "line_layout.h"

namespace vm {
namespace {

class BifilareAperta final : public CalculatorOf<BifilareAperta> {
 public:
  explicit BifilareAperta(FormBuilder& b) : CalculatorOf(b) {
    auto l = lines::lineLayout(b, " IMPEDENZA DI UNA LINEA BIFILARE APERTA", lines::twoWireOpen(),
                               {{"txtd", "DIAMETRO  CONDUTTORI  in mm. (d) :"}, {"txtdistanza", "DISTANZA  in mm (h)  :"}},
                               lines::kDecimalNote, [this] { compute(); });
    d_ = l.inputs[0];
    h_ = l.inputs[1];
    z_ = l.impedance;
  }

 private:
  void compute() {
    const double d = number(d_);
    // the spacing is held in single precision
    const float h = single(number(h_));
    if (!productTest({d, h}, Product::NotPositive, d_)) return;
    nonNegative({d, h});
    const double z = 276 * lines::log10(2 * static_cast<double>(h) / d);
    positive(roundPattern(z, "#,##0.#"));
    setText(z_, lines::impedanceLine(pattern(z, "#,##0.#")));
  }

  Input d_, h_;
  Label z_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmbifilareaperta, BifilareAperta)
