// The reference screens: lists, tables and pictures that compute nothing.
// The tests check what a user relies on (the order of the dictionary, the
// band-pass note handing over to the filter windows, tables that agree with
// the physics they tabulate, cells that stay in their rows and columns,
// pictures that stay inside their frame), not the wording of the texts
// beyond a few cells of each table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "calculators/reference/conductors.h"
#include "calculators/reference/dictionary.h"
#include "support/harness.h"
#include "support/rows.h"

namespace vm {
namespace {

using test::Row;
using test::Window;

// ------------------------------------------------------------ rows

const Row kRows[] = {
    Row("frmpassabanda", {"click:Command1"})
        .why("the low-pass button hands over to the low-pass window")
        .effects({"close", "open frmpassabasso modeless"})
        .open(false),
    Row("frmpassabanda", {"click:Command2"})
        .why("the high-pass button hands over to the high-pass window")
        .effects({"close", "open frmpassaalto modeless"})
        .open(false),
    Row("frmpassabanda", {"click:Command2"})
        .modal()
        .why("from a modal caller the companion opens modal")
        .effects({"close", "open frmpassaalto modal"})
        .open(false),
    Row("frmpassabanda", {"click:Command3"}).why("the close button only closes").effects({"close"}).open(false),
    Row("frmpassabanda", {}).why("opening focuses the first button").focus("Command1").effects({}),
    Row("frmdizionario", {})
        .why("the list opens on the analog-to-digital converter, the first entry in order")
        .text("cbodizionario", "A/D  =  convertitore da analogico a digitale")
        .chosen("cbodizionario", 0)
        .focus("cbodizionario"),
    Row("frmdizionario", {"pick:cbodizionario=CU = rame"})
        .why("choosing an entry only shows it")
        .text("cbodizionario", "CU = rame")
        .focus("cbodizionario")
        .effects({}),
    Row("frmdizionario", {"click:cmdesci"}).effects({"close"}).open(false),
    Row("frmsmeterhf", {"click:Label1", "click:lblnota1"})
        .why("nothing on a table reacts")
        .text("Label1", "S METER")
        .focus("cmdesci")
        .effects({}),
    Row("frmuniel", {"click:Label6"}).why("nothing on a table reacts").focus("Command1").effects({}),
    Row("frmabaut", {"click:Picture1", "click:cmdchiudi"}).why("the picture does not react").effects({"close"}),
    Row("frmsondecc", {"click:cmdesci"}).effects({"close"}).open(false),
};

TEST(Reference, Rows) { test::play(kRows); }

// ------------------------------------------------------------ the dictionary

std::vector<std::string> listed(Window& w) { return w.form().state(w.id("cbodizionario")).entries; }

TEST(Reference, DictionaryKeepsItsEntriesInAlphabeticalOrderRegardlessOfCase) {
  Window w("frmdizionario");
  const auto shown = listed(w);
  const auto& loaded = reference::dictionaryEntries();
  ASSERT_EQ(shown.size(), 142u);
  EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end(), reference::dictionaryOrder));
  // the same entries, only reordered
  EXPECT_TRUE(std::is_permutation(shown.begin(), shown.end(), loaded.begin(), loaded.end()));
  EXPECT_EQ(std::set<std::string>(shown.begin(), shown.end()).size(), shown.size()) << "an entry is repeated";
  // loaded as COPPER, CU, CRT; listed as COPPER, CRT, CU
  auto at = [&](const std::string& s) { return std::find(shown.begin(), shown.end(), s) - shown.begin(); };
  auto copper = at("COPPER  = rame"), crt = at("CRT  = tubo a raggi catodici"), cu = at("CU = rame");
  ASSERT_LT(cu, static_cast<long>(shown.size()));
  EXPECT_LT(copper, crt);
  EXPECT_LT(crt, cu);
  EXPECT_LT(at("CU = rame") - at("COPPER  = rame"), 3);
  // loaded order puts CU before CRT
  auto loadedAt = [&](const std::string& s) { return std::find(loaded.begin(), loaded.end(), s) - loaded.begin(); };
  EXPECT_LT(loadedAt("CU = rame"), loadedAt("CRT  = tubo a raggi catodici"));
}

TEST(Reference, DictionaryOrderIgnoresLetterCase) {
  EXPECT_TRUE(reference::dictionaryOrder("n.c. = non collegato", "NC = normalmente chiuso (di un relè)"));
  EXPECT_TRUE(reference::dictionaryOrder("PA  = x", "pb = piombo"));
  EXPECT_TRUE(reference::dictionaryOrder("pb = piombo", "PEAK  = picco"));
  EXPECT_FALSE(reference::dictionaryOrder("abc", "ABC"));
  EXPECT_FALSE(reference::dictionaryOrder("ABC", "abc"));
  // a blank sorts before any letter: IN before INSULATOR
  EXPECT_TRUE(reference::dictionaryOrder("IN = inch", "INSULATOR  = isolatore"));
}

