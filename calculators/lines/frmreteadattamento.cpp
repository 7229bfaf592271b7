// L network that matches an antenna shorter than a quarter wave (a
// resistance below 50 ohm with a capacitive reactance) to a 50 ohm
// transmitter: the series coil also cancels the antenna's reactance.
#include <cmath>

#include "framework/registry.h"
#include "matching_drawings.h"

namespace vm {
namespace {

class ReteAdattamento final : public CalculatorOf<ReteAdattamento> {
 public:
  explicit ReteAdattamento(FormBuilder& b) : CalculatorOf(b) {
    b.caption("RETE DI ADATTAMENTO PER ANTENNE PIU' CORTE DI 1/4 LAMBDA");
    f_ = b.input("txtfrequenza").label("lblfrequenza", "FREQUENZA IN MHz");
    r_ = b.input("txtresistenza").tooltip("INFERIORE AI 50 OHM").label("lblresistenza", "COMPONENTE RESISTIVA IN OHM");
    x_ = b.input("txtreattanza")
             .tooltip("VIENE SEMPRE CONSIDERATA COME REATTANZA CAPACITIVA")
             .label("lblreattanza", "COMPONENTE REATTIVA IN OHM (si può tralasciare il segno meno)");
    b.label("Label4", "R < 50 OHM      X < ZERO");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.button("cmdchiamabobine", "COSTR.BOBINE").onClick([this] {
      openBeside("frmbobine", {.selfLeft = 180, .selfTop = 180, .left = 4100, .top = 3000});
    });
    b.closeButton("cmdesci", "C H I U D I");
    b.label("lblcommento",
            "UN' ANTENNA TROPPO CORTA PER RISUONARE AD UNA DETERMINATA FREQUENZA PRESENTA UNA REATTANZA DI TIPO "
            "CAPACITIVO. QUALORA DELL'IMPEDENZA COMPLESSIVA SIA NOTA LA COMPONENTE PURAMENTE RESISTIVA E LA "
            "COMPONENTE REATTIVA,  SI PUO' DETERMINARE TEORICAMENTE I VALORI DEI COMPONENTI DELLA RETE A  \" L \" DI "
            "ADATTAMENTO.");
    b.label("Label2", "USARE IL PUNTO PER SEPARARE EVENTUALI DECIMALI");
    Art network = b.drawing("drwrete", matching::antennaLNetwork());
    coilArt_ = b.result("lbll").at(network, "l");
    capArt_ = b.result("lblc").at(network, "c");
    b.label("Label1", "al tx 50 Ohm").at(network, "tx");
    series_ = b.result("lblserie");
    shunt_ = b.result("lblparallelo");
  }

 private:
  void compute() {
    // the reactance is always taken as capacitive, whatever its sign
    const double f = number(f_), r = std::fabs(number(r_)), x = std::fabs(number(x_));
    if (!(r * f > 0)) {
      warn("DATI ERRATI O MANCANTI", "MESSAGGIO DI ERRORE", f_);
      return;
    }
    if (r >= 50) {
      warn("MAX RESISTENZA 49 OHM", "MESSAGGIO DI ERRORE", r_);
      return;
    }
    const double q = std::sqrt(50 / r - 1);
    const double xs = r * q + x;
    const double xp = 50 / q;
    const double l = xs / (6.28 * f);
    const double c = roundFixed(159000 / (xp * f), 1);
    const std::string henry = fixed(l, 2);
    setText(coilArt_, "µH  " + henry);
    setText(capArt_, "pF  " + general(c));
    setText(series_, "LA REATTANZA SERIE COMPLESSIVA E'+/- " + general(Int(xs)) + " OHM PARI A µHENRY " + henry);
    setText(shunt_, "LA REATTANZA PARALLELO E'+/- " + general(Int(xp)) + " OHM PARI A  pF " + general(c));
  }

  Input f_, r_, x_;
  Label coilArt_, capArt_, series_, shunt_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmreteadattamento, ReteAdattamento)
