// One wire in the middle of a closed square guide: impedance from the wire
// diameter and the width of the guide.
#include <cmath>

#include "framework/registry.h"
#include "framework/validity.h"
#include "decimal_log.h"
#include "line_drawings.h"
#include "line_layout.h"

namespace vm {
namespace {

class GuidaChiusa final : public CalculatorOf<GuidaChiusa> {
 public:
  explicit GuidaChiusa(FormBuilder& b) : CalculatorOf(b) {
    auto l = lines::lineLayout(b, " IMPEDENZA DI UNA LINEA SINGOLA IN GUIDA QUADRATA CHIUSA", lines::squareGuide(),
                               {{"txtd", "DIAMETRO  DEL CONDUTTORE  in mm. :"}, {"txts", "LARGHEZZA \" S \" DELLA GUIDA in mm :"}},
                               lines::kDecimalNote, [this] { compute(); });
    d_ = l.inputs[0];
    s_ = l.inputs[1];
    z_ = l.impedance;
  }

 private:
  void compute() {
    const double d = number(d_), s = number(s_);
    if (!productTest({d, s}, Product::NotPositive, d_)) return;
    if (s < 2 * d) {
      warn("d è sempre < di S/2", "MESSAGGIO DI ERRORE", d_);
      return;
    }
    nonNegative({d, s});
    const double r = s / d;
    const double a1 = (1 + 0.405 * std::pow(r, -4)) / (1 - 0.405 * std::pow(r, -4));
    const double a2 = (1 + 0.163 * std::pow(r, -8)) / (1 - 0.163 * std::pow(r, -8));
    const double a3 = (1 + 0.067 * std::pow(r, -12)) / (1 - 0.067 * std::pow(r, -12));
    // the impedance is held in single precision
    const float z = single(138 * lines::log10(r) + 6.48 - 2.34 * a1 - 0.48 * a2 - 0.12 * a3);
    positive(roundPattern(z, "#,##0.##"));
    setText(z_, lines::impedanceLine(pattern(z, "#,##0.##")));
  }

  Input d_, s_;
  Label z_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmguidachiusa, GuidaChiusa)
