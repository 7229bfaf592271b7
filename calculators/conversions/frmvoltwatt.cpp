// A power in one of seven units: the rms voltage across a resistance and the
// level in dBm.
#include <cmath>
#include <string>
#include <tuple>

#include "framework/registry.h"

namespace vm {
namespace {

struct Unit {
  const char* input;   // caption of the power input
  double k;            // voltage scaling, as written
  const char* volts;   // unit of the voltage shown
  double times, per;    // the power in milliwatts is P * times / per
};

// Options 4 and 5 both take nanowatts; 31.623 and 0.0316 stand for the root
// of 1000 and its inverse.
constexpr Unit kUnits[] = {
    {"WATT", 1, " VOLT rms", 1000, 1},
    {"milliWATT", 31.623, " MILLIVOLT rms", 1, 1},
    {"microWATT", 1, " MILLIVOLT rms", 1, 1e3},
    {"nanoWATT", 0.0316, " MILLIVOLT rms", 1, 1e6},
    {"nanoWatt", 31.623, " MICROVOLT rms", 1, 1e6},
    {"picoWATT", 1, " MICROVOLT rms", 1, 1e9},
    {"femtoWATT", 0.0316, " MICROVOLT rms", 1, 1e12},
};

class VoltWatt final : public CalculatorOf<VoltWatt> {
 public:
  explicit VoltWatt(FormBuilder& b) : CalculatorOf(b) {
    b.caption("VALORE IN dBm  IN RAPPORTO ALLA POTENZA E ALL' IMPEDENZA");
    mode_ = b.options("Option1",
                      {"DA WATT A VOLT E dBm", "DA MILLIWATT A MILLIVOLT E dBm", "DA MICROWATT A MILLIVOLT E dBm",
                       "DA NANOWATT A MILLIVOLT E dBm", "DA NANOWATT A MICROVOLT E dBm",
                       "DA PICOWATT A MICROVOLT E dBm", "DA FEMTOWATT A MICROVOLT E dBm"},
                      1).opensOn(1)
                .onClick([this](int i) { chooseUnit(i); });
    std::tie(power_, lblInput_) = b.input("txtinput").label("lblinput", "").handles();
    ohm_ = b.input("txtohm").label("Label1", "OHM").text("50");
    volts_ = b.result("lbloutput");
    dbm_ = b.result("lbldbm");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    b.label("Label2", "SEPARARE GLI EVENTUALI DECIMALI CON IL PUNTO");

    b.onTyping({power_, ohm_}, Typing::Blank, {volts_, dbm_});
  }

 private:
  void chooseUnit(int i) {
    setText(lblInput_, kUnits[i - 1].input);
    blank({volts_, dbm_});
  }

  void compute() {
    const double r = number(ohm_);
    const double p = number(power_);
    if (!productTest({p, r}, Product::NotPositive, ohm_)) return;
    for (int i = 1; i <= 7; ++i) {
      if (!isSelected(mode_, i)) continue;
      const Unit& u = kUnits[i - 1];
      const std::string volts = fixed(std::sqrt(r * p) * u.k, 3);
      const double level = roundFixed(10 * std::log10(p * u.times / u.per), 1);  // in dBm
      const std::string dbm = "PARI A  " + general(level) + " dBm";
      setText(volts_, volts + u.volts);
      setText(dbm_, dbm);
      return;
    }
  }

  Options mode_;
  Input power_, ohm_;
  Label lblInput_, volts_, dbm_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmvoltwatt, VoltWatt)
