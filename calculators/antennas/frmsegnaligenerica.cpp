// The theoretical signal at a distance between two antennas of given gain
// (linear power ratios over the isotropic radiator).
#include <cmath>

#include "framework/registry.h"

namespace vm {
namespace {

class SegnaliGenerica final : public CalculatorOf<SegnaliGenerica> {
 public:
  explicit SegnaliGenerica(FormBuilder& b) : CalculatorOf(b) {
    b.caption("INTENSITA'  DEI SEGNALI D' ANTENNA");
    b.text("VALORE TEORICO DEL FLUSSO DI POTENZA  DEI SEGNALI IRRADIATI DA UNA ANTENNA  IPOTETICAMENTE "
           "RISCONTRABILI AD UNA DETERMINATA DISTANZA ");
    watt_ = b.input("txtwatt").label("lbltxtwatt", "POTENZA DEL TRASMETTITORE IN WATT");
    km_ = b.input("txtdistanza")
              .label("lbltxtdistanza", "DISTANZA DAL TRASMETTITORE IN KM")
              .tooltip("distanza su cui effettuare il calcolo");
    freq_ = b.input("txtfrequenza").label("lbltxtfrequenza", "FREQUENZA DI TRASMISSIONE IN Mhz");
    gt_ = b.input("txtgt")
              .label("lbltxtgt", "GUADAGNO DELL'ANT. TX RISPETTO AL DIPOLO ISOTROPICO")
              .tooltip("1.64 per il dipolo");
    gr_ = b.input("txtgr")
              .label("lbltxtgr", "GUADAGNO DELL'ANT. RX RISPETTO AL DIPOLO ISOTROPICO")
              .tooltip("1.64 per il dipolo");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    density_ = b.result("lblpr");
    received_ = b.result("lblpa");
    e_ = b.result("lblcampoe");
    h_ = b.result("lblcampoh");
    volts_ = b.result("lbltensione");
    b.text("SENZA TENERE CONTO DELLE VARIAZIONI DI PROPAGAZIONE");
    b.closeButton("cmdesci", "C H I U D I");
  }

 private:
  void compute() {
    const double p = number(watt_);
    double d = number(km_);
    const double f = number(freq_);
    const double gt = number(gt_);
    const double gr = number(gr_);
    if (!productTest({p, d, f, gt, gr}, Product::Zero, watt_)) return;
    d *= 1000;
    const double lambda = 300 / f;
    const double s = 1e6 * p * gt / (12.56 * d * d);
    const double pr = s * gr * lambda * lambda / 12.56;
    const double e = std::sqrt(120 * 3.14 * s);
    const float h = single(3.14 * 100 * e / 120);
    const double v = std::sqrt(75 * pr);
    const std::string ts = pattern(s, "#,##0.#####"), tp = pattern(pr, "#,##0.####"),
                      te = pattern(e, "#,##0.###"), th = pattern(h, "#,##0.###"), tv = pattern(v, "#,##0.###");
    setText(density_, "DENSITA' DI POTENZA DELL' ONDA  :  " + ts + "  microWATT/mq ");
    setText(received_, "POTENZA GENERATA NELL'ANTENNA RICEVENTE : " + tp + " microWATT ");
    setText(e_, "INTENSITA' CAMPO ELETTRICO IN RICEZIONE : " + te + " milliVOLT/mt ");
    setText(h_, "INTENSITA' CAMPO MAGNETICO IN RICEZIONE : " + th + " microAMP/mt ");
    setText(volts_, "TENSIONE NELL'ANTENNA RICEVENTE : " + tv + " milliVOLT ");
  }

  Input watt_, km_, freq_, gt_, gr_;
  Label density_, received_, e_, h_, volts_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmsegnaligenerica, SegnaliGenerica)
