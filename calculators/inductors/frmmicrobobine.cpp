// Small spaced VHF air coil: turns from inductance, or inductance from turns,
// by an empirical formula that takes the spacing of the turns into account.
#include <cmath>
#include <tuple>

#include "framework/registry.h"
#include "coil_drawings.h"

namespace vm {
namespace {

class MicroBobine final : public CalculatorOf<MicroBobine> {
 public:
  explicit MicroBobine(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CALCOLO BOBINE   V H F   DI PICCOLE DIMENSIONI IN ARIA");
    b.frame("Frame1", "", [&] {
      mode_ = b.options("Option1", {"Trovare il numero delle spire", "Trovare il valore dell'Induttanza"}).opensOn(0)
                  .onClick([this](int i) { chooseMode(i); });
    });
    std::tie(input_, lblInput_) = b.input("txtinput").label("lblinput", "").handles();
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
    lblD_ = b.label("lbld", " D ").at(coil, "lbld");
    lblS_ = b.label("lbls", "Sp").at(coil, "lbls");
    b.button("cmdaprebobineHF", "COSTRUZIONE  BOBINE HF").onClick([this] { openCompanion("frmbobine"); });
    b.button("cmdchiamaawg", "CONVERSIONI AWG").onClick([this] {
      openBeside("frmawg", {.selfLeft = 180, .selfTop = 180, .left = 4100, .top = 3000});
    });
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
    const double d = number(coilDiameter_);
    const double dw = number(wireDiameter_);
    const double x = number(input_);
    const double s = number(spacing_);
    if (!productTest({x, d, dw, s}, Product::EachPositive, input_)) return;
    // dimensions in inches: the winding pitch and the diameter over the wire
    const double pitch = (s + dw) / 25.4;
    const double over = (d + dw) / 25.4;
    double turns;
    std::string out;
    if (isSelected(mode_, 0)) {
      // the turns are rounded before the lengths are derived from them
      turns = roundFixed(std::pow(1000 * x * std::pow(pitch, 0.7) / (17 * std::pow(over, 1.7)), 1 / 1.3), 2);
      out = fixed(turns, 2) + " spire in aria ";
    } else if (isSelected(mode_, 1)) {
      turns = x;
      const double lh = 17 * std::pow(x, 1.3) * std::pow(over, 1.7) / (1000 * std::pow(pitch, 0.7));
      const double inductance = roundFixed(lh, 6);
      out = inductance > 1 ? "µHenry :   " + fixed(lh, 6) : "nano Henry :   " + general(1000 * inductance);
    } else {
      return;
    }
    const double coil = roundFixed(turns * (s + dw) - s, 1);
    const std::string coilText = "lunghezza della bobina : " + general(coil) + " mm";
    const std::string wire = "lunghezza del conduttore : " + fixed(turns * 3.14 * d / 10, 2) + " cm.";
    const std::string sText = general(s) + " mm", dText = general(d) + " mm ";
    setText(out_, out);
    setText(coilLength_, coilText);
    setText(wire_, wire);
    setText(lblS_, sText);
    setText(lblD_, dText);
    show({out_, coilLength_, wire_});
  }

  Options mode_;
  Input input_, coilDiameter_, wireDiameter_, spacing_;
  Label lblInput_, out_, coilLength_, wire_, lblD_, lblS_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmmicrobobine, MicroBobine)
