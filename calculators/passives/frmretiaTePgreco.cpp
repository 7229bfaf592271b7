// T and pi attenuators between two resistive impedances, unbalanced.
#include "framework/registry.h"
#include "pad_drawings.h"
#include "tpi_pads.h"

namespace vm {
namespace {

class RetiATePgreco final : public CalculatorOf<RetiATePgreco> {
 public:
  explicit RetiATePgreco(FormBuilder& b) : CalculatorOf(b) {
    b.caption("ATTENUATORI  E  ADATTATORI RESISTIVI");
    const std::string data = "inserire i dati";
    zi_ = b.input("txtZI").tooltip(data).label("lblZI", "IMPEDENZA D' INGRESSO in OHM");
    zo_ = b.input("txtZO").tooltip(data).label("lblZo", "IMPEDENZA D' USCITA in OHM");
    a_ = b.input("txtLD").tooltip(data).label("lblLD", "ATTENUAZIONE DESIDERATA in DB");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    Art t = b.drawing("drwreteT", pads::tNetwork(false));
    b.text("RETE a T").at(t, "title");
    r1t_ = b.result("lblR1T", "R1").at(t, "R1");
    r2t_ = b.result("lblR2T", "R2").at(t, "R2");
    r3t_ = b.result("lblR3T", "R3").at(t, "R3");
    Art p = b.drawing("drwreteP", pads::piNetwork(false));
    b.text("RETE a P GRECO").at(p, "title");
    r1p_ = b.result("lblR1P", "R1  ").at(p, "R1");
    r2p_ = b.result("lblR2P", "R2  ").at(p, "R2");
    r3p_ = b.result("lblR3P", "R3").at(p, "R3");
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
    const pads::TPiPad pad = pads::designTPi(zi, zo, a);
    const float r3p = single(pad.r3p);
    setText(r1t_, general(pad.r1t));
    setText(r2t_, general(pad.r2t));
    setText(r3t_, general(pad.r3t));
    setText(r1p_, general(pad.r1p));
    setText(r2p_, general(pad.r2p));
    setText(r3p_, general(r3p));
    setText(perdita_, "PERDITA D'INSERZIONE " + general(pads::halfUp2(lmin)) + " dB");
  }

  Input zi_, zo_, a_;
  Label r1t_, r2t_, r3t_, r1p_, r2p_, r3p_, perdita_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmretiaTePgreco, RetiATePgreco)
