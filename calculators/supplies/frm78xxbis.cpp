// A 78xx regulator raised by a divider of 15 mA, counting the regulator's
// own 5 mA that also flows through R2.
#include "framework/registry.h"
#include "fixed_regulator.h"

namespace vm {
namespace {

class Regulator78bis final : public supplies::FixedRegulator<Regulator78bis> {
 public:
  explicit Regulator78bis(FormBuilder& b)
      : FixedRegulator(b,
                       "SONO STATE USATE FORMULE  DIVERSE, CHE PREVEDONO MINORE CORRENTE SUL TERMINALE M, RISPETTO A "
                       "QUELLE PROPOSTE NELLA MASCHERA PRECEDENTE  E PERTANTO ANCHE I VALORI OTTENUTI RISULTANO "
                       "DIVERSI") {}

  void compute() {
    double vu = 0;
    if (!readOutput(vu)) return;
    const double vreg = vreg_;
    // R2 is derived from R1 as shown, not from the exact quotient
    const std::string r1 = fixed(vreg / (15 * 1e-3), 0);
    const double r1Shown = roundFixed(vreg / (15 * 1e-3), 0);
    const double r2 = roundFixed((vu - vreg) * r1Shown / (vreg + 5 * 1e-3 * r1Shown), 0);
    showDivider(vu, r1, r2);
  }
};

}  // namespace
}  // namespace vm

VM_WINDOW(frm78xxbis, Regulator78bis)
