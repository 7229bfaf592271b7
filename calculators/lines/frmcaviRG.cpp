// The coaxial cable catalogue: pick a cable and read its impedance,
// capacitance, size, losses, voltage and power ratings and velocity factor.
#include <cstddef>
#include <string>
#include <vector>

#include "framework/registry.h"
#include "rg_cables.h"

namespace vm {
namespace {

class CaviRG final : public CalculatorOf<CaviRG> {
 public:
  explicit CaviRG(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CARATTERISTICHE DEI CAVI COASSIALI PER RADIOFREQUENZA  -  SERIE RG/U");
    b.label("Label9", "SELEZIONA UN TIPO DI CAVO");
    std::vector<std::string> names;
    for (const auto& c : lines::rgCableCatalogue()) names.emplace_back(c.name);
    cables_ = b.list("Combo1", std::move(names))
                  .text("CAVI RG")
                  .tooltip("cliccare e selezionare")
                  .onChoose([this](int) { choose(); });
    static const char* const kHeadings[8] = {
        "IMPEDENZA in Ohm",
        "CAPACITA'  in  pF/metro",
        "DIAMETRO ESTERNO ",
        "PERDITA dB per 100 mt a 100 Mc",
        "PERDITA dB per 100 mt a 400 Mc",
        "TENSIONE MAX in kV",
        "WATT MASSIMI a 100 MHz",
        "FATTORE DI VELOCITA'",
    };
    for (int i = 0; i < 8; ++i) {
      // the last heading is spelt with a capital L
      b.label((i == 7 ? "Label" : "label") + std::to_string(i + 1), kHeadings[i]);
      cells_[i] = b.result("lbl" + std::to_string(i + 1));
    }
    b.closeButton("cmdesci", "C H I U D I");
  }

 private:
  // The list's text is looked up by name, exactly; the first equal name wins.
  void choose() {
    const std::string& picked = text(cables_);
    for (const auto& c : lines::rgCableCatalogue()) {
      if (picked != c.name) continue;
      for (std::size_t i = 0; i < 8; ++i) setText(cells_[i], c.cells[i]);
      return;
    }
  }

  List cables_;
  Label cells_[8];
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmcaviRG, CaviRG)
