// A coil (L with its loss resistance) in parallel with a capacitor, fed by a
// generator of given apparent power: reactances, impedance, phase, resonance,
// and the voltage and the branch currents.
#include <cmath>

#include "framework/registry.h"
#include "circuit_drawings.h"

namespace vm {
namespace {

class ImpCapParallelo final : public CalculatorOf<ImpCapParallelo> {
 public:
  explicit ImpCapParallelo(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CONDENSATORE E INDUTTANZA IN PARALLELO");
    const std::string quality = "in funzione della qualità dell'induttore";
    const std::string optional = "dato facoltativo";
    f_ = b.input("txtf").label("Label1", "FREQUENZA in Mhz");
    l_ = b.input("txtl").label("Label2", "INDUTTANZA in microH");
    c_ = b.input("txtC").label("Label3", "CAPACITA' in pF");
    r_ = b.input("txtr")
             .text("0.2")
             .tooltip(quality)
             .label("Label4", "RESISTENZA di PERDITA in Ohm :")
             .labelTooltip(quality);
    w_ = b.input("txtw")
             .tooltip(optional)
             .label("Label5", "POTENZA  APPARENTE in Watt")
             .labelTooltip(optional);
    b.text("USARE IL PUNTO PER SEPARARE I DECIMALI");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    b.button("cmdchiamabobine", "Costruzione bobine").onClick([this] { openCompanion("frmbobine"); });
    Art drw = b.drawing("drwcircuito", circuit::generatorParallel());
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
    // 6.2831852, not the 6.2832852 of the series circuit
    double xl = 6.2831852 * f * l;
    double xc = 159154.976203 / (f * c);
    double z = xc * std::sqrt((xl * xl + r * r) / ((xl - xc) * (xl - xc) + r * r));
    double phase = std::atan(((xl * xl + r * r) / r) * (xl / (xl * xl + r * r) - 1 / xc)) * 180 / 3.14159265358979;
    std::string degrees = pattern(phase, "##0.##");
    const std::string anticipo = xc > xl    ? "LA CORRENTE E' IN ANTICIPO SULLA TENSIONE DI GRADI : " + degrees
                                 : xl == xc ? std::string("LE REATTANZE SONO UGUALI E CONTRAPPOSTE")
                                            : "LA CORRENTE E' IN RITARDO SULLA TENSIONE DI GRADI : " + degrees;
    double fr = 159.154976203 / std::sqrt(l * c);
    const std::string risonanza = "LA RISONANZA E' A MHz : " + pattern(fr, "##,##0.#####") +
                                  " -  PER VERIFICARE IL COMPORTAMENTO DEL CIRCUITO IN CONDIZIONI DI RISONANZA "
                                  "INTRODURRE QUESTO DATO NEL CAMPO FREQUENZA";
    // a negative power has no real voltage: the failure guard refuses it
    double v = std::sqrt(w * z);
    double i = v / z;
    double il = roundPattern(v / xl, "#0.###");
    double ic = v / xc;
    const std::string impedenza = "L'IMPEDENZA TOTALE E' DI " + pattern(z, "##,##0.##") + " Ohm ";
    std::string tensione = "NON E '  STATA APPLICATA NESSUNA POTENZA", corrente;
    if (w > 0) {
      tensione = "CORRENTE SULLA BOBINA : " + general(il) + " Amp, IN OPPOSIZIONE AI " + pattern(ic, "#0.###") +
                 " Amp SUL CONDENSATORE";
      corrente = "LA TENSIONE E' " + pattern(v, "##,##0.###") + " Volt,   LA CORRENTE REATTIVA E' DI " +
                 pattern(i, "##,##0.###") + " Ampere";
    }
    const std::string xcText = "REATTANZA CAP.VA : " + pattern(xc, "##0.##");
    const std::string xlText = "REATTANZA IND.VA : " + pattern(xl, "##0.##");
    const std::string vc = pattern(ic, "#0.###") + " A.", vl = general(il) + " A.";
    setText(anticipo_, anticipo);
    setText(risonanza_, risonanza);
    setText(impedenza_, impedenza);
    setText(tensione_, tensione);
    setText(corrente_, corrente);
    setText(xc_, xcText);
    setText(xl_, xlText);
    setText(vc_, vc);
    setText(vl_, vl);
  }

  Input f_, l_, c_, r_, w_;
  Label vl_, vc_, xl_, xc_, impedenza_, anticipo_, risonanza_, tensione_, corrente_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmimpcapparallelo, ImpCapParallelo)
