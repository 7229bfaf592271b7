// Round multilayer air coil by Wheeler's multilayer formula: the turns for an
// inductance, or the inductance of a number of turns, on a bobbin of given
// radii and width; then the wire that fills the winding window.
#include <cmath>
#include <tuple>

#include "framework/registry.h"
#include "multilayer_drawings.h"

namespace vm {
namespace {

class BobinaMultiCircolare final : public CalculatorOf<BobinaMultiCircolare> {
 public:
  explicit BobinaMultiCircolare(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CALCOLO BOBINE  MULTISTRATO CIRCOLARI  IN  ARIA");
    b.frame("Frame1", "", [&] {
      mode_ = b.options("Option1", {"Trovare il numero delle spire", "Trovare il valore dell'Induttanza"}).opensOn(0)
                  .onClick([this](int i) { chooseMode(i); });
    });
    std::tie(input_, lblInput_) = b.field("txtinput", "lblinput", "").handles();
    outer_ = b.input("txtraggiobobina")
                 .tooltip("diametro del supporto")
                 .label("lblraggiobobina", "raggio esterno bobina in mm (R)")
                 .labelTooltip("calcolato al centro spira");
    inner_ = b.input("txtraggionucleo")
                 .tooltip("digitare un dato compatibile con la sezione del filo")
                 .label("lblraggionucleo", "raggio interno bobina in mm (r)");
    width_ = b.field("txtlarghezza", "lbllarghezza", "larghezza del rocchetto in mm");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E X I T");
    b.button("cmdchiamaawg", "CONVERSIONI AWG").onClick([this] {
      openBeside("frmawg", {.selfLeft = 180, .selfTop = 180, .left = 4100, .top = 3000});
    });
    results_ = b.frame("Frame2", "", [&] {
                  out_ = b.result("lbloutput");
                  wire_ = b.result("lbllunghezzafilo");
                  gauge_ = b.result("lbldiametrofilo");
                  perLayer_ = b.result("lblspirestrato");
                  layers_ = b.result("lblstratispire");
                  dcr_ = b.result("lblresistenza");
                }).hidden();
    Art art = b.drawing("drwsezione", coils::multilayerSection());
    lblR1_ = b.label("lblr1", "r").at(art, "r");
    lblR2_ = b.label("lblr2", "R").at(art, "R");
    lblWidth_ = b.label("lbllarg", "larghezza").at(art, "larghezza");
    lblDepth_ = b.label("lblspessore", "Spessore").at(art, "spessore");
    b.text("TRATTANDOSI DI FORMULE EMPIRICHE I RISULTATI SONO INDICATIVI E L'ERRORE E' PROPORZIONALE AL NUMERO "
           "DELLE SPIRE");
    b.text("SEPARARE GLI EVENTUALI DECIMALI CON IL PUNTO");
    b.onTyping({outer_, inner_, width_}, Typing::Hide, {results_}, [this] { resetDrawing("Spessore"); });
    b.onTyping({input_}, Typing::Hide, {results_}, [this] { resetDrawing(" Spessore"); });
  }

 private:
  void resetDrawing(const char* depth) {
    setText(lblR1_, "r");
    setText(lblR2_, " R ");
    setText(lblWidth_, "larghezza");
    setText(lblDepth_, depth);
  }

  void chooseMode(int i) {
    hide(results_);
    setText(lblR1_, "r");
    setText(lblR2_, " R ");
    setText(lblWidth_, "larghezza");
    setText(lblInput_, i == 0 ? "induttanza in µH :" : "numero di spire :");
  }

  void compute() {
    // the dimensions are typed in millimetres and worked in centimetres
    R_ = number(outer_) / 10;
    r_ = number(inner_) / 10;
    b_ = number(width_) / 10;
    x_ = number(input_);
    if (!productTest({b_, R_, r_, x_}, Product::EachPositive, input_)) return;
    const double a = (r_ + R_) / 2;
    const double c = R_ - r_;
    std::string out;
    if (isSelected(mode_, 0)) {
      // the turns are rounded before the wire is derived from them
      n_ = roundFixed(std::sqrt((6 * a + 9 * b_ + 10 * c) * x_ / (0.315 * a * a)), 1);
      out = "il numero delle spire in aria è  " + fixed(n_, 1);
    } else if (isSelected(mode_, 1)) {
      n_ = x_;
      const double lh = 0.315 * a * a * n_ * n_ / (6 * a + 9 * b_ + 10 * c);
      lh_ = roundFixed(lh, 2);
      out = lh_ <= 1000 ? "µHenry :   " + fixed(lh, 2) : "milli Henry :   " + general(lh_ / 1000);
    } else {
      return;
    }
    lcm_ = roundFixed(n_ * 6.28 * a, 0);
    // the side of the square each turn may take in the winding window
    const double f = std::sqrt(c * b_ / n_);
    const double perLayer = b_ / f;
    const double rdc = 0.0229 * (lcm_ / 100) / ((10 * f) * (10 * f));
    setText(out_, out);
    setText(wire_, "la lunghezza del filo è " + general(lcm_ / 100) + " metri circa");
    setText(gauge_, "il diametro del filo è  " + fixed(10 * f, 2) + " mm");
    setText(perLayer_, "le spire per strato sono " + fixed(perLayer, 1));
    setText(layers_, "gli strati sono " + fixed(n_ / perLayer, 1));
    setText(dcr_, "la resistenza alla DC è Ohm " + fixed(rdc, 2));
    setText(lblR1_, general(r_) + " cm ");
    setText(lblR2_, general(R_) + " cm");
    setText(lblWidth_, general(b_) + " cm");
    setText(lblDepth_, general(c) + " cm");
    show(results_);
  }

  Options mode_;
  Input input_, outer_, inner_, width_;
  Label lblInput_, out_, wire_, gauge_, perLayer_, layers_, dcr_, lblR1_, lblR2_, lblWidth_, lblDepth_;
  Frame results_;
  double R_ = 0, r_ = 0, b_ = 0, x_ = 0, n_ = 0, lh_ = 0, lcm_ = 0;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmbobinamulticircolare, BobinaMultiCircolare)
