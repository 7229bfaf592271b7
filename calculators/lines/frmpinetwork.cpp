// Low-pass pi network as an impedance matcher: the two shunt capacitors,
// the series coil and the bandwidth for a chosen loaded Q.
#include <cmath>

#include "framework/registry.h"
#include "calculators/drawings/networks.h"

namespace vm {
namespace {

class PiNetwork final : public CalculatorOf<PiNetwork> {
 public:
  explicit PiNetwork(FormBuilder& b) : CalculatorOf(b) {
    b.caption("RETE PASSA BASSO A PI GRECO COME ADATTATORE D' IMPEDENZA");
    rin_ = b.input("txtinput").tooltip("Zin > Zout  e < 6000").label("lblinput", "IMPEDENZA IN ENTRATA in OHM");
    rout_ = b.input("txtout").text("50").tooltip("Zin > Zout").label("lblout", " IMPEDENZA D'USCITA  in OHM");
    f_ = b.input("txtfrequenza").label("lblfrequenza", "FREQUENZA DI LAVORO in MHz");
    q_ = b.input("txtq").text("12.3").label("lblq", "FATTORE DI MERITO Q  da ca 8 a 15");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdchiudi", "CHIUDI");
    b.button("cmdchiamabobine", "COSTRUZIONE BOBINA").onClick([this] {
      // the coil window opens where it is; only this one moves aside
      moveTo(180, 180);
      openCompanion("frmbobine");
    });
    b.button("cmdchiamaimpanodica", "CALCOLO IMPEDENZA CIRCUITO ANODICO DELLA VALVOLA").onClick([this] {
      moveTo(180, 180);
      openCompanion("frmimpanodica");
    });
    Art pi = b.drawing("drwpigreco", networks::piNetwork());
    portIn_ = b.result("lblzin", "INPUT").at(pi, "input");
    portOut_ = b.result("lblzout", "OUTPUT").at(pi, "output");
    c1Art_ = b.result("lblc1", "C1").at(pi, "c1");
    lArt_ = b.result("lbll", "INDUTTANZA").at(pi, "l");
    c2Art_ = b.result("lblc2", "C2").at(pi, "c2");
    results_ = b.frame("Frame1", "", [&] {
                  c1_ = b.result("lblprimoc");
                  c2_ = b.result("lblsecondoc");
                  coil_ = b.result("lblbobina");
                  bw_ = b.result("lblbw");
                }).hidden();
    b.label("Label4",
            "IL CALCOLO E'  VALIDO PER UNA IMPEDENZA INPUT MAGGIORE DELL'IMPEDENZA OUTPUT, TUTTAVIA IL CIRCUITO E' "
            "REVERSIBILE E OGNI PORTA PUO' DIVENTARE TANTO ENTRATA QUANTO USCITA");
    b.label("Label1",
            "PER IL FATTORE \" Q \" CONVIENE ADOTTARE PER I 28 MHz UN VALORE DI 12 CHE SALE IN PROPORZIONE FINO A "
            "12,5 PER I 7 MHz. SOLO PER GLI 80 METRI SARA'  = 14");
  }

 private:
  void compute() {
    const double rin = number(rin_), rout = number(rout_), q = number(q_), f = number(f_);
    if (!productTest({rin, rout, q, f}, Product::NotPositive, rin_)) return;
    if (rin <= rout) {
      warn("IMPEDENZA INPUT SEMPRE > IMPEDENZA OUT", "MESSAGGIO DI ERRORE", rin_);
      return;
    }
    // two negative impedances leave no real minimum Q: the guard refuses them
    const double qmin = finite(std::sqrt(rin / rout - 1));
    if (q < qmin) {
      warn("FATTORE DI MERITO Q TROPPO BASSO", "MESSAGGIO DI ERRORE", q_);
      return;
    }
    if (q == qmin) return;
    const double xc1 = rin / q;
    const double xc2 = rout / std::sqrt((q * q + 1) * rout / rin - 1);
    const double xl = rin * (q + rout / xc2) / (q * q + 1);
    // 159000 here, not 159155
    const double c1 = 159000 / (xc1 * f);
    const double c2 = 159000 / (xc2 * f);
    const double l = xl / (6.28318 * f);
    // the unit follows the coil as shown to 0.1 uH; nanohenry are whole,
    // taken from the coil before that rounding
    std::string coil, coilArt;
    if (roundFixed(l, 1) < 1) {
      const std::string nh = general(roundFixed(1000 * l, 0));
      coil = "L'INDUTTANZA E' " + nh + " nanoHENRY";
      coilArt = nh + " nanoH";
    } else {
      coil = "L'INDUTTANZA E' " + fixed(l, 1) + "  µHENRY";
      coilArt = fixed(l, 1) + "µH";
    }
    const double bw = roundFixed(1000 * f / q, 1);
    const std::string first = fixed(c1, 2), second = fixed(c2, 2);
    setText(coil_, coil);
    setText(lArt_, coilArt);
    show(results_);
    setText(c1_, "IL PRIMO CONDENSATORE E' pF " + first);
    setText(c2_, "IL SECONDO CONDENSATORE E' pF " + second);
    setText(c1Art_, first + " pF");
    setText(c2Art_, second + " pF");
    setText(portIn_, general(rin) + " OHM");
    setText(portOut_, general(rout) + " OHM");
    setText(bw_, "LA BANDA PASSANTE E'  KHz  " + general(bw));
  }

  Input rin_, rout_, f_, q_;
  Label portIn_, portOut_, c1Art_, lArt_, c2Art_, c1_, c2_, coil_, bw_;
  Frame results_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmpinetwork, PiNetwork)
