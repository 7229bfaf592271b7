// The three versions of the multiband dipole with an open-wire matching line:
// each option shows the arm, the line length and a note on the line.
#include "framework/registry.h"
#include "wire_drawings.h"

namespace vm {
namespace {

class AntG5rv final : public CalculatorOf<AntG5rv> {
 public:
  explicit AntG5rv(FormBuilder& b) : CalculatorOf(b) {
    b.caption("ANTENNA TIPO G5RV");
    Options first = b.option("Option1", "VERSIONE ORIGINALE   3.6 - 28 MHz").selected(0).onClick([this] {
      version("15.55 m", " 10.35 m",
              "LA LUNGHEZZA DELLA LINEA DI ADATTAMENTO DIPENDE ANCHE DALLA TIPOLOGIA DI COSTRUZIONE E DALLA "
              "DISTANZA DEI CONDUTTORI. SE REALIZZATA IN PIATTINA TV (300 ohm) RIDURLA A CIRCA 9.2 m");
    });
    b.option("Option2", "VERSIONE TIPO ZS6BKW   3.6 - 28 MHz").exclusiveWith(first).onClick([this] {
      version("13.75 m", " 12.2 m",
              "LA LUNGHEZZA DELLA LINEA DI ADATTAMENTO DIPENDE DALLA TIPOLOGIA DI COSTRUZIONE E DALLA DISTANZA DEI "
              "CONDUTTORI. SE REALIZZATA IN PIATTINA TV RIDURLA SPERIMENTALMENTE (10 % ca)");
    });
    b.option("Option3", "VERSIONE ACCORCIATA   7 - 28  MHz").exclusiveWith(first).onClick([this] {
      version("7.77 m", " 5.15 m",
              "LA LUNGHEZZA DELLA LINEA DI ADATTAMENTO DIPENDE ANCHE DALLA TIPOLOGIA DI COSTRUZIONE E DALLA "
              "DISTANZA DEI CONDUTTORI. SE REALIZZATA IN PIATTINA TV RIDURLA A CIRCA 4.58 m)");
    });
    Art art = b.drawing("drwantenna", wires::g5rv());
    arm_ = b.result("lblbraccio", "15.55 m").tooltip("semidipolo 1/4 lambda").at(art, "lblbraccio");
    line_ = b.result("lbladattamento", "10.35 m").at(art, "lbladattamento");
    note_ = b.label("Label1",
                     "LA LUNGHEZZA DELLA LINEA DI ADATTAMENTO DIPENDE ANCHE DALLA TIPOLOGIA DI COSTRUZIONE E DALLA "
                     "DISTANZA DEI CONDUTTORI. SE REALIZZATA IN PIATTINA TV  (300 ohm) RIDURLA A CIRCA 9.2 m");
    b.text("SCALETTA  10 -12 cm").at(art, "scaletta_10_12_cm");
    b.text("BALUN TUNER").at(art, "balun_tuner");
    b.text("discesa coax 50 ohm").at(art, "discesa_coax_50_ohm");
    b.text("NE SONO STATE PRODOTTE DIVERSE VERSIONI CARATTERIZZATE DALL'OTTIMIZZAZIONE IN UNA BANDA A SCAPITO "
           "DELLE ALTRE");
    b.text("L'IMPEDENZA DELLA LINEA VA DA 300 A 500 OHM E PIU' MA AGGIUSTANDONE LA LUNGHEZZA ALL'ESTREMITA' "
           "INFERIORE DOVREBBE AVVICINARSI AI 50 OHM, ALMENO NELLA BANDA PREFERITA. E' UTILE INTERPORRE UN BALUN "
           "1:1 E UN ADATTATORE D'ANTENNA. LA TARATURA SARA' QUINDI UN COMPROMESSO TRA LE VARIE BANDE.");
    b.closeButton("cmdesci", "E S C I");
  }

 private:
  void version(const char* arm, const char* line, const char* note) {
    setText(arm_, arm);
    setText(line_, line);
    setText(note_, note);
  }

  Label arm_, line_, note_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmantg5rv, AntG5rv)
