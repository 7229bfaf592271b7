// The RF chokes of a well-known maker: inductance, largest current and
// resistance by catalogue number.
#include <array>
#include <string>

#include "framework/registry.h"
#include "table.h"

namespace vm {
namespace {

// Each row lines up under the words of the heading.
constexpr std::array<const char*, 7> kChokes = {
    "555             0.1                 250             5",
    "556             1                   100             30",
    "557             3                   70              60",
    "558             10                  40              240",
    "559             30                  30              440",
    "815             0.005               350             1",
    "816             0.003               500             0.4",
};

class InduttanzeGeloso final : public CalculatorOf<InduttanzeGeloso> {
 public:
  explicit InduttanzeGeloso(FormBuilder& b) : CalculatorOf(b) {
    b.caption("INDUTTANZE RF PRODOTTE DALLA GELOSO");
    b.label("Label1",
            "CARATTERISTICHE PRINCIPALI DELLE PIU' COMUNI INDUTTANZE RF PRODOTTE DALLA \"NOTA CASA\"");
    Art grid = b.drawing("drwtabella", reference::table({400}, static_cast<int>(kChokes.size()) + 1, 22));
    b.label("Label2", "NUMERO          INDUTT. mH          MAX mA          RESISTENZA").at(grid, reference::cell(0, 0));
    for (std::size_t i = 0; i < kChokes.size(); ++i)
      b.label("Label" + std::to_string(i + 3), kChokes[i]).at(grid, reference::cell(static_cast<int>(i) + 1, 0));
    b.closeButton("cmdesci", "C H I U D I");
  }
};

}  // namespace
}  // namespace vm

VM_WINDOW(frminduttanzegeloso, InduttanzeGeloso)
