// Time constant of a resistor-inductor pair, solved for any one of the
// time, the resistance and the inductance (microhenry / ohm = microseconds).
#include <tuple>

#include "framework/registry.h"
#include "filter_drawings.h"

namespace vm {
namespace {

class CostanteTempoRL final : public CalculatorOf<CostanteTempoRL> {
 public:
  explicit CostanteTempoRL(FormBuilder& b) : CalculatorOf(b) {
    b.caption("Calcolo costante di tempo in un circuito con  Resistenza e Induttanza");
    b.label("Label1",
            "LA COSTANTE DI TEMPO RAPPRESENTA IL TEMPO IMPIEGATO DALLA CORRENTE A RAGGIUNGERE IL 63 %  "
            "DEL VALORE MASSIMO");
    b.frame("Frame1", "dati conosciuti", [&] {
      known_ = b.options("Option1", {"RESISTENZA e INDUTTANZA", "TEMPO e RESISTENZA", "TEMPO e INDUTTANZA"})
                   .onClick([this](int i) { choose(i); });
    });
    std::tie(in1_, caption_[0]) = b.input("txtinput1").label("lblinput", "", 0).handles();
    unit_[0] = b.label("lblumisura", "", 0);
    std::tie(in2_, caption_[1]) = b.input("txtinput2").label("lblinput", "", 1).handles();
    unit_[1] = b.label("lblumisura", "", 1);
    caption_[2] = b.label("lblinput", "", 2);
    out_ = b.result("lblinput", "", 3);
    unit_[2] = b.label("lblumisura", "", 2);
    Art drw = b.drawing("drwcircuito", circuit::chargingCircuit(Symbol::Inductor));
    r_ = b.result("lblr").at(drw, "resistor");
    l_ = b.result("lbll").at(drw, "load");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "ESCI");
  }

 private:
  void choose(int i) {
    static const char* const kCaptions[3][3] = {{"RESISTENZA :", "INDUTTANZA :", "TEMPO :"},
                                                {"TEMPO :", "RESISTENZA :", "INDUTTANZA :"},
                                                {"TEMPO :", "INDUTTANZA :", "RESISTENZA :"}};
    static const char* const kUnits[3][3] = {{" Ohm", " microHenry", " microsec"},
                                             {" microsec", " Ohm", " microHenry"},
                                             {" microsec", " microHenry", " Ohm"}};
    setText(out_, "?");
    setText(r_, "R");
    setText(l_, "L");
    for (int k = 0; k < 3; ++k) {
      setText(caption_[k], kCaptions[i][k]);
      setText(unit_[k], kUnits[i][k]);
    }
  }

  void compute() {
    const double a = number(in1_), b = number(in2_);
    if (!productTest({a, b}, Product::Zero, in1_)) return;
    if (isSelected(known_, 0)) {
      const std::string tau = fixed(b / a, 4);
      setText(out_, tau);
      setText(r_, general(a));
      setText(l_, general(b));
    } else if (isSelected(known_, 1)) {
      // six decimals for the inductance, four for the other two
      const std::string l = fixed(a * b, 6);
      setText(out_, l);
      setText(r_, general(b));
      setText(l_, l);
    } else if (isSelected(known_, 2)) {
      const std::string r = fixed(b / a, 4);
      setText(out_, r);
      setText(r_, r);
      setText(l_, general(b));
    }
  }

  Options known_;
  Input in1_, in2_;
  Label caption_[3], unit_[3], out_, r_, l_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmcostantetemporl, CostanteTempoRL)
