// Skin depth and radio-frequency resistance of a straight copper or
// aluminium wire.
#include <cmath>

#include "framework/registry.h"
#include "material_tables.h"

namespace vm {
namespace {

class RfResistance final : public CalculatorOf<RfResistance> {
 public:
  explicit RfResistance(FormBuilder& b) : CalculatorOf(b) {
    b.caption("EFFETTO PELLE E  RESISTENZA OHMICA IN ALTA FREQUENZA   ( > 1 MHz )");
    b.frame("Frame1", " Tipo di Conduttore ", [&] {
      metal_ = b.options("Option1", {"R A M E", "A L L U M I N I O"}).opensOn(0).onClick([this](int) {
        blank({delta_, ohm_});
      });
    });
    diameter_ = b.input("txtdiametro").label("lblinput", "Diametro del conduttore in mm.", 0);
    frequency_ = b.input("txtfrequenza").label("lblinput", "Frequenza in MHz", 1);
    length_ = b.input("txtlunghezza").label("Label1", "Lunghezza del conduttore in metri");
    delta_ = b.result("lbldelta");
    ohm_ = b.result("lblohm");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmnesci", "E S C I");
    b.label("Label2",
            "SE IL CONDUTTORE E' STESO E NON ARROTOLATO LA RESISTENZA AUMENTA PROPORZIONALMENTE ALLA RADICE QUADRATA "
            "DELLA FREQUENZA");
  }

 private:
  void compute() {
    d_ = number(diameter_);
    l_ = number(length_);
    f_ = number(frequency_);
    if (!productTest({f_, l_, d_}, Product::NotPositive, diameter_)) return;
    if (isSelected(metal_, 0)) rho_ = materials::kRfCopper;
    else if (isSelected(metal_, 1)) rho_ = materials::kRfAluminium;
    // with the frequency in MHz and the diameter in mm
    delta_m_ = std::sqrt(rho_ / (kMu * f_ * 3.14));
    r_ = 1000 * (l_ * rho_) / (d_ * 3.14 * delta_m_);
    const std::string r = fixed(r_, 4), delta = fixed(1000 * delta_m_, 4);
    setText(ohm_, "LA RESISTENZA OHMICA E' " + r + "  OHM");
    setText(delta_, "L'EFFETTO PELLE E' DI mm " + delta);
  }

  static constexpr double kMu = 1.2566;
  Options metal_;
  Input diameter_, frequency_, length_;
  Label delta_, ohm_;
  double d_ = 0, l_ = 0, f_ = 0;
  double rho_ = 0;      // ohm metre, of the metal selected at the last computation
  double delta_m_ = 0;  // skin depth, metres
  double r_ = 0;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmresistenzarf, RfResistance)
