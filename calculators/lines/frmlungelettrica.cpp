// Electrical half-wave lengths of a coaxial cable for the frequency of a
// standing-wave measurement, recomputed on every keystroke.
#include "framework/registry.h"

namespace vm {
namespace {

class LungElettrica final : public CalculatorOf<LungElettrica> {
 public:
  explicit LungElettrica(FormBuilder& b) : CalculatorOf(b) {
    b.caption("Lunghezza elettrica cavi coassiali");
    b.frame("Frame1", "TIPO DI CAVO COASSIALE", [&] {
      cable_ = b.options("Option1", {"50 Ohm FATTORE VELOCITA' 0.66", "75 Ohm FATTORE VELOCITA'  0.8"}).opensOn(0)
                   .onClick([this](int) { chooseCable(); });
    });
    f_ = b.input("txtinput")
             .label("lblinput", "MISURA  EFFETTUATA  A  MHz :")
             .tooltip("INSERIRE FREQUENZA DI LAVORO");
    results_ = b.frame("Frame2", "", [&] {
                  metres_ = b.result("lbllungmetri");
                  electric_ = b.result("lbllungelettrici");
                  half_ = b.result("lbltrattidilinea");
                  whole_ = b.result("lbltrattidilinea1");
                  threeHalves_ = b.result("lbltrattidilinea2");
                  b.label("lbltesto",
                          "PER EFFETTUARE MISURAZIONI ATTENDIBILI DI ONDE STAZIONARIE OCCORRE CHE LO STRUMENTO "
                          "SIA COLLEGATO ALL'ESTREMITA'  DI UN CAVO CHE SIA PARI A MEZZ'ONDA ELETTRICA ( O "
                          "MULTIPLI) . SI INDICANO ALCUNE LUNGHEZZE IN CORRISPONDENZA DELLE QUALI SI PRESENTANO "
                          "CONDIZIONI SIMILI A QUELLE ESISTENTI NEL PUNTO DI ALIMENTAZIONE DELL'ANTENNA");
                }).hidden();
    b.closeButton("cmdesci", "E S C I");
    b.live({f_}, {results_}, [this] { compute(); }, true);
  }

 private:
  // A new cable starts from an empty frequency, whose change hides the lengths.
  void chooseCable() {
    setText(f_, "");
    hide(results_);
  }

  void compute() {
    const double f = number(f_);
    if (!(f > 0)) {
      hide(results_);
      return;
    }
    double k;
    if (isSelected(cable_, 0)) k = 0.66;
    else if (isSelected(cable_, 1)) k = 0.8;
    else return;
    // the wavelength in air is carried on as it is shown, to 3 decimals
    const std::string air = fixed(300 / f, 3);
    const double lambda = roundFixed(300 / f, 3);
    const double inCable = roundFixed(k * lambda, 3);
    setText(metres_, "CORRISPONDENTI A mt. : " + air);
    setText(electric_, "PARI A ONDA ELETTRICA  : " + general(inCable));
    setText(half_, general(inCable / 2));
    setText(whole_, general(inCable));
    setText(threeHalves_, general(inCable / 2 * 3));
    show(results_);
  }

  Options cable_;
  Input f_;
  Frame results_;
  Label metres_, electric_, half_, whole_, threeHalves_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmlungelettrica, LungElettrica)
