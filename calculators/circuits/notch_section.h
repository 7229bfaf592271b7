#pragma once
// The constant-k L-C band-stop (notch) sections, in T and in pi form, from
// the two edge frequencies. Each window declares its own inputs and texts,
// reads its own unit of frequency and brings its own arithmetic.
#include <string>

#include "filter_drawings.h"
#include "framework/registry.h"

namespace vm::circuit {

// The values written on the two sections.
struct NotchAnswer {
  std::string tl1, tc1, tl2, tc2;  // T: each series arm (tc1 in both), the shunt arm
  std::string pl1, pc1, pl2, pc2;  // pi: the series arm, each shunt arm
};

// Derived provides NotchAnswer solve(double r, double f1, double f2) const,
// with f1 < f2 in the unit the arithmetic takes.
template <class Derived>
class NotchWindow : public CalculatorOf<Derived> {
 protected:
  using CalculatorOf<Derived>::CalculatorOf;

  // The two sections and the buttons, after the window's own inputs.
  // perUnit: what a typed frequency is divided by before the arithmetic;
  // shuntIndex: the index the pi section's shunt values are declared with
  // (-1: none).
  void sections(FormBuilder& b, Input r, Input f1, Input f2, double perUnit, int shuntIndex) {
    r_ = r, f1_ = f1, f2_ = f2, perUnit_ = perUnit;
    // T: a parallel resonator in each series arm, a series resonator in the shunt arm
    b.label("Label5", "FILTRO NOTCH TIPO T");
    Art t = b.drawing("drwT", ladder({seriesArm({Element{Symbol::Inductor, "tl1"}, Element{Symbol::Capacitor, "tc1a"}}, true),
                                      shuntArm({Element{Symbol::Inductor, "tl2"}, Element{Symbol::Capacitor, "tc2"}}),
                                      seriesArm({Element{Symbol::Inductor, ""}, Element{Symbol::Capacitor, "tc1b"}}, true)}));
    tl1_ = b.result("lbltl1").at(t, "tl1");
    tc1_[0] = b.result("lbltc1", "", 0).at(t, "tc1a");
    tc1_[1] = b.result("lbltc1", "", 1).at(t, "tc1b");
    tl2_ = b.result("lbltl2").at(t, "tl2");
    tc2_ = b.result("lbltc2").at(t, "tc2");
    // pi: a parallel resonator in the series arm, a series resonator in each shunt arm
    b.label("Label1", "FILTRO NOTCH TIPO PI GRECO");
    Art pi = b.drawing("drwpigreco",
                       ladder({shuntArm({Element{Symbol::Inductor, "pl2"}, Element{Symbol::Capacitor, "pc2"}}),
                               seriesArm({Element{Symbol::Inductor, "pl1"}, Element{Symbol::Capacitor, "pc1"}}, true),
                               shuntArm({Element{Symbol::Inductor, ""}, Element{Symbol::Capacitor, ""}})}));
    pl1_ = b.result("lblpl1").at(pi, "pl1");
    pc1_ = b.result("lblpc1").at(pi, "pc1");
    pl2_ = b.result("lblpl2", "", shuntIndex).at(pi, "pl2");
    pc2_ = b.result("lblpc2", "", shuntIndex).at(pi, "pc2");
    b.computeButton("cmdcalcola", "C A L C O L A").onClick([this] { compute(); });
    b.closeButton("cmdchiudi", "C H I U D I");
    b.button("cmdchiamabobine", "COSTRUZIONE BOBINE").onClick([this] {
      this->openBeside("frmbobine", {.selfLeft = 180, .selfTop = 250, .left = 8000, .top = 6250});
    });
  }

 private:
  void compute() {
    const double r = this->number(r_);
    const double f1 = this->number(f1_) / perUnit_, f2 = this->number(f2_) / perUnit_;
    if (!this->productTest({f2, f1, r}, Product::NotPositive, f1_)) return;
    if (f1 >= f2) {
      this->warn("FREQUENZE INVERTITE", "MESSAGGIO DI ERRORE", f1_);
      return;
    }
    const NotchAnswer a = static_cast<const Derived&>(*this).solve(r, f1, f2);
    this->setText(tl1_, a.tl1);
    this->setText(tl2_, a.tl2);
    this->setText(tc1_[0], a.tc1);
    this->setText(tc1_[1], a.tc1);
    this->setText(tc2_, a.tc2);
    this->setText(pl1_, a.pl1);
    this->setText(pl2_, a.pl2);
    this->setText(pc1_, a.pc1);
    this->setText(pc2_, a.pc2);
  }

  Input r_, f1_, f2_;
  double perUnit_ = 1;
  Label tl1_, tc1_[2], tl2_, tc2_, pl1_, pc1_, pl2_, pc2_;
};

}  // namespace vm::circuit
