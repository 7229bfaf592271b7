// A small mains transformer on a laminated iron core: power from the core's
// section and the lamination quality, turns per volt, total turns, currents
// and wire diameters of both windings.
#include <cmath>
#include <cstdint>

#include "framework/registry.h"

namespace vm {
namespace {

class Trasformatori final : public CalculatorOf<Trasformatori> {
 public:
  explicit Trasformatori(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CALCOLO TRASFORMATORI DI ALIMENTAZIONE");
    b.frame("Frame1", "QUALITA'  DEI  LAMIERINI", [&] {
      b.options("Option1", {"Qualità bassa", "Qualità media", "A granuli orientati"}).opensOn(0).onClick([this](int i) {
        k_ = kPower[i];
        n_ = kTurns[i];
      });
    });
    // the caption of the width is a label named like an input
    width_ = b.input("txtlunghezza").label("txtlarghezza", "larghezza del nucleo in mm");
    height_ = b.input("txtaltezza").label("Label3", "altezza del nucleo in mm");
    vp_ = b.input("txtvp").text("230").label("Label4", "Tensione primario in Volt");
    vs_ = b.input("txtvs").label("Label5", "Tensione secondario in Volt");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    b.button("cmdchiamalunghezza", "PESO/LUNGHEZZA").onClick([this] { openCompanion("frmlunghezzafilo"); });
    b.button("cmdchiamatabella", "TABELLA DIMENSIONE LAMIERINI").onClick([this] {
      openBeside("frmuniel", {.selfLeft = 180, .selfTop = 300, .left = 6100, .top = 6000});
    });
    sl_ = b.result("lblSL", "SEZIONE LORDA  mmq");
    sn_ = b.result("lblSN", "SEZIONE NETTA  mmq");
    sp_ = b.result("lblsp", "SPIRE PER VOLT PRIMARIO");
    ss_ = b.result("lblSS", "SPIRE PER VOLT SECONDARIO");
    totP_ = b.result("lbltotSP", "TOTALE SPIRE PRIMARIO");
    totS_ = b.result("lbltotSS", "TOTALE SPIRE SECONDARIO");
    diamP_ = b.result("lbldiamP", "DIAMETRO DEL FILO PRIM.  mm");
    diamS_ = b.result("lbldiamS", "DIAMETRO DEL FILO SEC.   mm");
    ampP_ = b.result("lblampprim", "AMPER PRIMARIO");
    ampS_ = b.result("lblampsec", "AMPER  SECONDARIO");
    watt_ = b.result("lblwatt", "POTENZA IN WATT");
    b.label("Label1",
            "Gli elementi principali che individuano un trasformatrore sono la potenza (in Watt) che è proporzionale "
            "alla sezione del nucleo,  la tensione dell'avvolgimento primario e quella dell'avvolgimento secondario "
            "o dei secondari. La potenza è inoltre dipendente dalla qualità dei lamierini.");
  }

 private:
  // power factor (single precision) and turns constant of each lamination quality
  static constexpr float kPower[] = {0.8f, 0.83f, 0.86f};
  static constexpr std::int16_t kTurns[] = {4100, 3750, 3600};

  void compute() {
    const double a = number(width_), b = number(height_), vp = number(vp_), vs = number(vs_);
    if (!productTest({vs, vp, b, a}, Product::NotPositive, width_)) return;
    const double s = b * a, sn = 0.95 * s;
    // both bounds compute
    if (s < 160) {
      warn("SEZIONE TROPPO PICCOLA", "MESSAGGIO DI ERRORE", width_);
      return;
    }
    if (s > 20000) {
      warn("SEZIONE TROPPO GROSSA", "MESSAGGIO DI ERRORE", width_);
      return;
    }
    const std::int16_t w = toInt16(static_cast<double>(k_) * s * s / 13500);
    // every later step works on the values as shown
    const char* const p = "##0.##";
    const double tp = roundPattern(n_ / sn, p);
    const double ts = roundPattern(1.06 * tp, p);
    const std::int16_t np = toInt16(tp * vp), ns = toInt16(ts * vs);
    const double ip = roundPattern(w / vp, p), is = roundPattern(w / vs, p);
    const std::string dp = pattern(0.72 * std::sqrt(ip), p), ds = pattern(0.72 * std::sqrt(is), p);
    const std::string texts[] = {
        "SEZIONE LORDA mmq: " + general(s),
        "SEZIONE NETTA mmq: " + general(sn),
        "SPIRE PER VOLT PRIMARIO N. " + pattern(n_ / sn, p),
        "SPIRE PER VOLT SECONDARIO N. " + pattern(1.06 * tp, p),
        "TOTALE SPIRE PRIMARIO N. " + general(static_cast<double>(np)),
        "TOTALE SPIRE SECONDARIO N. " + general(static_cast<double>(ns)),
        "DIAMETRO FILO PRIM. mm. " + dp,
        "DIAMETRO FILO SEC.  mm. " + ds,
        "AMPER PRIMARIO : " + pattern(w / vp, p),
        "AMPER SECONDARIO : " + pattern(w / vs, p),
        "POTENZA IN WATT : " + general(static_cast<double>(w)),
    };
    const Label lines[] = {sl_, sn_, sp_, ss_, totP_, totS_, diamP_, diamS_, ampP_, ampS_, watt_};
    for (std::size_t i = 0; i < std::size(lines); ++i) setText(lines[i], texts[i]);
  }

  Input width_, height_, vp_, vs_;
  Label sl_, sn_, sp_, ss_, totP_, totS_, diamP_, diamS_, ampP_, ampS_, watt_;
  float k_ = 0.8f;
  std::int16_t n_ = 4100;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmtrasformatori, Trasformatori)
