// A coil (L with its loss resistance) in series with a capacitor, fed by a
// generator of given power: reactances, impedance, phase, resonance, and the
// voltages across the coil and the capacitor.
#include <cmath>

#include "framework/registry.h"
#include "circuit_drawings.h"

namespace vm {
namespace {

class ImpCapSerie final : public CalculatorOf<ImpCapSerie> {
 public:
  explicit ImpCapSerie(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CONDENSATORE E INDUTTANZA IN SERIE");
    const std::string quality = "in funzione della qualità dell'induttore";
    const std::string optional = "dato facoltativo";
    f_ = b.input("txtf").label("Label1", "FREQUENZA in Mhz :");
    l_ = b.input("txtl").label("Label2", "INDUTTANZA in microH :");
    c_ = b.input("txtC").label("Label3", "CAPACITA' in pF :");
    r_ = b.input("txtr")
             .text("0.2")
             .tooltip(quality)
             .label("Label4", "RESISTENZA di PERDITA in Ohm")
             .labelTooltip(quality);
    w_ = b.input("txtw")
             .tooltip(optional)
             .label("Label5", "POTENZA  APPLICATA in WATT :")
             .labelTooltip(optional);
    b.text("USARE IL PUNTO PER SEPARARE I DECIMALI");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    b.button("cmdchiamabobine", "Costruzione Bobine").onClick([this] { openCompanion("frmbobine"); });
    Art drw = b.drawing("drwcircuito", circuit::generatorSeries());
    b.text("generatore").at(drw, "generator");
    vl_ = b.result("lblvl", "induttanza").at(drw, "coil");
    vc_ = b.result("lblvc", "condensatore").at(drw, "capacitor");
    xl_ = b.result("lblxl");
    xc_ = b.result("lblxc");
    impedenza_ = b.result("lblimpedenza");
    anticipo_ = b.result("lblanticipo");
    risonanza_ = b.result("lblrisonanza");
    tensione_ = b.result("lbltensione");
    corrente_ = b.result("lblcorrente");
  }

 private:
  void compute() {
    double f = number(f_), l = number(l_), c = number(c_), r = number(r_), w = number(w_);
    if (!productTest({f, l, c, r}, Product::Zero, f_)) return;
    // 6.2832852, not the 6.2831852 of the parallel circuit: the series window
    // has always used it, and its results are read against it
    double xl = 6.2832852 * f * l;
    double xc = 159154.976203 / (f * c);
    // the impedance is rounded to hundredths before the voltages are derived
    double z = roundPattern(std::sqrt((xl - xc) * (xl - xc) + r * r), "##,##0.##");
    // pi as 3.1415 here, where the parallel circuit takes it to 14 digits
    double phase = std::atan((xl - xc) / r) * 180 / 3.1415;
    std::string degrees = pattern(phase, "#0.##");
    const std::string impedenza = "L'IMPEDENZA TOTALE E' DI " + pattern(z, "##,##0.##") + " Ohm ";
    const std::string anticipo = xc > xl    ? "LA CORRENTE E' IN ANTICIPO SULLA TENSIONE DI GRADI : " + degrees
                                 : xl == xc ? std::string("LE REATTANZE SONO UGUALI E CONTRAPPOSTE")
                                            : "LA CORRENTE E' IN RITARDO SULLA TENSIONE DI GRADI : " + degrees;
    double fr = 159.154976203 / std::sqrt(l * c);
    const std::string risonanza = "LA RISONANZA E' A Mhz " + pattern(fr, "##,##0.#####") +
                                  "  - INTRODURRE QUESTO DATO NEL CAMPO FREQUENZA PER VERIFICARE IL COMPORTAMENTO "
                                  "DEL CIRCUITO  IN CONDIZIONE DI RISONANZA";
    // no power gives zero voltages; a negative one has no real voltage and
    // is refused by the failure guard
    double v = std::sqrt(w * z);
    double i = v / z;
    double vl = xl * i;
    double vc = roundFixed(xc * i, 1);
    const std::string tensione = "TENSIONE SULLA BOBINA : " + fixed(vl, 1) + " Volt, IN OPPOSIZIONE AI " +
                                 general(vc) + " Volt SUL CONDENSATORE";
    const std::string corrente = "A " + general(f) + " Mhz LA TENSIONE TOT. E' " + fixed(v, 3) +
                                 " Volt,    LA CORRENTE E'  " + fixed(i, 3) + " Ampere";
    const std::string xcText = "REATTANZA CAP.VA.: " + fixed(xc, 2), xlText = "REATTANZA IND.VA.: " + fixed(xl, 2);
    const std::string vcText = general(vc) + " V.", vlText = fixed(vl, 1) + " V.";
    setText(impedenza_, impedenza);
    setText(anticipo_, anticipo);
    setText(risonanza_, risonanza);
    setText(tensione_, tensione);
    setText(corrente_, corrente);
    setText(xc_, xcText);
    setText(xl_, xlText);
    setText(vc_, vcText);
    setText(vl_, vlText);
  }

  Input f_, l_, c_, r_, w_;
  Label vl_, vc_, xl_, xc_, impedenza_, anticipo_, risonanza_, tensione_, corrente_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmimpcapserie, ImpCapSerie)
