// Folded dipole: the impedance step-up from the two conductor diameters and
// their spacing, and the length of the dipole from its frequency.
#include <cmath>

#include "framework/registry.h"
#include "wire_drawings.h"

namespace vm {
namespace {

class DipoloRipiegato final : public CalculatorOf<DipoloRipiegato> {
 public:
  explicit DipoloRipiegato(FormBuilder& b) : CalculatorOf(b) {
    b.caption("DIPOLO RIPIEGATO MEZZO LAMBDA   -   FOLDED DIPOLE");
    upper_ = b.input("txtd2").label("lbltxtd2", "DIAMETRO BRACCIO SUPERIORE in mm");
    lower_ = b.input("txtd1").label("lbltxtd1", "DIAMETRO BRACCIO INFERIORE in mm");
    spacing_ = b.input("txts").label("lbltxts", "DISTANZA TRA I BRACCI in mm  misurata dal centro dei tubi");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { stepUp(); });
    Art art = b.drawing("drwdipolo", wires::foldedDipole());
    lblD1_ = b.label("lbld1", "d1").at(art, "lbld1");
    lblD2_ = b.label("lbld2", "d2").at(art, "lbld2");
    lblS_ = b.label("lbls", "S").at(art, "lbls");
    ratio_ = b.result("lblrapporto");
    impedance_ = b.result("lbloutputimpedenza");
    impedanceOnDrawing_ = b.result("lblimpedenza").at(art, "lblimpedenza");
    b.text("OLTRE AD ESSERE CARATTERIZZATO DA UNA ELEVATA LARGHEZZA DI BANDA E' IN GRADO DI ELEVARE DI DIVERSE "
           "VOLTE LA SUA IMPEDENZA CARATTERISTICA IN FUNZIONE DEL DIAMETRO DEI DUE BRACCI E DELLA RECIPROCA "
           "DISTANZA.  SI PUO' CALCOLARE DI QUANTE VOLTE VIENE ELEVATA L'IMPEDENZA E IL SUO VALORE");
    b.text("SE I TUBI HANNO IL MEDESIMO DIAMETRO L'IMPEDENZA E' SEMPRE 300 OHM INDIPENDENTEMENTE DALLA DISTANZA");
    b.text("CALCOLO LUNGHEZZA DIPOLO");
    freq_ = b.input("txtfrequenza")
                .label("lbltxtfrequenza", "FREQUENZA DI CENTRO BANDA IN MHz  :")
                .tooltip("frequenza di risonanza dipolo");
    length_ = b.result("lbllunghezza").hidden();
    lengthOnDrawing_ = b.result("lbllung").hidden().at(art, "lbllung");
    b.text(" FREQUENZE AMMISSIBILI : da 0,1 a 500 MHz");
    b.text("separare i decimali con il punto del tastierino numerico");
    b.closeButton("cmdesci", "E S C I");
    b.live({freq_}, {length_, lengthOnDrawing_}, [this] { dipoleLength(); }, true);
  }

 private:
  void stepUp() {
    const double d1 = number(lower_);
    const double d2 = number(upper_);
    const double s = number(spacing_);
    // the sizes go on the drawing as typed, before they are checked
    setText(lblD1_, general(d1));
    setText(lblD2_, general(d2));
    setText(lblS_, general(s));
    const double p = s * d2 * d1;
    if (p == 0) {
      warn("mancano dati", "messaggio di errore", upper_);
      return;
    }
    if (!(p > 0)) return;
    if (d2 < d1 || s < d2) {
      warn("MISURE NON COMPATIBILI", "MESSAGGIO DI ERRORE", upper_);
      return;
    }
    const double ratio = std::pow(1 + std::log(2 * s / d1) / std::log(2 * s / d2), 2);
    // the impedance is worked from the ratio as shown, to one decimal
    const std::string ratioText = fixed(ratio, 1);
    const std::string z = general(roundFixed(ratio, 1) * 75);
    setText(ratio_, "RAPPORTO DI TRASFORMAZIONE = " + ratioText);
    setText(impedance_, "IMPEDENZA RISULTANTE OHM : " + z);
    setText(impedanceOnDrawing_, "Ohm " + z);
  }

  void dipoleLength() {
    const double f = number(freq_);
    if (!(f > 0)) {
      hide({lengthOnDrawing_, length_});
      return;
    }
    const std::string metres = general(single(roundFixed(142.5 / f, 2)));
    setText(lengthOnDrawing_, metres + " mt.");
    setText(length_, "LUNGHEZZA DEL DIPOLO mt : " + metres);
    show({lengthOnDrawing_, length_});
  }

  Input upper_, lower_, spacing_, freq_;
  Label lblD1_, lblD2_, lblS_, ratio_, impedance_, impedanceOnDrawing_, length_, lengthOnDrawing_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmdipoloripiegato, DipoloRipiegato)
