// Folded dipole: the impedance step-up from the two conductor diameters and
// their spacing, and the length of the dipole from its frequency.
#include <cmath>

#include "calculators/antennas/antennas.h"
#include "wire_drawings.h"

namespace vm {
namespace {

class DipoloRipiegato final : public CalculatorOf<DipoloRipiegato> {
 public:
  explicit DipoloRipiegato(FormBuilder& b) {
    b.window("frmdipoloripiegato", "DIPOLO RIPIEGATO MEZZO LAMBDA   -   FOLDED DIPOLE");
    upper_ = b.input("txtd2").label("lbltxtd2", "DIAMETRO BRACCIO SUPERIORE in mm");
    lower_ = b.input("txtd1").label("lbltxtd1", "DIAMETRO BRACCIO INFERIORE in mm");
    spacing_ = b.input("txts").label("lbltxts", "DISTANZA TRA I BRACCI in mm  misurata dal centro dei tubi");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { stepUp(); });
    Art art = b.drawing("drwdipolo", wires::foldedDipole());
    lblD1_ = b.label("lbld1", "d1").at(art, 250, 116);
    lblD2_ = b.label("lbld2", "d2").at(art, 272, 44);
    lblS_ = b.label("lbls", "S").at(art, 338, 72);
    ratio_ = b.result("lblrapporto");
    impedance_ = b.result("lbloutputimpedenza");
    impedanceOnDrawing_ = b.result("lblimpedenza").at(art, 215, 150);
    b.text("OLTRE AD ESSERE CARATTERIZZATO DA UNA ELEVATA LARGHEZZA DI BANDA E' IN GRADO DI ELEVARE DI DIVERSE "
           "VOLTE LA SUA IMPEDENZA CARATTERISTICA IN FUNZIONE DEL DIAMETRO DEI DUE BRACCI E DELLA RECIPROCA "
           "DISTANZA.  SI PUO' CALCOLARE DI QUANTE VOLTE VIENE ELEVATA L'IMPEDENZA E IL SUO VALORE");
    b.text("SE I TUBI HANNO IL MEDESIMO DIAMETRO L'IMPEDENZA E' SEMPRE 300 OHM INDIPENDENTEMENTE DALLA DISTANZA");
    b.text("CALCOLO LUNGHEZZA DIPOLO");
    freq_ = b.input("txtfrequenza")
                .label("lbltxtfrequenza", "FREQUENZA DI CENTRO BANDA IN MHz  :")
                .tooltip("frequenza di risonanza dipolo");
    length_ = b.result("lbllunghezza").hidden();
    lengthOnDrawing_ = b.result("lbllung").hidden().at(art, 170, 12);
    b.text(" FREQUENZE AMMISSIBILI : da 0,1 a 500 MHz");
    b.text("separare i decimali con il punto del tastierino numerico");
    b.closeButton("cmdesci", "E S C I");
    b.live({freq_}, {length_, lengthOnDrawing_}, [this] { dipoleLength(); }, true);
  }

 private:
  void stepUp() {
    d1_ = number(lower_);
    d2_ = number(upper_);
    s_ = number(spacing_);
    setText(lblD1_, general(d1_));
    setText(lblD2_, general(d2_));
    setText(lblS_, general(s_));
    const double p = s_ * d2_ * d1_;
    if (p == 0) {
      warn("mancano dati", "messaggio di errore", upper_);
      return;
    }
    if (!(p > 0)) return;
    if (d2_ < d1_ || s_ < d2_) {
      warn("MISURE NON COMPATIBILI", "MESSAGGIO DI ERRORE", upper_);
      return;
    }
    const double ratio = std::pow(1 + std::log(2 * s_ / d1_) / std::log(2 * s_ / d2_), 2);
    // the impedance is worked from the ratio as shown, to one decimal
    ratioText_ = fixed(ratio, 1);
    z_ = roundFixed(ratio, 1) * 75;
    setText(ratio_, "RAPPORTO DI TRASFORMAZIONE = " + ratioText_);
    setText(impedance_, "IMPEDENZA RISULTANTE OHM : " + general(z_));
    setText(impedanceOnDrawing_, "Ohm " + general(z_));
  }

  void dipoleLength() {
    f_ = number(freq_);
    if (!(f_ > 0)) {
      hide({lengthOnDrawing_, length_});
      return;
    }
    length_m_ = single(roundFixed(142.5 / f_, 2));
    setText(lengthOnDrawing_, general(length_m_) + " mt.");
    setText(length_, "LUNGHEZZA DEL DIPOLO mt : " + general(length_m_));
    show({lengthOnDrawing_, length_});
  }

  Input upper_, lower_, spacing_, freq_;
  Label lblD1_, lblD2_, lblS_, ratio_, impedance_, impedanceOnDrawing_, length_, lengthOnDrawing_;
  double d1_ = 0, d2_ = 0, s_ = 0, z_ = 0, f_ = 0;
  std::string ratioText_;
  float length_m_ = 0;
};

}  // namespace

CalculatorEntry dipoloRipiegatoEntry() { return entry<DipoloRipiegato>("frmdipoloripiegato"); }

}  // namespace vm