TEST(Reference, EveryDictionaryEntryIsATermAndItsMeaning) {
  for (const auto& e : reference::dictionaryEntries()) {
    auto eq = e.find('=');
    if (eq == std::string::npos) {
      EXPECT_EQ(e.rfind("AFC ", 0), 0u) << e;  // the one entry written without the sign
      continue;
    }
    ASSERT_GT(eq, 1u) << e;
    EXPECT_EQ(e[eq - 1], ' ') << e;
    ASSERT_LT(eq + 2, e.size()) << e;
    EXPECT_EQ(e[eq + 1], ' ') << e;
    EXPECT_NE(e.back(), ' ') << e;
  }
}

// ------------------------------------------------------------ tables

// A cell as printed: decimal comma, blanks inside a negative sign.
double cellValue(std::string s) {
  s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
  std::replace(s.begin(), s.end(), ',', '.');
  return std::stod(s);
}

// Row r (1 ... 13) of a four-column S-meter table: Label(4r+1) ... Label(4r+4).
struct SRow {
  double microvolt, power, dbm;
};
SRow sRow(Window& w, int r) {
  auto at = [&](int c) { return cellValue(w.text("Label" + std::to_string(4 * r + c))); };
  return {at(2), at(3), at(4)};
}

void checkSMeter(const char* form, double powerUnit, double s9) {
  SCOPED_TRACE(form);
  Window w(form);
  for (int r = 1; r <= 13; ++r) {
    SCOPED_TRACE("row " + std::to_string(r));
    SRow row = sRow(w, r);
    // the power is the level in dBm, and the voltage gives that power on
    // 50 ohm; both were rounded for the table (the voltage halves a point)
    const double watt = 1e-3 * std::pow(10, row.dbm / 10);
    EXPECT_NEAR(row.power, watt / powerUnit, 0.05 * watt / powerUnit);
    EXPECT_NEAR(row.microvolt, std::sqrt(watt * 50) * 1e6, 0.05 * std::sqrt(watt * 50) * 1e6);
    // 6 dB a point up to S9, 10 dB a step beyond
    const double expected = r <= 9 ? -73 + 20 * std::log10(s9 / 50) - 6.0 * (9 - r)
                                   : -73 + 20 * std::log10(s9 / 50) + 10.0 * (r - 9);
    EXPECT_DOUBLE_EQ(row.dbm, expected);
  }
  // each cell sits in its own place, row under row
  std::set<std::pair<double, double>> anchors;
  for (int i = 1; i <= 56; ++i) {
    const auto& d = w.form().def(w.id("Label" + std::to_string(i)));
    ASSERT_GE(d.drawing, 0) << "Label" << i << " is not in the table";
    EXPECT_TRUE(anchors.insert({d.anchorY, d.anchorX}).second) << "Label" << i << " shares a cell";
    if (i > 4) {
      const auto& above = w.form().def(w.id("Label" + std::to_string(i - 4)));
      EXPECT_GT(d.anchorY, above.anchorY);
      EXPECT_DOUBLE_EQ(d.anchorX, above.anchorX);
    }
  }
}

TEST(Reference, SMeterTablesAgreeWithTheirReference) {
  checkSMeter("frmsmeterhf", 1e-9, 50);
  checkSMeter("frmsmetervhf", 1e-15, 5);
}

// Every standard lamination has the same proportions: B = 1,2 A, C = 0,4 A,
// D = 0,2 A, E = 0,6 A.
TEST(Reference, LaminationTableKeepsTheStandardProportions) {
  Window w("frmuniel");
  std::vector<std::vector<double>> columns;
  for (int c = 6; c <= 10; ++c) {
    std::vector<double> values;
    std::string s = w.text("Label" + std::to_string(c));
    std::size_t start = 0;
    while (start <= s.size()) {
      auto end = s.find('\n', start);
      if (end == std::string::npos) end = s.size();
      values.push_back(cellValue(s.substr(start, end - start)));
      start = end + 1;
    }
    columns.push_back(values);
  }
  ASSERT_EQ(columns[0].size(), 13u);
  for (std::size_t i = 0; i < 13; ++i) {
    SCOPED_TRACE("row " + std::to_string(i + 1));
    ASSERT_EQ(columns[1].size(), 13u);
    const double a = columns[0][i];
    EXPECT_DOUBLE_EQ(columns[1][i], 1.2 * a);
    EXPECT_DOUBLE_EQ(columns[2][i], 0.4 * a);
    EXPECT_DOUBLE_EQ(columns[3][i], 0.2 * a);
    EXPECT_DOUBLE_EQ(columns[4][i], 0.6 * a);
    if (i > 0) {
      EXPECT_GT(a, columns[0][i - 1]);
    }
  }
}

