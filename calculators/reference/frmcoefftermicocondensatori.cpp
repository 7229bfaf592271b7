// Temperature coefficients of ceramic capacitors by their type code.
#include <array>
#include <string>

#include "framework/registry.h"
#include "table.h"

namespace vm {
namespace {

constexpr std::array<std::array<const char*, 2>, 13> kCoefficients = {{
    {"T I P O", "COEFF"},
    {" P 100", "+100"},
    {" P 033", "+  33"},
    {" NP  0", "0"},
    {" N 033", "-  33"},
    {" N 047", "-  47"},
    {" N 075", "-  75"},
    {" N 150", "- 150"},
    {" N 220", "- 220"},
    {" N 330", "- 330"},
    {" N 470", "- 470"},
    {" N 750", "- 750"},
    {" N 1500", "-1500"},
}};

class CoeffTermico final : public CalculatorOf<CoeffTermico> {
 public:
  explicit CoeffTermico(FormBuilder& b) : CalculatorOf(b) {
    b.caption("COEFFICIENTE TERMICO CONDENSATORI");
    Art grid = b.drawing("drwtabella", reference::table({110, 90}, static_cast<int>(kCoefficients.size()), 20));
    int n = 0;
    for (std::size_t r = 0; r < kCoefficients.size(); ++r)
      for (std::size_t c = 0; c < 2; ++c)
        b.label("Label" + std::to_string(++n), kCoefficients[r][c])
            .at(grid, reference::cell(static_cast<int>(r), static_cast<int>(c)));
    b.closeButton("cmdesci", "E X I T");
  }
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmcoefftermicocondensatori, CoeffTermico)
