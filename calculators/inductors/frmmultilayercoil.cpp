// Round multilayer air coil from the wire and the bobbin: the layers the
// turns make, the inductance by Wheeler's multilayer formula, the wire
// length and its resistance.
#include <cmath>

#include "framework/registry.h"
#include "multilayer_drawings.h"

namespace vm {
namespace {

class MultilayerCoil final : public CalculatorOf<MultilayerCoil> {
 public:
  explicit MultilayerCoil(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CALCOLO  BOBINE  MULTISTRATO  CIRCOLARI  IN  ARIA      FORMULA DI WHEELER");
    wireIn_ = b.input("txtdiametrofilo")
                  .tooltip("diametro del supporto")
                  .label("lbldiametrofilo", "diametro filo in mm")
                  .labelTooltip("calcolato al centro spira");
    inner_ = b.input("txtraggionucleo")
                 .tooltip("digitare un dato compatibile con la sezione del filo")
                 .label("lblraggionucleo", "raggio interno bobina in mm (r)");
    width_ = b.field("txtlarghezza", "lbllarghezza", "larghezza del rocchetto in mm");
    turns_ = b.field("txtspire", "lblspire", "numero delle spire");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E X I T");
    b.button("cmdchiamaawg", "CONVERSIONI AWG").onClick([this] {
      openBeside("frmawg", {.selfLeft = 180, .selfTop = 180, .left = 4100, .top = 3000});
    });
    results_ = b.frame("Frame1", "", [&] {
                  henry_ = b.result("lblhenry");
                  wire_ = b.result("lbllunghezzafilo");
                  perLayer_ = b.result("lblnspirestrato");
                  layers_ = b.result("lblnstrati");
                  dcr_ = b.result("lblrdc");
                }).hidden();
    note_ = b.label("lbltesto",
                    "LA  FORMULA DI WHEELER UTILIZZATA  E'  EMPIRICA  E  PERTANTO I RISULTATI SONO DA CONSIDERARSI "
                    "APPROSSIMATIVI")
                .hidden();
    Art art = b.drawing("drwsezione", coils::multilayerSection());
    lblR1_ = b.label("lblr1", "r").at(art, "r");
    lblR2_ = b.label("lblr2", "R").at(art, "R");
    lblWidth_ = b.label("lbllarg", "larghezza").at(art, "larghezza");
    lblDepth_ = b.label("lblspessore", "Spessore").at(art, "spessore");
    b.text("SEPARARE GLI EVENTUALI DECIMALI CON IL PUNTO");
    // the note stays once shown
    b.onTyping({wireIn_, inner_, width_}, Typing::Hide, {results_}, [this] { resetDrawing("Spessore"); });
    b.onTyping({turns_}, Typing::Hide, {results_}, [this] { resetDrawing(" Spessore"); });
  }

 private:
  void resetDrawing(const char* depth) {
    setText(lblR1_, "r");
    setText(lblR2_, " R ");
    setText(lblWidth_, "larghezza");
    setText(lblDepth_, depth);
  }

  void compute() {
    // the dimensions are typed in millimetres and worked in centimetres
    dw_ = number(wireIn_) / 10;
    r_ = number(inner_) / 10;
    b_ = number(width_) / 10;
    n_ = number(turns_);
    if (!productTest({n_, b_, r_, dw_}, Product::EachPositive, wireIn_)) return;
    const double perLayer = b_ / dw_;
    const double layers = n_ / perLayer;
    const double c = layers * dw_;
    const double outer = c + r_;
    const double a = (outer + r_) / 2;
    lm_ = roundDefault(n_ * a * 6.28 / 100);
    const double lh = 0.315 * n_ * n_ * a * a / (6 * a + 10 * c + 9 * b_);
    lh_ = roundFixed(lh, 2);
    const double area = 3.14159 * (dw_ / 2) * (dw_ / 2);
    const double rdc = (0.018 / area) * lm_ / 100;
    setText(henry_, lh_ <= 1000 ? "L'INDUTTANZA E' µHenry :   " + fixed(lh, 2)
                                : "L'INDUTTANZA E' milli Henry :   " + general(lh_ / 1000));
    setText(wire_, "L'AVVOLGIMENTO E' LUNGO CIRCA METRI " + general(lm_));
    setText(perLayer_, "LE SPIRE PER STRATO SONO " + fixed(perLayer, 1));
    setText(layers_, "GLI STRATI SONO  " + fixed(layers, 1));
    setText(dcr_, "LA RESISTENZA ALLA CORRENTE CONTINUA E' " + fixed(rdc, 2) + " OHMS");
    setText(lblR1_, general(r_) + " cm ");
    setText(lblR2_, fixed(outer, 1) + " cm");
    setText(lblWidth_, general(b_) + " cm");
    setText(lblDepth_, fixed(c, 2) + " cm");
    show({results_, note_});
  }

  Input wireIn_, inner_, width_, turns_;
  Label henry_, wire_, perLayer_, layers_, dcr_, note_, lblR1_, lblR2_, lblWidth_, lblDepth_;
  Frame results_;
  double dw_ = 0, r_ = 0, b_ = 0, n_ = 0, lm_ = 0, lh_ = 0;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmmultilayercoil, MultilayerCoil)
