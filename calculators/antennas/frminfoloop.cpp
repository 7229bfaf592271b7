// Where the small-loop formulas come from.
#include "framework/registry.h"

namespace vm {
namespace {

Drawing loopPicture() {
  Drawing d(120, 120);
  d.ellipse(10, 10, 100, 100);
  d.shapes.back().width = 3;
  d.symbol(Symbol::Capacitor, 55, 10, 65, 10);
  d.circle(60, 92, 12);
  return d;
}

class InfoLoop final : public CalculatorOf<InfoLoop> {
 public:
  explicit InfoLoop(FormBuilder& b) : CalculatorOf(b) {
    b.caption("Informazioni");
    b.picture("Picture1", loopPicture());
    b.label("Label1",
            "I calcoli si basano sulle formule proposte dagli articoli dedicati alle antenne magnetiche a loop "
            "pubblicati nel corso degli anni dalle riviste del settore.");
    b.closeButton("cdmchiudi", "Chiudi");
  }
};

}  // namespace
}  // namespace vm

VM_WINDOW(frminfoloop, InfoLoop)
