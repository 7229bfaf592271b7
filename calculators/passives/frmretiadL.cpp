// The minimum-loss L pad that matches a higher impedance to a lower one.
#include <cmath>

#include "framework/registry.h"
#include "pad_drawings.h"

namespace vm {
namespace {

class RetiAdL final : public CalculatorOf<RetiAdL> {
 public:
  explicit RetiAdL(FormBuilder& b) : CalculatorOf(b) {
    b.caption("RETI AD ELLE");
    const std::string data = "inserire i dati";
    b.text("La rete a L è la più semplice rete idonea ad adattare due impedenze diverse ");
    b.text("L'IMPEDENZA D' INGRESSO DEVE ESSERE MAGGIORE DELL'IMPEDENZA D' USCITA");
    rh_ = b.input("txtRH").tooltip(data).label("lblZI", "IMPEDENZA D' INGRESSO in OHM");
    rl_ = b.input("txtRL").tooltip(data).label("lblZo", "IMPEDENZA D' USCITA in OHM");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    Art drw = b.drawing("drwrete", pads::lNetwork(false));
    r1_ = b.result("lblR1", "R1").at(drw, "R1");
    r2_ = b.result("lblR2", "R2").at(drw, "R2");
    b.text("lato impedenza maggiore").at(drw, "high");
    b.text("lato impedenza minore").at(drw, "low");
    perdita_ = b.result("lblperdita");
  }

 private:
  void compute() {
    const double rh = number(rh_), rl = number(rl_);
    if (!productTest({rh, rl}, Product::NotPositive, rh_)) return;
    if (rh <= rl) {
      warn("L'impedenza IN deve essere maggiore dell'impedenza OUT", "messaggio di errore", rh_);
      return;
    }
    const double r1 = std::sqrt(rh * (rh - rl));
    const double r2 = std::sqrt(rh * rl * rl / (rh - rl));
    const float loss = single(roundFixed(10 * (std::log((rh / rl) * std::pow((r2 + rl) / r2, 2)) / std::log(10.0)), 2));
    setText(r1_, fixed(r1, 1));
    setText(r2_, fixed(r2, 1));
    setText(perdita_, "L'ATTENUAZIONE E' " + general(loss) + " dB");
  }

  Input rh_, rl_;
  Label r1_, r2_, perdita_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmretiadL, RetiAdL)
