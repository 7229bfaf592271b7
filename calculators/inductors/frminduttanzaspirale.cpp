// Flat spiral air coil: its approximate inductance from the turns and the
// inner and outer radii, in millimetres.
#include "framework/registry.h"
#include "multilayer_drawings.h"

namespace vm {
namespace {

class InduttanzaSpirale final : public CalculatorOf<InduttanzaSpirale> {
 public:
  explicit InduttanzaSpirale(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CALCOLO INDUTTANZA DI  UNA BOBINA A SPIRALE");
    turns_ = b.field("txtnr", "lblnr", "numero di spire");
    inner_ = b.input("txtr1")
                 .tooltip("diametro del supporto")
                 .label("lblr1", "raggio interno in millimetri (r)")
                 .labelTooltip("calcolato al centro spira");
    outer_ = b.input("txtr2")
                 .tooltip("digitare un dato compatibile con la sezione del filo")
                 .label("lblr2", "raggio esterno in millimetri (R)");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E X I T");
    out_ = b.result("lblinduttanza");
    Art art = b.drawing("drwspirale", coils::flatSpiral());
    lblMean_ = b.label("lblmedio", "RAGGIO MEDIO").at(art, "medio");
    lblDepth_ = b.label("lblspessore", "SPESSORE").at(art, "spessore");
    lblOuter_ = b.label("lblraggioesterno", "raggio esterno").at(art, "esterno");
    b.label("lblraggiointerno", "r").at(art, "interno");
    b.text("BOBINA A SPIRALE SENZA NUCLEO                                FORMULA  APPROSSIMATIVA");
    b.text("SEPARARE GLI EVENTUALI DECIMALI CON IL PUNTO");
    // the outer radius on the drawing stays until the next computation
    b.onTyping({turns_, inner_, outer_}, Typing::Hide, {out_}, [this] {
      setText(lblMean_, "RAGGIO MEDIO");
      setText(lblDepth_, "SPESSORE");
    });
  }

 private:
  void compute() {
    n_ = number(turns_);
    r_ = number(inner_);
    R_ = number(outer_);
    if (!productTest({n_, r_, R_}, Product::EachPositive, turns_)) return;
    if (r_ > R_) {
      warn("IL RAGGIO ESTERNO E' SEMPRE MAGGIORE", "MESSAGGIO DI ERRORE", inner_);
      return;
    }
    const double a = (R_ + r_) / 2;
    const double c = R_ - r_;
    l_ = roundDefault((a * n_) * (a * n_) / (100 * (2 * a + 2.8 * c)));
    setText(out_, "l'induttanza è µhenry    " + general(l_));
    show(out_);
    setText(lblMean_, general(a) + " mm");
    setText(lblDepth_, general(c) + " mm");
    setText(lblOuter_, general(R_) + " mm");
  }

  Input turns_, inner_, outer_;
  Label out_, lblMean_, lblDepth_, lblOuter_;
  double n_ = 0, r_ = 0, R_ = 0, l_ = 0;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frminduttanzaspirale, InduttanzaSpirale)
