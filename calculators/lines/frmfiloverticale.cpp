// The capacitance of a vertical conductor whose lower end is close to the
// ground.
#include <cmath>

#include "framework/registry.h"
#include "framework/validity.h"
#include "decimal_log.h"
#include "line_drawings.h"

namespace vm {
namespace {

class FiloVerticale final : public CalculatorOf<FiloVerticale> {
 public:
  explicit FiloVerticale(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CAPACITA' DI UN CONDUTTORE VERTICALE");
    d_ = b.input("txtd").label("lbld", "DIAMETRO DEL CONDUTTORE IN MILLIMETRI");
    l_ = b.input("txtl").label("lbll", "LUNGHEZZA DEL CONDUTTORE IN METRI");
    b.label("Label3",
            "QUANDO LA DISTANZA DALLA TERRA DELL'ESTREMO INFERIORE E'  PICCOLA IN PROPORZIONE ALLA LUNGHEZZA "
            "DEL CONDUTTORE  ");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    c_ = b.result("lblc");
    b.drawing("drwconduttore", lines::verticalWire());
    b.onTyping({d_, l_}, Typing::Blank, {c_});
  }

 private:
  void compute() {
    const double d = number(d_), l = number(l_);
    const double lmm = 1000 * l;
    if (!productTest({lmm, d}, Product::NotPositive, d_)) return;
    nonNegative({d, l});
    const double c = positive(roundPattern(l * 12.1 / lines::log10(2 * lmm / (1.732051 * d)), "##0.##"));
    setText(c_, "LA CAPACITA' DEL CONDUTTORE E'  " + general(c) + " pF");
  }

  Input d_, l_;
  Label c_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmfiloverticale, FiloVerticale)
