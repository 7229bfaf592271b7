// A single wire above the ground, the ground being the return conductor:
// capacitance and inductance per metre.
#include <cmath>

#include "framework/registry.h"
#include "framework/validity.h"
#include "decimal_log.h"
#include "line_drawings.h"

namespace vm {
namespace {

class LineaUnifilare final : public CalculatorOf<LineaUnifilare> {
 public:
  explicit LineaUnifilare(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CAPACITA' E INDUTTANZA DI UNA LINEA AEREA UNIFILARE");
    d_ = b.input("txtd").label("lbld", "DIAMETRO DEL FILO IN MILLIMETRI");
    h_ = b.input("txth").label("lblh", "ALTEZZA DAL SUOLO IN METRI");
    b.label("Label3", "NELL'IPOTESI CHE L'ALTRO CONDUTTORE SIA COSTITUITO DALLA TERRA");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    cap_ = b.result("lblcap");
    ind_ = b.result("lblind");
    b.drawing("drwlinea", lines::wireOverGround());
    b.onTyping({d_, h_}, Typing::Blank, {cap_, ind_});
  }

 private:
  void compute() {
    const double d = number(d_);
    double h = number(h_);
    if (!(h * d > 0)) {
      warn("DATI MANCANTI O NEGATIVI", "MESSAGGIO DI ERRORE", d_);
      return;
    }
    nonNegative({d, h});
    h = 1000 * h;  // millimetres
    const double x = lines::log10(4 * h / d);
    const double c = 1000 * 0.0242 / x;
    const double l = roundFixed((9.21 * x + 1) / 10, 1);
    positive(roundFixed(c, 1));
    positive(l);
    setText(cap_, "LA CAPACITA' DELLA LINEA E'  " + fixed(c, 1) + " pF PER METRO");
    setText(ind_, "L'INDUTTANZA DELLA LINEA E'  " + general(l) + " µH PER METRO");
  }

  Input d_, h_;
  Label cap_, ind_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmlineaunifilare, LineaUnifilare)
