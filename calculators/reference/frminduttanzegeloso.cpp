// The RF chokes of a well-known maker: inductance, largest current and
// resistance by catalogue number.
#include <array>
#include <string>
#include <vector>

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

// Where each column begins in a row and in the heading.
const std::vector<std::size_t> kStops = {0, 16, 36, 52};

// each row is one text; its columns stand in the table's columns
std::vector<std::string> cells(int row, int count) {
  std::vector<std::string> out;
  for (int c = 0; c < count; ++c) out.push_back(reference::cell(row, c));
  return out;
}

class InduttanzeGeloso final : public CalculatorOf<InduttanzeGeloso> {
 public:
  explicit InduttanzeGeloso(FormBuilder& b) : CalculatorOf(b) {
    b.caption("INDUTTANZE RF PRODOTTE DALLA GELOSO");
    b.label("Label1",
            "CARATTERISTICHE PRINCIPALI DELLE PIU' COMUNI INDUTTANZE RF PRODOTTE DALLA \"NOTA CASA\"");
    Art grid = b.drawing("drwtabella", reference::table({80, 110, 100, 110}, static_cast<int>(kChokes.size()) + 1, 22));
    b.label("Label2", "NUMERO          INDUTT. mH          MAX mA          RESISTENZA")
        .atColumns(grid, cells(0, 4), kStops);
    for (std::size_t i = 0; i < kChokes.size(); ++i)
      b.label("Label" + std::to_string(i + 3), kChokes[i])
          .atColumns(grid, cells(static_cast<int>(i) + 1, 4), kStops);
    b.closeButton("cmdesci", "C H I U D I");
  }
};

}  // namespace
}  // namespace vm

VM_WINDOW(frminduttanzegeloso, InduttanzeGeloso)
