// The transmission-line windows, driven as a radio amateur would: coaxial
// and open-wire lines of real cables, the amateur bands from 160 m to 70 cm,
// every message with the input that gets the focus, the windows that
// recompute on every keystroke, and the cable catalogue entry by entry.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/rows.h"

namespace vm::test {
namespace {

const std::string kMissing = "MANCANO DATI|MESSAGGIO DI ERRORE|warning";
const std::string kInvalid = "DATI NON VALIDI|MESSAGGIO DI ERRORE|warning";

std::string coaxC(const std::string& pf) { return "LA CAPACITA' E' DI  " + pf + " pF METRO"; }
std::string coaxZ(const std::string& ohm) { return "L'IMPEDENZA E' DI    " + ohm + "  OHM"; }
std::string lineZ(const std::string& ohm) { return "L'IMPEDENZA E' DI  :  " + ohm + "  OHM"; }

// ---------------------------------------------------------- cable catalogue

// The catalogue as printed on the data sheet: name and its eight columns.
const char* const kSheet = R"(
RG 4|50|99|5,7|8,7|17,3|1,9|480|0,66
RG 5|52|94|8,4|8|17,6|3|550|0,66
RG 6|75|66|8,4|8,9|19,4|2,7|550|0,66
RG 7|95|41|9,4|6,7|16,9|1|450|0,66 ?
RG 8|52|97|10,3|6,2|13,5|5|975|0,66
RG 9|51|99|10,7|7,5|16,4|5|780|0,66
RG 10|52|97|12|6,2|13,5|5|975|0,66
RG 11|75|67|10,3|7,5|15,8|5|690|0,66
RG 12|75|67|12|7,5|15,8|5|690|0,66
RG 13|74|67|10,5|7,5|15,8|5|690|0,66
RG 14|52|97|13,8|4,6|10,2|7|1600|0,66
RG 15|76|66|13,8|5,0|12,4|5|1250|0,66
RG 16|52|97|16|4,0|11,4|6|1650|0,67
RG 17|52|97|22|3,1|7,9|7|1600|0,66
RG 18|52|97|24|3,1|7,9|11|3600|0,66
RG 19|52|97|28,4|2,3|6,1|14|6800|0,66
RG 20|52|97|30,4|2,3|6,1|14|6800|0,66
RG 21|53|95|8,4|42,7|85,3|2,7|115|0,66
RG 22|95|52|10,3|9,8|22,3|1,0|430|0,66 ?
RG 23|125|39|16x24|5,7|15,6|3,0|950|0,66 ?
RG 24|125|39|18|5,7|15,6|3,0|1000|0,66 ?
RG 29|53|94|4,7|16,0|39,2|1,9|290|0,659
RG 34|71|70|15,8|4,6|10,8|6,5|1650|0,66
RG 34B|75|70|16|4,6|10,8|6,5|1650|0,66
RG 35|71|70|24|2,8|6,4|10,0|3800|0,66
RG 35B|75|70|24|2,8|6,4|10,0|3800|0,66
RG 36|69|72|30|3,0|7,2|13,0|3800|0,66 ?
RG 42|78|66|8,7|5,7|13,0|2,7|550|0,66 ?
RG 54|58|89|7|10,3|21,8|2,5|410|0,66
RG 55|53|91|5,2|15,8|32,8|1,9|480|0,66
RG 57|95|56|15,8|7,8|17,7|3,0|830|0,66 ?
RG 58|53|91|5,0|15,1|34,5|1,9|300|0,66
RG 59|73|69|6,1|11,2|23,0|2,3|380|0,66
RG 62|93|44|6,1|8,9|17,4|0,75|440|0,84
RG 63|125|33|10,3|4,9|11,2|1,0|1000|0,66 ?
RG 71|93|44|6,4|8,9|17,4|0,75|440|0,66 ?
RG 74|52|98|16,0|4,6|10,2|7|1600|0,66
RG 79|125|33|12,0|4,9|11,2|1,0|1000|0,66 ?
RG 83|35|145|10,3|9,3|20,1|2,0|ignota|0,66
RG 84|75|71|25|2,8|6,4|10,0|ignota|0,66 ?
RG 85|75|71|39,5|2,8|6,40|10,0|ignota|0,66 ?
RG 86|200|25|7,2x17|1,9|ignota|ignota|ignota|0,66 ?
RG 87|50|98|10,8|ignota|16,6|5|ignota|0,66 ?
RG 89|125|33|16|6,7|14,8|1,0|ignota|0,66 ?
RG 93|50|95|18|ignota|ignota|10|ignota|0,66 ?
RG 94|50|95|11,3|ignota|12,7|7,0|ignota|0,66 ?
RG 100|35|145|6,1|ignota|ignota|2,0|ignota|0,66 ?
RG 122|50|100|4,05|23,0|54,2|1,9|65|0,66
RG 133|95|53|10,3|ignota|18,8|5,0|ignota|0,66 ?
RG 142|50|95|4,95|15|28|2|ignota|0,66
RG 164|75|67|22,1|2,8|6,4|10|ignota|0,66 ?
RG 174|50|100|2,8|29,2|57,4|1,5|110|0,66
RG 177|50|100|22,7|3,1|7,9|11|3600|0,66
RG 178|50|95|1,85|60|90|1,5|ignota|0,66
RG 179|75|64|2,55|25|60|1,5|ignota|0,7
RG 187|75|65|2,7|24|55|1,5|ignota|0,7
RG 188|50|95|2,7|33|56|1,5|ignota|0,66
RG 196|50|93|1,9|55|80|1,5|ignota|0,66
RG 212|50|100|8,45|8,9|19,4|3|550|0,66
RG 213|50|100|10,3|6,2|13,5|5|975|0,66
RG 214|50|100|10,8|7,6|16,4|5|780|0,66
RG 215|50|100|10,3|6,2|13,5|5|975|0,66
RG 216|75|67|10,8|7,6|15,8|5|690|0,66
RG 217|50|100|13,8|4,6|10,2|7|1600|0,66
RG 218|50|100|22,1|3,1|7,9|11|3600|0,66
RG 219|50|100|22,1|3,1|7,9|11|3600|0,66
RG 220|50|100|28,45|2,3|6,1|11|3600|0,66
RG 221|50|100|28,45|2,3|6,1|14|6800|0,66
RG 222|50|100|8,45|42,7|85,3|2,7|115|0,66
RG 223|50|100|5,5|15,8|32,8|1,9|480|0,66
RG 224|50|100|13,85|4,6|10,2|7|ignota|0,66 ?
RG 302|75|ignota|5,3|10,8|22,6|ignota|ignota|0,69
RG 303|50|ignota|4,3|12,8|26,3|ignota|ignota|0,69
RG 316|50|95|2,6|26,4|54,8|1,5|ignota|0,66
H 155|50|82|5,8|9,3|16,4|3|210|0,81
H 500|50|82|9,8|4,1|9,5|3|640|0,81
H 1000|50|80|10,3|3,9|7,1|3|680|0,83
H 1500|50|80|15|2,5|6|4|1200|0,83
)";

struct Sheet {
  std::vector<std::string> names;
  std::vector<std::vector<std::string>> cells;
};

Sheet readSheet() {
  Sheet s;
  std::istringstream in(kSheet);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    std::vector<std::string> cols;
    std::istringstream l(line);
    for (std::string c; std::getline(l, c, '|');) cols.push_back(c);
    s.names.push_back(cols.at(0));
    s.cells.emplace_back(cols.begin() + 1, cols.end());
  }
  return s;
}

