// Free-space attenuation of a signal over a distance at a frequency.
#include <cmath>

#include "framework/registry.h"

namespace vm {
namespace {

class AttenuazioneTratta final : public CalculatorOf<AttenuazioneTratta> {
 public:
  explicit AttenuazioneTratta(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CALCOLO ATTENUAZIONE DEL SEGNALE IN RELAZIONE ALLA DISTANZA");
    freq_ = b.input("txtfrequenza").label("lbltxtfrequenza", "FREQUENZA DI LAVORO IN MHz");
    km_ = b.input("txtdistanza").label("lbltxtdistanza", "DISTANZA IN KM");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    result_ = b.result("lblattenuazione");
    b.text("SEPARARE I DECIMALI CON IL PUNTO DEL TASTIERINO NUMERICO");
    b.closeButton("cmdesci", "C H I U D I");
  }

 private:
  void compute() {
    const double f = number(freq_);
    double km = number(km_);
    // no distance is taken as one metre
    if (km == 0) km = 0.001;
    const double lambda = 300 / f;
    const double m = 1000 * km;
    const double ln10 = std::log(10.0);
    const double a = roundFixed(20 * (std::log(m) / ln10 + 1.099 - std::log(lambda) / ln10), 2);
    setText(result_, "L'ATTENUAZIONE ALLA DISTANZA DI " + general(km) + " KM é " + general(a) + " dB");
  }

  Input freq_, km_;
  Label result_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmattenuazionetratta, AttenuazioneTratta)
