// The slim jim: a folded half wave over a quarter-wave stub, open by a gap;
// lengths, spacing, feed point and gap on every keystroke of the frequency.
#include <string>

#include "framework/registry.h"
#include "vertical_drawings.h"

namespace vm {
namespace {

class AntennaGap final : public CalculatorOf<AntennaGap> {
 public:
  explicit AntennaGap(FormBuilder& b) : CalculatorOf(b) {
    b.caption("ANTENNA VERTICALE  TIPO GAP   CHIAMATA ANCHE \" SLIM JIM \"");
    b.text("ANTENNA PER VHF SIMILE ALLA \" J \" CON UN BASSO ANGOLO DI RADIAZIONE.       NIENTE RADIALI NE' "
           "COLLEGAMENTO A TERRA");
    freq_ = b.input("txtfrequenza")
                .label("lbltxtfrequenza", "FREQUENZA IN MHz.")
                .tooltip("separare i decimali con il punto");
    diameter_ = b.result("lbldiametro");
    Art art = b.drawing("drwgap", verticals::slimJim());
    height_ = b.label("lblaltezza", "radiatore").at(art, "lblaltezza");
    line_ = b.label("lbllinea", "linea").at(art, "lbllinea");
    spacing_ = b.label("lbldist").at(art, "lbldist");
    feed_ = b.label("lblalim", "alim").at(art, "lblalim");
    gap_ = b.label("lblgap", "fessura").at(art, "lblgap");
    b.text("LA SPAZIATURA NON E'  CRITICA .   LUNGHEZZA SPAZIATURA E GAP INTERAGISCONO TRA LORO E CONDIZIONANO LA  "
           "DISTANZA  DEL PUNTO DI ALIMENTAZIONE CHE DOVRA' ESSERE TROVATA PER TENTATIVI PER IL MINIMO ROS.");
    b.text("COLLEGARE IL CENTRALE DEL CAVO DA 50 OHM AL RADIATORE E LA CALZA ALLO STUB. OCCORRE ATTORNO UNO SPAZIO "
           "LIBERO DI ALMENO 1/4 LAMBDA.");
    b.closeButton("cmdesci", "E S C I");
    b.live({freq_}, {height_, line_, spacing_, feed_, gap_, diameter_}, [this] { compute(); });
  }

 private:
  void compute() {
    const double f = number(freq_);
    std::string h = "0", l = "0", s = "0", a = "0", g = "0";
    if (f != 0) {
      // shorter than the J: the folded radiator is cut at 21800 / f
      h = std::to_string(toInt16(21800 / f)) + " cm.";
      l = std::to_string(toInt16(7200 / f)) + "cm. ";
      s = fixed(650 / f, 1) + " cm.";
      a = fixed(1500 / f, 1);
      g = general(roundFixed(300 / f, 1)) + " cm.";
    }
    std::string advice;
    if (f > 435) advice = "FREQUENZA TROPPO ALTA PER QUESTO TIPO D'ANTENNA";
    else if (f > 300) advice = "IL DIAMETRO MEDIO DEGLI ELEMENTI PUO' ESSERE 10 mm.";
    else if (f > 90) advice = "IL DIAMETRO MEDIO DEGLI ELEMENTI PUO' ESSERE 10/15 mm.";
    else if (f >= 27) advice = "IL DIAMETRO MEDIO DEGLI ELEMENTI PUO' ESSERE 25 mm.";  // 30 in the J windows
    else advice = "FREQUENZA TROPPO BASSA PER QUESTO TIPO D'ANTENNA";
    setText(height_, h);
    setText(line_, l);
    setText(spacing_, s);
    setText(feed_, a);
    setText(gap_, g);
    setText(diameter_, advice);
  }

  Input freq_;
  Label diameter_, height_, line_, spacing_, feed_, gap_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmantennagap, AntennaGap)
