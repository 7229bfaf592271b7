// Single-element quad loop: the side, the perimeter and the quarter-wave
// 75 ohm matching section, recomputed on every keystroke.
#include "beam_drawings.h"
#include "framework/registry.h"

namespace vm {
namespace {

class LoopQuadrato final : public CalculatorOf<LoopQuadrato> {
 public:
  explicit LoopQuadrato(FormBuilder& b) : CalculatorOf(b) {
    b.caption("LOOP QUADRO         DIMENSIONAMENTO");
    freq_ = b.input("txtfrequenza").label("lbltxtfrequenza", "FREQUENZA IN MHz");
    Art art = b.drawing("drwloop", beams::squareLoop());
    side_ = b.result("lbllato").hidden().at(art, "side");
    b.text("consigliato balun 1:1").at(art, "balun");
    b.text("adattatore coax").at(art, "coax");
    perimeter_ = b.result("lblperimetro");
    note066_ = b.label("Label2",
                       "OCCORRE ADATTARE L'IMPEDENZA DI 50 OHM DEL CAVO CON QUELLA DEL PUNTO DI ALIMENTAZIONE CHE E'  "
                       "CIRCA 110 - 140 OHM, UTILIZZANDO UNO SPEZZONE DI CAVO A UN QUARTO D'ONDA A 75 OHM, SE IL "
                       "FATTORE DI VELOCITA' E' 0.66 LA SUA LUNGHEZZA E' PARI A METRI:")
                   .hidden();
    out066_ = b.result("lblout066");
    note08_ = b.label("Label4", "SE IL FATTORE DI VELOCITA'  E'  0.8 LA LUNGHEZZA E'  PARI A METRI :").hidden();
    out08_ = b.result("lblout08");
    gamma_ = b.label("Label3", "PUO' ESSERE UTILIZZATO ANCHE UN ADATTATORE A GAMMA MATCH").hidden();
    b.button("cmdadattatori", "ADATTATORI").onClick([this] {
      moveTo(200, 200);
      openCompanion("frmadattatori");
    });
    b.closeButton("cmdesci", "E S C I");
    b.live({freq_}, {side_, note066_, gamma_, note08_, perimeter_, out066_, out08_}, [this] { compute(); }, true);
  }

 private:
  void compute() {
    const double f = number(freq_);
    if (!(f > 0)) {
      hide({side_, note066_, gamma_, note08_, perimeter_, out066_, out08_});
      return;
    }
    // the side is worked on to the millimetre it is shown with
    const double side = roundFixed(76.58 / f, 3);
    const std::string sideText = fixed(76.58 / f, 3);
    const std::string perimeter = general(4 * side);
    const std::string m066 = fixed(0.66 * side, 2);
    const std::string m08 = fixed(0.8 * side, 2);
    setText(side_, sideText + " mt");
    setText(perimeter_, "IL PERIMETRO E' DI " + perimeter + " mt");
    setText(out066_, m066);
    setText(out08_, m08);
    show({side_, note066_, gamma_, note08_, perimeter_, out066_, out08_});
  }

  Input freq_;
  Label side_, perimeter_, note066_, out066_, note08_, out08_, gamma_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmloopquadrato, LoopQuadrato)
