// An alternating quantity in time: wavelength, frequency, angular frequency
// and period, from any one of them.
#include "framework/registry.h"

namespace vm {
namespace {

const char* const kInputCaptions[] = {"METRI :", "FREQUENZA IN KHz :", "PULSAZIONE/SECONDO :",
                                      "PERIODO/millisecondi:"};

class AlternatingCurrent final : public CalculatorOf<AlternatingCurrent> {
 public:
  explicit AlternatingCurrent(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CORRENTE ALTERNATA IN FUNZIONE DEL TEMPO");
    b.frame("Frame1", "dato conosciuto", [&] {
       known_ = b.options("Option1", {"METRI", "FREQUENZA", "PULSAZIONE", "PERIODO"}).opensOn(0).onClick([this](int i) {
         chooseKnown(i);
       });
     }).tooltip("effettuare una scelta");
    std::tie(input_, lblInput_) = b.input("txtinput").label("lblselezione", "").tooltip("immissione dato").handles();
    out1_ = b.result("lbloutput1");
    out2_ = b.result("lbloutput2");
    out3_ = b.result("lbloutput3");
    b.computeButton("cmdcalcola", "CALCOLA").tooltip("abilita il calcolo").onClick([this] { compute(); });
    b.closeButton("cdmesci", "CHIUDI").tooltip("esce dall'applicazione");
    b.label("Label1",
            "PERIODO   FREQUENZA  e  PULSAZIONE  definiscono una grandezza alternata in funzione del tempo");
    b.label("Label2", "SEPARARE I DECIMALI CON IL PUNTO");

    b.onTyping({input_}, Typing::Blank, {out1_, out2_, out3_});
  }

 private:
  void chooseKnown(int i) {
    setText(input_, {});
    blank({out1_, out2_, out3_});
    setText(lblInput_, kInputCaptions[i]);
  }

  std::string frequency(double khz) const { return "LA FREQUENZA E'  " + fixed(khz, 2) + " Khz"; }
  std::string pulsation(double w) const { return "LA PULSAZIONE E'  " + fixed(w, 2) + " RADIANTI SECONDO"; }
  std::string metres(double m) const { return "CORRISPONDE A  " + fixed(m, 2) + " METRI"; }
  std::string period(double khz) const {
    // the period in milliseconds is rounded to 6 decimals before it is shown
    return "IL PERIODO E'  " + general(roundFixed(finite(1 / khz), 6)) + " MILLISECONDI";
  }

  void compute() {
    const double x = number(input_);
    if (!productTest({x}, Product::NotPositive, input_)) return;
    std::string r1, r2, r3;
    if (isSelected(known_, 0)) {
      const double f = 300000 / x;
      r1 = frequency(f), r2 = pulsation(1000 * (f * 6.2832)), r3 = period(f);
    } else if (isSelected(known_, 1)) {
      r1 = metres(300000 / x), r2 = pulsation(1000 * (x * 6.2832)), r3 = period(x);
    } else if (isSelected(known_, 2)) {
      const double f = x / 6283.2;
      r1 = frequency(f), r2 = metres(300000 / f), r3 = period(f);
    } else if (isSelected(known_, 3)) {
      // from the period this window takes 6283 where the others take 6283.2
      const double w = 6283 / x;
      const double f = w / 6283;
      r1 = frequency(f), r2 = pulsation(w), r3 = metres(300000 / f);
    } else {
      return;
    }
    setText(out1_, r1);
    setText(out2_, r2);
    setText(out3_, r3);
  }

  Options known_;
  Input input_;
  Label lblInput_, out1_, out2_, out3_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmcorralternata, AlternatingCurrent)
