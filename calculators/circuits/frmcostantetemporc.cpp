// Time constant of a resistor-capacitor pair, solved for any one of the
// time, the resistance and the capacitance (megaohm x microfarad = seconds).
#include <tuple>

#include "framework/registry.h"
#include "filter_drawings.h"

namespace vm {
namespace {

class CostanteTempoRC final : public CalculatorOf<CostanteTempoRC> {
 public:
  explicit CostanteTempoRC(FormBuilder& b) : CalculatorOf(b) {
    b.caption("Calcolo costante di tempo in un circuito con  Resistenza e Capacità");
    b.label("Label1",
            "LA COSTANTE DI TEMPO RAPPRESENTA IL TEMPO IMPIEGATO DA UN CONDENSATORE A CARICARSI AL 63 %  "
            "ATTRAVERSO UNA RESISTENZA");
    b.frame("Frame1", "dati conosciuti", [&] {
      known_ = b.options("Option1", {"RESISTENZA e CAPACITA'", "TEMPO e RESISTENZA", "TEMPO e CAPACITA'"})
                   .onClick([this](int i) { choose(i); });
    });
    std::tie(in1_, caption_[0]) = b.input("txtinput1").label("lblinput", "", 0).handles();
    unit_[0] = b.label("lblumisura", "", 0);
    std::tie(in2_, caption_[1]) = b.input("txtinput2").label("lblinput", "", 1).handles();
    unit_[1] = b.label("lblumisura", "", 1);
    caption_[2] = b.label("lblinput", "", 2);
    out_ = b.result("lblinput", "", 3);
    unit_[2] = b.label("lblumisura", "", 2);
    Art drw = b.drawing("drwcircuito", circuit::chargingCircuit(Symbol::Capacitor));
    r_ = b.result("lblr").at(drw, "resistor");
    c_ = b.result("lblc").at(drw, "load");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "ESCI");
  }

 private:
  void choose(int i) {
    static const char* const kCaptions[3][3] = {{"RESISTENZA :", "CAPACITA' :", "TEMPO :"},
                                                {"TEMPO :", "RESISTENZA :", "CAPACITA' :"},
                                                {"TEMPO :", "CAPACITA' :", "RESISTENZA :"}};
    static const char* const kUnits[3][3] = {{" megaOhm", " microFarad", " secondi"},
                                             {" secondi", " megaOhm", " microFarad"},
                                             {" secondi", " microFarad", " megaOhm"}};
    setText(out_, "?");
    setText(r_, "R");
    setText(c_, "C");
    for (int k = 0; k < 3; ++k) {
      setText(caption_[k], kCaptions[i][k]);
      setText(unit_[k], kUnits[i][k]);
    }
  }

  void compute() {
    const double a = number(in1_), b = number(in2_);
    if (!productTest({a, b}, Product::Zero, in1_)) return;
    if (isSelected(known_, 0)) {
      const std::string tau = fixed(a * b, 4);
      setText(out_, tau);
      setText(r_, general(a));
      setText(c_, general(b));
    } else if (isSelected(known_, 1)) {
      const std::string c = fixed(a / b, 4);
      setText(out_, c);
      setText(r_, general(b));
      setText(c_, c);
    } else if (isSelected(known_, 2)) {
      const std::string r = fixed(a / b, 4);
      setText(out_, r);
      setText(r_, r);
      setText(c_, general(b));
    }
  }

  Options known_;
  Input in1_, in2_;
  Label caption_[3], unit_[3], out_, r_, c_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmcostantetemporc, CostanteTempoRC)
