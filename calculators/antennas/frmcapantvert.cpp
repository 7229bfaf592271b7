// Capacitance to ground of a vertical, standing on the ground or raised
// above it.
#include <cmath>

#include "framework/registry.h"
#include "framework/validity.h"

namespace vm {
namespace {

class CapAntVert final : public CalculatorOf<CapAntVert> {
 public:
  explicit CapAntVert(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CAPACITA'  RIFERITA ALLA TERRA DI UN' ANTENNA VERTICALE");
    b.frame("Frame1", "POSIZIONE DELL'ANTENNA ", [&] {
      place_ = b.options("Option1", {"SISTEMATA A TERRA", "SISTEMATA IN POSIZIONE ELEVATA"})
                   .opensOn(0)
                   .onClick([this](int i) { choose(i); });
    });
    height_ = b.input("txtlunghezza").label("lbltxtlunghezza", "LUNGHEZZA DELL'ANTENNA in mt.");
    diameter_ = b.input("txtdiametro").label("lbltxtdiametro", "DIAMETRO MEDIO DELL'ANTENNA in mm.");
    auto distance = b.input("txtdistanza").label("lbldistanza", "DISTANZA DALLA TERRA in mt.").hidden();
    distance_ = distance;
    lblDistance_ = distance.caption();
    hide(lblDistance_);
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    capacity_ = b.result("lblcapacita");
    b.onTyping({height_, diameter_, distance_}, Typing::Blank, {capacity_});
  }

 private:
  void choose(int i) {
    blank({capacity_});
    setVisible(lblDistance_, i != 0);
    setVisible(distance_, i != 0);
  }

  void compute() {
    const double hm = number(height_);
    const double d = number(diameter_);
    const double hg = number(distance_);
    if (!productTest({d, hm}, Product::Zero, height_)) return;
    const double h = hm * 1000;
    const double H = hg * 1000;
    double k = 0;
    if (isSelected(place_, 0)) {
      k = 12.1 / std::log10(2 * h / (1.732051 * d));
    } else {
      const double p = std::sqrt((h + 4 * H) / (3 * h + 4 * H));
      k = 12.1 / std::log10(p * 2 * h / d);
    }
    // a vertical shorter than its diameter turns the logarithm negative, and
    // two negative sizes pass the product test: no capacitance, refused
    const double c = roundFixed(positive(k * hm), 1);
    setText(capacity_, "LA CAPACITA'  DELL'ANTENNA E'  " + general(c) + " pF");
  }

  Options place_;
  Input height_, diameter_, distance_;
  Label lblDistance_, capacity_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmcapantvert, CapAntVert)
