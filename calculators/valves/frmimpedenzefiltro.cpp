// The iron-cored filter choke of a valve power supply: wire, core section,
// turns and winding area from the inductance, the current and the air gap.
#include <cmath>

#include "framework/registry.h"

namespace vm {
namespace {

class ImpedenzeFiltro final : public CalculatorOf<ImpedenzeFiltro> {
 public:
  explicit ImpedenzeFiltro(FormBuilder& b) : CalculatorOf(b) {
    b.caption("IMPEDENZE DI FILTRO       PER ALIMENTAZIONE APPARATI VALVOLARI");
    henry_ = b.input("txthenry").label("Label1", "VALORE DELL'INDUTTANZA IN Henry");
    current_ = b.input("txtcorrente").label("Label2", "VALORE DELLA CORRENTE IN mA");
    gap_ = b.input("txttraferro").text("0.3").tooltip("da mm 0.1 a mm 0.7").label("lbltraferro",
                                                                                   "VALORE DEL TRAFERRO IN mm");
    d_label_ = b.result("lbld");
    s_label_ = b.result("lblsezione");
    n_label_ = b.result("lbln");
    sa_label_ = b.result("lblsa");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cdmesci", "E S C I");
    b.button("cmdchiamatabella", "TABELLA DIMENSIONE LAMIERINI").onClick([this] {
      openBeside("frmuniel", {.selfLeft = 180, .selfTop = 300, .left = 6100, .top = 6000});
    });
  }

 private:
  void compute() {
    l_ = number(henry_);
    i_ = number(current_);
    g_ = number(gap_);
    if (!productTest({g_, i_, l_}, Product::NotPositive, henry_)) return;
    // the tooltip speaks of gaps up to 0.7 mm, the check stops at 0.6
    if (g_ > 0.6) {
      warn("VALORE MAX 0.6 mm", "MESSAGGIO DI ERRORE", gap_);
      return;
    }
    const double d = 0.7 * std::sqrt(i_ / 1000);
    const double s = l_ * i_ * i_ / (40000 * g_);
    const double n = 800000 * g_ / i_;
    // the winding area comes from the diameter and the turns before rounding
    aw_ = roundFixed(finite(d * d * n * 0.015), 2);
    d_text_ = fixed(d, 2);
    n_text_ = fixed(n, 0);
    s_text_ = fixed(s, 2);
    const std::string dl = "DIAMETRO DEL FILO " + d_text_ + " mm";
    const std::string sl = "SEZIONE DEL NUCLEO " + s_text_ + " cmq";
    const std::string nl = "IL NUMERO DELLE SPIRE E'   " + n_text_;
    const std::string al = "AREA OCCUPATA DALL'AVVOLGIMENTO " + general(aw_) + " cmq";
    setText(d_label_, dl);
    setText(s_label_, sl);
    setText(n_label_, nl);
    setText(sa_label_, al);
  }

  Input henry_, current_, gap_;
  Label d_label_, s_label_, n_label_, sa_label_;
  // the inputs as last read and the choke of the last computation
  double l_ = 0, i_ = 0, g_ = 0, aw_ = 0;
  std::string d_text_, s_text_, n_text_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmimpedenzefiltro, ImpedenzeFiltro)
