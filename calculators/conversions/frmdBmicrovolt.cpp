// dB-microvolt on 75 ohm: microvolt to dBµV and back, recomputed on every
// keystroke.
#include <cmath>
#include <tuple>

#include "framework/registry.h"

namespace vm {
namespace {

class DecibelMicrovolt final : public CalculatorOf<DecibelMicrovolt> {
 public:
  explicit DecibelMicrovolt(FormBuilder& b) : CalculatorOf(b) {
    b.caption("dBmicrovolt RIFERITO AD IMPEDENZE DI 75 Ohm");
    b.frame("Frame1", " Opzioni di calcolo  ", [&] {
      mode_ = b.options("Option1", {"da microvolt a dBmicrovolt", "da dBmicroV a microvolt"}).opensOn(0)
                  .onClick([this](int i) { chooseMode(i); });
    });
    std::tie(input_, lblInput_) = b.input("txtin").label("lblinput", "").handles();
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
    double x = number(input_);
    if (isSelected(mode_, 0)) {
      // nothing typed reads as 1 µV (0 dB); a negative voltage is reported
      // and then taken as 1 µV too
      if (x == 0) {
        x = 1;
      } else if (x < 0) {
        x = 1;
        warn("NON ESISTONO VALORI NEGATIVI", "MESSAGGIO DI ERRORE", input_);
      }
      // the result is single precision
      const float r = single(roundFixed(20 * std::log10(x), 2));
      setText(out_, general(r));
    } else {
      if (x > 120) {
        warn("dBmicroV max = 120", "MESSAGGIO DI ERRORE", input_);
      } else if (x < 0) {
        warn("NON ESISTONO VALORI NEGATIVI", "MESSAGGIO DI ERRORE", input_);
      } else {
        const float r = single(roundPattern(std::pow(10.0, x / 20), "#,##0.##"));
        setText(out_, general(r));
      }
    }
    show(lblOutput_);
  }

  Options mode_;
  Input input_;
  Label lblInput_, lblOutput_, out_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmdBmicrovolt, DecibelMicrovolt)
