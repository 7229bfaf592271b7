// Two parallel strips: impedance from their spacing and their width.
#include <cmath>

#include "framework/registry.h"
#include "framework/validity.h"
#include "line_drawings.h"
#include "line_layout.h"

namespace vm {
namespace {

class Strip final : public CalculatorOf<Strip> {
 public:
  explicit Strip(FormBuilder& b) : CalculatorOf(b) {
    auto l = lines::lineLayout(b, " IMPEDENZA DI UNA LINEA  A STRIP PARALLELI", lines::parallelStrips(),
                               {{"txtd", "DISTANZA DEGLI STRIP  in mm. :"}, {"txts", "LUNGHEZZA DEGLI STRIP  in mm :"}},
                               " \" S \"  >  10 volte  \" d \"", [this] { compute(); });
    d_ = l.inputs[0];
    s_ = l.inputs[1];
    z_ = l.impedance;
  }

 private:
  void compute() {
    const double d = number(d_), s = number(s_);
    if (!productTest({d, s}, Product::NotPositive, d_)) return;
    if (s < 10 * d) {
      warn("S > =  10 d ", "MESSAGGIO DI ERRORE", d_);
      return;
    }
    nonNegative({d, s});
    // the impedance is held in single precision
    const float z = single(377 * d / s);
    positive(roundPattern(z, "#,##0.##"));
    setText(z_, lines::impedanceLine(pattern(z, "#,##0.##")));
  }

  Input d_, s_;
  Label z_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmstrip, Strip)
