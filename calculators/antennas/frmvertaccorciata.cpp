// A vertical shortened by a loading coil part way up: the coil is that of a
// shortened dipole twice the vertical's height, worked in feet and inches.
#include <cmath>

#include "framework/registry.h"
#include "loaded_drawings.h"

namespace vm {
namespace {

class VertAccorciata final : public CalculatorOf<VertAccorciata> {
 public:
  explicit VertAccorciata(FormBuilder& b) : CalculatorOf(b) {
    b.caption("ANTENNA VERTICALE ACCORCIATA");
    b.text("CALCOLO INDUTTANZA DELLA BOBINA IN ARIA");
    height_ = b.input("txtlunghezza")
                  .tooltip("separare i decimali con il punto")
                  .label("lbltxtlunghezza", "LUNGHEZZA TOTALE RADIATORE in mt.");
    distance_ = b.input("txtdistanza")
                    .tooltip("separare i decimali con il punto")
                    .label("lbltxtdistanza", "DISTANZA BOBINA DALLA BASE in mt.");
    diameter_ = b.input("txtdiametro")
                    .tooltip("separare i decimali con il punto")
                    .label("lbltxtdiametro", "DIAMETRO DEL RADIATORE in mm");
    freq_ = b.input("txtfrequenza")
                .tooltip("separare i decimali con il punto")
                .label("lbltxtfrequenza", "FREQUENZA  in MHz");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.button("cmdchiamabobine", "COSTRUZIONE BOBINA").onClick([this] {
      openBeside("frmbobine", {.selfLeft = 180, .selfTop = 180, .left = 4100, .top = 2800});
    });
    b.closeButton("cmdesci", "E S C I");
    inductance_ = b.result("lblinduttanza");
    degrees_ = b.result("lblgradi");
    rr_ = b.result("lblRR");
    Art art = b.drawing("drwverticale", loaded::coilLoadedVertical());
    coil_ = b.result("lblind").at(art, "ind");
    height2_ = b.result("lbllung", "lung.").at(art, "lung");
    distance2_ = b.result("lbldist", "dist.").at(art, "dist");
    radials_ = b.result("lblradiali").at(art, "radiali");
    b.text("SEPARARE GLI EVENTUALI DECIMALI CON IL PUNTO");
    b.text("non in scala");
  }

 private:
  void compute() {
    const double h = number(height_);
    double a = single(number(distance_));
    double d = number(diameter_);
    const double f = number(freq_);
    double bl = 2 * h;
    if (!productTest({f, d, bl, a}, Product::NotPositive, height_)) return;
    if (bl >= 142 / f) {
      warn("RADIATORE PIU' LUNGO DI 1/2 LAMBDA", "MESSAGGIO DI AVVISO", height_);
      return;
    }
    if (a >= h) {
      warn("DISTANZA ECCESSIVA", "MESSAGGIO DI AVVISO", distance_);
      return;
    }
    const float shownA = static_cast<float>(a);
    // feet and inches from here on
    a /= 0.3048;
    bl /= 0.3048;
    d /= 25.4;
    const double hf = bl / 2;
    const double k = 1e6 / (68 * 3.14 * 3.14 * f * f);
    const double t1 = (std::pow(1 - f * a / 234, 2) - 1) * (std::log(24 * (234 / f - a) / d) - 1) / (234 / f - a);
    const double t2 = (std::pow(f * (hf - a) / 234, 2) - 1) * (std::log(24 * (hf - a) / d) - 1) / (hf - a);
    const std::string l = fixed(k * (t1 - t2), 2);
    const std::string deg = fixed(f * h * 1.2, 2);
    const float lambda = single(300 / f);
    const std::string rr = fixed(std::pow(24 * h / lambda, 2), 2);
    const std::string radials = fixed(75 / f, 1);
    setText(inductance_, "INDUTTANZA in micro HENRY : " + l);
    setText(degrees_, "LUNGHEZZA ANTENNA IN GRADI  :  " + deg);
    setText(rr_, "RESISTENZA DI RADIAZIONE CIRCA ohm = " + rr);
    setText(coil_, l);
    setText(distance2_, general(shownA) + " mt");
    setText(height2_, general(h) + " mt");
    setText(radials_, "radiali mt " + radials);
  }

  Input height_, distance_, diameter_, freq_;
  Label inductance_, degrees_, rr_, coil_, height2_, distance2_, radials_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmvertaccorciata, VertAccorciata)
