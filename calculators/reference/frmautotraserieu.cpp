// How the standard autotransformer feeds small economy receivers: the mains
// on the whole winding, the series heater strings on the taps, and the
// 6,3 V winding for the parallel heaters and the dial lamp.
#include <string>
#include <vector>

#include "framework/registry.h"

namespace vm {
namespace {

struct LineUp {
  const char* title;
  const char* tap;
  double y;
  std::vector<const char*> valves;
};

const std::vector<LineUp>& lineUps() {
  static const std::vector<LineUp> rows = {
      {"70 V", "160V  100 mA", 100, {"35FD5", "35FD5", "50B5", "35X4", "12AJ8", "12BA6", "12AT6"}},
      {"SERIE U 80", "125V  100 mA", 160, {"UY85", "UBC81", "UL84", "UCH81", "UF89"}},
      {"SERIE U 40", "115V  100 mA", 220, {"UCH42", "UAF42", "UY41", "UL41", "UAF42"}},
  };
  return rows;
}

const std::vector<const char*> kParallel = {"6BE6", "6BA6", "6AT6", "LAMP"};

std::string valveMark(std::size_t row, std::size_t i) { return "v" + std::to_string(row) + "_" + std::to_string(i); }

// A valve's heater: a box wide and tall enough for the valve's name with a
// little air around it; the wires end at its sides.
constexpr double kBoxW = 52, kBoxH = 22;
constexpr double kPitch = 60;          // from one valve of a string to the next
constexpr double kFirst = 370;         // the first valve of every string
constexpr double kReturn = 800;        // the strings' common return to the chassis

Drawing wiring() {
  Drawing d(820, 380);
  // the autotransformer, tapped, on its core
  const std::vector<double> taps = {30, 100, 160, 220, 300};
  for (std::size_t i = 0; i + 1 < taps.size(); ++i) d.symbol(Symbol::Inductor, 120, taps[i], 120, taps[i + 1]);
  d.line(138, 20, 138, 310, 1.5).line(142, 20, 142, 310, 1.5);
  // the mains
  d.line(120, 30, 60, 30).circle(57, 30, 3);
  d.line(120, 300, 120, 350).line(60, 350, kReturn, 350).circle(57, 350, 3);
  d.symbol(Symbol::Ground, 120, 350, 120, 362);
  d.mark("mains", 40, 190).mark("chassis", 170, 366);
  // the mains voltage across the winding, its arrows stopping at the value
  d.symbol(Symbol::Arrow, 40, 180, 40, 40).symbol(Symbol::Arrow, 40, 200, 40, 340);
  // the series strings, from each tap through the heaters back to the chassis
  for (std::size_t r = 0; r < lineUps().size(); ++r) {
    const LineUp& l = lineUps()[r];
    d.circle(120, l.y, 2.5, true);
    d.mark("tap" + std::to_string(r), 205, l.y - 12).mark("title" + std::to_string(r), 300, l.y - 12);
    double from = 120;
    for (std::size_t i = 0; i < l.valves.size(); ++i) {
      const double x = kFirst + kPitch * static_cast<double>(i);
      d.line(from, l.y, x - kBoxW / 2, l.y);
      d.rect(x - kBoxW / 2, l.y - kBoxH / 2, kBoxW, kBoxH);
      d.mark(valveMark(r, i), x, l.y);
      from = x + kBoxW / 2;
    }
    d.line(from, l.y, kReturn, l.y);
  }
  d.line(kReturn, 100, kReturn, 350);
  for (double y : {160.0, 220.0}) d.circle(kReturn, y, 2.5, true);
  // the 6,3 V winding and the parallel heaters
  d.symbol(Symbol::Inductor, 160, 250, 160, 300);
  d.line(160, 250, 660, 250).line(160, 300, 660, 300);
  d.mark("heaters", 230, 275);
  for (std::size_t i = 0; i < kParallel.size(); ++i) {
    const double x = 360 + 90.0 * static_cast<double>(i);
    d.line(x, 250, x, 275 - kBoxH / 2).line(x, 275 + kBoxH / 2, x, 300);
    d.circle(x, 250, 2, true).circle(x, 300, 2, true);
    d.rect(x - kBoxW / 2, 275 - kBoxH / 2, kBoxW, kBoxH);
    d.mark("p" + std::to_string(i), x, 275);
  }
  return d;
}

class AutotraSerieU final : public CalculatorOf<AutotraSerieU> {
 public:
  explicit AutotraSerieU(FormBuilder& b) : CalculatorOf(b) {
    b.caption("SCHEMA DI UTILIZZAZIONE AUTOTRASFORMATORE ");
    b.frame("Frame1", "", [&] {
      b.label("Label1",
              "SCHEMA DI UTILIZZO AUTOTRASFORMATORE STANDARD IN ABBINAMENTO CON PICCOLI RICEVITORI ECONOMICI");
      Art drw = b.drawing("drwschema", wiring());
      b.text("220 V").at(drw, "mains");
      b.text("TELAIO").at(drw, "chassis");
      for (std::size_t r = 0; r < lineUps().size(); ++r) {
        const LineUp& l = lineUps()[r];
        b.text(l.tap).at(drw, "tap" + std::to_string(r));
        b.text(l.title).at(drw, "title" + std::to_string(r));
        for (std::size_t i = 0; i < l.valves.size(); ++i) b.text(l.valves[i]).at(drw, valveMark(r, i));
      }
      b.text("6,3 V   1A").at(drw, "heaters");
      for (std::size_t i = 0; i < kParallel.size(); ++i) b.text(kParallel[i]).at(drw, "p" + std::to_string(i));
    });
    b.closeButton("cmdesci", "C H I U D I");
  }
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmautotraserieu, AutotraSerieU)
