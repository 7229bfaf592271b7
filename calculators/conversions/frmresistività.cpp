// Reference list: resistivities of some metals.
#include "framework/registry.h"
#include "material_tables.h"

namespace vm {
namespace {

class Resistivity final : public CalculatorOf<Resistivity> {
 public:
  explicit Resistivity(FormBuilder& b) : CalculatorOf(b) {
    b.caption("Resistività di alcuni metalli in microhm-cm");
    b.list("cboresistività", materials::resistivities()).text("ACCIAIO = da 10 a 16").tooltip("clicca sulla freccia");
    b.closeButton("cmdchiudi", "CHIUDI");
  }
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmresistività, Resistivity)
