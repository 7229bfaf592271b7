// Twin-T R-C notch network for audio, from the frequency to remove: the
// capacitors are chosen from the band, the resistors computed.
#include "framework/registry.h"
#include "audio_rc.h"
#include "filter_drawings.h"

namespace vm {
namespace {

class FiltroNotch final : public CalculatorOf<FiltroNotch> {
 public:
  explicit FiltroNotch(FormBuilder& b) : CalculatorOf(b) {
    b.caption("FILTRO NOTCH PASSIVO PER BASSA FREQUENZA");
    f_ = b.input("txtfrequenza").label("lblf", "FREQUENZA DA ELIMINARE in Hz");
    b.label("Label2", " FREQUENZE  AMMISSIBILI : da 10 Hz a 100 kHz");
    Art drw = b.drawing("drwnotch", circuit::twinT());
    b.text("INPUT").at(drw, "input");
    b.text("OUTPUT").at(drw, "output");
    r_[0] = b.result("lblr1", "R").at(drw, "r1");
    r_[1] = b.result("lblr2", "R").at(drw, "r2");
    r_[2] = b.result("lblR3", "R").at(drw, "r3");
    c_[0] = b.result("lblc1", "C").at(drw, "c1");
    c_[1] = b.result("lblc2", "C").at(drw, "c2");
    c_[2] = b.result("lblc3", "C").at(drw, "c3");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    b.onTyping({f_}, Typing::Blank, {r_[0], r_[1], r_[2], c_[0], c_[1], c_[2]});
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
    // every element of a kind shows the same value
    const std::string c = general(nf) + " nF";
    const std::string r = pattern(kohm, "#,##0.#") + " Kohm";
    for (Label l : r_) setText(l, r);
    for (Label l : c_) setText(l, c);
  }

  Input f_;
  Label r_[3], c_[3];
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmfiltronotch, FiltroNotch)
