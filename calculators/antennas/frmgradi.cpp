// Physical length and electrical degrees, either way, at a given frequency.
#include <tuple>

#include "framework/registry.h"

namespace vm {
namespace {

class Gradi final : public CalculatorOf<Gradi> {
 public:
  explicit Gradi(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CONVERSIONE TRA LUNGHEZZA FISICA DELL'ANTENNA E GRADI ELETTRICI");
    b.frame("Frame1", " CONVERSIONE ", [&] {
      way_ = b.options("Option1", {"DA METRI A GRADI", "DA GRADI A METRI"}).opensOn(0).onClick([this](int i) {
        chooseWay(i);
      });
    });
    std::tie(input_, inputCaption_) = b.input("txtinput").label("lblinput", "").handles();
    freq_ = b.input("txtfrequenza").label("lbltxtfrequenza", "FREQUENZA IN MHz");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    results_ = b.frame("Frame2", "", [&] {
      output_ = b.result("lbloutput");
      radians_ = b.result("lblradianti");
    });
    b.text("IN FASE DI DIMENSIONAMENTO DI UN' ANTENNA ACCORCIATA, PER MANTENERE UNA RESA SODDISFACENTE,  NON E' "
           "CONSIGLIABILE SCENDERE AL DI SOTTO DI 60 GRADI ELETTRICI");
    b.closeButton("cmdchiudi", "C H I U D I");
  }

 private:
  void chooseWay(int i) {
    hide(results_);
    setText(input_, {});
    setText(inputCaption_, i == 0 ? "LUNGHEZZA IN METRI" : "GRADI");
  }

  void compute() {
    double x = number(input_);
    const double f = number(freq_);
    if (!productTest({x, f}, Product::Zero, input_)) return;
    // the degrees follow from 360 degrees per wavelength of 300 / f metres
    if (isSelected(way_, 0)) {
      const double lambda = 300 / f;
      if (x > lambda) {
        warn("I METRI ECCEDONO LA LUNGHEZZA D'ONDA", "MESSAGGIO DI ERRORE", input_);
        return;
      }
      const double deg = f * x * 1.2;
      const std::string output = "CORRISPONDE A GRADI  :  " + fixed(deg, 1);
      // pi as 3.14159 in both directions, as this window has always shown it
      const float rad = single(roundFixed(roundFixed(deg, 1) * 3.14159 / 180, 2));
      const std::string radians = "CORRISPONDE A RADIANTI : " + general(rad);
      setText(output_, output);
      setText(radians_, radians);
    } else if (isSelected(way_, 1)) {
      // more than a full turn is taken as one, and the input says so
      const bool turn = x > 360;
      if (turn) x = 360;
      const std::string output = "CORRISPONDE A METRI  :  " + fixed(x / (f * 1.2), 2);
      const std::string radians = "CORRISPONDE A RADIANTI : " + general(roundFixed(x * 3.14159 / 180, 2));
      if (turn) setText(input_, "360");
      setText(output_, output);
      setText(radians_, radians);
    }
    show(results_);
  }

  Options way_;
  Input input_, freq_;
  Label inputCaption_, output_, radians_;
  Frame results_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmgradi, Gradi)
