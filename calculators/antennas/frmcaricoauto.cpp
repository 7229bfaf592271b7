// A base-loading coil tapped for the feed line: L1 matches the 50 ohm line,
// L1 and L2 together bring the short radiator to resonance.
#include <cmath>

#include "framework/registry.h"
#include "loaded_drawings.h"

namespace vm {
namespace {

// Turns of an air coil of inductance l (uH), former diameter d and length len (mm).
double turns(double l, double len, double d) { return std::sqrt(1010 * l * (0.45 + len / d) / d); }

class CaricoAuto final : public CalculatorOf<CaricoAuto> {
 public:
  explicit CaricoAuto(FormBuilder& b) : CalculatorOf(b) {
    b.caption("BOBINA DI CARICO CON ADATTAMENTO DI IMPEDENZA ALLA BASE");
    freq_ = b.input("txtf").label("lbltxtf", "FREQUENZA IN MHz : ").labelTooltip("per frequenze H F");
    height_ = b.input("txtlungantenna")
                  .tooltip("deve essere inferiore ad 1/4 lambda")
                  .label("lbltxtlungantenna", "LUNGHEZZA ANTENNA in mt. : ");
    radiator_ = b.input("txtdiamant").label("lbltxtdiamant", "DIAMETRO MEDIO ANTENNA in mm. :");
    former_ = b.input("txtdiambobina")
                  .tooltip("diametro del supporto bobina")
                  .label("lbltxtdiambobina", "DIAMETRO INTERNO BOBINA in mm.");
    len1_ = b.input("txtlungL1")
                .tooltip("lunghezza della bobina di adattamento impedenza")
                .label("lbltxtlungL1", "LUNGHEZZA TRATTO L1 in mm.");
    len2_ = b.input("txtlungL2")
                .tooltip("lunghezza della bobina di carico induttivo")
                .label("lbltxtlungL2", "LUNGHEZZA TRATTO L2 in mm.");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.button("cmdavvertenza", "Avvertenza").onClick([this] { openCompanion("frmavvertenza", Companion::Modal); });
    b.closeButton("cmdesci", "").picture("exit");
    turns1_ = b.result("lblspireL1");
    turns2_ = b.result("lblspire2");
    note_ = b.label("lblnotaspire",
                    "IL NUMERO DELLE SPIRE E' SOGGETTO A VARIAZIONI IN RELAZIONE ALLA NATURA DEL SUPPORTO DELLA "
                    "BOBINA ED ALLA COSTRUZIONE DELLA STESSA")
                .hidden();
    Art art = b.drawing("drwbobina", loaded::tappedBaseCoil());
    b.text("Antenna").at(art, "antenna");
    b.text("L 2").at(art, "L2");
    b.text("L 1").at(art, "L1");
    b.text("bobina di compens.").at(art, "compens");
    b.text("bobina di adattam .").at(art, "adattam");
    b.text("linea 50 ohm").at(art, "linea");
    b.text("NELLA PRATICA  L1 E L2 COSTITUISCONO UN'UNICA BOBINA AVENTE  LA FUNZIONE DI PORTARE TUTTO IL SISTEMA "
           "ALLA RISONANZA MENTRE LA SOLA BOBINA L1 SERVE PER RIDURRE L'IMPEDENZA ADATTANDOLA A QUELLA DEL CAVO "
           "COASSIALE. (AUTOTRASFORMATORE) IN FASE DI COSTRUZIONE LA L2 ANDRA' SOVRADIMENSIONATA E L'ESATTO PUNTO "
           "DI ALIMENTAZIONA SARA' INDIVIDUATO SPERIMENTALMENTE");
  }

 private:
  void compute() {
    // every size and the frequency must be given: coils are not wound from nothing
    for (Input in : {freq_, height_, radiator_, former_, len1_, len2_}) {
      if (!(number(in) > 0)) {
        missingData(in);
        return;
      }
    }
    const double f = number(freq_);
    const double d = number(former_);
    const double h = number(height_);
    const double a = number(radiator_) / 2000;
    const double l1 = number(len1_);
    const double l2 = number(len2_);
    const double ind1 = 50 / (6.28 * f);
    if (h >= 72 / f) {
      warn("RADIATORE TROPPO LUNGO", "MESSAGGIO DI AVVISO", height_);
      return;
    }
    const double n1 = roundPattern(finite(turns(ind1, l1, d)), "#,##0.#");
    const double deg = f * h * 1.2;
    const double z0 = 60 * (std::log(2 * h / a) - 1);
    const double theta = 3.14159 * deg / 180;
    const double xl = z0 / std::tan(theta);
    const double ind2 = xl / (6.283184 * f);
    const std::string n2 = pattern(turns(ind2, l2, d), "#,##0.#");
    setText(turns1_, "LA BOBINA L 1 E' FORMATA DA :   " + general(n1) + " SPIRE IN ARIA");
    setText(turns2_, "LA BOBINA L2  E' FORMATA DA : " + n2 + " SPIRE IN ARIA");
    show(note_);
  }

  Input freq_, height_, radiator_, former_, len1_, len2_;
  Label turns1_, turns2_, note_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmcaricoauto, CaricoAuto)
