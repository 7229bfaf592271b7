// How the coupling capacitors feed the loop from a 50 ohm line.
#include "framework/registry.h"
#include "loaded_drawings.h"

namespace vm {
namespace {

class HelpCondensatore final : public CalculatorOf<HelpCondensatore> {
 public:
  explicit HelpCondensatore(FormBuilder& b) : CalculatorOf(b) {
    b.caption("Condensatore d'accoppiamento");
    Art art = b.drawing("drwloop", loaded::couplingCapacitors());
    b.text("CONDENSATORI D'ACCOPPIAMENTO").at(art, "accoppiamento");
    b.text("BALUN 1:1").at(art, "balun");
    b.text("ALIMENTAZIONE 50 Ohm").at(art, "alimentazione");
    b.text("CONDENS.  DI SINTONIA").at(art, "sintonia");
    b.text("Il condens. d' accoppiamento è quello previsto nell'ipotesi di accoppiamento della linea coassiale al "
           "loop  con il metodo capacitivo");
    b.closeButton("cmdok", "CHIUDI");
  }
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmhelpcondensatore, HelpCondensatore)
