// Gain and beam angle of a parabolic dish from its diameter and the
// frequency.
#include <cmath>

#include "framework/registry.h"

namespace vm {
namespace {

class Paraboliche final : public CalculatorOf<Paraboliche> {
 public:
  explicit Paraboliche(FormBuilder& b) : CalculatorOf(b) {
    b.caption("GUADAGNO E ANGOLO DI ANTENNE PARABOLICHE");
    freq_ = b.input("txtfrequenza").label("lbltxtfrequenza", "FREQUENZA in MHz :");
    diameter_ = b.input("txtdiametro").label("lbltxtdiametro", "DIAMETRO in metri :");
    gain_ = b.result("lblguadagno");
    angle_ = b.result("lblgradi");
    b.text("IL GUADAGNO DI UNA ANTENNA PARABOLICA E'  DIRETTAMENTE PROPORZIONALE ALLE DIMENSIONI E ALLA FREQUENZA DI "
           "LAVORO");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "C H I U D I");
    b.onTyping({freq_, diameter_}, Typing::Blank, {gain_, angle_});
  }

 private:
  void compute() {
    const double f = number(freq_);
    const double d = number(diameter_);
    if (!productTest({d, f}, Product::NotPositive, freq_)) return;
    if (f < 1000) {
      warn("FREQUENZA TROPPO BASSA", "AVVERTIMENTO", freq_);
      return;
    }
    const double lambda = 300 / f;
    // 5.428: an aperture efficiency of about 0.55 times pi squared
    const double g = 5.428 * (d / lambda) * (d / lambda);
    const double db = 10 * (std::log(g) / std::log(10.0));
    const double angle = 70.7 / (d * f / 300);
    setText(gain_, "IL GUADAGNO DELLA PARABOLA E'  " + fixed(db, 2) + " dB");
    setText(angle_, "L'ANGOLO D'IRRADIAZIONE E'  " + fixed(angle, 1) + " GRADI");
  }

  Input freq_, diameter_;
  Label gain_, angle_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmparaboliche, Paraboliche)
