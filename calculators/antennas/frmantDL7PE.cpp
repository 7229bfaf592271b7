// The short HF vertical of about 47 metres by frequency: a short radiator,
// the coil that resonates its capacitance, and a coax counterpoise.
#include <cmath>

#include "framework/registry.h"
#include "loaded_drawings.h"

namespace vm {
namespace {

class AntDL7PE final : public CalculatorOf<AntDL7PE> {
 public:
  explicit AntDL7PE(FormBuilder& b) : CalculatorOf(b) {
    b.caption("ANTENNA TIPO DL7PE   Micro Vert");
    freq_ = b.input("txtfrequenza").label("lbltxtfrequenza", "FREQUENZA IN MHz");
    radiator_ = b.input("txtd").label("lbltxtd", "DIAMETRO DEL RADIATORE IN mm");
    former_ = b.input("txtdiambobina").label("lbltxtdiambobina", "DIAMETRO DELLA BOBINA IN mm");
    coilLength_ = b.input("txtlungbobina").label("lbltxtlungbobina", "LUNGHEZZA DELLA BOBINA IN mm");
    b.text("SEPARARE GLI EVENTUALI DECIMALI CON IL PUNTO");
    b.computeButton("cmccalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    length_ = b.result("lbllung");
    capacity_ = b.result("lblc");
    inductance_ = b.result("lbll");
    turns_ = b.result("lblspire");
    wire_ = b.result("lbllunghezzafilo");
    counterpoise_ = b.result("lbllungcontrapp");
    frame_ = b.frame("Frame1", "", [&] {
      Art art = b.drawing("drwverticale", loaded::microVertical());
      radiatorMark_ = b.result("lbllung1", "radiatore").at(art, "lung1");
      coilMark_ = b.result("lbldd", "bobina").at(art, "dd");
      b.text("CHOKE").at(art, "choke");
      b.text("COAX CONTRAPPESO").at(art, "contrappeso");
      b.text("al  RXTX").at(art, "rxtx");
    }).hidden();
    b.onTyping({freq_, radiator_, former_, coilLength_}, Typing::Hide, {frame_});
  }

 private:
  void compute() {
    const double f = number(freq_);
    const double d = number(radiator_);
    const double db = number(former_);
    const double lb = number(coilLength_);
    if (!productTest({lb, db, f, d}, Product::NotPositive, freq_)) return;
    const double l = 4700 / f / 1000;
    const double c = roundFixed(finite(19.1 * l / std::log10(0.575 * l / (d / 1000))), 2);
    const double ind = roundFixed(finite(25330 / (c * f * f)), 2);
    const std::string counterpoise = fixed(58 / f, 2);
    const std::string radiatorCm = fixed(100 * l, 1);
    // the wire is reckoned from the turns as shown
    const double n = roundFixed(finite(std::sqrt(1010 * ind * (0.45 + lb / db) / db)), 1);
    const std::string wire = fixed(lb / n);
    setText(length_, "LA LUNGHEZZA DEL RADIATORE E' " + radiatorCm + " cm");
    setText(capacity_, "LA CAPACITA' DEL RADIATORE E'  " + fixed(c, 2) + " pF");
    setText(inductance_, "L'INDUTTANZA RICHIESTA E' " + fixed(ind, 2) + " microHenry");
    setText(counterpoise_, "LA LUNGHEZZA DEL COAX USATO COME CONTRAPPESO E' mt  " + counterpoise +
                               " E DEVE ESSERE TERMINATO CON UN BALUN CHOKE");
    setText(turns_, "LA BOBINA E' DI n. " + fixed(n, 1) + " SPIRE - MASSIMA SEZIONE FILO mm. " + wire);
    setText(wire_, "PER LA BOBINA OCCORRONO " + general(Int(n * 3.14 * db / 10)) + " cm. DI FILO");
    setText(radiatorMark_, radiatorCm + " cm");
    setText(coilMark_, general(lb) + " mm");
    show(frame_);
  }

  Input freq_, radiator_, former_, coilLength_;
  Label length_, capacity_, inductance_, turns_, wire_, counterpoise_, radiatorMark_, coilMark_;
  Frame frame_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmantDL7PE, AntDL7PE)
