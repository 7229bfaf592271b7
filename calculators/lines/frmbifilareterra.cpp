// Two-wire line above a ground plane: impedance from the wire diameter, the
// spacing of the wires and their height above the plane.
#include <cmath>

#include "framework/registry.h"
#include "framework/validity.h"
#include "decimal_log.h"
#include "line_drawings.h"
#include "line_layout.h"

namespace vm {
namespace {

class BifilareTerra final : public CalculatorOf<BifilareTerra> {
 public:
  explicit BifilareTerra(FormBuilder& b) : CalculatorOf(b) {
    auto l = lines::lineLayout(b, " IMPEDENZA DI UNA LINEA BIFILARE CON PIANO DI TERRA", lines::twoWireOverGround(),
                               {{"txtd", "DIAMETRO  DEI CONDUTTORI  in mm. :"},
                                {"txts", "DISTANZA  TRA I CONDUTTORI in mm :"},
                                {"txth", "DISTANZA  DAL PIANO DI TERRA in mm :"}},
                               lines::kDecimalNote, [this] { compute(); });
    d_ = l.inputs[0];
    s_ = l.inputs[1];
    h_ = l.inputs[2];
    z_ = l.impedance;
  }

 private:
  void compute() {
    const double d = number(d_), s = number(s_);
    // the height is held in single precision
    const float h = single(number(h_));
    if (!productTest({d, s, h}, Product::NotPositive, d_)) return;
    if (d > h || d > s) {
      warn("d < s   -   d < h", "MESSAGGIO DI ERRORE", d_);
      return;
    }
    nonNegative({d, s, h});
    const double q = s / (2 * static_cast<double>(h));
    const double z = 276 * lines::log10(2 * s / d) / std::sqrt(1 + q * q);
    positive(roundPattern(z, "#,##0.##"));
    setText(z_, lines::impedanceLine(pattern(z, "#,##0.##")));
  }

  Input d_, s_, h_;
  Label z_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmbifilareterra, BifilareTerra)
