#pragma once
// The resistive pad windows, unbalanced or balanced. A balanced pad splits
// each series arm in two equal halves, one in each line: the halves are
// shown in both lines, and the loss stays that of the whole network.
#include <cmath>
#include <string>

#include "framework/registry.h"
#include "pad_drawings.h"
#include "tpi_pads.h"

namespace vm::pads {

// T and pi attenuators between two resistive impedances.
template <class Derived>
class TPiPadWindow : public CalculatorOf<Derived> {
 public:
  TPiPadWindow(FormBuilder& b, const char* caption, bool balanced)
      : CalculatorOf<Derived>(b), parts_(balanced ? 2.0 : 1.0) {
    b.caption(caption);
    const std::string data = "inserire i dati";
    zi_ = b.input("txtZI").tooltip(data).label("lblZI", "IMPEDENZA D' INGRESSO in OHM");
    zo_ = b.input("txtZO").tooltip(data).label("lblZo", "IMPEDENZA D' USCITA in OHM");
    a_ = b.input("txtLD").tooltip(data).label("lblLD", "ATTENUAZIONE DESIDERATA in DB");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    Art t = b.drawing("drwreteT", tNetwork(balanced));
    b.text("RETE a T").at(t, "title");
    r1t_ = b.result("lblR1T", "R1").at(t, "R1");
    if (balanced) r1ta_ = b.result("lblR1Ta", "R1").at(t, "R1a");
    r2t_ = b.result("lblR2T", "R2").at(t, "R2");
    if (balanced) r2ta_ = b.result("lblR2Ta", "R2").at(t, "R2a");
    r3t_ = b.result("lblR3T", "R3").at(t, "R3");
    Art p = b.drawing("drwreteP", piNetwork(balanced));
    b.text("RETE a P GRECO").at(p, "title");
    r1p_ = b.result("lblR1P", "R1  ").at(p, "R1");
    r2p_ = b.result("lblR2P", "R2  ").at(p, "R2");
    r3p_ = b.result("lblR3P", "R3").at(p, "R3");
    if (balanced) r3pa_ = b.result("lblR3Pa", "R3").at(p, "R3a");
    perdita_ = b.result("lblperdita");
    b.text(
        "L'IMPEDENZA D' INGRESSO DEVE ESSERE MAGGIORE O UGUALE ALL'IMPEDENZA D' USCITA  QUANDO E' UGUALE NON "
        "SI HANNO PERDITE D' INSERZIONE");
    b.text("Quando le impedenze sono diverse, determinati valori di attenuazione non consentono il calcolo");
  }

 private:
  bool balanced() const { return parts_ == 2.0; }

  void compute() {
    const double zi = this->number(zi_), zo = this->number(zo_), a = this->number(a_);
    if (!this->productTest({zi, zo, a}, Product::NotPositive, zi_)) return;
    if (zi < zo) {
      this->warn("IMPEDENZA IN < IMPEDENZA OUT", "messaggio di errore", zi_);
      return;
    }
    const double lmin = minimumLoss(zi, zo);
    if (a < lmin) {
      this->warn("DATI NON CONGRUI", "messaggio di errore", a_);
      return;
    }
    // the series arms are split after rounding, so a half may show three decimals
    const TPiPad pad = designTPi(zi, zo, a);
    const std::string r1 = this->general(pad.r1t / parts_), r2 = this->general(pad.r2t / parts_);
    const std::string r3p = this->general(this->single(pad.r3p / parts_));
    this->setText(r1t_, r1);
    this->setText(r2t_, r2);
    this->setText(r3t_, this->general(pad.r3t));
    this->setText(r1p_, this->general(pad.r1p));
    this->setText(r2p_, this->general(pad.r2p));
    this->setText(r3p_, r3p);
    if (balanced()) {
      this->setText(r1ta_, r1);
      this->setText(r2ta_, r2);
      this->setText(r3pa_, r3p);
    }
    this->setText(perdita_, "PERDITA D'INSERZIONE " + this->general(halfUp2(lmin)) + " dB");
  }

  double parts_;  // the pieces each series arm is split into
  Input zi_, zo_, a_;
  Label r1t_, r1ta_, r2t_, r2ta_, r3t_, r1p_, r2p_, r3p_, r3pa_, perdita_;
};

// The minimum-loss L pad that matches a higher impedance to a lower one.
template <class Derived>
class LPadWindow : public CalculatorOf<Derived> {
 public:
  LPadWindow(FormBuilder& b, const char* caption, bool balanced)
      : CalculatorOf<Derived>(b), parts_(balanced ? 2.0 : 1.0) {
    b.caption(caption);
    const std::string data = "inserire i dati";
    b.text("La rete a L è la più semplice rete idonea ad adattare due impedenze diverse ");
    b.text("L'IMPEDENZA D' INGRESSO DEVE ESSERE MAGGIORE DELL'IMPEDENZA D' USCITA");
    rh_ = b.input("txtRH").tooltip(data).label("lblZI", "IMPEDENZA D' INGRESSO in OHM");
    rl_ = b.input("txtRL").tooltip(data).label("lblZo", "IMPEDENZA D' USCITA in OHM");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    Art drw = b.drawing("drwrete", lNetwork(balanced));
    r1_ = b.result("lblR1", "R1").at(drw, "R1");
    if (balanced) r1a_ = b.result("lblR1a", "R1").at(drw, "R1a");
    r2_ = b.result("lblR2", "R2").at(drw, "R2");
    b.text("lato impedenza maggiore").at(drw, "high");
    b.text("lato impedenza minore").at(drw, "low");
    perdita_ = b.result("lblperdita");
  }

 private:
  void compute() {
    const double rh = this->number(rh_), rl = this->number(rl_);
    if (!this->productTest({rh, rl}, Product::NotPositive, rh_)) return;
    if (rh <= rl) {
      this->warn("L'impedenza IN deve essere maggiore dell'impedenza OUT", "messaggio di errore", rh_);
      return;
    }
    const double r1 = std::sqrt(rh * (rh - rl));
    const double r2 = std::sqrt(rh * rl * rl / (rh - rl));
    // the loss is that of the whole network, with the full shunt
    const float loss =
        this->single(roundFixed(10 * (std::log((rh / rl) * std::pow((r2 + rl) / r2, 2)) / std::log(10.0)), 2));
    const std::string series = this->fixed(r1 / parts_, 1);
    this->setText(r1_, series);
    if (parts_ == 2.0) this->setText(r1a_, series);
    this->setText(r2_, this->fixed(r2, 1));
    this->setText(perdita_, "L'ATTENUAZIONE E' " + this->general(loss) + " dB");
  }

  double parts_;  // the pieces the series resistor is split into
  Input rh_, rl_;
  Label r1_, r1a_, r2_, perdita_;
};

}  // namespace vm::pads
