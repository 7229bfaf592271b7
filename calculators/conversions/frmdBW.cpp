// Absolute power levels: dBW to watts, dBm to watts, volts and dBµV, watts to
// dBW and dBm, with the voltage across 50 and 75 ohm. Recomputed on every
// keystroke.
#include <cmath>
#include <string>
#include <tuple>

#include "framework/registry.h"

namespace vm {
namespace {

constexpr Color kChosen = 0x0000C0;  // dark blue caption of the chosen option

class DecibelWatt final : public CalculatorOf<DecibelWatt> {
 public:
  explicit DecibelWatt(FormBuilder& b) : CalculatorOf(b) {
    b.caption("Conversioni dBWatt - dBmilliWatt in Watt - Volt");
    b.frame("Frame1", " Opzioni ", [&] {
      mode_ = b.options("Option1", {"Da dBW a Watt", "Da dBm a Watt, Volt e dBuV", "Da Watt a dBW"})
                  .selected(0)
                  .onClick([this](int i) { chooseMode(i); });
    });
    std::tie(input_, lblInput_) = b.input("txtinput").label("lblinput", "dBW").tooltip("inserisci il valore").handles();
    note_ = b.result("lblnota");
    output_ = b.frame("Frameoutput", "", [&] {
                 lblOutput1_ = b.label("lbloutput1");
                 out1_ = b.result("lblout1");
                 lblOutput2_ = b.label("lbloutput2");
                 out2_ = b.result("lblout2");
                 lblOut50_ = b.label("lblout50");
                 volt50_ = b.result("lblvolt50");
                 lblOut75_ = b.label("lblout75");
                 volt75_ = b.result("lblvolt75");
                 lblDbuv_ = b.label("lbloutdbuv");
                 dbuv_ = b.result("lbldbuv");
               }).hidden();
    b.closeButton("cmdesci", "E S C I");
    b.label("lblpuntovirgola", "SEPARARE I DECIMALI CON IL PUNTO");
    b.label("Label3",
            "IL dBW E' USATO DI SOLITO PER POTENZE SUPERIORI AL WATT     0 dBW = 1 WATT    IL dBm  E' USATO DI "
            "SOLITO PER POTENZE INFERIORI  AL WATT     0 dBm = 1 milliWatt");
    b.label("Label1",
            "Quando si devono trattare entità molto piccole, al posto dei dB e dei uV, conviene usare i dBm "
            "(dBmilliWatt) o i dBuVolt (dBmicroVolt) che rappresentano un reale valore di potenza o tensione in "
            "quanto calcolati prendendo come riferimento una reale unità di misura: il milliWatt o il microVolt.");

    b.live({input_}, {out1_, out2_, volt50_, volt75_, dbuv_}, [this] { compute(); });
  }

 private:
  void chooseMode(int i) {
    setText(input_, {});  // runs the computation once with an empty input
    hide(output_);
    if (i == 0) {
      blank({lblDbuv_, dbuv_});
      setText(lblInput_, "dBW");
      setText(lblOutput1_, "dBm");
      setText(lblOutput2_, "Watt");
      setText(note_, "calcolabili da -30 dBWatt a + 50 dBWatt");
    } else if (i == 1) {
      setText(lblInput_, "dBm");
      setText(lblOutput1_, "dBW");
      setText(lblOutput2_, "Watt");
      setText(note_, "calcolabili da -120 a +80 dBm  (da 1 femtoWatt a 100 kiloWatt)");
    } else {
      blank({lblDbuv_, dbuv_});
      setText(lblInput_, "Watt");
      setText(lblOutput1_, "dBW");
      setText(lblOutput2_, "dBm");
      setText(note_, "calcolabili da 0.1 mWatt a 100.000 Watt");
    }
    for (int k = 0; k < 3; ++k) setCaptionColor(mode_, k, k == i ? kChosen : kDefaultColor);
  }

  void compute() {
    const double x = number(input_);
    if (isSelected(mode_, 0)) {
      fromDbw(x);
    } else if (isSelected(mode_, 1)) {
      fromDbm(x);
    } else if (isSelected(mode_, 2)) {
      if (x == 0) {
        // nothing typed: no result to show
        hide(output_);
        return;
      }
      fromWatt(x);
    }
    show(output_);
  }

