// The notice the antenna windows show about how far a computed figure can
// be trusted.
#include "framework/registry.h"

namespace vm {
namespace {

class Avvertenza final : public CalculatorOf<Avvertenza> {
 public:
  explicit Avvertenza(FormBuilder& b) : CalculatorOf(b) {
    b.caption("AVVERTENZA");
    b.label("Label1",
            "Le formule utilizzate sono quelle riportate sui vari testi e/o articoli sull'argomento. I risultati "
            "ottenuti, sono in ogni caso da considerare come indicativi, in quanto, a prescindere dall'esattezza "
            "delle formule stesse, troppi fattori, anche imprevedibili, fanno si che l'attuazione pratica si "
            "discosti dal calcolo teorico.  Esso rimane, tuttavia, indispensabile quale dato di partenza ai fini "
            "della realizzazione.");
    b.closeButton("cmdchiudi", "CHIUDI");
  }
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmavvertenza, Avvertenza)
