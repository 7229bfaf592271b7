// Voltage-divider bias of a common-emitter preamplifier with an unbypassed
// emitter resistor: the four resistors, the operating point, the largest
// input signal and the input impedance.
#include <cstdint>

#include "framework/registry.h"
#include "stage_drawings.h"

namespace vm {
namespace {

class PolarizzTransistor final : public CalculatorOf<PolarizzTransistor> {
 public:
  explicit PolarizzTransistor(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CALCOLO DELLE RESISTENZE DI POLARIZZAZIONE");
    vccIn_ = b.input("txtVcc").text("12").label("Label12", "TENSIONE DI ALIMENTAZIONE Volt");
    zIn_ = b.input("txtZC").text("47000").label("Label9", "RESISTENZA DI CARICO in Ohm");
    gIn_ = b.input("txtguadagno").text("10").label("Label10", "GUADAGNO PREVISTO");
    betaIn_ = b.input("txtbeta").label("Label11", "BETA MEDIO DEL TRANSISTOR");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    b.label("Label1",
            "CALCOLO DELLE RESISTENZE DI POLARIZZAZIONE DI UNO STADIO PREAMPLIFICATORE CON EMETTITORE COMUNE E "
            "SENZA CONDENSATORE IN PARALLELO A R4.  Appllicando in parallelo alla resistenza di emettitore un "
            "condensatore elettrolitico, il guadagno cresce di circa 10 volte.");
    Art drw = b.drawing("drwstadio", stages::commonEmitter());
    b.label("Label2", "R1").at(drw, "r1");
    b.label("Label3", "R2").at(drw, "r2");
    b.label("Label4", "R3").at(drw, "r3");
    b.label("Label5", "R4").at(drw, "r4");
    vccLbl_ = b.result("Label8", "Vcc").at(drw, "vcc");
    c1Lbl_ = b.result("Label6", "C1").at(drw, "c1");
    c2Lbl_ = b.result("Label7", "C2").at(drw, "c2");
    stabilita_ = b.result("lblstabilita");
    r1_ = b.result("lblr1");
    r2_ = b.result("lblr2");
    r3_ = b.result("lblR3");
    r4_ = b.result("lblR4");
    ic_ = b.result("lblIc");
    vc_ = b.result("lblvc");
    ve_ = b.result("lblVe");
    vb_ = b.result("lblVb");
    ib_ = b.result("lblIb");
    ip_ = b.result("lblIp");
    vbase_ = b.result("lblVbase");
    zi_ = b.result("lblZI");
  }

 private:
  void compute() {
    vcc_ = number(vccIn_);
    z_ = number(zIn_);
    g_ = number(gIn_);
    beta_ = number(betaIn_);
    if (!productTest({beta_, g_, z_, vcc_}, Product::NotPositive, vccIn_)) return;
    const std::string stabilita = g_ > 20 ? "GUADAGNO ECCESSIVO" : "";
    // each resistor is held as it is shown, and the next one is derived
    // from the shown value
    r3_text_ = pattern(z_ / 5, "####,###");
    const double r3 = roundPattern(z_ / 5, "####,###");
    r4_value_ = toInt16(r3 / g_);
    const double r4 = r4_value_;
    ic_value_ = single((vcc_ / 2) / (r4 + r3));
    vr3_ = ic_value_ * r3;
    ve_value_ = r4 * ic_value_;
    vb_value_ = ve_value_ + 0.7;
    const float icMilli = single(1000 * ic_value_);
    ib_value_ = icMilli / beta_;
    ip_value_ = single(10 * ib_value_);
    r2_text_ = pattern(r4 * beta_ / 10, "####,###");
    const double r2 = roundPattern(r4 * beta_ / 10, "####,###");
    // the divider takes 0.65 V for the base-emitter drop where the base
    // voltage takes 0.7 V
    // R1 is laid out by "####,### ": the blank that ends the pattern stays
    // in the text
    r1_text_ = pattern(r2 * vcc_ / (ve_value_ + 0.65), "####,###") + " ";
    vmax_ = 0.8 * vcc_ / g_;
    zi_text_ = pattern(0.7 * r2, "###,###");
    const std::string r1 = "IL VALORE DI R1 E' " + r1_text_ + " OHM";
    const std::string r2s = "IL VALORE DI R2 E' " + r2_text_ + " OHM";
    const std::string r3s = "IL VALORE DI R3 E' " + r3_text_ + " OHM";
    const std::string r4s = "IL VALORE DI R4 E' " + general(r4) + " OHM";
    const std::string vcc = general(vcc_) + " V";
    const std::string ic = "Corrente di collettore " + pattern(icMilli, "#0.###") + " mA";
    const std::string vc = "Tensione collettore " + pattern(vr3_, "#0.##") + " Volt";
    const std::string ve = "Tensione emettitore " + pattern(ve_value_, "#0.##") + " Volt";
    const std::string vb = "Tensione di base " + pattern(vb_value_, "#0.##") + " Volt";
    const std::string ib = "Corrente di base " + pattern(ib_value_, "#0.####") + " mA";
    const std::string ip = "Corrente di polarizzazione " + pattern(ip_value_, "#0.##") + " mA";
    const std::string vbase = "max segnale applicabile " + pattern(vmax_, "#0.##") + " Volt";
    const std::string zi = "Impedenza di ingresso " + zi_text_ + " Ohm";
    setText(stabilita_, stabilita);
    setText(r1_, r1);
    setText(r2_, r2s);
    setText(r3_, r3s);
    setText(r4_, r4s);
    setText(vccLbl_, vcc);
    setText(ic_, ic);
    setText(vc_, vc);
    setText(ve_, ve);
    setText(vb_, vb);
    setText(ib_, ib);
    setText(ip_, ip);
    setText(vbase_, vbase);
    setText(zi_, zi);
    setText(c1Lbl_, "1 uF");
    setText(c2Lbl_, "1 uF");
  }

  Input vccIn_, zIn_, gIn_, betaIn_;
  Label vccLbl_, c1Lbl_, c2Lbl_, stabilita_, r1_, r2_, r3_, r4_, ic_, vc_, ve_, vb_, ib_, ip_, vbase_, zi_;
  // the inputs as last read and the values of the last computation
  double vcc_ = 0, z_ = 0, g_ = 0, beta_ = 0;
  std::string r3_text_, r2_text_, r1_text_, zi_text_;
  std::int16_t r4_value_ = 0;
  float ic_value_ = 0, ip_value_ = 0;
  double vr3_ = 0, ve_value_ = 0, vb_value_ = 0, ib_value_ = 0, vmax_ = 0;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmpolarizztransistor, PolarizzTransistor)
