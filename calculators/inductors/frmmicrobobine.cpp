// Small spaced VHF air coil: turns from inductance, or inductance from turns,
// by an empirical formula that takes the spacing of the turns into account.
#include <cmath>

#include "calculators/inductors/inductors.h"
#include "coil_drawings.h"

namespace vm {
namespace {

class MicroBobine final : public CalculatorOf<MicroBobine> {
 public:
  explicit MicroBobine(FormBuilder& b) {
    b.window("frmmicrobobine", "CALCOLO BOBINE   V H F   DI PICCOLE DIMENSIONI IN ARIA");
    b.frame("Frame1", "", [&] {
      mode_ = b.options("Option1", {"Trovare il numero delle spire", "Trovare il valore dell'Induttanza"})
                  .onClick([this](int i) { chooseMode(i); });
    });
    auto input = b.input("txtinput").label("lblinput", "");
    input_ = input;
    lblInput_ = input.caption();
    coilDiameter_ = b.input("txtdiametrobobina")
                        .tooltip("diametro del supporto")
                        .label("lbldiametrobobina", "diametro bobina in millimetri  (D)")
                        .labelTooltip("calcolato al centro spira");
    wireDiameter_ = b.input("txtdiametrofilo")
                        .tooltip("digitare un dato compatibile con la sezione del filo")
                        .label("lbldiametrofilo", "diametro filo in millimetri");
    spacing_ = b.input("txtspazio").label("lblspazio", "spazio spira/spira in millimetri  (Sp)");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E X I T");
    out_ = b.result("lbloutput");
    coilLength_ = b.result("lbllungbobina");
    wire_ = b.result("lbllunghezzafilo");
    Art coil = b.drawing("drwbobina", coils::spacedSolenoid());
    lblD_ = b.label("lbld", " D ").at(coil, 280, 80);
    lblS_ = b.label("lbls", "Sp").at(coil, 138, 8);
    b.button("cmdaprebobineHF", "COSTRUZIONE  BOBINE HF").onClick([this] { openCompanion("frmbobine"); });
    b.button("cmdchiamaawg", "CONVERSIONI AWG").onClick([this] { openBeside("frmawg", 180, 180, 4100, 3000); });
    b.text("Le bobine si intendono monostrato senza schermo e senza nucleo. I valori ottenuti sono teorici e sono "
           "stati ottimizzati per induttanze di piccolo valore dell'ordine di pochi micro Henry");
    b.text("In alta frequenza, per ridurre la capacità parassita, le spire delle bobine vengono di solito spaziate. "
           "La formula utilizzata tiene particolare conto di questa spaziatura");
    b.text("Per bobine in bande decametriche HF può risultare più pratico utilizzare l'altra scheda \"costr. bobine "
           "per HF \"");
    b.text("SEPARARE GLI EVENTUALI DECIMALI CON IL PUNTO");
    // the coil diameter puts a capital S on the spacing label, the other
    // inputs put back "Sp"
    b.onTyping({coilDiameter_}, Typing::Hide, {out_, coilLength_, wire_}, [this] { resetDrawing("S"); });
    b.onTyping({input_, wireDiameter_, spacing_}, Typing::Hide, {out_, coilLength_, wire_},
               [this] { resetDrawing("Sp"); });
  }

 private:
  void resetDrawing(const char* spacing) {
    setText(lblS_, spacing);
    setText(lblD_, " D ");
  }

  void chooseMode(int i) {
    hide({out_, coilLength_, wire_});
    resetDrawing("sp");
    setText(lblInput_, i == 0 ? "induttanza in µH :" : "numero di spire :");
  }

  void compute() {
    d_ = number(coilDiameter_);
    dw_ = number(wireDiameter_);
    x_ = number(input_);
    s_ = number(spacing_);
    if (!productTest({x_, d_, dw_, s_}, Product::EachPositive, input_)) return;
    // dimensions in inches: the winding pitch and the diameter over the wire
    const double pitch = (s_ + dw_) / 25.4;
    const double over = (d_ + dw_) / 25.4;
    if (isSelected(mode_, 0)) {
      // the turns are rounded before the lengths are derived from them
      turns_ = roundFixed(std::pow(1000 * x_ * std::pow(pitch, 0.7) / (17 * std::pow(over, 1.7)), 1 / 1.3), 2);
      setText(out_, fixed(turns_, 2) + " spire in aria ");
    } else if (isSelected(mode_, 1)) {
      turns_ = x_;
      double lh = 17 * std::pow(x_, 1.3) * std::pow(over, 1.7) / (1000 * std::pow(pitch, 0.7));
      inductance_ = roundFixed(lh, 6);
      if (inductance_ > 1) {
        setText(out_, "µHenry :   " + fixed(lh, 6));
      } else {
        setText(out_, "nano Henry :   " + general(1000 * inductance_));
      }
    } else {
      return;
    }
    coil_ = roundFixed(turns_ * (s_ + dw_) - s_, 1);
    setText(coilLength_, "lunghezza della bobina : " + general(coil_) + " mm");
    setText(wire_, "lunghezza del conduttore : " + fixed(turns_ * 3.14 * d_ / 10, 2) + " cm.");
    setText(lblS_, general(s_) + " mm");
    setText(lblD_, general(d_) + " mm ");
    show({out_, coilLength_, wire_});
  }

  Options mode_;
  Input input_, coilDiameter_, wireDiameter_, spacing_;
  Label lblInput_, out_, coilLength_, wire_, lblD_, lblS_;
  double d_ = 0, dw_ = 0, x_ = 0, s_ = 0, turns_ = 0, inductance_ = 0, coil_ = 0;
};

}  // namespace

CalculatorEntry microbobineEntry() { return entry<MicroBobine>("frmmicrobobine"); }

}  // namespace vm
