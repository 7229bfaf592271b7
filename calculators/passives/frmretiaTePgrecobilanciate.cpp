// T and pi attenuators between two resistive impedances, balanced: the
// series arms are split in two halves, one in each line.
#include "framework/registry.h"
#include "pad_drawings.h"
#include "tpi_pads.h"

namespace vm {
namespace {

class RetiATePgrecoBilanciate final : public CalculatorOf<RetiATePgrecoBilanciate> {
 public:
  explicit RetiATePgrecoBilanciate(FormBuilder& b) : CalculatorOf(b) {
    b.caption("ATTENUATORI  E  ADATTATORI  RESISTIVI  BILANCIATI");
    const std::string data = "inserire i dati";
    zi_ = b.input("txtZI").tooltip(data).label("lblZI", "IMPEDENZA D' INGRESSO in OHM");
    zo_ = b.input("txtZO").tooltip(data).label("lblZo", "IMPEDENZA D' USCITA in OHM");
    a_ = b.input("txtLD").tooltip(data).label("lblLD", "ATTENUAZIONE DESIDERATA in DB");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    Art t = b.drawing("drwreteT", pads::tNetwork(true));
    b.text("RETE a T").at(t, "title");
    r1t_ = b.result("lblR1T", "R1").at(t, "R1");
    r1ta_ = b.result("lblR1Ta", "R1").at(t, "R1a");
    r2t_ = b.result("lblR2T", "R2").at(t, "R2");
    r2ta_ = b.result("lblR2Ta", "R2").at(t, "R2a");
    r3t_ = b.result("lblR3T", "R3").at(t, "R3");
    Art p = b.drawing("drwreteP", pads::piNetwork(true));
    b.text("RETE a P GRECO").at(p, "title");
    r1p_ = b.result("lblR1P", "R1  ").at(p, "R1");
    r2p_ = b.result("lblR2P", "R2  ").at(p, "R2");
    r3p_ = b.result("lblR3P", "R3").at(p, "R3");
    r3pa_ = b.result("lblR3Pa", "R3").at(p, "R3a");
    perdita_ = b.result("lblperdita");
    b.text(
        "L'IMPEDENZA D' INGRESSO DEVE ESSERE MAGGIORE O UGUALE ALL'IMPEDENZA D' USCITA  QUANDO E' UGUALE NON "
        "SI HANNO PERDITE D' INSERZIONE");
    b.text("Quando le impedenze sono diverse, determinati valori di attenuazione non consentono il calcolo");
  }

 private:
  void compute() {
    const double zi = number(zi_), zo = number(zo_), a = number(a_);
    if (!productTest({zi, zo, a}, Product::NotPositive, zi_)) return;
    if (zi < zo) {
      warn("IMPEDENZA IN < IMPEDENZA OUT", "messaggio di errore", zi_);
      return;
    }
    const double lmin = pads::minimumLoss(zi, zo);
    if (a < lmin) {
      warn("DATI NON CONGRUI", "messaggio di errore", a_);
      return;
    }
    // the series arms are halved after rounding, so a half may show three decimals
    const pads::TPiPad pad = pads::designTPi(zi, zo, a);
    const std::string r1 = general(pad.r1t / 2), r2 = general(pad.r2t / 2);
    const std::string r3p = general(single(pad.r3p / 2));
    setText(r1t_, r1);
    setText(r1ta_, r1);
    setText(r2t_, r2);
    setText(r2ta_, r2);
    setText(r3t_, general(pad.r3t));
    setText(r1p_, general(pad.r1p));
    setText(r2p_, general(pad.r2p));
    setText(r3p_, r3p);
    setText(r3pa_, r3p);
    setText(perdita_, "PERDITA D'INSERZIONE " + general(pads::halfUp2(lmin)) + " dB");
  }

  Input zi_, zo_, a_;
  Label r1t_, r1ta_, r2t_, r2ta_, r3t_, r1p_, r2p_, r3p_, r3pa_, perdita_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmretiaTePgrecobilanciate, RetiATePgrecoBilanciate)
