// Single-band rectangular loop: perimeter, sides and the quarter-wave 75 ohm
// matching section for the velocity factor chosen, recomputed on every
// keystroke.
#include "framework/registry.h"

namespace vm {
namespace {

Drawing rectangleDrawing() {
  Drawing d(360, 340);
  // tall rectangle fed at the middle of a long side
  d.polyline({160, 30, 260, 30, 260, 290, 160, 290, 160, 166}, 2);
  d.line(160, 154, 160, 30, 2);
  d.circle(160, 154, 2, true).circle(160, 166, 2, true);
  d.symbol(Symbol::Dimension, 160, 14, 260, 14);
  d.symbol(Symbol::Dimension, 280, 30, 280, 290);
  d.symbol(Symbol::Coax, 160, 160, 100, 200);
  d.symbol(Symbol::Coax, 100, 200, 100, 320);
  d.circle(100, 200, 3, true);
  d.mark("corto", 210, 46);
  d.mark("lungo", 320, 160);
  d.mark("adattamento", 50, 230);
  d.mark("cavo75", 210, 190);
  d.mark("cavo50", 190, 320);
  return d;
}

class LoopRettangolare final : public CalculatorOf<LoopRettangolare> {
 public:
  explicit LoopRettangolare(FormBuilder& b) : CalculatorOf(b) {
    b.caption("ANTENNA  LOOP RETTANGOLARE MONOBANDA");
    b.frame("Frame1", " FATTORE DI VELOCITA' DEL CAVO ADATTATORE", [&] {
      factor_ = b.options("Option1", {"FATTORE DI VELOCITA' = 0.66", "FATTORE DI VELOCITA' = 0.8"}).opensOn(0)
                    .onClick([this](int i) { chooseFactor(i); });
    });
    freq_ = b.input("txtfrequenza")
                .label("lbltxtfrequenza", "FREQUENZA DI LAVORO IN MHz:")
                .tooltip("USARE IL PUNTO PER EVENTUALI DECIMALI");
    perimeter_ = b.result("lblper");
    Art art = b.drawing("drwloop", rectangleDrawing());
    short_ = b.result("lbll").hidden().at(art, "corto");
    long_ = b.result("lblh").hidden().at(art, "lungo");
    adapter_ = b.result("lbladatt", "ADATTAMENTO").at(art, "adattamento");
    b.text("CAVO 75 OHM").at(art, "cavo75");
    b.text("CAVO 50 OHM AL RxTx").at(art, "cavo50");
    b.text("LA POLARIZZAZIONE E'  ORIZZONTALE");
    note_ = b.label("lblimp",
                    "L'IMPEDENZA REALE DIPENDE DALLE DIMENSIONI, DAI MATERIALI USATI E DALL'ALTEZZA DAL SUOLO. IN "
                    "SEDE DI TARATURA OCCORRERA' MODIFICALE LE DIMENSIONI DEL RETTANGOLO,  IN PARTICOLARE QUELLE DEI "
                    "LATI CORTI. UTILE E' ANCHE  L' INSERIMENTO DI UN BALUN 1 : 1 NEL PUNTO DI ALIMENTAZIONE.");
    b.closeButton("cmdesci", "E S C I");
    b.live({freq_}, {perimeter_, short_, note_, long_, adapter_}, [this] { compute(); }, true);
  }

 private:
  void chooseFactor(int i) {
    hide({perimeter_, short_, note_, long_, adapter_});
    setText(freq_, "");
    vf_ = i == 0 ? 0.66 : 0.8;
    focus(freq_);
  }

  void compute() {
    const double f = number(freq_);
    if (!(f > 0)) {
      hide({perimeter_, short_, note_, long_, adapter_});
      return;
    }
    const double lambda = 300 / f;
    const double p = lambda;
    const double adapter = vf_ * lambda / 4;
    const std::string perimeter = "IL PERIMETRO MISURA " + fixed(p, 2) + " mt.";
    const std::string shortSide = fixed(p / 8, 2) + " mt.";
    const std::string longSide = fixed(3 * p / 8, 2) + " mt.";
    const std::string adapt = fixed(adapter, 2) + " mt.";
    setText(perimeter_, perimeter);
    setText(short_, shortSide);
    setText(long_, longSide);
    setText(adapter_, adapt);
    show({perimeter_, short_, long_, adapter_, note_});
  }

  Options factor_;
  Input freq_;
  Label perimeter_, short_, long_, adapter_, note_;
  double vf_ = 0;  // set by the option chosen on opening
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmlooprettangolare, LoopRettangolare)
