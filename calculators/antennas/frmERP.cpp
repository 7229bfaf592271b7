// Effective radiated power: the transmitter power less the losses of the
// coaxial line and its connectors, raised by the antenna gain. The line
// attenuation comes from a table of cables by frequency band.
#include <cmath>

#include "framework/registry.h"

namespace vm {
namespace {

// Attenuation in dB per 100 m by band (upper limit in MHz) for each cable,
// and the loss of one connector in that band.
struct Band {
  double upTo;
  double cable[5];  // RG 58, RG 8 - 213, TV 6.8 mm, RG 217, RG 62
  float connector;
};
constexpr Band kBands[] = {
    {10, {4.59, 1.8, 2.2, 1.35, 2.8}, 0.1f},     {50, {10.8, 4.27, 6.2, 3.28, 6.23}, 0.1f},
    {100, {16.1, 6.23, 6.9, 4.59, 9.68}, 0.2f},  {200, {24.3, 8.86, 10.2, 6.56, 12}, 0.2f},
    {400, {39.4, 13.5, 15, 10.17, 17.4}, 0.3f},  {1000, {78.7, 26.3, 23.3, 18, 28.5}, 0.3f},
    {3000, {177, 52.5, 52.5, 40.7, 60.7}, 0.4f},
};
// The last band also serves the frequencies between its limit and this one.
constexpr double kHighest = 3200;

class ERP final : public CalculatorOf<ERP> {
 public:
  explicit ERP(FormBuilder& b) : CalculatorOf(b) {
    b.caption("POTENZA EFFETTIVA IRRADIATA - E R P");
    // the cable comes first in the tab order: the window opens on the first one
    b.frame("Frame1", " Tipi di cavo ", [&] {
       cable_ = b.options("Option1", {"RG 58", "RG 8 - 213", "TV 6.8 mm", "RG 217", "RG 62"}).opensOn(0)
                    .optionTooltip(2, "IMPEDENZE DIVERSE DEVONO ESSERE ADATTATE")
                    .optionTooltip(4, "IMPEDENZE DIVERSE DEVONO ESSERE ADATTATE");
     }).tooltip("NATURALMENTE IMPEDENZE DIVERSE DEVONO ESSERE ADATTATE");
    freq_ = b.input("txtfrequenza").label("lbltxtfrequenza", "FREQUENZA in MHz");
    power_ = b.input("txtW")
                 .label("lbltxtW", "POTENZA D' USCITA TX in Watt")
                 .tooltip("POTENZA MEDIA AL WATTMETRO");
    length_ = b.input("txtlunghezza").label("lbltxtlunghezza", "LUNGHEZZA DEL COAX in mt");
    count_ = b.input("txtnr").label("lbltxtnr", "NR. DEI CONNETTORI USATI");
    gain_ = b.input("txtguadagno")
                .label("lbltxtguadagno", "GUADAGNO ISO DELL'ANTENNA in dB (dipolo 1/2 onda =  + 2.14 dB dipolo ISO)")
                .tooltip("guadagno dell'ant. rispetto al dipolo isotropico");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    erp_ = b.result("lblerp");
    loss_ = b.result("lblpt");
    b.text("LA POTENZA EFFETTIVA IRRADIATA E' FUNZIONE DELLA POTENZA DEL TX, DELLA FREQUENZA,  DELLA LUNGHEZZA  E  "
           "QUALITA' DELLA LINEA,   DELLE PERDITE COMPLESSIVE E DEL GUADAGNO DELL'ANTENNA - VIENE DENOMINATA "
           "\"E R P \"");
    b.text("I RISULTATI SONO OVVIAMENTE TEORICI ED INDICATIVI");
    b.closeButton("cmdesci", "E S C I");
  }

 private:
  void compute() {
    const double f = number(freq_);
    const double p = number(power_);
    const double l = number(length_);
    const double n = number(count_);
    const double g = number(gain_);
    if (!productTest({g, n, l, p, f}, Product::Zero, freq_)) return;
    int column = -1;
    for (int i = 0; i < 5 && column < 0; ++i)
      if (isSelected(cable_, i)) column = i;
    if (column < 0) return;
    if (f > kHighest) {
      // a frequency beyond the table is refused: nothing is worked out for it
      warn("FREQUENZA ECCESSIVA", "AVVVERTIMENTO", freq_);
      return;
    }
    const Band* band = &kBands[std::size(kBands) - 1];
    for (const Band& row : kBands) {
      if (f <= row.upTo) {
        band = &row;
        break;
      }
    }
    a_ = band->cable[column];
    c_ = band->connector;
    const double total = l * a_ / 100 + c_ * n;
    const double atAntenna = p / std::pow(10, total / 10);
    const float erp = single(roundPattern(std::pow(10, g / 10) * atAntenna, "##0.##"));
    setText(erp_, "POTENZA IRRADIATA  " + general(erp) + " Watt");
    setText(loss_, "PERDITA TOT. DELLA LINEA  " + pattern(total, "#0.##") + " dB");
  }

  Input freq_, power_, length_, count_, gain_;
  Options cable_;
  Label erp_, loss_;
  double a_ = 0;  // dB per 100 m of the cable last used
  float c_ = 0;   // dB per connector last used
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmERP, ERP)