// A ruled table holds one label in each of its cells, and no two labels
// share a cell: a row or a column lost or moved shows here.
void checkEveryCellHoldsOneLabel(Window& w, const std::string& drawing) {
  const int grid = w.id(drawing);
  ASSERT_GE(grid, 0);
  const Drawing& art = *w.form().def(grid).art;
  std::vector<int> held(art.marks.size(), 0);
  for (const auto& d : w.form().defs()) {
    if (d.drawing != grid) continue;
    // a row written as one text stands in each cell it has a column for
    std::vector<std::pair<double, double>> places;
    for (const auto& c : d.columns) places.emplace_back(c.x, c.y);
    if (places.empty()) places.emplace_back(d.anchorX, d.anchorY);
    for (const auto& [x, y] : places) {
      bool atMark = false;
      for (std::size_t m = 0; m < art.marks.size(); ++m)
        if (art.marks[m].x == x && art.marks[m].y == y) {
          ++held[m];
          atMark = true;
        }
      EXPECT_TRUE(atMark) << d.name << " sits between the cells";
    }
  }
  for (std::size_t m = 0; m < art.marks.size(); ++m)
    EXPECT_EQ(held[m], 1) << "cell " << art.marks[m].name << " holds " << held[m] << " labels";
}

// The cells of a table row written as one text, each with the place it
// starts at: two blanks or more part two cells, a single blank stays inside
// one ("0,000 001", "RG 58").
std::vector<std::pair<std::size_t, std::string>> cellsOf(const std::string& row) {
  std::vector<std::pair<std::size_t, std::string>> cells;
  std::size_t i = 0;
  while (i < row.size()) {
    while (i < row.size() && row[i] == ' ') ++i;
    if (i == row.size()) break;
    std::size_t end = i;
    while (end < row.size() && !(row[end] == ' ' && (end + 1 == row.size() || row[end + 1] == ' '))) ++end;
    cells.emplace_back(i, row.substr(i, end - i));
    i = end;
  }
  return cells;
}

// A table whose heading and rows are one label each, the columns lined up
// under words of the heading.
struct RowTable {
  const char* form;
  std::string heading;               // the heading's label
  std::vector<std::string> columns;  // the words of the heading that head the columns, in order
  int firstRow = 0, rows = 0;        // the rows are Label<firstRow> ... in order
  // a few cells as shown: the row (1 is the first under the heading) and its cells
  std::vector<std::pair<int, std::vector<std::string>>> cells;
};

void checkRowTable(const RowTable& t) {
  SCOPED_TRACE(t.form);
  Window w(t.form);
  checkEveryCellHoldsOneLabel(w, "drwtabella");
  const std::string heading = w.text(t.heading);
  std::vector<std::size_t> starts;
  for (std::size_t from = 0; const auto& word : t.columns) {
    const auto at = heading.find(word, from);
    ASSERT_NE(at, std::string::npos) << "no column " << word << " in the heading";
    starts.push_back(at);
    from = at + word.size();
  }
  const auto& top = w.form().def(w.id(t.heading));
  double above = top.anchorY;
  for (int r = 1; r <= t.rows; ++r) {
    const std::string name = "Label" + std::to_string(t.firstRow + r - 1);
    SCOPED_TRACE(name);
    const auto& d = w.form().def(w.id(name));
    EXPECT_EQ(d.drawing, top.drawing) << "not in the table";
    EXPECT_DOUBLE_EQ(d.anchorX, top.anchorX);
    EXPECT_GT(d.anchorY, above) << "not under the row before";
    above = d.anchorY;
    const auto cells = cellsOf(w.text(name));
    ASSERT_EQ(cells.size(), starts.size()) << "\"" << w.text(name) << "\"";
    for (std::size_t c = 0; c < cells.size(); ++c)
      EXPECT_EQ(cells[c].first, starts[c]) << cells[c].second << " is not under " << t.columns[c];
  }
  for (const auto& [r, want] : t.cells) {
    const auto cells = cellsOf(w.text("Label" + std::to_string(t.firstRow + r - 1)));
    std::vector<std::string> shown;
    for (const auto& c : cells) shown.push_back(c.second);
    EXPECT_EQ(shown, want) << "row " << r;
  }
}