TEST(LinesCables, EveryCableWithEveryColumn) {
  const Sheet s = readSheet();
  ASSERT_EQ(s.names.size(), 78u);
  play(Row("frmcaviRG", {}).entries("Combo1", s.names).text("Combo1", "CAVI RG").focus("Combo1"));
  for (std::size_t i = 0; i < s.names.size(); ++i) {
    SCOPED_TRACE(s.names[i]);
    ASSERT_EQ(s.cells[i].size(), 8u);
    Row r("frmcaviRG", {"pick:Combo1=" + s.names[i]});
    for (std::size_t c = 0; c < 8; ++c) r.text("lbl" + std::to_string(c + 1), s.cells[i][c]);
    play(r);
  }
}

const Row kCables[] = {
    Row("frmcaviRG", {"pick:Combo1=RG 58"})
        .text("lbl1", "53").text("lbl2", "91").text("lbl3", "5,0").text("lbl4", "15,1")
        .text("lbl5", "34,5").text("lbl6", "1,9").text("lbl7", "300").text("lbl8", "0,66"),
    Row("frmcaviRG", {"pick:Combo1=RG 86"}).text("lbl5", "ignota").text("lbl6", "ignota").text("lbl7", "ignota"),
    Row("frmcaviRG", {"pick:Combo1=RG 302"}).text("lbl2", "ignota"),
    Row("frmcaviRG", {"pick:Combo1=RG 62", "pick:Combo1=RG 6"})
        .why("the shorter name after the longer one")
        .text("lbl8", "0,66")
        .text("lbl7", "550"),
    Row("frmcaviRG", {"pick:Combo1:0"}).text("lbl1", "50").text("lbl8", "0,66").focus("Combo1"),
    Row("frmcaviRG", {"pick:Combo1:77"}).text("lbl7", "1200").text("lbl8", "0,83"),
    Row("frmcaviRG", {"pick:Combo1=RG 4"}).regional(Regional::english()).why("fixed texts, whatever the format")
        .text("lbl3", "5,7"),
    Row("frmcaviRG", {"click:cmdesci"}).effects({"close"}).open(false),
};

TEST(LinesCables, Rows) { play(kCables); }

}  // namespace
}  // namespace vm::test
