// Reference list: contact potentials of metals against copper.
#include "framework/registry.h"
#include "material_tables.h"

namespace vm {
namespace {

class ContactPotential final : public CalculatorOf<ContactPotential> {
 public:
  explicit ContactPotential(FormBuilder& b) : CalculatorOf(b) {
    b.caption("d.d.p. di CONTATTO");
    const auto& entries = materials::contactPotentials();
    // the list opens showing its first entry in quotes
    b.list("cbocontatto", entries).text("\"" + entries.front() + "\"").tooltip("clicca sulla freccia");
    b.closeButton("cmdchiudi", "CHIUDI");
    b.label("Label1",
            "VALORI DELLA d.d.p. DI CONTATTO ED IL RELATIVO SEGNO DI ALCUNI MATERIALI RISPETTO AL RAME, PRESO COME "
            "MATERIALE DI RIFERIMENTO");
  }
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmddpcontatto, ContactPotential)
