// Impedance at resonance of a series and of a parallel R-L-C circuit, with
// the Q and the bandwidth of the series circuit.
#include <cmath>

#include "framework/registry.h"
#include "circuit_drawings.h"

namespace vm {
namespace {

class ImpRisonanza final : public CalculatorOf<ImpRisonanza> {
 public:
  explicit ImpRisonanza(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CALCOLO DELL'IMPEDENZA IN UN CIRCUITO IN RISONANZA");
    c_ = b.input("txtC").label("Label1", "CAPACITA'  IN picoFARAD");
    l_ = b.input("txtl").label("Label2", "INDUTTANZA IN microHENRY");
    r_ = b.input("txtr").label("Label3", "RESISTENZA IN OHM");
    b.label("Label9",
            "NOTA LA CAPACITA',  L' INDUTTANZA E LA RESISTENZA,  SI DETERMINA IL VALORE DELL'IMPEDENZA IN UN "
            "CIRCUITO  R-L-C  IN RISONANZA, SUPPONENDO CHE I COMPONENTI SIANO PRIVI DI PERDITE");
    const std::vector<circuit::Part> rlc = {
        {Symbol::Resistor, "R"}, {Symbol::Inductor, "L"}, {Symbol::Capacitor, "C"}};
    Art serie = b.drawing("drwserie", circuit::series(rlc));
    b.text("risonanza serie").at(serie, "title");
    Art parallelo = b.drawing("drwparallelo", circuit::parallel(rlc));
    b.text("risonanza parallelo").at(parallelo, "title");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cdmesci", "E S C I");
    frequency_ = b.result("lblfrequenza");
    zSeries_ = b.result("lblzserie");
    zParallel_ = b.result("lblzparallelo");
    qSeries_ = b.result("lblqserie");
    bSeries_ = b.result("lbllbserie");
  }

 private:
  void compute() {
    const double r = number(r_), l = number(l_), c = number(c_);
    if (!productTest({c, l, r}, Product::Zero, c_)) return;
    if (r < 0.05) {
      warn("RESISTENZA TROPPO PICCOLA", "MESSAGGIO DI AVVISO", r_);
      return;
    }
    const double fr = 159.155 / std::sqrt(l * c);
    const double xl = l * fr * 6.28;
    const double q = xl / r;
    const double band = roundFixed(1000 * fr / q, 3);  // kHz
    const double zp = roundFixed(1e6 * l / (r * c), 1);
    setText(frequency_, "FREQUENZA DI RISONANZA : " + fixed(fr, 3) + " MHz");
    setText(zSeries_, "IMPEDENZA SERIE : " + general(r) + " Ohm");
    setText(zParallel_, "IMPEDENZA PARALLELO : " + general(zp) + " Ohm");
    setText(qSeries_, "IL Q DEL CIRCUITO SERIE E' =  " + fixed(q, 1));
    setText(bSeries_, "LARGHEZZA DI BANDA SERIE = " + general(band) + " KHz");
  }

  Input c_, l_, r_;
  Label frequency_, zSeries_, zParallel_, qSeries_, bSeries_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmimprisonanza, ImpRisonanza)
