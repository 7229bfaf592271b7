// A two-wire line in the air: capacitance between the wires, towards the
// ground and in all, and the inductance per metre.
#include <cmath>

#include "framework/registry.h"
#include "framework/validity.h"
#include "decimal_log.h"
#include "line_drawings.h"

namespace vm {
namespace {

class LineaBifilare final : public CalculatorOf<LineaBifilare> {
 public:
  explicit LineaBifilare(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CAPACITA' E INDUTTANZA DI UNA LINEA AEREA BIFILARE");
    d_ = b.input("txtd").label("lbld", "DIAMETRO DEL FILO IN MILLIMETRI");
    spacing_ = b.input("txtdistanza").label("lbldistanza", "DISTANZA TRA I FILI IN MILLIMETRI");
    h_ = b.input("txth").label("lblh", "DISTANZA DAL SUOLO  IN METRI");
    b.label("Label3",
            "I DUE FILI DEVONO AVERE DIAMETRO UGUALE E LA DISTANZA DAL SUOLO SI SUPPONE TALE  DA NON "
            "INFLUENZARE L'INDUTTANZA DELLA LINEA");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    cd_ = b.result("lblcd");
    ct_ = b.result("lblct");
    c_ = b.result("lblc");
    ind_ = b.result("lblind");
    b.drawing("drwlinea", lines::twoWireLine());
    b.onTyping({d_, spacing_, h_}, Typing::Blank, {cd_, ct_, c_, ind_});
  }

 private:
  void compute() {
    const double d = number(d_), bigD = number(spacing_);
    const double h = 1000 * number(h_);  // millimetres
    if (!productTest({h, bigD, d}, Product::Zero, d_)) return;
    nonNegative({d, bigD, h});
    const double between = lines::log10(2 * bigD / d);
    const double cd = 1000 * 0.0121 / between;
    const double ct = 1000 * 0.0242 / lines::log10(4 * h / d);
    // the total is worked from the two capacitances as shown
    const double cdShown = positive(roundPattern(cd, "#,##0.#"));
    const double ctShown = positive(roundPattern(ct, "#,##0.#"));
    const double c = positive(ctShown / 2 + cdShown);
    const double l = positive(roundPattern((9.21 * between + 1) / 10, "#,##0.##"));
    setText(cd_, "LA CAPACITA' TRA I DUE FILI E'  " + pattern(cd, "#,##0.#") + " pF PER METRO");
    setText(ct_, "LA CAPACITA' VERSO TERRA E'  " + pattern(ct, "#,##0.#") + " pF PER METRO");
    setText(c_, "LA CAPACITA' RISULTANTE E'  " + general(c) + " pF PER METRO");
    setText(ind_, "L'INDUTTANZA TRA I FILI E'  " + general(l) + " µH PER METRO");
  }

  Input d_, spacing_, h_;
  Label cd_, ct_, c_, ind_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmlineabifilare, LineaBifilare)
