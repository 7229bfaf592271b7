// Self-capacitance and self-resonant frequency of a single-layer air coil by
// Medhurst's formula, with its inductance by Wheeler's.
#include <cmath>

#include "framework/registry.h"
#include "coil_drawings.h"

namespace vm {
namespace {

class AutoRisonanza final : public CalculatorOf<AutoRisonanza> {
 public:
  explicit AutoRisonanza(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CALCOLO CAPACITA'  PARASSITA E AUTORISONANZA DI UNA BOBINA MONOSTRATO IN ARIA      FORMULA DI "
              "MEDHURST");
    turns_ = b.field("txtnr", "lblnr", "numero di spire");
    diameter_ = b.input("txtdiametro")
                    .tooltip("diametro del supporto")
                    .label("lbldiametro", "diametro interno bobina in millimetri")
                    .labelTooltip("calcolato al centro spira");
    length_ = b.input("txtlunghezza")
                  .tooltip("digitare un dato compatibile con la sezione del filo")
                  .label("lbllunghezza", "lunghezza bobina  in millimetri");
    results_ = b.frame("Frame1", "", [&] {
                  henry_ = b.result("lblinduttanza");
                  wire_ = b.result("lbllunghezzafilo");
                  cp_ = b.result("lblcp");
                  fr_ = b.result("lblf");
                }).hidden();
    Art coil = b.drawing("drwbobina", coils::solenoid());
    lblL_ = b.label("lbll", "L").at(coil, "lbll");
    lblD_ = b.label("lbld", " D ").at(coil, "lbld");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E X I T");
    b.button("cmdchiamaawg", "CONVERSIONI AWG").onClick([this] {
      openBeside("frmawg", {.selfLeft = 180, .selfTop = 180, .left = 4100, .top = 3000});
    });
    b.text("NELLA FORMULA DI MEDHURST UTILIZZATA    LA SELF - CAPACITANCE  DIPENDE SOLO DALLA RELAZIONE LUNGHEZZA - "
           "DIAMETRO DELLA BOBINA . L'ASSEGNAZIONE DEL NUMERO DELLE SPIRE NECESSITA ESCLUSIVAMENTE PER IL CALCOLO "
           "DELL' INDUTTANZA E NON INFLUISCE SULL' ENTITA' DELLA CAPACITA'  PARASSITA");
    b.text("TRATTASI DI FORMULE SEMI-EMPIRICHE");
    b.text("SEPARARE GLI EVENTUALI DECIMALI CON IL PUNTO");
    b.onTyping({turns_, diameter_, length_}, Typing::Hide, {results_}, [this] {
      setText(lblL_, "L");
      setText(lblD_, " D ");
    });
  }

 private:
  void compute() {
    d_ = number(diameter_);
    l_ = number(length_);
    n_ = number(turns_);
    if (!productTest({d_, l_, n_}, Product::EachPositive, turns_)) return;
    const double lh = d_ * n_ * n_ / ((0.45 + l_ / d_) * 1000);
    lh_ = roundFixed(lh, 2);
    setText(henry_, "l'induttanza è µHenry    " + fixed(lh, 2));
    setText(wire_, "il conduttore è lungo cm.  " + general(Int(n_ * 3.14 * d_ / 10)));
    const double h = 0.1126 * (l_ / d_) + 0.08 + 0.27 * std::sqrt(d_ / l_);
    if (l_ / d_ < 0.1 || l_ / d_ > 50) {
      // the first two lines are written but stay hidden
      warn("RAPPORTO DIAMETRO LUNGHEZZA ASSURDO", "MESSAGGIO DI ERRORE", turns_);
      return;
    }
    // the diameter is taken in centimetres
    cp_value_ = roundFixed(d_ * h / 10, 2);
    const double fr = 159.155 / std::sqrt(lh_ * cp_value_);
    setText(cp_, "la capacità parassita è pF  " + general(cp_value_));
    setText(fr_, "la frequenza di autorisonanza è MHz  " + fixed(fr, 6));
    setText(lblL_, general(l_) + " mm");
    setText(lblD_, general(d_) + " mm ");
    show(results_);
  }

  Input turns_, diameter_, length_;
  Label henry_, wire_, cp_, fr_, lblL_, lblD_;
  Frame results_;
  double d_ = 0, l_ = 0, n_ = 0, lh_ = 0, cp_value_ = 0;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmautorisonanza, AutoRisonanza)
