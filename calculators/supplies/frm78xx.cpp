// A 78xx regulator raised above its own voltage by a divider drawing 25 mA.
#include "framework/registry.h"
#include "fixed_regulator.h"

namespace vm {
namespace {

class Regulator78 final : public supplies::FixedRegulator<Regulator78> {
 public:
  explicit Regulator78(FormBuilder& b) : FixedRegulator(b, {}) {}

  void compute() {
    double vu = 0;
    if (!readOutput(vu)) return;
    const double vreg = vreg_;
    const std::string r1 = fixed(vreg / 0.025, 0);
    const double r2 = roundFixed((vu - vreg) / 0.025, 0);
    showDivider(vu, r1, r2);
  }
};

}  // namespace
}  // namespace vm

VM_WINDOW(frm78xx, Regulator78)