TEST(Reference, RowTablesKeepTheirCellsUnderTheirHeadings) {
  checkRowTable({"frmprefissi", "Label1", {"NOME", "SIMBOLO", "VALORE"}, 2, 10,
                 {{1, {"tera", "T", "1.000.000.000.000"}},
                  {5, {"deci", "d", "0,1"}},
                  {8, {"micro", "u", "0,000 001"}},
                  {10, {"pico", "p", "0,000 000 000 001"}}}});
  checkRowTable({"frmbalunchoke", "Label3", {"BANDA", "RG 58", "spire", "RG 213", "spire"}, 4, 5,
                 {{1, {"80", "6", "6-8", "6,7", "8"}},
                  {3, {"20", "2,7", "8", "3", "4"}},
                  {5, {"10", "1,2", "6-8", "1,8", "6-8"}}}});
  checkRowTable({"frminduttanzegeloso", "Label2", {"NUMERO", "INDUTT.", "MAX", "RESISTENZA"}, 3, 7,
                 {{1, {"555", "0.1", "250", "5"}},
                  {4, {"558", "10", "40", "240"}},
                  {7, {"816", "0.003", "500", "0.4"}}}});
}

// The prefixes go down the table from the largest, each value a power of
// ten as the prefix says (grouping dots, a decimal comma, blanks between
// groups of decimals).
TEST(Reference, PrefixValuesArePowersOfTenInOrder) {
  Window w("frmprefissi");
  const int powers[] = {12, 9, 6, 3, -1, -2, -3, -6, -9, -12};
  for (int r = 0; r < 10; ++r) {
    const auto cells = cellsOf(w.text("Label" + std::to_string(r + 2)));
    ASSERT_EQ(cells.size(), 3u);
    std::string v = cells[2].second;
    v.erase(std::remove_if(v.begin(), v.end(), [](char c) { return c == '.' || c == ' '; }), v.end());
    std::replace(v.begin(), v.end(), ',', '.');
    EXPECT_DOUBLE_EQ(std::stod(v), std::pow(10.0, powers[r])) << cells[0].second;
  }
}

// One label a cell: the type codes in one column, their coefficients in the
// next, and each coefficient is the one its code names (P: positive, N:
// negative, NP: none), in parts per million.
TEST(Reference, CapacitorCoefficientsLineUpWithTheirTypes) {
  Window w("frmcoefftermicocondensatori");
  checkEveryCellHoldsOneLabel(w, "drwtabella");
  auto cell = [&](int r, int c) -> const ControlDef& { return w.form().def(w.id("Label" + std::to_string(2 * r + c + 1))); };
  auto text = [&](int r, int c) { return w.text("Label" + std::to_string(2 * r + c + 1)); };
  EXPECT_EQ(text(0, 0), "T I P O");
  EXPECT_EQ(text(0, 1), "COEFF");
  for (int r = 1; r <= 12; ++r) {
    SCOPED_TRACE("row " + std::to_string(r));
    for (int c = 0; c < 2; ++c) {
      EXPECT_DOUBLE_EQ(cell(r, c).anchorX, cell(0, c).anchorX) << "not in its column";
      EXPECT_GT(cell(r, c).anchorY, cell(r - 1, c).anchorY) << "not under the row before";
    }
    EXPECT_DOUBLE_EQ(cell(r, 0).anchorY, cell(r, 1).anchorY) << "the coefficient is not beside its type";
    std::string type = text(r, 0), coeff = text(r, 1);
    type.erase(std::remove(type.begin(), type.end(), ' '), type.end());
    coeff.erase(std::remove(coeff.begin(), coeff.end(), ' '), coeff.end());
    const auto digits = type.find_first_of("0123456789");
    ASSERT_NE(digits, std::string::npos) << type;
    const std::string kind = type.substr(0, digits);
    const int ppm = std::stoi(type.substr(digits));
    EXPECT_EQ(std::stoi(coeff), kind == "P" ? ppm : kind == "N" ? -ppm : 0) << type << " " << coeff;
    EXPECT_TRUE(kind == "P" || kind == "N" || (kind == "NP" && ppm == 0)) << type;
  }
  // the first, a middle and the last row as shown
  EXPECT_EQ(text(1, 0), " P 100");
  EXPECT_EQ(text(1, 1), "+100");
  EXPECT_EQ(text(6, 0), " N 075");
  EXPECT_EQ(text(6, 1), "-  75");
  EXPECT_EQ(text(12, 0), " N 1500");
  EXPECT_EQ(text(12, 1), "-1500");
}

// ------------------------------------------------------------ pictures

