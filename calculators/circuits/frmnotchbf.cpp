// Constant-k L-C band-stop (notch) section for audio frequencies, in T and
// in pi form, from the two edge frequencies in Hz.
#include "notch_section.h"

namespace vm {
namespace {

class NotchBF final : public circuit::NotchWindow<NotchBF> {
 public:
  explicit NotchBF(FormBuilder& b) : NotchWindow(b) {
    b.caption("FILTRO NOTCH PASSIVO PER BASSA FREQUENZA            TIPICAMENTE PER FREQUENZE AUDIO");
    Input r = b.input("txtr").text("50").tooltip("MAX 600 OHMS").label("Label2", "IMPEDENZA FILTRO IN OHMS");
    Input f1 = b.input("txtf1").label("Label3", "FREQUENZA MINORE IN HERTZ");
    Input f2 = b.input("txtf2").tooltip("MAX 600 KHz").label("Label4", "FREQUENZA MAGGIORE IN HERTZ");
    sections(b, r, f1, f2, 1, -1);  // Hz
  }

  circuit::NotchAnswer solve(double r, double f1, double f2) const {
    const double band = f2 - f1;
    const double l1 = 1e6 * r * band / (3.14 * f1 * f2);  // uH
    const double l2 = 1e3 * r / (12.56 * band);           // mH
    const double c1 = 1e6 / (12.56 * r * band);           // uF
    const double c2 = 1e12 * band / (3.14 * r * f1 * f2); // pF
    return {.tl1 = fixed(l1 / 2, 2) + " µH  x 2",
            .tc1 = fixed(2 * c1, 2) + " µF",
            .tl2 = fixed(l2, 2) + " mH",
            .tc2 = fixed(c2, 2) + " pF",
            .pl1 = fixed(l1, 1) + " µH",
            .pc1 = fixed(c1, 2) + " µF",
            .pl2 = fixed(2 * l2, 2) + " mH x 2",
            .pc2 = fixed(c2 / 2, 1) + " pF x 2"};
  }
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmnotchbf, NotchBF)
