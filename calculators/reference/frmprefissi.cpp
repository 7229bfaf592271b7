// The multiplying prefixes with their symbols and values.
#include <array>
#include <string>
#include <vector>

#include "framework/registry.h"
#include "table.h"

namespace vm {
namespace {

struct Prefix {
  const char* name;
  const char* symbol;
  const char* value;
};

constexpr std::array<Prefix, 10> kPrefixes = {{
    {"tera", "T", "1.000.000.000.000"},
    {"giga", "G", "1.000.000.000"},
    {"mega", "M", "1.000.000"},
    {"chilo", "K", "1.000"},
    {"deci", "d", "0,1"},
    {"centi", "c", "0,01"},
    {"milli", "m", "0,001"},
    {"micro", "u", "0,000 001"},
    {"nano", "n", "0,000 000 001"},
    {"pico", "p", "0,000 000 000 001"},
}};

// A row lines up under the heading: the name in 18 places, the symbol in 12.
std::string row(const Prefix& p) {
  std::string s = p.name;
  s.resize(18, ' ');
  s += p.symbol;
  s.resize(30, ' ');
  return s + p.value;
}

// Where the symbol and the value begin in a row and in the heading.
const std::vector<std::size_t> kStops = {0, 18, 30};

// each row is one text; its columns stand in the table's columns
std::vector<std::string> cells(int row, int count) {
  std::vector<std::string> out;
  for (int c = 0; c < count; ++c) out.push_back(reference::cell(row, c));
  return out;
}

class Prefissi final : public CalculatorOf<Prefissi> {
 public:
  explicit Prefissi(FormBuilder& b) : CalculatorOf(b) {
    b.caption("VALORI E SIMBOLI DEI PREFISSI MOLTIPLICATIVI");
    Art grid = b.drawing("drwtabella", reference::table({80, 80, 300}, static_cast<int>(kPrefixes.size()) + 1, 22));
    b.label("Label1", "NOME              SIMBOLO     VALORE MOLTIPLICATIVO").atColumns(grid, cells(0, 3), kStops);
    for (std::size_t i = 0; i < kPrefixes.size(); ++i)
      b.label("Label" + std::to_string(i + 2), row(kPrefixes[i]))
          .atColumns(grid, cells(static_cast<int>(i) + 1, 3), kStops);
    b.closeButton("cmdchiudi", "C H I U D I");
  }
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmprefissi, Prefissi)
