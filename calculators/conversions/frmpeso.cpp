// Reference list: densities of common materials.
#include "framework/registry.h"
#include "material_tables.h"

namespace vm {
namespace {

class Density final : public CalculatorOf<Density> {
 public:
  explicit Density(FormBuilder& b) : CalculatorOf(b) {
    b.caption("Peso specifico in Kg./dm3");
    b.list("cbopeso", materials::densities()).text("ALLUMINIO = 2.70").tooltip("clicca sulla freccia");
    b.closeButton("cmdchiudi", "CHIUDI");
  }
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmpeso, Density)
