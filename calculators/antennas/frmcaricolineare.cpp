// Shortening an arm by linear loading: how much shorter than a quarter wave
// the arm is, and how long the loading wire folded back beside it must be.
#include "framework/registry.h"
#include "loaded_drawings.h"

namespace vm {
namespace {

class CaricoLineare final : public CalculatorOf<CaricoLineare> {
 public:
  explicit CaricoLineare(FormBuilder& b) : CalculatorOf(b) {
    b.caption("ANTENNA ACCORCIATA CON ELEMENTI A CARICO LINEARE");
    arm_ = b.input("txtlunghezzabraccio").label("lbltxtlunghezzabraccio", "LUNGHEZZA DEL BRACCIO A DISPOSIZIONE in mt.");
    freq_ = b.input("txtfrequenza").label("lbltxtfrequenza", "FREQUENZA IN MHz");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.button("cmdavviso", "AVVISO").onClick([this] { openCompanion("frmavvertenza", Companion::Modal); });
    b.closeButton("cmdesci", "E S C I").tooltip("torna alla maschera principale");
    shortened_ = b.result("lblplung");
    shortening_ = b.result("lblaccorciamento");
    load_ = b.result("lblcarico");
    Art art = b.drawing("drwbraccio", loaded::linearLoadedArm());
    armMark_ = b.result("lbll", "braccio").at(art, "l");
    loadMark_ = b.result("lbllc", "carico").at(art, "lc");
    spacing_ = b.result("lbld").at(art, "d");
    b.text("coax").at(art, "coax");
    b.text("LE RISULTANZE SONO DA INTENDERSI INDICATIVE");
    b.text("PER SEPARARE  I DECIMALI USARE IL PUNTO DEL TASTIERINO NUMERICO");
    b.text("IL PROCEDIMENTO PUO' ESSERE APPLICATO TANTO AD UN RADIATORE VERTICALE CHE AD UN DIPOLO . PER  "
           "PRATICITA'   VIENE RAPPRESENTATO SOLO UN BRACCIO;  L' ALTRO SI INTENDE IDENTICO");
    b.onTyping({arm_, freq_}, Typing::Hide, {shortened_, shortening_, load_, armMark_, loadMark_, spacing_});
  }

 private:
  void compute() {
    const double l = number(arm_);
    const double f = number(freq_);
    if (!productTest({f, l}, Product::NotPositive, arm_)) return;
    const double q = 72 / f;
    const double deg = roundFixed(f * l * 1.2, 1);
    const double delta = q - l;
    // the quarter wave is 72 / f, 86.4 degrees by the arm's own reckoning: an
    // arm between that and 90 degrees would need a negative load
    if (deg < 55 || deg > 90 || delta < 0) {
      warn("BRACCIO TROPPO LUNGO O TROPPO CORTO", "MESSAGGIO DI ERRORE", arm_);
      return;
    }
    const std::string deltaPct = fixed(100 * delta / q, 1);
    const std::string armPct = fixed(100 * l / q, 1);
    const std::string loadLength = fixed(1.2 * delta, 2);
    const double spacing = Int(600 / deg);
    setText(shortened_, "IL BRACCO RISULTA RIDOTTO DA " + fixed(q, 2) + " mt A " + general(l) + " mt PARI AL " +
                            armPct + " % - CORRISPONDE A " + general(deg) + " GRADI");
    setText(shortening_, "L'ACCORCIAMENTO E'  DI " + fixed(delta, 2) + " mt. PARI AL " + deltaPct + " %");
    setText(load_, "IL CARICO LINEARE E' LUNGO mt. " + loadLength + " CIRCA - LA DISTANZA DAL RADIATORE NON E' CRITICA");
    setText(armMark_, general(l) + " mt");
    setText(loadMark_, loadLength + " mt");
    setText(spacing_, general(spacing) + " cm.");
    show({shortened_, shortening_, load_, armMark_, loadMark_, spacing_});
  }

  Input arm_, freq_;
  Label shortened_, shortening_, load_, armMark_, loadMark_, spacing_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmcaricolineare, CaricoLineare)
