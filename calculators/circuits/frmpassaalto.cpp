// High-pass L-C filter section for radio frequencies, pi or T, from the
// cut-off frequency and the terminating impedance. The user first clicks
// the section wanted; the other one then disappears.
#include <tuple>

#include "framework/registry.h"
#include "filter_drawings.h"

namespace vm {
namespace {

class PassaAlto final : public CalculatorOf<PassaAlto> {
 public:
  explicit PassaAlto(FormBuilder& b) : CalculatorOf(b) {
    b.caption("FILTRI PASSA ALTO");
    using circuit::Element;
    // pi: a series capacitor between two shunt coils
    pi_ = b.drawing("Image1", circuit::ladder({circuit::shuntArm({Element{Symbol::Inductor, ""}}),
                                                circuit::seriesArm({Element{Symbol::Capacitor, ""}}),
                                                circuit::shuntArm({Element{Symbol::Inductor, ""}})}))
              .tooltip("clicca su di me")
              .onClick([this] { choose(true); });
    piTitle_ = b.label("lblpigreco", "FILTRO a P-GRECO").tooltip("clicca sul circuito");
    // T: two series capacitors with a shunt coil between them
    t_ = b.drawing("Image2", circuit::ladder({circuit::seriesArm({Element{Symbol::Capacitor, ""}}),
                                               circuit::shuntArm({Element{Symbol::Inductor, ""}}),
                                               circuit::seriesArm({Element{Symbol::Capacitor, ""}})}))
             .tooltip("clicca su di me")
             .onClick([this] { choose(false); });
    tTitle_ = b.label("lblT", "FILTRO a T").tooltip("clicca sul circuito");
    instruction_ = b.label("lblistruzione", "PER I CALCOLI CLICCA SUL TIPO DI FILTRO PRESCELTO");
    std::tie(f_, fLabel_) =
        b.input("txtfrequenza").hidden().label("lblfrequenza", "FREQUENZA DI TAGLIO IN MHz").handles();
    std::tie(z_, zLabel_) =
        b.input("txtimpedenza").text("50").hidden().label("lblimpedenza", "IMPEDENZA (di solito = 50 Ohm)").handles();
    inductance_ = b.result("lblinduttanza").hidden();
    capacitance_ = b.result("lblcapacità").hidden();
    note_ = b.label("lblnota",
                    "L'attenuazione teorica è di 18 db x ottava. Qualora l'attenuazione di una singola cella non "
                    "fosse sufficiente, occorrerà collegare in serie due o più celle.")
                .hidden();
    compute_ = b.computeButton("cmdcalcola", "CALCOLA").hidden().onClick([this] { compute(); });
    coils_ = b.button("cmdbobine", "DATI COSTRUZIONE BOBINE").hidden().onClick([this] {
      openBeside("frmbobine", {.selfLeft = 180, .selfTop = 180, .left = 4100, .top = 2800});
    });
    b.closeButton("cmdesci", "").picture("exit");
    hide({fLabel_, zLabel_});
  }

 private:
  // Once a section is chosen the other picture is gone until the window is
  // opened again.
  void choose(bool pi) {
    setVisible(pi_, pi);
    setVisible(t_, !pi);
    setVisible(piTitle_, pi);
    setVisible(tTitle_, !pi);
    hide(instruction_);
    show({fLabel_, zLabel_, f_, z_, compute_, coils_});
    setTooltip(pi ? Ctl(pi_) : Ctl(t_), "");
    focus(f_);
  }

  void compute() {
    const double f = number(f_), z = number(z_);
    if (!productTest({z, f}, Product::Zero, f_)) return;
    const bool pi = form().state(pi_.id).visible;
    const double l = pi ? 0.159 * z / f : 0.0796 * z / f;
    const double c = pi ? 79600 / (z * f) : 159000 / (z * f);
    // the capacitance is rounded to tenths and held in single precision
    const float shownC = single(roundFixed(c, 1));
    setText(inductance_, "INDUTTANZA in microHENRY di L : " + fixed(l));
    setText(capacitance_, "CAPACITA' in picoFARAD di C : " + general(shownC));
    show({inductance_, capacitance_, note_});
  }

  Art pi_, t_;
  Label piTitle_, tTitle_, instruction_, fLabel_, zLabel_, inductance_, capacitance_, note_;
  Input f_, z_;
  Button compute_, coils_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmpassaalto, PassaAlto)
