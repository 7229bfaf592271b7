// A 4:1 wide-band balun wound bifilar in air on a PVC tube: how it is wound
// and how its four ends are joined.
#include "framework/registry.h"

namespace vm {
namespace {

constexpr Color kWireA = 0xC00000;
constexpr Color kWireB = 0x1F4E9A;

// The tube with the two wires wound side by side along it.
Drawing winding() {
  Drawing d(480, 170);
  d.line(80, 50, 360, 50).line(80, 110, 360, 110);
  d.ellipse(68, 50, 24, 60).arc(348, 50, 24, 60, -90, 180);
  const int turns = 8;
  const double step = 260.0 / turns;
  for (int i = 0; i < turns; ++i) {
    double x = 90 + i * step;
    d.line(x, 110, x + step / 2, 50, 2).color(kWireA);
    d.line(x + step / 4, 110, x + step * 3 / 4, 50, 2).color(kWireB);
  }
  // the four ends: both wires start below on the left and end above on the right
  const double lastA = 90 + (turns - 1) * step + step / 2, lastB = lastA + step / 4;
  d.line(90, 110, 40, 140, 2).color(kWireA);
  d.line(90 + step / 4, 110, 80, 150, 2).color(kWireB);
  d.line(lastA, 50, 400, 40, 2).color(kWireA);
  d.line(lastB, 50, 372, 16, 2).color(kWireB);
  d.symbol(Symbol::Dimension, 20, 50, 20, 110);
  d.mark("a1", 28, 150).mark("b1", 92, 160).mark("a2", 414, 36).mark("b2", 388, 12).mark("turns", 220, 20)
      .mark("tube", 220, 140).mark("balanced", 430, 90);
  return d;
}

// The two windings in series: the whole across the balanced side, one of
// them across the unbalanced side.
Drawing connection() {
  Drawing d(440, 180);
  d.symbol(Symbol::Inductor, 180, 40, 180, 120).color(kWireA);
  d.symbol(Symbol::Inductor, 240, 40, 240, 120).color(kWireB);
  d.circle(180, 40, 2, true).circle(180, 120, 2, true).circle(240, 40, 2, true).circle(240, 120, 2, true);
  // A2 joins B1
  d.line(180, 120, 240, 40);
  // the balanced side: A1 and B2
  d.line(180, 40, 180, 24).line(180, 24, 70, 24).circle(70, 24, 3);
  d.line(240, 120, 240, 156).line(240, 156, 70, 156).circle(70, 156, 3);
  // the unbalanced side: A1 and the joint
  d.line(180, 24, 360, 24).circle(360, 24, 3);
  d.line(210, 80, 360, 80).circle(360, 80, 3);
  d.circle(210, 80, 2, true);
  d.symbol(Symbol::Ground, 360, 80, 360, 92);
  d.mark("title", 220, 170).mark("a1", 162, 40).mark("a2", 162, 120).mark("b1", 258, 40).mark("b2", 258, 120)
      .mark("balanced", 70, 90).mark("unbalanced", 380, 52);
  return d;
}

class BalunInAria final : public CalculatorOf<BalunInAria> {
 public:
  explicit BalunInAria(FormBuilder& b) : CalculatorOf(b) {
    b.caption("BALUN IN ARIA SU SUPPORTO IN PVC    RAPPORTO  4:1  A LARGA BANDA  3.5 - 28 MHz");
    Art wound = b.drawing("drwavvolgimento", winding());
    b.text("A1").at(wound, "a1");
    b.text("A2").at(wound, "a2");
    b.text("B1").at(wound, "b1");
    b.text("B2").at(wound, "b2");
    b.text("14 - 16 SPIRE IN BIFILARE").at(wound, "turns");
    b.text("40 mm PVC").at(wound, "tube");
    b.text("BILANCIATA  4 Z").at(wound, "balanced");
    Art joined = b.drawing("drwcollegamenti", connection());
    b.text("BAL - UN").at(joined, "title");
    b.text("A1").at(joined, "a1");
    b.text("A2").at(joined, "a2");
    b.text("B1").at(joined, "b1");
    b.text("B2").at(joined, "b2");
    b.text("4 Z   BILANCIATA").at(joined, "balanced");
    b.text("SBILANCIATA  Z").at(joined, "unbalanced");
    b.closeButton("cmdesci", "E S C I");
  }
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmbaluninaria, BalunInAria)
