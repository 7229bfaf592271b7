// Five-element Yagi: element lengths and spacings from the frequency,
// recomputed on every keystroke.
#include "beam_drawings.h"
#include "framework/registry.h"

namespace vm {
namespace {

class Yagi5 final : public CalculatorOf<Yagi5> {
 public:
  explicit Yagi5(FormBuilder& b) : CalculatorOf(b) {
    b.caption("YAGI  5 ELEMENTI    DA  30  A  145  MHz         guadagno 9  dB rispetto al dipolo");
    // the tooltip is the three-element window's one, range included
    freq_ = b.input("txtfrequenza").label("lbltxtfrequenza", "FREQUENZA in MHz").tooltip("DA 27 A 50 MHz");
    frame_ = b.frame("Frame1", "", [&] {
                reflector_ = b.result("lblriflettore");
                radiator_ = b.result("lblradiatore");
                director1_ = b.result("lbl1direttore");
                director2_ = b.result("lbl2direttore");
                director3_ = b.result("lbl3direttore");
              }).hidden();
    Art art = b.drawing("drwyagi", beams::yagi({80, 76, 71, 70, 69}, {120, 60, 90, 120}));
    b.text("RIFLETTORE").at(art, "heading0");
    b.text("RADIATORE").at(art, "heading1");
    b.text("1 DIRETTORE").at(art, "heading2");
    b.text("2 DIRETTORE").at(art, "heading3");
    b.text("3 DIRETTORE").at(art, "heading4");
    space0_ = b.result("lblspazriflettore").hidden().at(art, "spacing0");
    space1_ = b.result("lblspaz1direttore").hidden().at(art, "spacing1");
    space2_ = b.result("lblspaz2direttore").hidden().at(art, "spacing2");
    space3_ = b.result("lblspaz3direttore").hidden().at(art, "spacing3");
    b.text("OCCORRE UN ADATTATORE DEL TIPO A GAMMA MATCH.   TUTTI GLI ELEMENTI SONO A MASSA NEL PUNTO CENTRALE .   "
           "ADOTTANDO UN RADIATORE COSTITUITO DA DUE SEMIDIPOLI ISOLATI DAL BOOM L'ANTENNA ANDRA'   ALIMENTATA CON  "
           "HAIRPIN E RELATIVO BALUN");
    b.button("cmdgamma", "GAMMA MATCH").onClick([this] {
      openBeside("frmgammamatch", {.selfLeft = 200, .selfTop = 200, .left = 8000, .top = 8000});
    });
    b.closeButton("cmdesci", "C H I U D I");
    b.live({freq_}, {frame_, space0_, space1_, space2_, space3_}, [this] { compute(); }, true);
  }

 private:
  void compute() {
    const double f = number(freq_);
    if (!(f > 0)) {
      hide({frame_, space0_, space1_, space2_, space3_});
      return;
    }
    // the five-element constants differ from the three-element ones
    const std::string reflector = fixed(15000 / f, 0);
    const std::string radiator = fixed(14200 / f, 0);
    const std::string director1 = fixed(13300 / f, 0);
    const std::string director2 = fixed(13100 / f, 0);
    const std::string director3 = general(roundFixed(12900 / f, 0));
    const std::string space0 = fixed(0.2 * 30000 / f, 0);
    const std::string space1 = fixed(0.1 * 30000 / f, 0);
    const std::string space2 = fixed(0.15 * 30000 / f, 0);
    const std::string space3 = general(roundFixed(0.2 * 30000 / f, 0));
    setText(reflector_, "IL RIFLETTORE E' LUNGO  " + reflector + " cm.");
    setText(radiator_, "IL RADIATORE E' LUNGO  " + radiator + " cm.");
    setText(director1_, "IL 1 DIRETTORE E' LUNGO  " + director1 + " cm.");
    setText(director2_, "IL 2 DIRETTORE E' LUNGO  " + director2 + " cm.");
    setText(director3_, "IL 3 DIRETTORE E' LUNGO  " + director3 + " cm.");
    setText(space0_, space0 + " cm.");
    setText(space1_, space1 + " cm.");
    setText(space2_, space2 + " cm.");
    setText(space3_, space3 + " cm.");
    show({frame_, space0_, space1_, space2_, space3_});
  }

  Input freq_;
  Frame frame_;
  Label reflector_, radiator_, director1_, director2_, director3_, space0_, space1_, space2_, space3_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmyagi5, Yagi5)
