// The printed table of enamelled copper winding wire, from 0,05 to 4 mm.
// The window is the picture alone and closes with its own close box.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "conductors.h"
#include "framework/registry.h"

namespace vm {

namespace reference {

namespace {
constexpr std::array<double, 44> kDiameters = {
    0.05, 0.06, 0.07, 0.08, 0.09, 0.10, 0.12, 0.15, 0.18, 0.20, 0.22, 0.25, 0.28, 0.30, 0.35,
    0.40, 0.45, 0.50, 0.55, 0.60, 0.65, 0.70, 0.75, 0.80, 0.85, 0.90, 0.95, 1.00, 1.10, 1.20,
    1.30, 1.40, 1.50, 1.60, 1.70, 1.80, 1.90, 2.00, 2.20, 2.50, 2.80, 3.00, 3.50, 4.00,
};
constexpr double kPi = 3.14159265358979;
constexpr double kCopperDensity = 8.89;     // g/cm3
constexpr double kResistivity15 = 0.01690;  // ohm mm2/m of annealed copper at 15 C
}  // namespace

// The enamel adds about a tenth of a millimetre at most.
double enamelledDiameter(double d) { return d + std::min(0.01 + 0.05 * d, 0.08); }

std::vector<WireRow> wireTable() {
  std::vector<WireRow> rows;
  for (double d : kDiameters) {
    WireRow r;
    r.diameter = d;
    r.section = kPi * d * d / 4;
    r.amps3 = 3 * r.section;
    r.amps4 = 4 * r.section;
    const double outer = enamelledDiameter(d);
    r.turnsPerCm = 10 / outer;
    r.turnsPerCm2 = r.turnsPerCm * r.turnsPerCm;
    r.turnsPerCm2Paper005 = r.turnsPerCm * 10 / (outer + 0.005);
    r.turnsPerCm2Paper10 = r.turnsPerCm * 10 / (outer + 0.10);
    r.grams = r.section * kCopperDensity;
    r.ohms = kResistivity15 / r.section;
    rows.push_back(r);
  }
  return rows;
}

}  // namespace reference

namespace {

// Printed with the decimal comma, as in an Italian handbook.
std::string printed(double x, int decimals) { return formatFixed(x, decimals, Regional::italian()); }
// Small values keep more decimals.
std::string printedSmall(double x) { return printed(x, x < 0.1 ? 4 : x < 10 ? 3 : 2); }

Drawing wirePicture() {
  const std::array<double, 10> widths = {64, 72, 64, 64, 60, 84, 84, 84, 62, 86};
  const double left = 6, top = 30, headH = 34, rowH = 13;
  const auto rows = reference::wireTable();
  double total = 0;
  for (double w : widths) total += w;
  const double height = headH + rowH * static_cast<double>(rows.size());
  Drawing d(left * 2 + total, top + height + 8);
  d.text(left, 12, "CARATTERISTICHE DEL FILO DI RAME SMALTATO PER AVVOLGIMENTI");
  d.rect(left, top, total, height);
  d.line(left, top + headH, left + total, top + headH, 1.5);
  const std::array<std::array<const char*, 2>, 10> heads = {{
      {"diametro", "mm"},
      {"sezione", "mm²"},
      {"A max", "3 A/mm²"},
      {"A max", "4 A/mm²"},
      {"spire", "per cm"},
      {"spire/cm²", "senza carta"},
      {"spire/cm²", "carta 0,005"},
      {"spire/cm²", "carta 0,10"},
      {"peso", "g/m"},
      {"resistenza", "ohm/m 15 °C"},
  }};
  double x = left;
  for (std::size_t c = 0; c < widths.size(); ++c) {
    d.text(x + 4, top + 10, heads[c][0]);
    d.text(x + 4, top + 24, heads[c][1]);
    x += widths[c];
    if (c + 1 < widths.size()) d.line(x, top, x, top + height, 0.6);
  }
  double y = top + headH;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const auto& r = rows[i];
    if (i % 5 == 4 && i + 1 < rows.size()) d.line(left, y + rowH, left + total, y + rowH, 0.4);
    const std::array<std::string, 10> cells = {
        printed(r.diameter, 2),        printedSmall(r.section),         printedSmall(r.amps3),
        printedSmall(r.amps4),         printed(r.turnsPerCm, 1),        printed(r.turnsPerCm2, 0),
        printed(r.turnsPerCm2Paper005, 0), printed(r.turnsPerCm2Paper10, 0), printedSmall(r.grams),
        printedSmall(r.ohms),
    };
    x = left;
    for (std::size_t c = 0; c < widths.size(); ++c) {
      d.text(x + 4, y + rowH / 2, cells[c]);
      x += widths[c];
    }
    y += rowH;
  }
  return d;
}

class Conduttori final : public CalculatorOf<Conduttori> {
 public:
  explicit Conduttori(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CARATTERISTICHE CONDUTTORI ELETTRICI");
    b.drawing("Picture1", wirePicture());
  }
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmconduttori, Conduttori)
