// Coaxial line: capacitance per metre and characteristic impedance from the
// two diameters and the dielectric.
#include <cmath>

#include "framework/registry.h"
#include "framework/validity.h"
#include "decimal_log.h"
#include "line_drawings.h"

namespace vm {
namespace {

class Impedenza final : public CalculatorOf<Impedenza> {
 public:
  explicit Impedenza(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CAPACITA'  E IMPEDENZA DI UNA LINEA COASSIALE");
    b.frame("Frame1", "DIELETTRICO", [&] {
      dielectric_ = b.options("Option1", {"Aria", "Politene", "Polietilene", "Polietilene spiralato",
                                          "Polietilene Foam", "Teflon", "P.V.C."}).opensOn(0)
                        .onClick([this](int) { blank({c_, z_}); });
    });
    outer_ = b.input("txtd1").label("lbld1", "DIAMETRO INTERNO DEL CONDUTTORE ESTERNO in mm. :");
    inner_ = b.input("txtd2").label("lbld2", "DIAMETRO  DEL CONDUTTORE CENTRALE in mm. :");
    b.label("Label2", "separare i decimali con il punto del tastierino numerico");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    c_ = b.result("lblc");
    z_ = b.result("lblimpedenza");
    b.drawing("drwsezione", lines::coaxial());
    b.onTyping({outer_, inner_}, Typing::Blank, {c_, z_});
  }

 private:
  // Relative permittivity of each dielectric, by option.
  static constexpr double kPermittivity[] = {1.00059, 1.65, 2.29, 1.42, 1.58, 2.0408, 3};

  void compute() {
    const double bigD = number(outer_), d = number(inner_);
    if (!productTest({bigD, d}, Product::Zero, outer_)) return;
    if (bigD <= d) {
      warn("DIAMETRO ESTERNO TROPPO PICCOLO", "MESSAGGIO DI ERRORE", outer_);
      return;
    }
    const int option = selected(dielectric_);
    if (option < 0) return;
    const double er = kPermittivity[option];
    const double ratio = lines::log10(bigD / d);
    const double z = 138 / std::sqrt(er) * ratio;
    // the capacitance is held in single precision, rounded to one decimal
    const float c = single(roundFixed(single(1000 * 0.0242 * er / ratio), 1));
    positive(c);
    positive(roundFixed(z, 2));
    setText(c_, "LA CAPACITA' E' DI  " + general(c) + " pF METRO");
    setText(z_, "L'IMPEDENZA E' DI    " + fixed(z, 2) + "  OHM");
  }

  Options dielectric_;
  Input outer_, inner_;
  Label c_, z_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmimpedenza, Impedenza)
