// Three-element Yagi: element lengths and spacings from the frequency,
// recomputed on every keystroke.
#include "beam_drawings.h"
#include "framework/registry.h"

namespace vm {
namespace {

class Yagi3 final : public CalculatorOf<Yagi3> {
 public:
  explicit Yagi3(FormBuilder& b) : CalculatorOf(b) {
    b.caption("YAGI  3 ELEMENTI    DA  27 A 50 MHz         guadagno 6 - 7 dB rispetto al dipolo");
    freq_ = b.input("txtfrequenza").label("lbltxtfrequenza", "FREQUENZA in MHz").tooltip("DA 27 A 50 MHz");
    frame_ = b.frame("Frame1", "", [&] {
                reflector_ = b.result("lblriflettore");
                radiator_ = b.result("lblradiatore");
                director_ = b.result("lbldirettore");
              }).hidden();
    Art art = b.drawing("drwyagi", beams::yagi({78, 74, 70}, {140, 70}));
    b.text("RIFLETTORE").at(art, "heading0");
    b.text("RADIATORE").at(art, "heading1");
    b.text("DIRETTORE").at(art, "heading2");
    spaceReflector_ = b.result("lblspazriflettore").hidden().at(art, "spacing0");
    spaceDirector_ = b.result("lblspazdirettore").hidden().at(art, "spacing1");
    b.text("TUTTI GLI ELEMENTI SONO A MASSA NEL PUNTO CENTRALE . E'  STATA ADOTTATA UNA SPAZIATURA DI "
           "RISPETTIVAMENTE  0.2  E  0.1  LAMBDA   L'IMPEDENZA E'  CIRCA  15 OHM  QUINDI OCCORRE UN ADATTATORE DEL "
           "TIPO A GAMMA MATCH. VOLENDO  ALIMENTARE L'ANTENNA CON BALUN 4:1 E HAIRPIN IL RADIATORE DEVE ESSERE "
           "COSTITUITO DA DUE SEMIDIPOLI  ISOLATI DAL BOOM E LEGGERMENTE ACCORCIATI");
    b.button("cmdgamma", "GAMMA MATCH").onClick([this] {
      openBeside("frmgammamatch", {.selfLeft = 350, .selfTop = 350, .left = 8000, .top = 8000});
    });
    b.closeButton("cmdesci", "C H I U D I");
    b.live({freq_}, {frame_, spaceReflector_, spaceDirector_}, [this] { compute(); }, true);
  }

 private:
  void compute() {
    const double f = number(freq_);
    if (!(f > 0)) {
      hide({frame_, spaceReflector_, spaceDirector_});
      return;
    }
    const std::string reflector = fixed(14850 / f, 0);
    const std::string radiator = fixed(14100 / f, 0);
    const std::string director = fixed(13400 / f, 0);
    const std::string spaceReflector = fixed(0.2 * 30000 / f, 0);
    // the last spacing is shown as a plain rounded number, without grouping
    const std::string spaceDirector = general(roundFixed(0.1 * 30000 / f, 0));
    setText(reflector_, "IL RIFLETTORE E' LUNGO  " + reflector + " cm.");
    setText(radiator_, "IL RADIATORE E' LUNGO  " + radiator + " cm.");
    setText(director_, "IL DIRETTORE E' LUNGO  " + director + " cm.");
    setText(spaceReflector_, spaceReflector + " cm.");
    setText(spaceDirector_, spaceDirector + " cm.");
    show({frame_, spaceReflector_, spaceDirector_});
  }

  Input freq_;
  Frame frame_;
  Label reflector_, radiator_, director_, spaceReflector_, spaceDirector_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmyagi3, Yagi3)
