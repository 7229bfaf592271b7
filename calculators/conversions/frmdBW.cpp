// Absolute power levels: dBW to watts, dBm to watts, volts and dBµV, watts to
// dBW and dBm, with the voltage across 50 and 75 ohm. Recomputed on every
// keystroke.
#include <cmath>
#include <string>

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
    auto in = b.input("txtinput").label("lblinput", "dBW").tooltip("inserisci il valore");
    input_ = in;
    lblInput_ = in.caption();
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
    x_ = number(input_);
    if (isSelected(mode_, 0)) {
      fromDbw();
    } else if (isSelected(mode_, 1)) {
      fromDbm();
    } else if (isSelected(mode_, 2)) {
      if (x_ == 0) {
        // nothing typed: no result to show
        hide(output_);
        return;
      }
      fromWatt();
    }
    show(output_);
  }

  void fromDbw() {
    if (x_ < -30 || x_ > 50) {
      warn("VALORI da:  - 30 a + 50", "MESSAGGIO DI AVVISO", input_);
      return;
    }
    first_ = fixed(x_ + 30, 3);
    // the power is kept as shown, in watts with 3 decimals
    p_ = roundFixed(std::pow(10.0, x_ / 10), 3);
    setText(out1_, first_);
    setText(lblOutput1_, "dBm");
    setText(lblOut50_, "Volt su 50 ohm");
    setText(lblOut75_, "Volt su 75 ohm");
    setText(volt50_, fixed(std::sqrt(p_ * 50), 2));
    setText(volt75_, fixed(std::sqrt(p_ * 75), 2));
    if (x_ >= 0) {
      setText(lblOutput2_, "Watt");
      setText(out2_, fixed(p_, 3));
    } else {
      setText(lblOutput2_, "milliWatt");
      setText(out2_, general(1000 * p_));
    }
  }

  void fromDbm() {
    if (x_ < -120 || x_ > 80) {
      warn("VALORI DA: - 120 a + 80", "MESSAGGIO DI AVVISO", input_);
      return;
    }
    first_ = fixed(x_ - 30, 2);
    // the power follows from the dBW as shown
    const double p = std::pow(10.0, roundFixed(x_ - 30, 2) / 10);
    const double v50 = std::sqrt(p * 50), v75 = std::sqrt(p * 75);
    double voltScale, powerScale;
    std::string volts, unit;
    if (x_ < -90) {
      voltScale = 1e6, volts = "microVolt", powerScale = 1e15, unit = "femtoWatt";
    } else if (x_ < -60) {
      voltScale = 1e6, volts = "microVolt", powerScale = 1e12, unit = "picoWatt";
    } else if (x_ < -30) {
      voltScale = 1e3, volts = "milliVolt", powerScale = 1e9, unit = "nanoWatt";
    } else if (x_ < 0) {
      voltScale = 1e3, volts = "milliVolt", powerScale = 1e6, unit = "microWatt";
    } else if (x_ <= 13) {
      // 13 dBm is the last level shown in millivolts
      voltScale = 1e3, volts = "milliVolt", powerScale = 1e3, unit = "milliWatt";
    } else if (x_ < 30) {
      voltScale = 1, volts = "Volt", powerScale = 1e3, unit = "milliWatt";
    } else {
      voltScale = 1, volts = "Volt", powerScale = 1, unit = "Watt";
    }
    p_ = p * powerScale;
    setText(volt50_, fixed(v50 * voltScale, 2));
    setText(volt75_, fixed(v75 * voltScale, 2));
    setText(lblOut50_, volts + " su 50 ohm");
    setText(lblOut75_, volts + " su 75 ohm");
    setText(lblOutput2_, unit);
    setText(out1_, first_);
    setText(out2_, fixed(p_, 2));
    setText(lblDbuv_, "dBµV su 50 ohm");
    setText(dbuv_, general(x_ + 107));
  }

  void fromWatt() {
    if (x_ < 0) {
      warn("NON ESISTONO WATT NEGATIVI", "MESSAGGIO DI ERRORE", input_);
      return;
    }
    if (x_ > 100000) {
      warn("VALORE ECCESSIVO", "MESSAGGIO DI AVVISO", input_);
      return;
    }
    first_ = fixed(10 * std::log10(x_), 2);
    // the dBm follow from the dBW as shown
    const double dbm = roundFixed(10 * std::log10(x_), 2) + 30;
    setText(out1_, first_);
    setText(out2_, fixed(dbm, 2));
    setText(lblOut50_, "Volt su 50 ohm");
    setText(lblOut75_, "Volt su 75 ohm");
    setText(volt50_, fixed(std::sqrt(x_ * 50), 2));
    setText(volt75_, fixed(std::sqrt(x_ * 75), 2));
  }

  Options mode_;
  Input input_;
  Frame output_;
  Label lblInput_, note_, lblOutput1_, out1_, lblOutput2_, out2_, lblOut50_, volt50_, lblOut75_, volt75_, lblDbuv_,
      dbuv_;
  double x_ = 0;
  std::string first_;  // the first result as shown
  double p_ = 0;       // the power as computed for display
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmdBW, DecibelWatt)
