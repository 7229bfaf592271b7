#pragma once
// The time-constant windows: a resistor charging a capacitor or an
// inductor, solved for whichever one of time, resistance and the other part
// is missing. Each window brings its own texts and its own arithmetic.
#include <string>
#include <tuple>

#include "filter_drawings.h"
#include "framework/registry.h"

namespace vm::circuit {

struct TimeConstantTexts {
  const char* caption;
  const char* note;            // Label1, above the choice
  const char* known[3];        // the captions of Option1
  Symbol load;                 // the part beside the resistor
  const char* loadName;        // its value label on the drawing
  const char* loadLetter;      // what that label shows before a computation
  const char* captions[3][3];  // by choice: the two inputs' captions, then the result's
  const char* units[3][3];     // by choice: the same three units
};

// The result of one computation: the line shown, then the values written
// on the drawing beside the resistor and beside the other part.
struct TimeConstantAnswer {
  std::string result, resistor, load;
};

// Derived provides TimeConstantAnswer solve(int choice, double first, double second).
template <class Derived>
class TimeConstantWindow : public CalculatorOf<Derived> {
 public:
  TimeConstantWindow(FormBuilder& b, const TimeConstantTexts& t) : CalculatorOf<Derived>(b), t_(&t) {
    b.caption(t.caption);
    b.label("Label1", t.note);
    b.frame("Frame1", "dati conosciuti", [&] {
      known_ =
          b.options("Option1", {t.known[0], t.known[1], t.known[2]}).opensOn(0).onClick([this](int i) { choose(i); });
    });
    std::tie(in1_, caption_[0]) = b.input("txtinput1").label("lblinput", "", 0).handles();
    unit_[0] = b.label("lblumisura", "", 0).unitOf(in1_);
    std::tie(in2_, caption_[1]) = b.input("txtinput2").label("lblinput", "", 1).handles();
    unit_[1] = b.label("lblumisura", "", 1).unitOf(in2_);
    caption_[2] = b.label("lblinput", "", 2);
    out_ = b.result("lblinput", "", 3).captionedBy(caption_[2]);
    unit_[2] = b.label("lblumisura", "", 2).unitOf(out_);
    Art drw = b.drawing("drwcircuito", chargingCircuit(t.load));
    r_ = b.result("lblr").at(drw, "resistor");
    load_ = b.result(t.loadName).at(drw, "load");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "ESCI");
  }

 private:
  void choose(int i) {
    this->setText(out_, "?");
    this->setText(r_, "R");
    this->setText(load_, t_->loadLetter);
    for (int k = 0; k < 3; ++k) {
      this->setText(caption_[k], t_->captions[i][k]);
      this->setText(unit_[k], t_->units[i][k]);
    }
  }

  void compute() {
    const double a = this->number(in1_), b = this->number(in2_);
    if (!this->productTest({a, b}, Product::Zero, in1_)) return;
    for (int i = 0; i < 3; ++i)
      if (this->isSelected(known_, i)) {
        const TimeConstantAnswer x = static_cast<Derived*>(this)->solve(i, a, b);
        this->setText(out_, x.result);
        this->setText(r_, x.resistor);
        this->setText(load_, x.load);
        return;
      }
  }

  const TimeConstantTexts* t_;
  Options known_;
  Input in1_, in2_;
  Label caption_[3], unit_[3], out_, r_, load_;
};

}  // namespace vm::circuit
