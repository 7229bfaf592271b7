// Coupling of an oscillator stage to an RF preamplifier stage: the coil and
// the two trimmers, from the typical output resistance and capacitance of a
// transistor of the given power.
#include <cmath>

#include "framework/registry.h"
#include "power_table.h"
#include "stage_drawings.h"

namespace vm {
namespace {

const stages::PowerRow kTransistors[] = {
    {2.51, 3, 20, 200},
    {1.51, 2.5, 30, 150},
    {0.51, 1.5, 40, 100},
    {0.4, 0.5, 50, 60},
};

const char* const kTitle = "MESSAGGIO DI ERRORE";

class OscillPreampl final : public CalculatorOf<OscillPreampl> {
 public:
  explicit OscillPreampl(FormBuilder& b) : CalculatorOf(b) {
    b.caption("COLLEGAMENTO DI UNO STADIO OSCILLATORE AD UNO STADIO PREAMPLIFICATORE AF");
    watt_ = b.input("txtwatt").label("Label4", "POTENZA MAX DEL TRANSISTOR in WATT");
    b.label("Label7", "da 0.4 a 3 Watt");
    freq_ = b.input("txtfrequenza").label("Label6", "FREQUENZA IN MHz");
    b.label("Label8", "da 1.6 a 500 MHz");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E X I T");
    b.button("cmdchiamabobine", "Costruzione bobine").onClick([this] {
      form().openCompanion("frmbobine", form().modal() ? OpenHow::Modal : OpenHow::Modeless,
                           std::make_pair(4100, 2800));
    });
    Art drw = b.drawing("drwcollegamento", stages::coupling(stages::Source::OscillatorCoil, stages::Load::Transistor));
    b.label("Label1", "bobina oscillatore").at(drw, "source");
    b.label("Label2", "Transistor preamplificatore").at(drw, "load");
    b.label("Label3", "JAF").at(drw, "jaf");
    b.label("Label5", "+ Vcc").at(drw, "vcc");
    coil_ = b.result("lblbobina").at(drw, "coil");
    c1_ = b.result("lblc1").at(drw, "c1");
    c2_ = b.result("lblc2").at(drw, "c2");
  }

 private:
  void compute() {
    w_ = number(watt_);
    f_ = number(freq_);
    if (!productTest({f_, w_}, Product::NotPositive, watt_)) return;
    if (f_ < 1.6) {
      warn("minima frequenza 1.6 MHz", kTitle, freq_);
      f_ = 1.6;
      setText(freq_, "1.6");
    }
    if (f_ > 500) {
      warn("massima frequenza 500 MHz", kTitle, freq_);
      f_ = 500;
      setText(freq_, "500");
    }
    if (w_ < 0.4) {
      warn("VALORE MINIMO 0.4 WATT", kTitle, watt_);
      a_ = 50;
      b_ = 60;
      setText(watt_, "");
    } else if (w_ > 3) {
      warn("MASSIMA POTENZA 3 W", kTitle, watt_);
      a_ = 20;
      b_ = 200;
      setText(watt_, "3");
    } else {
      const auto& row = stages::lookUp(kTransistors, w_);
      a_ = row.a;
      b_ = row.b;
    }
    const stages::SeriesOutput out = stages::seriesOutput(a_, b_, f_);
    x0_ = out.x0;
    r_ = out.r;
    xs_ = out.x;
    xl_ = xs_ + 3 * r_;
    l_ = xl_ / (6.28 * f_);
    // a powerful transistor at a low frequency leaves Q without a real
    // value: the computation is refused as invalid
    q_ = std::sqrt(26 * xs_ / 35 - 1);
    xc1_ = 35 * q_;
    c1v_ = 1e6 / (6.28 * f_ * xc1_);
    xc2_ = 910 / (5 - q_);
    c2v_ = 1e6 / (6.28 * f_ * xc2_);
    const std::string coil = fixed(l_, 4) + " µH", c1 = fixed(c1v_) + " pF", c2 = fixed(c2v_) + " pF";
    setText(coil_, coil);
    setText(c1_, c1);
    setText(c2_, c2);
  }

  Input watt_, freq_;
  Label coil_, c1_, c2_;
  // the inputs as last read and the quantities of the last computation
  double w_ = 0, f_ = 0, a_ = 0, b_ = 0, x0_ = 0, r_ = 0, xs_ = 0, xl_ = 0, l_ = 0, q_ = 0, xc1_ = 0, c1v_ = 0,
         xc2_ = 0, c2v_ = 0;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmoscill_preampl, OscillPreampl)
