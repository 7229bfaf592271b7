// Decibels and signal ratios: from decibels to the voltage and power ratios
// (with a worked example below the normal window height), or from input and
// output voltages or powers to the decibels of gain or attenuation.
#include <cmath>
#include <optional>
#include <tuple>

#include "framework/registry.h"

namespace vm {
namespace {

class DecibelRatios final : public CalculatorOf<DecibelRatios> {
 public:
  explicit DecibelRatios(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CONVERSIONI TRA DECIBEL E VARIAZIONI DI SEGNALE");
    b.size(7890, 4900);
    b.position(2100, 2000);
    b.frame("Frame1", " Opzioni di calcolo ", [&] {
      mode_ = b.options("Option1", {"NOTI I DECIBEL TROVARE LA VARIAZIONE IN TENSIONE E IN POTENZA",
                                    "NOTE LE TENSIONI DI ENTRATA E USCITA TROVARE I DECIBEL",
                                    "NOTE LE POTENZE DI ENTRATA E USCITA TROVARE I DECIBEL"}).opensOn(0)
                  .onClick([this](int i) { chooseMode(i); });
    });
    std::tie(input1_, lblInput1_) = b.input("txtinput1").label("lblinput1", "lblinput1").tooltip(kTooltip).handles();
    std::tie(input2_, lblInput2_) = b.input("txtinput2").label("lblinput2", "lblinput2").tooltip(kTooltip).handles();
    lblOutput1_ = b.label("lbloutput1", "lbloutput1");
    out1_ = b.result("lblout1");
    lblOutput2_ = b.label("lbloutput2", "lbloutput2");
    out2_ = b.result("lblout2");
    kind_ = b.result("lblvariazione");
    const Button calc = b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    b.label("Label11", " dopo l'inserimento cliccare su CALCOLA  --->").beside(calc);
    b.label("Label2", "per separare i decimali usare il punto");
    b.label("Label1",
            "Il decibel (dB) è un'unità di misura logaritmica che indica il rapporto esistente tra il segnale "
            "applicato all'ingresso e il segnale prelevato all'uscita di un dispositivo. Il Decibel può esprimere "
            "un guadagno o una attenuazione.");

    // The example panel lies below the normal height: only an enlarged
    // window shows it.
    b.fold();
    b.label("Label3", "  Facciamo un esempio ");
    b.label("Label4", "In un dispositivo che presenta un guadagno o una attenuazione di DB :");
    dbExample_ = b.result("lbldbesempio");
    b.label("Label5", "se si applica in ingresso una tensione di  :");
    voltExample_ = b.input("txtvoltesempio").tooltip("IL CALCOLO E'  INDIPENDENTE DALL'UNITA' DI MISURA");
    b.label("Label6", "si ottengono in uscita :");
    b.label("Label7", "in guadagno  : ");
    gainOut_ = b.result("Label9");
    b.label("Label8", " in attenuazione  : ");
    lossOut_ = b.result("Label10");

    b.onTyping({input1_}, Typing::Blank, {voltExample_, dbExample_});
    b.live({voltExample_}, {gainOut_, lossOut_}, [this] { example(); });
  }

 private:
  static constexpr const char* kTooltip = "inserire i dati e cliccare \"Calcola\"";

  void chooseMode(int i) {
    // every mode starts from the normal window, which hides the example again
    setGeometry(2100, 2000, 7890, 4900);
    if (i == 0) {
      hide({lblInput2_, input2_});
      show({lblOutput2_, out2_});
      hide(kind_);
      setText(lblInput1_, "DECIBEL");
      setText(lblOutput1_, "RAPPORTO  in TENSIONE");
      setText(lblOutput2_, "RAPPORTO in POTENZA");
    } else {
      show({lblInput2_, input2_});
      hide({lblOutput2_, out2_});
      hide(kind_);
      setText(lblInput1_, i == 1 ? "TENSIONE ENTRATA" : "POTENZA ENTRATA");
      setText(lblInput2_, i == 1 ? "TENSIONE USCITA" : "POTENZA USCITA");
      setText(lblOutput1_, "DECIBEL");
    }
  }

  void compute() {
    const double x1 = number(input1_);
    if (x1 < 0) {
      warn("SOLO VALORI POSITIVI", "MESSAGGIO DI ERRORE", input1_);
      return;
    }
    if (isSelected(mode_, 0)) {
      const bool refused = x1 > 70;
      if (refused) {
        warn("MASSIMO DB CALCOLABILE = 70", "MESSAGGIO DI ERRORE", input1_);
      } else {
        // the power ratio is squared before either ratio is rounded
        const double rv = std::pow(10.0, x1 / 20);
        const double rp = rv * rv;
        const std::string voltage = pattern(rv, "#,##0.###"), power = pattern(rp, "#,##0.###");
        rv_ = roundPattern(rv, "#,##0.###");
        setText(out1_, voltage);
        setText(out2_, power);
      }
      setGeometry(2100, 1000, 7890, 6700);
      // A refused level leaves the example as it was: its label and its
      // ratio always belong to the same computed level.
      if (!refused) setText(dbExample_, general(x1));
    } else if (isSelected(mode_, 1) || isSelected(mode_, 2)) {
      const double x2 = number(input2_);
      if (!(x1 * x2 > 0)) {
        warn("SOLO VALORI POSITIVI", "MESSAGGIO DI ERRORE", input1_);
        return;
      }
      const bool gain = x1 <= x2;
      const double ratio = gain ? x2 / x1 : x1 / x2;
      const std::string db = pattern((isSelected(mode_, 1) ? 20 : 10) * std::log10(ratio), "#0.##");
      setText(kind_, gain ? "DB di GUADAGNO" : "DB di ATTENUAZIONE");
      setText(out1_, db);
      show(kind_);
    }
  }

  // The worked example, on every change of its voltage.
  void example() {
    const float typed = single(number(voltExample_));
    if (!rv_) {
      // no ratio computed yet: nothing to show
      blank({gainOut_, lossOut_});
      return;
    }
    const double v = static_cast<double>(typed);
    const std::string gain = pattern(*rv_ * v, "#,##0.###"), loss = pattern(v / *rv_, "#,##0.###");
    setText(gainOut_, gain);
    setText(lossOut_, loss);
  }

  Options mode_;
  Input input1_, input2_, voltExample_;
  Label lblInput1_, lblInput2_, lblOutput1_, lblOutput2_, out1_, out2_, kind_, dbExample_, gainOut_, lossOut_;
  // the voltage ratio as shown (rounded to 3 decimals), read by the example;
  // none before the first computation
  std::optional<double> rv_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmdB, DecibelRatios)
