// Tapped-capacitor matching with the coil chosen from the frequency: the
// tuning capacitance is 375 / f pF, split into two capacitors in series
// whose junction gives the lower impedance.
#include <cmath>

#include "framework/registry.h"
#include "matching_drawings.h"

namespace vm {
namespace {

class TappedAuto final : public CalculatorOf<TappedAuto> {
 public:
  explicit TappedAuto(FormBuilder& b) : CalculatorOf(b) {
    b.caption("ADATTAMENTO D'IMPEDENZA TRAMITE CIRCUITO L/C ACCORDATO");
    f_ = b.input("txtfrequenza").label("lblfrequenza", "FREQUENZA in MHz");
    rin_ = b.input("txtin").tooltip("IMPEDENZA INPUT < OUTPUT").label("lblin", "IMPEDENZA INPUT in OHM");
    rout_ = b.input("txtout").tooltip("IMPEDENZA OUTPUT > INPUT").label("lblout", "IMPEDENZA OUTPUT in OHM");
    b.computeButton("cmdcalcola", "C A L C O L A").onClick([this] { compute(); });
    b.button("cmdchiamamanu",
             "LA SCHEDA IMPOSTA L'INDUTTANZA IN AUTOMATICO IN FUNZIONE DELLA FREQUENZA,  SE SI DESIDERA IMPOSTARLA "
             "MANUALMENTE  PREMERE QUI")
        .onClick([this] { openCompanion("frmtappedcapacitormanu", Companion::Switch); });
    b.closeButton("cmdesci", "E S C I");
    Art circuit = b.drawing("drwcircuito", matching::tappedCapacitor());
    c1_ = b.result("lblc1").at(circuit, "c1");
    c2_ = b.result("lblc2").at(circuit, "c2");
    coil_ = b.result("lblinduttanza").at(circuit, "l");
    resonance_ = b.result("lblfrequenzareale");
    b.label("Label1",
            "METODO EMPIRICO PER IL CALCOLO DELL' ADATTAMENTO DI IMPEDENZA TRAMITE PARTITORE CAPACITIVO E "
            "INDUTTANZA IN PARALLELO  - TAPPED CAPACITOR -  L'IMPEDENZA INPUT DEVE ESSERE SEMPRE INFERIORE ALL' "
            "IMPEDENZA OUTPUT");
    b.label("Label2", "SEPARARE GLI EVENTUALI DECIMALI CON IL PUNTO");
    note_ = b.label("Label3", "DETERMINATI RAPPORTI D'IMPEDENZA O FREQUENZE TROPPO ALTE RENDONO IL CALCOLO IMPOSSIBILE  ")
                .hidden();
    b.onTyping({f_}, Typing::Blank, {resonance_, c1_, c2_, coil_});
  }

 private:
  void compute() {
    const double rin = number(rin_), rout = number(rout_), f = number(f_);
    if (!(rin * rout * f > 0)) {
      warn("MANCANO DATI", "MESSAGGIO DI ERRORE", f_, Icon::None);
      return;
    }
    if (rin >= rout) {
      warn("Impedenza input sempre < impedenza output", "MESSAGGIO DI ERRORE", rin_, Icon::None);
      return;
    }
    // the capacitance follows the frequency, the coil follows from it
    const double c = 375 / f;
    const double l = 25330 / (f * f * c);
    const double c1 = Int(c);
    const double c2 = Int((std::sqrt(rout / rin) - 1) * c);
    // with no lower capacitor there is no resonance: the guard refuses it
    const double cs = roundFixed(c1 * c2 / (c1 + c2), 2);
    const double fr = 159 / std::sqrt(l * cs);
    setText(resonance_, "LA FREQUENZA TEORICA DI RISONANZA E' " + fixed(fr, 4) +
                            " MHz QUINDI CONSIDERANDO LE CAPACITA' PARASSITE NELLA PRATICA DOVREBBE AVVICINARSI AL "
                            "VALORE IMPOSTATO");
    setText(c1_, general(c1) + " pF");
    setText(c2_, general(c2) + " pF");
    setText(coil_, fixed(l, 2) + " µH");
    show(note_);
  }

  Input f_, rin_, rout_;
  Label c1_, c2_, coil_, resonance_, note_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmtappedcapacitorauto, TappedAuto)
