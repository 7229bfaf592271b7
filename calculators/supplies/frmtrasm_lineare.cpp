// Coupling of a 52-ohm exciter output to the transistor of a linear
// amplifier, known only by its maximum power.
#include <cmath>

#include "framework/registry.h"
#include "power_table.h"
#include "stage_drawings.h"

namespace vm {
namespace {

const stages::PowerRow kTransistors[] = {
    {55.1, 65, 1.3, 1000}, {47.6, 55, 1.4, 950}, {42.6, 47.5, 1.5, 900}, {37.5, 42.5, 1.6, 850},
    {32.6, 37.5, 1.7, 800}, {27.6, 32.5, 1.8, 750}, {22.6, 27.5, 2, 700},   {17.6, 22.5, 2.5, 650},
    {12.6, 17.5, 3, 600},   {9.6, 12.5, 4, 550},    {8.6, 9.5, 5, 500},     {7.6, 8.5, 7, 450},
    {6.6, 7.5, 8, 400},     {5.6, 6.5, 9, 350},     {4.6, 5.5, 10, 300},    {3.6, 4.5, 15, 250},
    {2.5, 3.5, 20, 200},
};

const char* const kTitle = "MESSAGGIO DI ERRORE";

class TrasmLineare final : public CalculatorOf<TrasmLineare> {
 public:
  explicit TrasmLineare(FormBuilder& b) : CalculatorOf(b) {
    b.caption("COLLEGAMENTO DI UNA USCITA A 52 OHM CON UN FINALE DI POTENZA");
    watt_ = b.input("txtwatt").label("Label4", "POTENZA MAX DEL TRANSISTOR in WATT");
    b.label("Label7", "max 65 Watt");
    freq_ = b.input("txtfrequenza").label("Label6", "FREQUENZA IN MHz");
    b.label("Label9", "max 80MHz");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "").picture("exit");
    b.button("cmdchiamabobine", "Costruzione bobine").onClick([this] {
      form().openCompanion("frmbobine", form().modal() ? OpenHow::Modal : OpenHow::Modeless,
                           std::make_pair(4100, 2800));
    });
    b.label("Label8",
            "SI SUPPONE DI NON CONOSCERE ALCUNA CARATTERISTICA DEL TRANSISTOR ADOTTATO CON ESCLUSIONE DELLA POTENZA "
            "MASSIMA. DI CONSEGUENZA I RISULTATI DEI CALCOLI SONO NECESSARIAMENTE INDICATIVI. INOLTRE ALTRI FATTORI "
            "COME LE CAPACITA' PARASSITE INFLUENZANO I RISULTATI PRATICI. E' BUONA NORMA UTILIZZARE COMPENSATORI CON "
            "CAPACITA' DEL 30 % SUPERIORE ALLE RISULTANZE, ANCHE LA BOBINA POTRA' ESSERE INIZIALMENTE LEGGERMENTE "
            "MAGGIORATA QUINDI RIDOTTA IN FASE DI TARATURA");
    Art drw = b.drawing("drwcollegamento", stages::coupling(stages::Source::Coax, stages::Load::Transistor));
    b.label("Label1", "cavo coax 50 ohm").at(drw, "source");
    b.label("Label2", "Transistor dell'ampl. lineare").at(drw, "load");
    b.label("Label3", "JAF").at(drw, "jaf");
    b.label("Label5", "+ Vcc").at(drw, "vcc");
    coil_ = b.result("lblbobina", "bobina").at(drw, "coil");
    c1_ = b.result("lblc1", "C1").at(drw, "c1");
    c2_ = b.result("lblc2", "C2").at(drw, "c2");
  }

 private:
  void compute() {
    w_ = number(watt_);
    f_ = number(freq_);
    if (f_ < 1.6) {
      f_ = 1.6;
      setText(freq_, general(1.6));
    }
    if (f_ > 80) {
      warn("massima frequenza 80 MHz", kTitle, freq_);
      f_ = 80;
      setText(freq_, "80");
    }
    if (w_ > 65) {
      // the field is emptied, not set to the bound
      warn("massima potenza 65 W", kTitle, watt_);
      a_ = 1.3;
      b_ = 1000;
      setText(watt_, "");
    } else {
      const auto& row = stages::lookUp(kTransistors, w_);
      a_ = row.a;
      b_ = row.b;
      if (w_ < 2.5) {
        warn("VALORE MINIMO 2.5 WATT", kTitle, watt_);
        a_ = 20;
        b_ = 200;
        setText(watt_, "");
      }
    }
    const stages::SeriesOutput out = stages::seriesOutput(a_, b_, f_);
    x0_ = out.x0;
    r_ = out.r;
    xs_ = out.x;
    xl_ = xs_ + 5 * r_;
    l_ = xl_ / (6.28 * f_);
    q_ = std::sqrt(60 * r_ / 52 - 1);
    xc1_ = 52 * q_;
    c1v_ = 1e6 / (6.28 * f_ * xc1_);
    xc2_ = 1352 / (5 - q_);
    c2v_ = 1e6 / (6.28 * f_ * xc2_);
    const std::string coil = fixed(l_, 3) + " uH", c1 = fixed(c1v_) + " pF", c2 = fixed(c2v_) + " pF";
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

VM_WINDOW(frmtrasm_lineare, TrasmLineare)
