// A band-pass filter is a high-pass and a low-pass in cascade: this note
// sends the user on to either of them.
#include "framework/registry.h"

namespace vm {
namespace {

class PassaBanda final : public CalculatorOf<PassaBanda> {
 public:
  explicit PassaBanda(FormBuilder& b) : CalculatorOf(b) {
    b.caption("FILTRI PASSA BANDA");
    b.label("Label1",
            "Il filtro passa banda è costituito da un filtro passa alto collegato ad un filtro passa basso e, "
            "pertanto, si rimanda ai rispettivi procedimenti di calcolo. NOTA: la frequenza di taglio del filtro "
            "passa alto corrisponderà alla  più bassa frequenza che si intende non attenuare, mentre la frequenza "
            "di taglio del filtro passa basso corrisponderà alla più alta frequenza che si intende non attenuare.");
    b.button("Command1", "vai ai filtri passa basso").onClick([this] { openCompanion("frmpassabasso", Companion::Switch); });
    b.button("Command2", "vai ai filtri passa alto").onClick([this] { openCompanion("frmpassaalto", Companion::Switch); });
    b.closeButton("Command3", "CHIUDI");
  }
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmpassabanda, PassaBanda)
