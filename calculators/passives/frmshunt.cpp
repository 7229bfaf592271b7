// The shunt that extends the range of an ammeter n times.
#include "framework/registry.h"

namespace vm {
namespace {

class Shunt final : public CalculatorOf<Shunt> {
 public:
  explicit Shunt(FormBuilder& b) : CalculatorOf(b) {
    b.caption("Resistenza di shunt per amperometro");
    rm_ = b.input("txtRM").label("Label2", "Resistenza interna dello strumento :");
    n_ = b.input("txtnr").label("Label3", "Nr. di volte per cui si vuole estendere la portata della scala");
    rs_ = b.result("lblRS");
    b.label("Label1",
            "Viene calcolato il valore della resistenza che, posta in parallelo ad un amperometro, consente di "
            "estenderne la portata di \" n \" volte.");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
  }

 private:
  void compute() {
    const double rm = number(rm_);
    double n = number(n_);
    if (!productTest({rm, n}, Product::Zero, rm_)) return;
    // a factor of 1 or less is taken as 1.1 (the voltmeter clamps to 1)
    if (n <= 1) n = 1.1;
    const float rs = single(roundPattern(rm / (n - 1), "#,##0.##"));
    setText(rs_, "resistenza SHUNT in Ohm  =  " + general(rs));
  }

  Input rm_, n_;
  Label rs_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmshunt, Shunt)
