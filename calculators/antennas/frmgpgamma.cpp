// Ground plane with gamma match and grounded base: radiator, radials, gamma
// rod, its spacing and the series capacitor, on every keystroke.
#include <string>

#include "framework/registry.h"
#include "vertical_drawings.h"

namespace vm {
namespace {

class GpGamma final : public CalculatorOf<GpGamma> {
 public:
  explicit GpGamma(FormBuilder& b) : CalculatorOf(b) {
    b.caption("GROUD PLANE CON GAMMA MATCH E BASE A TERRA");
    freq_ = b.input("txtf")
                .label("lbltxtf", "FREQUENZA in MHz : ")
                .labelTooltip("da 1.5 a 500 MHz")
                .tooltip("separare i decimali con il punto del tastierino");
    whip_ = b.result("lblstilo");
    radials_ = b.result("lblradiali");
    gamma_ = b.result("lblgamma");
    spacing_ = b.result("lbldistanza");
    capacitor_ = b.result("lblvariabile");
    note_ = b.label("lbletichetta",
                    "IL GAMMA E' COSTITUITO DA UN TUBO DI 12 mm   IL VARIABILE PUO' ESSERE REALIZZATO CON CAVO "
                    "COASSIALE SENZA CALZA INSERITO NEL TUBO PER UNA LUNGHEZZA OPPORTUNA")
                .hidden();
    Art art = b.drawing("drwgp", verticals::gammaGroundPlane());
    b.text("radiatore").tooltip("aggiustare la lunghezza in fase di taratura").at(art, "radiatore");
    b.text("gamma").tooltip("aggiustare la lunghezza in fase di taratura").at(art, "gamma");
    b.text("ponticello").tooltip("individuare spirimentalmente la posizione").at(art, "ponticello");
    b.text("massa").tooltip("radiatore e radiali sono a massa con la calza").at(art, "massa");
    b.text("radiali").tooltip("occorrono non meno di 4 radiali").at(art, "radiali");
    b.text("cond.  variabile").at(art, "variabile");
    b.closeButton("cmdesci", "E S C I");
    b.live({freq_}, {whip_, radials_, gamma_, spacing_, capacitor_}, [this] { compute(); });
  }

 private:
  void compute() {
    const double f = number(freq_);
    if (f <= 1 || f > 1000) {
      focus(freq_);
      blank({whip_, radials_, gamma_, spacing_, capacitor_});
      return;
    }
    int s = 15, c = 100;
    if (f > 140) s = 5, c = 30;
    else if (f > 50) s = 8, c = 35;
    else if (f > 20) s = 10, c = 50;
    const std::string tw = general(Int(7210 / f)), tr = general(Int(7300 / f)), tg = general(Int(3450 / f));
    setText(whip_, "LO STILO VERTICALE E' LUNGO cm. : " + tw);
    setText(radials_, "OGNI RADIALE E' LUNGO cm. : " + tr);
    setText(gamma_, "IL GAMMA-MATCH E' LUNGO cm. : " + tg);
    setText(spacing_, "IL GAMMA - MATCH E'  DISTANTE cm. : " + std::to_string(s));
    setText(capacitor_, "IL CONDENSATORE VARIABILE E ' pF : " + std::to_string(c));
    show(note_);
  }

  Input freq_;
  Label whip_, radials_, gamma_, spacing_, capacitor_, note_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmgpgamma, GpGamma)
