// The series resistor of a LED, live on every change of the supply voltage,
// for a LED current of 10 mA.
#include "framework/registry.h"
#include "supply_drawings.h"

namespace vm {
namespace {

struct LedColour {
  double volts;
  const char* note;
  const char* minimum;
};

const LedColour kLeds[] = {
    {1.8, "LA TENSIONE DA APPLICARE AI DIODI ROSSI E' 1,8 VOLT.", "ALIMENTAZIONE MINIMA 1,8 VOLT "},
    {2, "LA TENSIONE DA APPLICARE AI DIODI VERDI E' 2 VOLT.", "ALIMENTAZIONE MINIMA 2 VOLT "},
    {1.9, "LA TENSIONE DA APPLICARE AI DIODI GIALLI E' 1,9 VOLT.", "ALIMENTAZIONE MINIMA 1,9 VOLT "},
    {2, "LA TENSIONE DA APPLICARE AI DIODI ARANCIO E' 2 VOLT.", "ALIMENTAZIONE MINIMA 2 VOLT "},
    {3, "LA TENSIONE DA APPLICARE AI DIODI BLU E' 3 VOLT.", "ALIMENTAZIONE MINIMA 3 VOLT "},
    {3, "LA TENSIONE DA APPLICARE AI DIODI BIANCHI E' 3 VOLT.", "ALIMENTAZIONE MINIMA 3 VOLT "},
};

class Led final : public CalculatorOf<Led> {
 public:
  explicit Led(FormBuilder& b) : CalculatorOf(b) {
    b.caption("ALIMENTAZIONE DIODI LED");
    b.frame("Frame1", " Seleziona il tipo di led ", [&] {
      b.options("Option1", {"LED ROSSO", "LED VERDE", "LED GIALLO", "LED ARANCIO", "LED BLU", "LED BIANCO"}).opensOn(0)
          .onClick([this](int i) { chooseLed(i); });
    });
    supply_ = b.input("txttensione").tooltip("Inserire il valore della tensione");
    note_ = b.result("lblled");
    minimum_ = b.result("lblvoltled");
    Art drw = b.drawing("drwled", supplies::ledSeries());
    lblSupply_ = b.result("lbltensione").at(drw, "supply");
    lblOhm_ = b.result("lblohm", "?").at(drw, "ohm");
    b.closeButton("cmdesci", "E S C I");
    b.label("Label1",
            "CALCOLO  DEL VALORE DELLA RESISTENZA LIMITATRICE DA PORRE  IN  SERIE ALLA TENSIONE DI ALIMENTAZIONE   "
            "-   UTILIZZARE IL VALORE STANDARD PIU' PROSSIMO");
    b.label("Label3",
            "LA TENSIONE DI ALIMENTAZIONE NORMALMENTE SI AGGIRA SUI 12 - 15 Volt  MA SE VOLETE ESAGERARE IL "
            "PROGRAMMA ACCETTA FINO A  100.000  Volt  ! ! ! !");
    b.live({supply_}, {lblSupply_, lblOhm_}, [this] { compute(); }, true);
  }

 private:
  void chooseLed(int i) {
    // emptying the supply hides the results through its own reaction
    setText(supply_, {});
    vled_ = kLeds[i].volts;
    setText(note_, kLeds[i].note);
    setText(minimum_, kLeds[i].minimum);
  }

  void compute() {
    if (text(supply_).empty()) {
      hide({lblSupply_, lblOhm_});
      return;
    }
    double vs = number(supply_);
    if (vs > 100000) vs = 100000;
    // a supply not above the LED voltage has no series resistor: nothing to show
    if (!(vs > vled_)) {
      hide({lblSupply_, lblOhm_});
      return;
    }
    const float r = single(roundPattern((vs - vled_) / 0.01, "#0.##"));
    const std::string supply = general(vs) + " V.", ohms = "ohm " + general(r);
    setText(lblSupply_, supply);
    setText(lblOhm_, ohms);
    show({lblSupply_, lblOhm_});
  }

  Input supply_;
  Label note_, minimum_, lblSupply_, lblOhm_;
  double vled_ = 1.8;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmled, Led)
