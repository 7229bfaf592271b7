#pragma once
// The L-C filter sections for radio frequencies, pi or T, from the cut-off
// frequency and the terminating impedance. The user first clicks the section
// wanted; the other one then disappears. Each window brings its own texts,
// its own parts and its own arithmetic.
#include <string>
#include <tuple>

#include "filter_drawings.h"
#include "framework/registry.h"

namespace vm::circuit {

struct LcSectionTexts {
  const char* caption;
  Symbol series;  // the part along the line in both sections
  Symbol shunt;   // the part across it
  const char* piTitle;
  const char* tTitle;
  const char* frequency;  // the captions of the two inputs
  const char* impedance;
  const char* note;       // shown with the results
  const char* close;      // the close button's text, or its picture when `closePicture`
  bool closePicture;
};

// The two result lines of one computation.
struct LcSectionAnswer {
  std::string inductance, capacitance;
};

// Derived provides LcSectionAnswer solve(bool pi, double f, double z) const.
template <class Derived>
class LcSectionWindow : public CalculatorOf<Derived> {
 public:
  LcSectionWindow(FormBuilder& b, const LcSectionTexts& t) : CalculatorOf<Derived>(b) {
    b.caption(t.caption);
    // pi: a series part between two shunt parts; T: the other way round
    pi_ = b.drawing("Image1", ladder({shuntArm({Element{t.shunt, ""}}), seriesArm({Element{t.series, ""}}),
                                      shuntArm({Element{t.shunt, ""}})}))
              .tooltip("clicca su di me")
              .onClick([this] { choose(true); });
    piTitle_ = b.label("lblpigreco", t.piTitle).tooltip("clicca sul circuito").over(pi_);
    t_ = b.drawing("Image2", ladder({seriesArm({Element{t.series, ""}}), shuntArm({Element{t.shunt, ""}}),
                                     seriesArm({Element{t.series, ""}})}))
             .tooltip("clicca su di me")
             .onClick([this] { choose(false); });
    tTitle_ = b.label("lblT", t.tTitle).tooltip("clicca sul circuito").over(t_);
    instruction_ = b.label("lblistruzione", "PER I CALCOLI CLICCA SUL TIPO DI FILTRO PRESCELTO");
    std::tie(f_, fLabel_) = b.input("txtfrequenza").hidden().label("lblfrequenza", t.frequency).handles();
    std::tie(z_, zLabel_) = b.input("txtimpedenza").text("50").hidden().label("lblimpedenza", t.impedance).handles();
    inductance_ = b.result("lblinduttanza").hidden();
    capacitance_ = b.result("lblcapacità").hidden();
    note_ = b.label("lblnota", t.note).hidden();
    compute_ = b.computeButton("cmdcalcola", "CALCOLA").hidden().onClick([this] { compute(); });
    coils_ = b.button("cmdbobine", "DATI COSTRUZIONE BOBINE").hidden().onClick([this] {
      this->openBeside("frmbobine", {.selfLeft = 180, .selfTop = 180, .left = 4100, .top = 2800});
    });
    if (t.closePicture) b.closeButton("cmdesci", "").picture(t.close);
    else b.closeButton("cmdesci", t.close);
    this->hide({fLabel_, zLabel_});
  }

 private:
  // Once a section is chosen the other picture is gone until the window is
  // opened again.
  void choose(bool pi) {
    this->setVisible(pi_, pi);
    this->setVisible(t_, !pi);
    this->setVisible(piTitle_, pi);
    this->setVisible(tTitle_, !pi);
    this->hide(instruction_);
    this->show({fLabel_, zLabel_, f_, z_, compute_, coils_});
    this->setTooltip(pi ? Ctl(pi_) : Ctl(t_), "");
    this->focus(f_);
  }

  void compute() {
    const double f = this->number(f_), z = this->number(z_);
    if (!this->productTest({z, f}, Product::Zero, f_)) return;
    const bool pi = this->form().state(pi_.id).visible;
    const LcSectionAnswer a = static_cast<const Derived&>(*this).solve(pi, f, z);
    this->setText(inductance_, a.inductance);
    this->setText(capacitance_, a.capacitance);
    this->show({inductance_, capacitance_, note_});
  }

  Art pi_, t_;
  Label piTitle_, tTitle_, instruction_, fLabel_, zLabel_, inductance_, capacitance_, note_;
  Input f_, z_;
  Button compute_, coils_;
};

}  // namespace vm::circuit
