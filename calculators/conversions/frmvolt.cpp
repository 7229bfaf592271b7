// Rms, peak, peak-to-peak and average voltage of sine, triangle and square
// waves, recomputed on every keystroke from the one voltage that is known.
#include <string>

#include "framework/registry.h"

namespace vm {
namespace {

constexpr Color kChosen = 0x0000C0;  // dark blue caption of the chosen quantity

// Per waveform: peak/rms, rms/peak, peak-to-peak/rms, average/peak.
struct Wave {
  double peakPerRms, rmsPerPeak, ppPerRms, averagePerPeak;
};
constexpr Wave kWaves[] = {
    {1.414, 0.707, 2.828, 0.637},  // sine
    {1.732, 0.577, 3.464, 0.5},    // triangle
    {1, 1, 2, 1},                  // square
};

const char* const kKnown[] = {"VOLT EFFICACI", "VOLT DI PICCO", "VOLT PICCO PICCO"};

class Volt final : public CalculatorOf<Volt> {
 public:
  explicit Volt(FormBuilder& b) : CalculatorOf(b) {
    b.caption("VOLT EFFICACI - VOLT DI PICCO - VOLT PICCO PICCO");
    b.frame("Frame1", "Dato conosciuto", [&] {
      known_ =
          b.options("Option1", {kKnown[0], kKnown[1], kKnown[2]}).opensOn(0).onClick([this](int i) { chooseKnown(i); });
    });
    b.frame("Frame2", " ONDE ", [&] {
      wave_ = b.options("Option2", {"SINUSOIDALI", "TRIANGOLARI", "QUADRE"}).selected(0).onClick([this](int) {
        chooseWave();
      });
    });
    std::tie(input_, lblInput_) = b.input("txtinput").label("lblinput", "").tooltip("inserisci il voltaggio").handles();
    out1_ = b.result("lblout1");
    out2_ = b.result("lblout2");
    out3_ = b.result("lblout3");
    b.closeButton("cmdesci", "E S C I");
    b.label("Label1", "USARE IL PUNTO PER SEPARARE I DECIMALI");

    b.live({input_}, {out1_, out2_, out3_}, [this] { compute(); });
  }

 private:
  void chooseKnown(int i) {
    blank({out1_, out2_, out3_});
    setText(input_, {});  // runs the computation once, under the previous caption
    setText(lblInput_, kKnown[i]);
    for (int k = 0; k < 3; ++k) setCaptionColor(known_, k, k == i ? kChosen : kDefaultColor);
  }

  void chooseWave() {
    blank({out1_, out2_, out3_});
    setText(input_, {});
  }

  void compute() {
    int w = 0;
    for (int k = 0; k < 3; ++k)
      if (isSelected(wave_, k)) w = k;
    const Wave& f = kWaves[w];
    x_ = number(input_);
    if (x_ < 0) {
      warn("VALORE NEGATIVO", "MESSAGGIO DI ERRORE", input_);
      return;
    }
    // the quantity known is told by the input's caption, not by the options
    const std::string& known = text(lblInput_);
    std::string first, second;
    double peak = peak_;
    if (known == kKnown[0]) {
      peak = roundFixed(f.peakPerRms * x_, 2);
      first = "VOLT di picco : " + fixed(peak, 2);
      second = "VOLT picco picco : " + fixed(2 * peak, 2);
    } else if (known == kKnown[1]) {
      first = "VOLT efficaci : " + fixed(f.rmsPerPeak * x_, 2);
      second = "VOLT picco picco : " + fixed(2 * x_, 2);
      peak = x_;
    } else if (known == kKnown[2]) {
      peak = roundFixed(x_ / 2, 2);
      first = "VOLT efficaci : " + fixed(x_ / f.ppPerRms, 2);
      second = "VOLT di picco : " + fixed(peak, 2);
    }
    const std::string average = "VOLT VALORE MEDIO : " + fixed(f.averagePerPeak * peak, 2);
    if (!first.empty()) {
      setText(out1_, first);
      setText(out2_, second);
    }
    setText(out3_, average);
    peak_ = peak;
  }

  Options known_, wave_;
  Input input_;
  Label lblInput_, out1_, out2_, out3_;
  double x_ = 0;
  double peak_ = 0;  // the peak voltage as the last computation left it (as shown)
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmvolt, Volt)