// Every point of a shape lies inside its drawing.
void checkInside(const std::string& form) {
  SCOPED_TRACE(form);
  Window w(form);
  int drawings = 0;
  for (const auto& d : w.form().defs()) {
    if (d.kind != Kind::Drawing) continue;
    ++drawings;
    const Drawing& art = *d.art;
    ASSERT_FALSE(art.shapes.empty()) << d.name << " is empty";
    auto inside = [&](double x, double y) {
      EXPECT_GE(x, 0) << d.name;
      EXPECT_GE(y, 0) << d.name;
      EXPECT_LE(x, art.width) << d.name;
      EXPECT_LE(y, art.height) << d.name;
    };
    for (const auto& s : art.shapes) {
      switch (s.type) {
        case Shape::Type::Rect:
        case Shape::Type::Ellipse:
        case Shape::Type::Arc:
          inside(s.x1, s.y1);
          inside(s.x1 + s.x2, s.y1 + s.y2);
          break;
        case Shape::Type::Polyline:
          for (std::size_t i = 0; i + 1 < s.points.size(); i += 2) inside(s.points[i], s.points[i + 1]);
          break;
        case Shape::Type::Text:
          // the text starts inside and, at about 6 units a character, ends inside
          inside(s.x1, s.y1);
          EXPECT_LE(s.x1 + 6.0 * static_cast<double>(s.text.size()), art.width + 30) << d.name << " " << s.text;
          break;
        default:
          inside(s.x1, s.y1);
          inside(s.x2, s.y2);
      }
    }
  }
  EXPECT_GT(drawings, 0);
}

TEST(Reference, PicturesAndDrawingsStayInsideTheirFrame) {
  for (const char* form : {"frmabaut", "frmrettificatori", "frmconduttori", "frmelettrononpolarizzati",
                           "frmresiststrumento", "frmsondecc", "frmtestcurvafiltro", "frmbaluninaria", "frmuniel",
                           "frmcodextrasfusa", "frmautotraserieu"})
    checkInside(form);
}

// The wire table closes only with its own close box.
TEST(Reference, WireTableIsOnePictureClosedByItsCloseBox) {
  Window w("frmconduttori");
  int drawings = 0;
  for (const auto& d : w.form().defs()) {
    EXPECT_FALSE(d.closes);
    drawings += d.kind == Kind::Drawing;
  }
  EXPECT_EQ(w.form().count(), 1);
  EXPECT_EQ(drawings, 1);
  w.form().close();
  EXPECT_FALSE(w.form().isOpen());
}

// The printed wire table agrees with the copper it describes.
TEST(Reference, WireTableAgreesWithCopper) {
  const auto rows = reference::wireTable();
  ASSERT_FALSE(rows.empty());
  EXPECT_DOUBLE_EQ(rows.front().diameter, 0.05);
  EXPECT_DOUBLE_EQ(rows.back().diameter, 4.00);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const auto& r = rows[i];
    SCOPED_TRACE(r.diameter);
    EXPECT_NEAR(r.section, 3.14159265358979 * r.diameter * r.diameter / 4, 1e-12);
    EXPECT_NEAR(r.amps3, 3 * r.section, 1e-12);
    EXPECT_NEAR(r.amps4, 4 * r.section, 1e-12);
    // enamel makes the wire thicker, never more than a tenth of a millimetre
    EXPECT_LT(r.turnsPerCm, 10 / r.diameter);
    EXPECT_GT(r.turnsPerCm, 10 / (r.diameter + 0.1));
    // paper between layers costs turns
    EXPECT_GT(r.turnsPerCm2, r.turnsPerCm2Paper005);
    EXPECT_GT(r.turnsPerCm2Paper005, r.turnsPerCm2Paper10);
    // 1 mm2 of copper: about 8,9 g and 0,017 ohm a metre
    EXPECT_NEAR(r.grams / r.section, 8.89, 0.01);
    EXPECT_NEAR(r.ohms * r.section, 0.0169, 0.0002);
    if (i > 0) {
      EXPECT_GT(r.diameter, rows[i - 1].diameter);
      EXPECT_LT(r.ohms, rows[i - 1].ohms);
    }
  }
  // the table is drawn row by row, the thinnest wire first
  Window w("frmconduttori");
  const auto& art = *w.form().def(0).art;
  std::vector<std::string> texts;
  for (const auto& s : art.shapes)
    if (s.type == Shape::Type::Text) texts.push_back(s.text);
  EXPECT_NE(std::find(texts.begin(), texts.end(), "0,05"), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "4,00"), texts.end());
  EXPECT_GE(texts.size(), rows.size() * 10);
}

}  // namespace
}  // namespace vm
