// Focal distance of a circular dish from its diameter and depth.
#include "framework/registry.h"

namespace vm {
namespace {

Drawing dishDrawing() {
  Drawing d(320, 260);
  // the dish in section, opening to the right, with its axis and the focus in
  // front of it; the focal distance is measured from the vertex
  d.arc(90, 20, 240, 220, 120, 120);
  d.shapes.back().width = 3;
  d.line(90, 130, 300, 130);
  d.circle(180, 130, 4, true);
  d.symbol(Symbol::Dimension, 92, 150, 180, 150);
  d.mark("fuoco", 180, 110);
  d.mark("valore", 136, 170);
  return d;
}

class Fuoco final : public CalculatorOf<Fuoco> {
 public:
  explicit Fuoco(FormBuilder& b) : CalculatorOf(b) {
    b.caption("FUOCO DI UNA PARABOLA CIRCOLARE");
    diameter_ = b.input("txtdiametro").label("lbltxtdiametro", "DIAMETRO in cm.");
    depth_ = b.input("txtprofondita").label("lbltxtprofondita", "PROFONDITA' in cm.");
    Art art = b.drawing("drwparabola", dishDrawing());
    b.text("FUOCO").at(art, "fuoco");
    onDrawing_ = b.result("lblf").hidden().at(art, "valore");
    focus_ = b.result("lblfuoco").hidden();
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
  }

 private:
  void compute() {
    const double dia = number(diameter_);
    const double depth = number(depth_);
    if (!productTest({depth, dia}, Product::NotPositive, diameter_)) return;
    const double f = roundFixed(dia * dia / (16 * depth), 1);
    const std::string cm = general(f) + " cm.";
    setText(onDrawing_, cm);
    setText(focus_, "IL PUNTO FOCALE E' A CIRCA " + cm);
    show({onDrawing_, focus_});
  }

  Input diameter_, depth_;
  Label onDrawing_, focus_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmfuoco, Fuoco)
