// Constant-k L-C band-pass section (three poles) between equal
// terminations, from its two cut-off frequencies, in pi and in T form; the
// sheet can be printed.
#include "framework/registry.h"
#include "filter_drawings.h"

namespace vm {
namespace {

class PassaBandaK final : public CalculatorOf<PassaBandaK> {
 public:
  explicit PassaBandaK(FormBuilder& b) : CalculatorOf(b) {
    b.caption("FILTRO L C PASSA BANDA  A K COSTANTE   -   3  POLI  BUTTERWORTH");
    z_ = b.input("txtimpedenza").label("Label1", "IMPEDENZA INPUT = OUTPUT in OHM");
    f1_ = b.input("txtf1").label("Label2", "FREQUENZA DI TAGLIO INFERIORE in MHz");
    f2_ = b.input("txtf2").label("Label3", "FREQUENZA DI TAGLIO SUPERIORE in MHz");
    using circuit::Element;
    // pi: a shunt resonator at each end, a series resonator between them
    Art pi = b.drawing(
        "drwpigreco",
        circuit::ladder({circuit::shuntArm({Element{Symbol::Inductor, "l2a"}, Element{Symbol::Capacitor, "c2a"}}, true),
                         circuit::seriesArm({Element{Symbol::Inductor, "l1"}, Element{Symbol::Capacitor, "c1"}}),
                         circuit::shuntArm({Element{Symbol::Inductor, ""}, Element{Symbol::Capacitor, "c2b"}}, true)}));
    zin_ = b.result("lblzin", "INPUT").at(pi, "input");
    c1_ = b.result("lblc1").at(pi, "c1");
    l1_ = b.result("lbll1").at(pi, "l1");
    zout_ = b.result("lblzout", "OUTPUT").at(pi, "output");
    c2a_ = b.result("lblc2a").at(pi, "c2a");
    c2b_ = b.result("lblc2b").at(pi, "c2b");
    l2a_ = b.result("lbll2a").at(pi, "l2a");
    // T: a series resonator at each end, a shunt resonator between them
    Art t = b.drawing(
        "drwT",
        circuit::ladder({circuit::seriesArm({Element{Symbol::Inductor, "l1a"}, Element{Symbol::Capacitor, "c1a"}}),
                         circuit::shuntArm({Element{Symbol::Inductor, "l2"}, Element{Symbol::Capacitor, "c2"}}, true),
                         circuit::seriesArm({Element{Symbol::Inductor, ""}, Element{Symbol::Capacitor, "c1b"}})}));
    zin2_ = b.result("lblzin2", "INPUT").at(t, "input");
    l1a_ = b.result("lbll1a").at(t, "l1a");
    c1a_ = b.result("lblc1a").at(t, "c1a");
    c1b_ = b.result("lblc1b").at(t, "c1b");
    c2_ = b.result("lblc2").at(t, "c2");
    l2_ = b.result("lbll2").at(t, "l2");
    zout2_ = b.result("lblzout2", "OUTPUT").at(t, "output");
    frame_ = b.frame("Frame1", "", [&] {
      fc_ = b.result("lblfc");
      bw_ = b.result("lblbw");
      q_ = b.result("lblq");
    }).hidden();
    warnQ_ = b.result("lblfattoreq");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdchiudi", "CHIUDI");
    b.button("cmdchiamabobine", "COSTRUZIONE BOBINE").onClick([this] { openCompanion("frmbobine"); });
    b.button("Command1", "STAMPA SCHEDA").tooltip("IMPOSTA STAMPANTE IN ORIZZONTALE").onClick([this] {
      printWindow();
    });
  }

 private:
  void compute() {
    const double z = number(z_), f1 = number(f1_), f2 = number(f2_);
    if (!productTest({f2, f1, z}, Product::Zero, z_)) return;
    // a lower frequency not below the upper one has no pass band
    if (f1 >= f2) {
      warn("FREQUENZE INVERTITE", "MESSAGGIO DI ERRORE", f1_);
      return;
    }
    const double f0 = (f1 + f2) / 2;
    const double band = f2 - f1;
    const double q = f0 / band;
    // each element is rounded as shown before the end elements are derived
    const double l1 = roundFixed(z / (3.14 * band), 1);
    const double c1 = roundFixed(1e6 * band / (12.56 * z * f1 * f2), 1);
    const double l2 = roundFixed(band * z / (12.56 * f1 * f2), 3);
    const double c2 = roundFixed(1e6 / (3.14 * z * band), 1);
    const std::string ohm = general(z) + " OHM";
    setText(l1_, fixed(l1, 1) + " µH");
    setText(c1_, fixed(c1, 1) + " pF");
    setText(l2_, fixed(l2, 3) + " µH");
    setText(c2_, fixed(c2, 1) + " pF");
    setText(c2a_, general(c2 / 2) + " pF");
    setText(c2b_, general(c2 / 2) + " pF");
    setText(l2a_, "2 x " + general(2 * l2) + " µH");
    setText(c1a_, general(2 * c1) + " pF");
    setText(c1b_, general(2 * c1) + " pF");
    setText(l1a_, "2 x " + general(l1 / 2) + " µH");
    setText(zin_, ohm);
    setText(zout_, ohm);
    setText(zin2_, ohm);
    setText(zout2_, ohm);
    setText(fc_, "LA FREQUENZA DI CENTRO BANDA E' " + general(f0) + " MHz");
    setText(bw_, "LA BANDA PASSANTE E' " + fixed(band, 3) + " MHz");
    setText(q_, "IL FATTORE DI MERITO TEORICO E' " + fixed(q, 3));
    setText(warnQ_, q > 10 ? "Q ECCESSIVO (MAX 10)     BANDA PASSANTE TROPPO STRETTA IN RELAZIONE ALLA FREQUENZA" : "");
    show(frame_);
  }

  Input z_, f1_, f2_;
  Label zin_, c1_, l1_, zout_, c2a_, c2b_, l2a_, zin2_, l1a_, c1a_, c1b_, c2_, l2_, zout2_;
  Frame frame_;
  Label fc_, bw_, q_, warnQ_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmpassabandakcostante, PassaBandaK)
