// R, L and C in series, and the L-C branch in parallel with R: reactances,
// impedances, phase shift and whether the voltage leads or lags.
#include <cmath>

#include "framework/registry.h"
#include "circuit_drawings.h"

namespace vm {
namespace {

class CircuitiRLC final : public CalculatorOf<CircuitiRLC> {
 public:
  explicit CircuitiRLC(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CALCOLO IMPEDENZA DI CIRCUITI CON R L C");
    b.label("Label1",
            "CONOSCENDO IL VALORE DELLA RESISTENZA, DELL' INDUTTANZA, DELLA CAPACITA' E DELLA FREQUENZA, SI PUO' "
            "RICAVARE IL VALORE DELL' IMPEDENZA TOTALE DEL CIRCUITO");
    f_ = b.input("txtf").tooltip("campo obbligato").label("Label2", "FREQUENZA in MHz :");
    l_ = b.input("txtl").label("Label3", "INDUTTANZA in microH :");
    c_ = b.input("txtC").tooltip("campo obbligato").label("Label4", "CAPACITA' in pF :");
    r_ = b.input("txtr").label("Label5", "RESISTENZA in Ohm :");
    b.computeButton("cmdcalcola", "CALCOLA").tooltip("CALCOLA IL VALORE DELL'IMPEDENZA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I").tooltip("ESCE DALL'APPLICAZIONE");
    Art drwSerie = b.drawing(
        "drwserie", circuit::series({{Symbol::Resistor, "R"}, {Symbol::Inductor, "L"}, {Symbol::Capacitor, "C"}}));
    b.text("R L C in serie").at(drwSerie, "title");
    Art drwParallelo = b.drawing(
        "drwparallelo",
        circuit::branchParallel({{Symbol::Inductor, "L"}, {Symbol::Capacitor, "C"}}, {Symbol::Resistor, "R"}));
    b.text("L C in parallelo a R").at(drwParallelo, "title");
    xl_ = b.result("lblreattanzaInduttiva");
    xc_ = b.result("lblreattanzacapacitiva");
    x_ = b.result("lblreattanzatotale");
    zs_ = b.result("lblImpedenzaserie");
    zp_ = b.result("lblimpedenzaparallelo");
    sfasamento_ = b.result("lblsfasamento");
    anticipo_ = b.result("lblanticipo");
    b.onLoad([this] {
      auto [width, height] = form().host().screenSize();
      setGeometry((width - 8595) / 2, (height - 6840) / 2, 8595, 6840);
    });
  }

 private:
  void compute() {
    // the frequency and the phase angle are kept in single precision
    float f = single(number(f_));
    double l = number(l_), c = number(c_), r = number(r_);
    if (!productTest({r, l, c, f}, Product::Zero, r_)) return;
    // both reactances are rounded to hundredths before they are combined
    // this window's own 2 pi (6.283184), 1 / 2 pi (159190) and pi (3.141592),
    // a little apart from its neighbours' constants
    double xl = roundPattern(l * (f * 6.283184), "#,##0.##");
    double xc = roundPattern(159190 / (c * f), "#,##0.##");
    double x = xl - xc;
    double zs = std::sqrt(x * x + r * r);
    double zp = roundPattern(std::fabs(x * r / std::sqrt(x * x + r * r)), "#,##0.##");
    float phase = single(std::atan(x / r) * 180 / 3.141592);
    phase = single(roundPattern(phase, "##0.##"));
    const char* anticipo = x > 0    ? "TENSIONE IN ANTICIPO SULLA CORRENTE"
                           : x == 0 ? "CONDIZIONE DI RISONANZA"
                                    : "TENSIONE IN RITARDO SULLA CORRENTE";
    setText(anticipo_, anticipo);
    setText(xl_, "REATTANZA INDUTTIVA = " + pattern(xl, "#,##0.##") + " OHM");
    setText(xc_, "REATTANZA CAPACITIVA = " + pattern(xc, "#,##0.##") + " OHM");
    setText(x_, "REATTANZA TOTALE = " + pattern(x, "#,##0.#") + " OHM");
    setText(zs_, "IMPEDENZA TOT. SERIE = " + pattern(zs, "#,##0.##") + " OHM");
    setText(zp_, "IMPEDENZA TOT. PARALLELO = " + general(zp) + " OHM");
    setText(sfasamento_, "LO SFASAMENTO E' DI : " + general(phase) + " gradi");
  }

  Input f_, l_, c_, r_;
  Label xl_, xc_, x_, zs_, zp_, sfasamento_, anticipo_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmCircuitiRLC, CircuitiRLC)
