// Coupling of a power final stage (over 3 W) to a 50-ohm coaxial cable: the
// collector impedance comes from the transistor's voltage and current, its
// output capacitance from a table by power.
#include <cmath>

#include "framework/registry.h"
#include "power_table.h"
#include "stage_drawings.h"

namespace vm {
namespace {

// Only the capacitance is looked up here (the resistance column is unused).
const stages::PowerRow kTransistors[] = {
    {91, 100, 0, 900},    {85.1, 90, 0, 800},   {75.1, 85, 0, 700},   {65.1, 75, 0, 650},
    {55.1, 65, 0, 600},   {47.6, 55, 0, 550},   {42.6, 47.5, 0, 500}, {37.5, 42.5, 0, 450},
    {32.6, 37.5, 0, 400}, {27.6, 32.5, 0, 350}, {22.6, 27.5, 0, 320}, {17.6, 22.5, 0, 300},
    {12.6, 17.5, 0, 280}, {9.6, 12.5, 0, 250},  {8.6, 9.5, 0, 220},   {7.6, 8.5, 0, 200},
    {6.6, 7.5, 0, 180},   {5.6, 6.5, 0, 150},   {4.6, 5.5, 0, 120},   {3.6, 4.5, 0, 100},
    {3, 3.5, 0, 80},
};

const char* const kTitle = "MESSAGGIO DI ERRORE";

class FinaleAntenna final : public CalculatorOf<FinaleAntenna> {
 public:
  explicit FinaleAntenna(FormBuilder& b) : CalculatorOf(b) {
    b.caption("COLLEGAMENTO DI UNO STADIO FINALE DA OLTRE 3 WATT AD UN CAVO COASSIALE");
    watt_ = b.input("txtwatt").label("Label4", "POTENZA MAX DEL TRANSISTOR in WATT");
    freq_ = b.input("txtfrequenza").label("Label6", "FREQUENZA IN MHz");
    vceo_ = b.input("txtvceo").label("Label2", "VCEO TENS.MAX COLLETTORE-EMETTITORE");
    current_ = b.input("txtcorrente").label("Label8", "MAX CORRENTE CONTINUA DI COLLETTORE");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E X I T");
    b.button("cmdchiamabobine", "Costruzione bobine").onClick([this] {
      form().openCompanion("frmbobine", form().modal() ? OpenHow::Modal : OpenHow::Modeless,
                           std::make_pair(4100, 2800));
    });
    b.label("Label3", "L'IMPEDENZA DEL COLLETTORE DEL TRANSISTOR FINALE DEVE ESSERE INFERIORE A 50 OHM");
    Art drw = b.drawing("drwcollegamento", stages::coupling(stages::Source::Transistor, stages::Load::Coax));
    b.label("Label1", "coax 50 ohm").at(drw, "load");
    b.label("Label5", "+ Vcc").at(drw, "vcc");
    jaf_ = b.result("lbljaf", "JAF").at(drw, "jaf");
    coil_ = b.result("lblbobina", "bobina").at(drw, "coil");
    c1_ = b.result("lblc1", "C 1").at(drw, "c1");
    c2_ = b.result("lblc2", "C 2").at(drw, "c2");
  }

 private:
  void compute() {
    w_ = number(watt_);
    f_ = number(freq_);
    vceo_value_ = number(vceo_);
    i_ = number(current_);
    if (f_ < 1.6) f_ = 1.6;
    if (w_ > 100) {
      warn("massima potenza 100 W", kTitle, watt_);
      b_ = 900;
      setText(watt_, "100");
    } else {
      b_ = stages::lookUp(kTransistors, w_).b;
      if (w_ < 3) {
        warn("minima potenza 3 WATT", kTitle, watt_);
        b_ = 80;
        setText(watt_, "3");
      }
    }
    // no current divides by zero: the failure guard refuses it
    r_ = vceo_value_ / i_;
    const stages::SeriesOutput out = stages::seriesOutput(r_, b_, f_);
    x0_ = out.x0;
    rs_ = out.r;
    xs_ = out.x;
    ra_ = 60 * rs_;
    if (ra_ < 53) {
      warn("VALORE NON VALIDO", kTitle, watt_);
      return;
    }
    q_ = std::sqrt(ra_ / 52 - 1);
    // from Q = 5 on the output trimmer would need no or a negative
    // capacitance: no network of this kind exists, so nothing is shown
    if (q_ >= 5) throw ArithmeticFailure("no network for Q of 5 or more");
    xc1_ = 52 * q_;
    c1v_ = 1e6 / (6.28 * f_ * xc1_);
    xc2_ = ra_ / (5 - q_);
    c2v_ = 1e6 / (6.28 * f_ * xc2_);
    xl_ = xs_ + 10 * rs_;
    l_ = xl_ / (6.28 * f_);
    const std::string coil = fixed(l_, 3) + " uH", c1 = fixed(c1v_) + " pF", c2 = fixed(c2v_) + " pF";
    setText(coil_, coil);
    setText(c1_, c1);
    setText(c2_, c2);
    setText(jaf_, "VK 200");
  }

  Input watt_, freq_, vceo_, current_;
  Label jaf_, coil_, c1_, c2_;
  // the inputs as last read and the quantities of the last computation
  double w_ = 0, f_ = 0, vceo_value_ = 0, i_ = 0, b_ = 0, r_ = 0, x0_ = 0, rs_ = 0, xs_ = 0, ra_ = 0, q_ = 0,
         xc1_ = 0, c1v_ = 0, xc2_ = 0, c2v_ = 0, xl_ = 0, l_ = 0;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmfinale_antenna, FinaleAntenna)