  void fromDbw(double x) {
    if (x < -30 || x > 50) {
      warn("VALORI da:  - 30 a + 50", "MESSAGGIO DI AVVISO", input_);
      return;
    }
    const std::string first = fixed(x + 30, 3);
    // the power is kept as shown, in watts with 3 decimals
    const double p = roundFixed(std::pow(10.0, x / 10), 3);
    const std::string v50 = fixed(std::sqrt(p * 50), 2), v75 = fixed(std::sqrt(p * 75), 2);
    const std::string power = x >= 0 ? fixed(p, 3) : general(1000 * p);
    setText(out1_, first);
    setText(lblOutput1_, "dBm");
    setText(lblOut50_, "Volt su 50 ohm");
    setText(lblOut75_, "Volt su 75 ohm");
    setText(volt50_, v50);
    setText(volt75_, v75);
    setText(lblOutput2_, x >= 0 ? "Watt" : "milliWatt");
    setText(out2_, power);
  }

  void fromDbm(double x) {
    if (x < -120 || x > 80) {
      warn("VALORI DA: - 120 a + 80", "MESSAGGIO DI AVVISO", input_);
      return;
    }
    const std::string first = fixed(x - 30, 2);
    // the power follows from the dBW as shown
    const double p = std::pow(10.0, roundFixed(x - 30, 2) / 10);
    const double v50 = std::sqrt(p * 50), v75 = std::sqrt(p * 75);
    double voltScale, powerScale;
    std::string volts, unit;
    if (x < -90) {
      voltScale = 1e6, volts = "microVolt", powerScale = 1e15, unit = "femtoWatt";
    } else if (x < -60) {
      voltScale = 1e6, volts = "microVolt", powerScale = 1e12, unit = "picoWatt";
    } else if (x < -30) {
      voltScale = 1e3, volts = "milliVolt", powerScale = 1e9, unit = "nanoWatt";
    } else if (x < 0) {
      voltScale = 1e3, volts = "milliVolt", powerScale = 1e6, unit = "microWatt";
    } else if (x <= 13) {
      // 13 dBm is the last level shown in millivolts
      voltScale = 1e3, volts = "milliVolt", powerScale = 1e3, unit = "milliWatt";
    } else if (x < 30) {
      voltScale = 1, volts = "Volt", powerScale = 1e3, unit = "milliWatt";
    } else {
      voltScale = 1, volts = "Volt", powerScale = 1, unit = "Watt";
    }
    const std::string v50Text = fixed(v50 * voltScale, 2), v75Text = fixed(v75 * voltScale, 2);
    const std::string power = fixed(p * powerScale, 2);
    const std::string dbuv = general(x + 107);
    setText(volt50_, v50Text);
    setText(volt75_, v75Text);
    setText(lblOut50_, volts + " su 50 ohm");
    setText(lblOut75_, volts + " su 75 ohm");
    setText(lblOutput2_, unit);
    setText(out1_, first);
    setText(out2_, power);
    setText(lblDbuv_, "dBµV su 50 ohm");
    setText(dbuv_, dbuv);
  }

  void fromWatt(double x) {
    if (x < 0) {
      warn("NON ESISTONO WATT NEGATIVI", "MESSAGGIO DI ERRORE", input_);
      return;
    }
    if (x > 100000) {
      warn("VALORE ECCESSIVO", "MESSAGGIO DI AVVISO", input_);
      return;
    }
    const std::string first = fixed(10 * std::log10(x), 2);
    // the dBm follow from the dBW as shown
    const std::string dbm = fixed(roundFixed(10 * std::log10(x), 2) + 30, 2);
    const std::string v50 = fixed(std::sqrt(x * 50), 2), v75 = fixed(std::sqrt(x * 75), 2);
    setText(out1_, first);
    setText(out2_, dbm);
    setText(lblOut50_, "Volt su 50 ohm");
    setText(lblOut75_, "Volt su 75 ohm");
    setText(volt50_, v50);
    setText(volt75_, v75);
  }

  Options mode_;
  Input input_;
  Frame output_;
  Label lblInput_, note_, lblOutput1_, out1_, lblOutput2_, out2_, lblOut50_, volt50_, lblOut75_, volt75_, lblDbuv_,
      dbuv_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmdBW, DecibelWatt)
