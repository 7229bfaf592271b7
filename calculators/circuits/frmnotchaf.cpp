// Constant-k L-C band-stop (notch) section for intermediate frequencies,
// in T and in pi form, from the two edge frequencies in kHz.
#include "notch_section.h"

namespace vm {
namespace {

class NotchAF final : public circuit::NotchWindow<NotchAF> {
 public:
  explicit NotchAF(FormBuilder& b) : NotchWindow(b) {
    b.caption("FILTRO NOTCH PASSIVO PER MEDIA FREQUENZA");
    Input r = b.input("txtr").text("50").tooltip("MAX 600 OHMS").label("Label2", "IMPEDENZA FILTRO IN OHM");
    Input f1 = b.input("txtf1").label("Label3", "FREQUENZA MINORE in KiloHertz");
    Input f2 = b.input("txtf2").label("Label4", "FREQUENZA MAGGIORE in KiloHertz");
    b.label("Label7", "TIPICAMENTE IL CAMPO DI UTILIZZO NON SUPERA I 500 kHz");
    b.label("Label6", "SEPARARE GLI EVENTUALI DECIMALI CON IL PUNTO");
    // typed in kHz, computed in MHz
    sections(b, r, f1, f2, 1000, 0);
  }

  circuit::NotchAnswer solve(double r, double f1, double f2) const {
    const double band = f2 - f1;
    const double l1 = r * band / (3.14 * f1 * f2);
    const double l2 = r / (12.56 * band);
    const double c1 = 1e6 / (12.56 * r * band);
    const double c2 = 1e6 * band / (3.14 * r * f1 * f2);
    return {.tl1 = fixed(l1 / 2, 2) + " µH x 2",
            .tc1 = fixed(2 * c1, 2) + " pF",
            .tl2 = fixed(l2, 1) + " µH",
            .tc2 = fixed(c2, 2) + " pF",
            .pl1 = fixed(l1, 2) + " µH",
            .pc1 = fixed(c1, 2) + " pF",
            .pl2 = fixed(2 * l2, 2) + " µH x 2",
            .pc2 = fixed(c2 / 2, 2) + " pF x 2"};
  }
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmnotchaf, NotchAF)
