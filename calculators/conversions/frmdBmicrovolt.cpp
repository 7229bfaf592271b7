// dB-microvolt on 75 ohm: microvolt to dBµV and back, recomputed on every
// keystroke.
#include <cmath>

#include "framework/registry.h"

namespace vm {
namespace {

class DecibelMicrovolt final : public CalculatorOf<DecibelMicrovolt> {
 public:
  explicit DecibelMicrovolt(FormBuilder& b) : CalculatorOf(b) {
    b.caption("dBmicrovolt RIFERITO AD IMPEDENZE DI 75 Ohm");
    b.frame("Frame1", " Opzioni di calcolo  ", [&] {
      mode_ = b.options("Option1", {"da microvolt a dBmicrovolt", "da dBmicroV a microvolt"})
                  .onClick([this](int i) { chooseMode(i); });
    });
    auto in = b.input("txtin").label("lblinput", "");
    input_ = in;
    lblInput_ = in.caption();
    lblOutput_ = b.label("lbloutput").hidden();
    out_ = b.result("lblout");
    b.closeButton("cmdesci", "E S C I");
    b.label("Label2", "usare il punto del tastierino numerico per i decimali");
    b.label("Label1",
            "Il dB microvolt E' UNA UNITA' DI MISURA, USATA IN CAMPO TELEVISIVO, CHE ESPRIME IL GUADAGNO O L' "
            "ATTENUAZIONE IN TENSIONE SU DI UN CARICO DA 75 OHM.");

    b.live({input_}, {out_}, [this] { compute(); });
  }

 private:
  void chooseMode(int i) {
    setText(input_, {});  // runs the computation once with an empty input
    if (i == 0) {
      setText(lblInput_, "DIGITARE I microvolt");
      setText(lblOutput_, "CORRISPONDE A dBmicrovolt : ");
    } else {
      setText(lblInput_, "DIGITARE I dBmicrovolt");
      setText(lblOutput_, "CORRISPONDE A microvolt");
    }
  }

  void compute() {
    x_ = number(input_);
    if (isSelected(mode_, 0)) {
      // nothing typed reads as 1 µV (0 dB); a negative voltage is reported
      // and then taken as 1 µV too
      if (x_ == 0) {
        x_ = 1;
      } else if (x_ < 0) {
        x_ = 1;
        warn("NON ESISTONO VALORI NEGATIVI", "MESSAGGIO DI ERRORE", input_);
      }
      r_ = single(roundFixed(20 * std::log10(x_), 2));
      setText(out_, general(r_));
    } else {
      if (x_ > 120) {
        warn("dBmicroV max = 120", "MESSAGGIO DI ERRORE", input_);
      } else if (x_ < 0) {
        warn("NON ESISTONO VALORI NEGATIVI", "MESSAGGIO DI ERRORE", input_);
      } else {
        r_ = single(roundPattern(std::pow(10.0, x_ / 20), "#,##0.##"));
        setText(out_, general(r_));
      }
    }
    show(lblOutput_);
  }

  Options mode_;
  Input input_;
  Label lblInput_, lblOutput_, out_;
  double x_ = 0;
  float r_ = 0;  // the result, single precision
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmdBmicrovolt, DecibelMicrovolt)
