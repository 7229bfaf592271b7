// A choke balun wound of the feed coax itself, with the lengths and turns
// suggested band by band.
#include <array>
#include <string>
#include <vector>

#include "framework/registry.h"
#include "table.h"

namespace vm {
namespace {

// Each row lines up under the words of the heading.
constexpr std::array<const char*, 5> kRows = {
    "80                 6                6-8                    6,7                 8",
    "40                 4,5              6                      6,7                 10",
    "20                 2,7              8                      3                   4",
    "15                 1,8              8                      2,7                 6-8",
    "10                 1,2              6-8                    1,8                 6-8",
};

// Where each column begins in a row and in the heading.
const std::vector<std::size_t> kStops = {0, 19, 36, 59, 79};

// each row is one text; its columns stand in the table's columns
std::vector<std::string> cells(int row, int count) {
  std::vector<std::string> out;
  for (int c = 0; c < count; ++c) out.push_back(reference::cell(row, c));
  return out;
}

class BalunChoke final : public CalculatorOf<BalunChoke> {
 public:
  explicit BalunChoke(FormBuilder& b) : CalculatorOf(b) {
    b.caption("BALUN  CHOKE");
    b.label("Label1",
            "Normalmente in un cavo coassiale le correnti dovrebbero scorrere in opposizione di fase lungo il "
            "conduttore centrale e la superficie interna della calza. In condizioni di mancato bilanciamento "
            "(frequenti in pratica) si viene a creare una corrente che interessa la superficie esterna della calza "
            "con irradiazione di segnale e produzione di TVI.");
    b.label("Label2",
            "Il rimedio più semplice per tentare di bloccare questa corrente indesiderata, consiste nel realizzare "
            "- nel punto di alimentazione dell'antenna - una bobina avvolgendo strettamente alcune spire costituite "
            "dallo stesso cavo coassiale. Premesso che l'efficienza diminuisce nelle bande basse, seguono i dati "
            "consigliati dalla ARRL.");
    Art grid = b.drawing("drwtabella", reference::table({70, 100, 70, 120, 100}, static_cast<int>(kRows.size()) + 1, 22));
    b.label("Label3", "BANDA              RG 58   mt.      spire                  RG 213   mt.        spire")
        .atColumns(grid, cells(0, 5), kStops);
    for (std::size_t i = 0; i < kRows.size(); ++i)
      b.label("Label" + std::to_string(i + 4), kRows[i])
          .atColumns(grid, cells(static_cast<int>(i) + 1, 5), kStops);
    b.label("Label9", "PER UN LARGA BANDA DA 80 A 10 MT CIRCA  7 SPIRE CON 3 MT");
    b.closeButton("cmdesci", "C H I U D I");
  }
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmbalunchoke, BalunChoke)
