// The J vertical with its base shorted: radiator, matching line, spacing and
// the height of the feed taps, recomputed on every keystroke.
#include <string>

#include "framework/registry.h"
#include "vertical_drawings.h"

namespace vm {
namespace {

class AntJinCorto final : public CalculatorOf<AntJinCorto> {
 public:
  explicit AntJinCorto(FormBuilder& b) : CalculatorOf(b) {
    b.caption("ANTENNA VERTICALE J  CON BASE IN CORTO CIRCUITO");
    freq_ = b.input("txtfrequenza")
                .label("lbltxtfrequenza", "INSERISCI LA FREQUENZA IN MHz.")
                .tooltip("separare i decimali con il punto");
    diameter_ = b.result("lbldiametro");
    Art art = b.drawing("drwJ", verticals::jAntenna(true));
    height_ = b.label("lblaltezza", "radiatore").at(art, "lblaltezza");
    line_ = b.label("lbllinea", "linea").at(art, "lbllinea");
    spacing_ = b.label("lbldist").at(art, "lbldist");
    tap_ = b.label("lbld1").at(art, "lbld1");
    b.text("coax 50 ohm").at(art, "coax");
    b.text("LE MISURE SONO OVVIAMENTE INDICATIVE (IN ECCESSO) PER IL MINIMO ROS SPOSTARE IL PUNTO DI ALIMENTAZIONE "
           "E AGIRE SULLA LUNGHEZZA DEGLI ELEMENTI");
    b.closeButton("cmdesci", "E S C I");
    b.live({freq_}, {height_, line_, spacing_, tap_, diameter_}, [this] { compute(); });
  }

 private:
  void compute() {
    const double f = number(freq_);
    std::string h = "0", l = "0", s = "0", t = "0";
    if (f != 0) {
      h = std::to_string(toInt16(22000 / f)) + " cm.";
      l = std::to_string(toInt16(7490 / f)) + "cm. ";
      // unlike the open-base window the spacing keeps its decimal
      s = fixed(460 / f, 1) + " cm.";
      t = general(roundFixed(740 / f, 1));
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
    setText(tap_, t);
    setText(diameter_, advice);
  }

  Input freq_;
  Label diameter_, height_, line_, spacing_, tap_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmantJincorto, AntJinCorto)
