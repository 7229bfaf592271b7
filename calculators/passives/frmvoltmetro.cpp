// The series resistor that extends the range of a voltmeter n times.
#include "framework/registry.h"

namespace vm {
namespace {

class Voltmetro final : public CalculatorOf<Voltmetro> {
 public:
  explicit Voltmetro(FormBuilder& b) : CalculatorOf(b) {
    b.caption("Resistenza in serie per voltmetro");
    rm_ = b.input("txtRM").label("Label2", "Resistenza interna dello strumento :");
    n_ = b.input("txtnr").label("Label3", "Nr. di volte per cui si vuole estendere la portata della scala");
    out_ = b.result("lbloutput");
    b.label("Label1",
            "Viene calcolato il valore della resistenza che, posta in serie ad un voltmetro, consente di "
            "estenderne la portata di \" n \" volte .");
    b.computeButton("cdmcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
  }

 private:
  void compute() {
    const double rm = number(rm_);
    double n = number(n_);
    if (!productTest({rm, n}, Product::Zero, rm_)) return;
    // a factor below 1 is taken as 1 (the shunt clamps to 1.1)
    if (n < 1) n = 1;
    const float rs = single((n - 1) * rm);
    setText(out_, "resistenza in Ohm da inserire in serie allo strumento =  " + general(rs));
  }

  Input rm_, n_;
  Label out_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmvoltmetro, Voltmetro)
