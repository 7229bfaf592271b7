// The standard E-I transformer laminations and their dimensions in mm.
#include <array>
#include <string>

#include "framework/registry.h"
#include "table.h"

namespace vm {
namespace {

// One value per size, for each dimension A ... E.
constexpr std::array<const char*, 5> kDimensions = {"A", "B", "C", "D", "E"};
constexpr std::array<std::array<const char*, 5>, 13> kSizes = {{
    {"30", "36", "12", "6", "18"},
    {"35", "42", "14", "7", "21"},
    {"40", "48", "16", "8", "24"},
    {"45", "54", "18", "9", "27"},
    {"50", "60", "20", "10", "30"},
    {"55", "66", "22", "11", "33"},
    {"62,5", "75", "25", "12,5", "37,5"},
    {"70", "84", "28", "14", "42"},
    {"80", "96", "32", "16", "48"},
    {"90", "108", "36", "18", "54"},
    {"100", "120", "40", "20", "60"},
    {"112,5", "135", "45", "22,5", "67,5"},
    {"125", "150", "50", "25", "75"},
}};

// An E with its I below: outer legs and yoke D wide, centre leg C = 2 D,
// windows E = 3 D high; A is the whole height and B the whole width.
Drawing lamination() {
  const double a = 30, x0 = 60, y0 = 34;
  Drawing d(280, 230);
  d.polyline({x0, y0, x0 + 6 * a, y0, x0 + 6 * a, y0 + 4 * a, x0 + 5 * a, y0 + 4 * a, x0 + 5 * a, y0 + a, x0 + 4 * a,
              y0 + a, x0 + 4 * a, y0 + 4 * a, x0 + 2 * a, y0 + 4 * a, x0 + 2 * a, y0 + a, x0 + a, y0 + a, x0 + a,
              y0 + 4 * a, x0, y0 + 4 * a, x0, y0},
             1.5);
  d.rect(x0, y0 + 4 * a + 2, 6 * a, a - 2);
  d.symbol(Symbol::Dimension, x0 - 16, y0, x0 - 16, y0 + 5 * a);
  d.symbol(Symbol::Dimension, x0, y0 + 5 * a + 16, x0 + 6 * a, y0 + 5 * a + 16);
  d.symbol(Symbol::Dimension, x0 + 2 * a, y0 + 2.5 * a, x0 + 4 * a, y0 + 2.5 * a);
  d.symbol(Symbol::Dimension, x0 + 5 * a, y0 - 10, x0 + 6 * a, y0 - 10);
  d.symbol(Symbol::Dimension, x0 + 4.5 * a, y0 + a, x0 + 4.5 * a, y0 + 4 * a);
  d.mark("A", x0 - 32, y0 + 2.5 * a).mark("B", x0 + 3 * a, y0 + 5 * a + 30).mark("C", x0 + 3 * a, y0 + 2.5 * a - 12)
      .mark("D", x0 + 5.5 * a, y0 - 22).mark("E", x0 + 4.5 * a + 8, y0 + 2.5 * a);
  return d;
}

std::string column(std::size_t c) {
  std::string s;
  for (const auto& size : kSizes) s += (s.empty() ? "" : "\n") + std::string(size[c]);
  return s;
}

class Uniel final : public CalculatorOf<Uniel> {
 public:
  explicit Uniel(FormBuilder& b) : CalculatorOf(b) {
    b.caption("   DIMENSIONI LAMIERINI UNIFICATI  -  U N I E L");
    Art shape = b.drawing("drwlamierino", lamination());
    for (const char* dim : kDimensions) b.text(dim).at(shape, dim);
    Art grid = b.drawing("drwtabella", reference::table({60, 60, 60, 60, 60}, {22, 13 * 16.0 + 8}));
    for (std::size_t c = 0; c < kDimensions.size(); ++c)
      b.label("Label" + std::to_string(c + 1), kDimensions[c]).at(grid, reference::cell(0, static_cast<int>(c)));
    for (std::size_t c = 0; c < kDimensions.size(); ++c)
      b.label("Label" + std::to_string(c + 6), column(c)).at(grid, reference::cell(1, static_cast<int>(c)));
    b.label("Label11", "TUTTE LE MISURE SONO IN  mm");
    b.label("Label12", "PERMEABILITA'  MAGNETICA");
    b.label("Label13", "FERRITE = 2.000     FERROSILICIO > 5.000     PERMALLORY = 100.000");
    b.closeButton("Command1", "E S C I");
  }
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmuniel, Uniel)
