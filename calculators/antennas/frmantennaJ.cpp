// The J vertical with open base: radiator, matching line and spacing,
// recomputed on every keystroke of the frequency.
#include <string>

#include "framework/registry.h"
#include "vertical_drawings.h"

namespace vm {
namespace {

class AntennaJ final : public CalculatorOf<AntennaJ> {
 public:
  explicit AntennaJ(FormBuilder& b) : CalculatorOf(b) {
    b.caption("ANTENNA VERTICALE J  CON BASE APERTA");
    freq_ = b.input("txtfrequenza")
                .label("lbltxtfrequenza", "INSERISCI LA FREQUENZA IN MHz.")
                .tooltip("separare i decimali con il punto");
    diameter_ = b.result("lbldiametro");
    Art art = b.drawing("drwJ", verticals::jAntenna(false));
    height_ = b.label("lblaltezza", "radiatore").at(art, "lblaltezza");
    line_ = b.label("lbllinea", "linea").at(art, "lbllinea");
    spacing_ = b.label("lbldist").at(art, "lbldist");
    b.text("coax 50 ohm").at(art, "coax");
    b.text("LE MISURE SONO OVVIAMENTE INDICATIVE (IN ECCESSO) PER IL MINIMO ROS SPOSTARE IL PUNTO DI ALIMENTAZIONE "
           "E AGIRE SULLA LUNGHEZZA DEGLI ELEMENTI");
    b.closeButton("cmdesci", "E S C I");
    b.live({freq_}, {height_, line_, spacing_, diameter_}, [this] { compute(); });
  }

 private:
  void compute() {
    const double f = number(freq_);
    std::string h = "0", l = "0", s = "0";
    if (f != 0) {
      h = std::to_string(toInt16(22000 / f)) + " cm.";
      l = std::to_string(toInt16(7490 / f)) + "cm. ";
      s = general(roundFixed(460 / f, 1)) + " cm.";
    }
    std::string advice;
    if (f > 435) advice = "FREQUENZA TROPPO ALTA PER QUESTO TIPO D'ANTENNA";
    else if (f > 300) advice = "IL DIAMETRO MEDIO DEGLI ELEMENTI PUO' ESSERE 10 mm.";
    else if (f > 90) advice = "IL DIAMETRO MEDIO DEGLI ELEMENTI PUO' ESSERE 10/15 mm.";
    else if (f >= 30) advice = "IL DIAMETRO MEDIO DEGLI ELEMENTI PUO' ESSERE 25 mm.";
    else advice = "FREQUENZA TROPPO BASSA PER QUESTO TIPO D'ANTENNA";
    setText(height_, h);
    setText(line_, l);
    setText(spacing_, s);
    setText(diameter_, advice);
  }

  Input freq_;
  Label diameter_, height_, line_, spacing_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmantennaJ, AntennaJ)
