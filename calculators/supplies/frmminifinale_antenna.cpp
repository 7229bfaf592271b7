// Coupling of a QRP final stage (below 1.5 W) to a 50-ohm coaxial cable:
// the coil and the two trimmers follow the frequency as it is typed.
#include "framework/registry.h"
#include "stage_drawings.h"

namespace vm {
namespace {

class MiniFinaleAntenna final : public CalculatorOf<MiniFinaleAntenna> {
 public:
  explicit MiniFinaleAntenna(FormBuilder& b) : CalculatorOf(b) {
    b.caption("COLLEGAMENTO DI UNO STADIO FINALE DI POTENZA INFERIORE A 1,5  WATT AD UN CAVO COASSIALE");
    freq_ = b.input("txtfrequenza").label("Label6", "FREQUENZA IN MHz :");
    b.closeButton("cmdesci", "E S C I");
    b.button("cmdchiamabobine", "Costruzione bobine").onClick([this] {
      openBeside("frmbobine", {.selfLeft = 400, .selfTop = 300, .left = 4100, .top = 2800});
    });
    b.label("Label3",
            "IN UN TRANSISTOR DI PICCOLA POTENZA L'IMPEDENZA DEL COLLETTORE E' NORMALMENTE SUPERIORE A 50 OHM");
    b.label("Label2",
            "I CALCOLI SI BASANO SULLE CARATTERISTICHE MEDIE DI TRANSISTORS DI PICCOLA POTENZA,  PERTANTO LE "
            "RISULTANZE SONO NECESSARIAMENTE INDICATIVE. SI ADOTTERANNO COMPENSATORI CON CAPACITA' MAX SUPERIORE "
            "DI ALMENO IL 40 %");
    Art drw = b.drawing("drwcollegamento", stages::coupling(stages::Source::Transistor, stages::Load::Coax));
    b.label("Label1", "coax 50 ohm").at(drw, "load");
    b.label("Label5", "+ Vcc").at(drw, "vcc");
    b.label("Label9", "presa 1/3 spire lato freddo").at(drw, "note1");
    b.label("Label10", "stesso nr.spire bobina oscill.").at(drw, "note2");
    coil_ = b.result("lblbobina", "bobina").at(drw, "coil");
    c1_ = b.result("lblc1", "C 1").at(drw, "c1");
    c2_ = b.result("lblc2", "C 2").at(drw, "c2");
    b.live({freq_}, {coil_, c1_, c2_}, [this] { compute(); });
  }

 private:
  // No value is checked: no frequency gives zeros, a negative one negative
  // values.
  void compute() {
    f_ = number(freq_);
    c1v_ = c2v_ = l_ = 0;
    if (f_ != 0) {
      c1v_ = 1e6 / (f_ * 1193.2);
      c2v_ = 2 * c1v_;
      l_ = 80 / (f_ * 6.28);
    }
    const std::string coil = fixed(l_, 3) + " uH", c1 = fixed(c1v_) + " pF", c2 = fixed(c2v_) + " pF";
    setText(coil_, coil);
    setText(c1_, c1);
    setText(c2_, c2);
  }

  Input freq_;
  Label coil_, c1_, c2_;
  double f_ = 0, c1v_ = 0, c2v_ = 0, l_ = 0;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmminifinale_antenna, MiniFinaleAntenna)
