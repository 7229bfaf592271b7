// The voltage a capacitor reaches when charged through a resistor from a
// supply, after a given time.
#include <cmath>

#include "framework/registry.h"
#include "filter_drawings.h"

namespace vm {
namespace {

class EsempioCosTempo final : public CalculatorOf<EsempioCosTempo> {
 public:
  explicit EsempioCosTempo(FormBuilder& b) : CalculatorOf(b) {
    b.caption("TENSIONE AI CAPI DI UN CONDENSATORE ISTANTE PER ISTANTE");
    b.label("Label1",
            "SI DETERMINA LA DIFFERENZA DI POTENZIALE RAGGIUNTA DA UN CONDENSATORE IN FUNZIONE DELLA CAPACITA, "
            "DELLA  RESISTENZA E DEL TEMPO");
    c_ = b.input("txtcapacita").label("Label2", "CAPACITA' IN microF");
    r_ = b.input("txtohm").label("Label3", "RESISTENZA IN OHM");
    t_ = b.input("txtsecondi").label("Label4", "TEMPO in microsecondi");
    e_ = b.input("txttensalim").label("Label5", "TENS. ALIM. in Volt");
    out_ = b.result("lbloutput");
    Art drw = b.drawing("drwcircuito", circuit::chargingCircuit(Symbol::Capacitor));
    lblR_ = b.result("lblr", "R").at(drw, "resistor");
    lblC_ = b.result("lblc", "C").at(drw, "load");
    lblE_ = b.result("lblalim", "tens. alim.").at(drw, "supply");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "ESCI");
  }

 private:
  void compute() {
    const double c = number(c_), r = number(r_), t = number(t_), e = number(e_);
    if (!productTest({e, t, r, c}, Product::Zero, c_)) return;
    // microseconds over microfarad times ohm: a pure number
    const double x = -t / (c * r);
    // the base is 2.71, not e
    const double v = e * (1 - std::pow(2.71, x));
    setText(out_, "LA TENSIONE AI CAPI DEL CONDENSATORE E'  " + fixed(v, 4) + "  VOLT");
    setText(lblR_, general(r));
    setText(lblC_, general(c));
    setText(lblE_, general(e));
  }

  Input c_, r_, t_, e_;
  Label out_, lblR_, lblC_, lblE_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmesempiocostempo, EsempioCosTempo)
