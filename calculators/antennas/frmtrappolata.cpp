// Loading coil of a dipole shortened by two coils, one in each arm at a
// distance A from the centre: the classic loading-coil formula, worked in
// feet and inches.
#include <cmath>

#include "framework/registry.h"
#include "loaded_drawings.h"

namespace vm {
namespace {

class Trappolata final : public CalculatorOf<Trappolata> {
 public:
  explicit Trappolata(FormBuilder& b) : CalculatorOf(b) {
    b.caption("ANTENNE ACCORCIATE - VALORE DELL' INDUTTANZA IN RAPPORTO ALLE DIMENSIONI");
    length_ = b.input("txtlunghezza")
                  .tooltip("tratto B, lunghezza totale dipolo")
                  .label("lbltxtlunghezza", "LUNGHEZZA TOTALE A DISPOSIZIONE in mt. (B)");
    distance_ = b.input("txtdistanza")
                    .tooltip("distanza centro antenna/centrobobina")
                    .label("lbltxtdistanza", "DISTANZA DELLA BOBINA DAL CENTRO in mt. (A)");
    diameter_ = b.input("txtdiametro")
                    .tooltip("diametro del filo del dipolo")
                    .label("lbltxtdiametro", "DIAMETRO DEL CONDUTTORE in mm. (d)");
    freq_ = b.input("txtfrequenza").tooltip("frequenza centro banda").label("lbltxtfrequenza", "FREQUENZA in MHz");
    b.computeButton("cmdcalcola", "CALCOLA").tooltip("ricava il valore dell'induttanza").onClick([this] {
      compute();
    });
    inductance_ = b.result("lblinduttanza").hidden();
    Art art = b.drawing("drwdipolo", loaded::coilLoadedArm());
    b.text("  B").tooltip("lunghezza totale del dipolo").at(art, "B");
    b.text("  A").tooltip("lungh.del tratto corispondente alla fr. più alta").at(art, "A");
    b.text("= d").at(art, "d");
    b.text("L").at(art, "L");
    b.text("discesa coax").at(art, "coax");
    b.text("separare i decimali con il punto del tastierino numerico");
    b.button("cmdchiamabobine", "COSTRUZIONE BOBINE").tooltip("rimanda al calcolo delle bobine").onClick([this] {
      openCompanion("frmbobine");
    });
    b.closeButton("cmdesci", "E S C I").tooltip("esce dall'applicazione");
  }

 private:
  void compute() {
    double a = number(distance_);
    double bl = number(length_);
    double d = number(diameter_);
    const double f = number(freq_);
    if (!productTest({f, d, bl, a}, Product::NotPositive, length_)) return;
    if (bl >= 142 / f) {
      warn("RADIATORE PIU' LUNGO DI 1/2 LAMBDA", "MESSAGGIO DI AVVISO", length_);
      return;
    }
    if (a >= bl / 2) {
      warn("DISTANZA ECCESSIVA", "MESSAGGIO DI AVVISO", distance_);
      return;
    }
    // feet and inches from here on
    a /= 0.3048;
    bl /= 0.3048;
    d /= 25.4;
    const double h = bl / 2;
    const double k = 1e6 / (68 * 3.14 * 3.14 * f * f);
    const double t1 = (std::pow(1 - f * a / 234, 2) - 1) * (std::log(24 * (234 / f - a) / d) - 1) / (234 / f - a);
    const double t2 = (std::pow(f * (h - a) / 234, 2) - 1) * (std::log(24 * (h - a) / d) - 1) / (h - a);
    const float l = single(roundPattern(single(k * (t1 - t2)), "#,##0.##"));
    setText(inductance_, "L'INDUTTANZA DELLA BOBINA E' micro HENRY : " + general(l));
    show(inductance_);
  }

  Input length_, distance_, diameter_, freq_;
  Label inductance_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmtrappolata, Trappolata)
