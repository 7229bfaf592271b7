// Q factor and 3 dB bandwidth of a series and of a parallel R-L-C circuit
// at resonance.
#include <cmath>

#include "framework/registry.h"
#include "circuit_drawings.h"

namespace vm {
namespace {

class FattoreQ final : public CalculatorOf<FattoreQ> {
 public:
  explicit FattoreQ(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CALCOLO DEL  FATTORE DI MERITO E DELLA LARGHEZZA DI BANDA");
    c_ = b.input("txtC").label("Label1", "CAPACITA'  IN picoFARAD");
    l_ = b.input("txtl").label("Label2", "INDUTTANZA IN microHENRY");
    r_ = b.input("txtr").text("0.2").label("Label3", "RESISTENZA IN OHM");
    b.label("Label9",
            "SI DETERMINA IL FATTORE DI MERITO E LA LARGHEZZA DI BANDA  A 3 dB  IN UN CIRCUITO  R-L-C  IN "
            "RISONANZA, SUPPONENDO CHE I COMPONENTI SIANO PRIVI DI PERDITE");
    const std::vector<circuit::Part> rlc = {
        {Symbol::Resistor, "R"}, {Symbol::Inductor, "L"}, {Symbol::Capacitor, "C"}};
    Art serie = b.drawing("drwserie", circuit::series(rlc));
    b.text("risonanza serie").at(serie, "title");
    Art parallelo = b.drawing("drwparallelo", circuit::parallel(rlc));
    b.text("risonanza parallelo").at(parallelo, "title");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cdmesci", "E S C I");
    frame_ = b.frame("Frame1", "", [&] {
      frequency_ = b.result("lblfrequenza");
      zSeries_ = b.result("lblzserie");
      zParallel_ = b.result("lblzparallelo");
      qSeries_ = b.result("lblqserie");
      bSeries_ = b.result("lbllbserie");
      qParallel_ = b.result("lblqparallelo");
      bParallel_ = b.result("lbllbparallelo");
    }).hidden();
    b.onTyping({c_, l_, r_}, Typing::Hide, {frame_});
  }

 private:
  void compute() {
    const double r = number(r_), l = number(l_), c = number(c_);
    if (!productTest({r, l, c}, Product::Zero, c_)) return;
    if (r < 0.05) {
      warn("RESISTENZA TROPPO PICCOLA", "MESSAGGIO DI AVVISO", r_);
      return;
    }
    const double fr = 159.155 / std::sqrt(l * c);
    const double xl = l * fr * 6.28;
    const double qs = xl / r;
    const double bs = 1000 * fr / qs;
    // the resistance taken as the parallel one
    const double qp = r / xl;
    const double bp = 1000 * fr / qp;
    const double zp = roundDefault(1e6 * l / (r * c));
    setText(frequency_, "FREQUENZA DI RISONANZA : " + fixed(fr, 3) + " MHz");
    setText(zSeries_, "IMPEDENZA SERIE : " + fixed(r) + " Ohm");
    setText(zParallel_, "IMPEDENZA PARALLELO : " + general(zp) + " Ohm");
    setText(qSeries_, "IL Q DEL CIRCUITO SERIE E' =  " + fixed(qs));
    setText(bSeries_, "LARGHEZZA DI BANDA SERIE = " + fixed(bs) + " KHz");
    setText(qParallel_, "IL Q DEL CIRCUITO PARALLELO E' =  " + fixed(qp));
    setText(bParallel_, "LARGHEZZA DI BANDA PARALLELO = " + fixed(bp) + " KHz");
    show(frame_);
  }

  Input c_, l_, r_;
  Frame frame_;
  Label frequency_, zSeries_, zParallel_, qSeries_, bSeries_, qParallel_, bParallel_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmfattoreQ, FattoreQ)
