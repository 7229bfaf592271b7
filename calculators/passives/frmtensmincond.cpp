// The smallest working voltage of the capacitors in a transmitter filter,
// recomputed on every keystroke.
#include <cmath>

#include "framework/registry.h"

namespace vm {
namespace {

class TensMinCond final : public CalculatorOf<TensMinCond> {
 public:
  explicit TensMinCond(FormBuilder& b) : CalculatorOf(b) {
    b.caption("MINIMA TENSIONE DI LAVORO DEI CONDENSATORI");
    b.label("Label1",
            "ALL'INTERNO DI UN FILTRO PER TRASMISSIONE SI SVILUPPANO TENSIONI  MAGGIORI DI QUELLE RISCONTRABILI "
            "ALL'INGRESSO QUINDI OCCORRE CHE I CONDENSATORI PRESENTI SIANO IN GRADO DI SOPPORTARLE");
    b.label("Label4",
            "IMPOSTATA LA POTENZA EFFICACE RILEVATA DAL WATTMETRO SI PUO'  CALCOLARE LA TENSIONE DI LAVORO MINIMA "
            "CHE I CONDENSATORI DOVRANNO ESSERE IN GRADO DI SOPPORTARE");
    p_ = b.input("txtpotenza").tooltip("separare i decimali con il punto").label("Label6", "POTENZA eff. IN WATT");
    out_ = b.result("lbltensione");
    b.label("Label2", "IN SEDE DI REALIZZAZIONE DOVRANNO ESSERE SOVRADIMENSIONATI");
    b.label("Label5", "LA VALIDITA' DEL CALCOLO E' LIMITATA ALLE H.F.");
    b.label("Label3", "SEPARARE GLI EVENTUALI DECIMALI CON IL PUNTO");
    b.closeButton("cmdesci", "E S C I");
    b.live({p_}, {out_}, [this] { compute(); });
  }

 private:
  void compute() {
    const double p = number(p_);
    if (p == 0) {
      setText(out_, "");
      return;
    }
    // the peak-to-peak voltage across 50 ohm, cut down to the whole volt;
    // a negative power has no voltage and blanks the result
    const double v = std::sqrt(50 * p) * 2.828;
    setText(out_, "LA TENSIONE DI LAVORO MINIMA E' VOLT " + general(Int(v)));
  }

  Input p_;
  Label out_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmtensmincond, TensMinCond)
