// HF single-layer air coil by Wheeler's formula: turns from inductance, or
// inductance from turns, for a coil of given diameter and length.
#include <cmath>
#include <tuple>

#include "framework/registry.h"
#include "coil_drawings.h"

namespace vm {
namespace {

class Bobine final : public CalculatorOf<Bobine> {
 public:
  explicit Bobine(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CALCOLO BOBINE  HF  MONOSTRATO IN ARIA      FORMULA DI WHEELER - BENZ");
    b.frame("Frame1", "", [&] {
      mode_ = b.options("Option1", {"Trovare il numero delle spire", "Trovare il valore dell'Induttanza"}).opensOn(0)
                  .onClick([this](int i) { chooseMode(i); });
    });
    std::tie(input_, lblInput_) = b.input("txtinput").label("lblinput", "").handles();
    diameter_ = b.input("txtdiametro")
                    .tooltip("diametro del supporto")
                    .label("lbldiametro", "diametro interno bobina in millimetri")
                    .labelTooltip("calcolato al centro spira");
    length_ = b.input("txtlunghezza")
                  .tooltip("digitare un dato compatibile con la sezione del filo")
                  .label("lbllunghezza", "lunghezza bobina  in millimetri");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E X I T");
    out_ = b.result("lbloutput").hidden();
    wire_ = b.result("lbllunghezzafilo").hidden();
    Art coil = b.drawing("drwbobina", coils::solenoid());
    lblL_ = b.label("lbll", "L").at(coil, "lbll");
    lblD_ = b.label("lbld", " D ").at(coil, "lbld");
    b.button("cmdaprevhf", "per bobine VHF clicca qui   \"Costr.Bobine VHF \"").onClick([this] {
      openCompanion("frmmicrobobine");
    });
    b.button("cmdchiamaawg", "CONVERSIONI AWG").onClick([this] {
      openBeside("frmawg", {.selfLeft = 180, .selfTop = 180, .left = 4100, .top = 3000});
    });
    b.text("Le bobine si intendono monostrato senza schermo e senza nucleo. I valori ottenuti sono teorici e si "
           "discosteranno sempre di più da quelli reali con l'aumentare della frequenza, in particolare oltre i "
           "30/40 MHz.");
    b.text("La formula adottata è quella di Wheeler- Benz proposta dal \"The Radio Amateur's Hand Book ARRL\" , è "
           "indipendente dal diametro del filo e per bobine in aria non molto lunghe (L>=0.4d) l'errore è minimo");
    b.text("La lungh. della bobina è fissata a priori per cui il diametro del filo dovrà essere compatibile con il "
           "numero delle spire ottenuto.  E' preferibile partire dalla lunghezza della bobina (Handbook) e non "
           "dalla sez. del filo perchè così è anche più comodo realizzare bobine spaziate");
    b.text("SEPARARE GLI EVENTUALI DECIMALI CON IL PUNTO");
    b.text("ALCUNI AUTORI AFFERMANO CHE IL RAPPORTO OTTIMALE DI \"Q\" SI OTTIENE CON D = 2 L,  ALTRI CON D = L");
    b.onTyping({diameter_, input_, length_}, Typing::Hide, {out_, wire_}, [this] { resetDrawing(); });
  }

 private:
  void resetDrawing() {
    setText(lblL_, "L");
    setText(lblD_, " D ");
  }

  void chooseMode(int i) {
    hide({out_, wire_});
    resetDrawing();
    setText(lblInput_, i == 0 ? "induttanza in µH :" : "numero di spire :");
  }

  void compute() {
    const double d = number(diameter_);
    const double lc = number(length_);
    const double x = number(input_);
    if (!productTest({d, lc, x}, Product::EachPositive, input_)) return;
    std::string out, wire;
    if (isSelected(mode_, 0)) {
      // the turns are rounded before the wire diameter is derived from them
      const double turns = roundFixed(std::sqrt((0.45 + lc / d) * 1000 * x / d), 1);
      const double wmax = roundDefault(lc / turns);
      out = fixed(turns, 1) + " spire in aria, filo con diametro massimo di mm. " + general(wmax);
      wire = "lunghezza del conduttore : " + general(Int(turns * 3.14 * d / 10)) + " cm.";
    } else if (isSelected(mode_, 1)) {
      const double lh = d * x * x / ((0.45 + lc / d) * 1000);
      const double wmax = roundDefault(lc / x);
      out = "µHenry :   " + fixed(lh, 2);
      wire = "lunghezza del conduttore " + general(Int(x * 3.14 * d / 10)) + " cm. con diametro max mm. " +
             general(wmax);
    } else {
      return;
    }
    const std::string l = general(lc) + " mm", dText = general(d) + " mm ";
    setText(out_, out);
    setText(wire_, wire);
    setText(lblL_, l);
    setText(lblD_, dText);
    show({out_, wire_});
  }

  Options mode_;
  Input input_, diameter_, length_;
  Label lblInput_, out_, wire_, lblL_, lblD_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmbobine, Bobine)
