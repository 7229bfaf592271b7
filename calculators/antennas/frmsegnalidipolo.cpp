// The theoretical signal at a distance between two half-wave dipoles: power
// density, received power, electric and magnetic field, voltage on the
// receiving dipole.
#include <cmath>

#include "framework/registry.h"

namespace vm {
namespace {

class SegnaliDipolo final : public CalculatorOf<SegnaliDipolo> {
 public:
  explicit SegnaliDipolo(FormBuilder& b) : CalculatorOf(b) {
    b.caption("INTESITA' DEI SEGNALI D'ANTENNA");
    b.text("VALORE TEORICO DEL FLUSSO DI POTENZA  DEI SEGNALI IRRADIATI DA UN DIPOLO A MEZZ ' ONDA IPOTETICAMENTE "
           "RISCONTRABILI AD UNA DETERMINATA DISTANZA ");
    watt_ = b.input("txtwatt").label("lbltxtwatt", "POTENZA DEL TRASMETTITORE IN WATT");
    km_ = b.input("txtdistanza").label("lbltxtdistanza", "DISTANZA DAL TRASMETTITORE IN KM");
    freq_ = b.input("txtfrequenza").label("lbltxtfrequenza", "FREQUENZA DI TRASMISSIONE IN Mhz");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    density_ = b.result("lblpr");
    received_ = b.result("lblpa");
    e_ = b.result("lblcampoe");
    h_ = b.result("lblcampoh");
    volts_ = b.result("lbltensione");
    b.text("NELL'IPOTESI CHE IL SEGNALE VENGA TRASMESSO E RICEVUTO DA DUE DIPOLI  A MEZZ' ONDA E SENZA TENERE CONTO "
           "DELLE VARIAZIONI DI PROPAGAZIONE");
    b.closeButton("cmdesci", "E S C I");
  }

 private:
  void compute() {
    const double p = number(watt_);
    double d = number(km_);
    const double f = number(freq_);
    if (!productTest({p, d, f}, Product::Zero, watt_)) return;
    // both dipoles: 1.64 over the isotropic radiator
    const double gt = 1.64, gr = 1.64;
    d *= 1000;
    const double lambda = 300 / f;
    const double s = 1e6 * p * gt / (12.56 * d * d);
    const double pr = s * gr * lambda * lambda / 12.56;
    const double e = std::sqrt(120 * 3.14 * s);
    const float h = single(3.14 * 100 * e / 120);
    const double v = std::sqrt(75 * pr);
    const std::string ts = fixed(s, 5), tp = fixed(pr, 5), te = fixed(e, 3), th = fixed(h, 3), tv = fixed(v, 3);
    setText(density_, "DENSITA' DI POTENZA DELL' ONDA  :  " + ts + "  microWATT/mq ");
    setText(received_, "POTENZA GENERATA NEL DIPOLO RICEVENTE : " + tp + " microWATT ");
    setText(e_, "INTENSITA' CAMPO ELETTRICO IN RICEZIONE : " + te + " milliVOLT/mt ");
    setText(h_, "INTENSITA' CAMPO MAGNETICO IN RICEZIONE : " + th + " microAMP/mt ");
    setText(volts_, "TENSIONE NEL DIPOLO RICEVENTE : " + tv + " milliVOLT ");
  }

  Input watt_, km_, freq_;
  Label density_, received_, e_, h_, volts_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmsegnalidipolo, SegnaliDipolo)
