// First-order R-C high-pass and low-pass sections for audio (6 dB per
// octave), from the cut-off frequency: the capacitor is chosen from the
// band, the resistor computed.
#include "framework/registry.h"
#include "audio_rc.h"
#include "filter_drawings.h"

namespace vm {
namespace {

class FiltriBF final : public CalculatorOf<FiltriBF> {
 public:
  explicit FiltriBF(FormBuilder& b) : CalculatorOf(b) {
    b.caption("FILTRI PER BF CON ATTENUAZIONE DI 6 dB PER OTTAVA");
    f_ = b.input("txtfrequenza").label("lblf", "FREQUENZA DI TAGLIO in Hz");
    b.label("Label2", " VALORI AMMISSIBILI : da 10 Hz A 100 kHz");
    using circuit::Element;
    b.label("Label5", "PASSA - ALTO");
    Art high = b.drawing("drwpassaalto", circuit::ladder({circuit::seriesArm({Element{Symbol::Capacitor, "c"}}),
                                                           circuit::shuntArm({Element{Symbol::Resistor, "r"}})}));
    b.text("Input").at(high, "input");
    c1_ = b.result("lblC1", "C").at(high, "c");
    r1_ = b.result("lblR1", "R").at(high, "r");
    b.label("Label6", "PASSA - BASSO");
    Art low = b.drawing("drwpassabasso", circuit::ladder({circuit::seriesArm({Element{Symbol::Resistor, "r"}}),
                                                          circuit::shuntArm({Element{Symbol::Capacitor, "c"}})}));
    b.text("Input").at(low, "input");
    r2_ = b.result("lblR2", "R").at(low, "r");
    c2_ = b.result("lblC2", "C").at(low, "c");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    b.onTyping({f_}, Typing::Blank, {c1_, c2_, r1_, r2_});
  }

 private:
  void compute() {
    double f = number(f_);
    // outside 10 Hz .. 100 kHz the nearer limit is written back
    if (f > 100000) {
      f = 100000;
      setText(f_, "100000");
    } else if (f < 10) {
      f = 10;
      setText(f_, "10");
    }
    const double nf = circuit::audioCapacitance(f) / 1000;
    const double kohm = 1e6 / (6.28 * f * nf);
    const std::string c = general(nf) + " nF";
    const std::string r = pattern(kohm, "#,##0.#") + " Kohm";
    setText(c1_, c);
    setText(c2_, c);
    setText(r1_, r);
    setText(r2_, r);
  }

  Input f_;
  Label c1_, r1_, r2_, c2_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmfiltriBF, FiltriBF)
