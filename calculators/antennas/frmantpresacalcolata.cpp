// Off-centre-fed radiator: the wire length for a half or a whole wave and the
// feed point a third of the way along it, recomputed as the frequency is typed.
#include "framework/registry.h"
#include "wire_drawings.h"

namespace vm {
namespace {

class AntPresaCalcolata final : public CalculatorOf<AntPresaCalcolata> {
 public:
  explicit AntPresaCalcolata(FormBuilder& b) : CalculatorOf(b) {
    b.caption("ANTENNA A PRESA CALCOLATA   -   WINDOM");
    b.frame("Frame1", "LUNGHEZZA RADIATORE", [&] {
      b.options("Option1", {"A MEZZO LAMBDA", "A LAMBDA INTERO"}).opensOn(0).onClick([this](int i) {
        chooseLength(i);
      });
    });
    freq_ = b.input("txtfrequenza").label("lbltxtfrequenza", "FREQUENZA IN MHz :");
    Art art = b.drawing("drwantenna", wires::offCentreFed());
    length_ = b.result("lblm").hidden().at(art, "lblm");
    feed_ = b.result("lblpresa").hidden().at(art, "lblpresa");
    b.text("BALUN").at(art, "balun");
    b.text("DISCESA  AL RxTx").at(art, "discesa_al_rxtx");
    b.text("SI TRATTA DI UN SISTEMA RADIANTE ORMAI IN DISUSO NELLA VERSIONE ORIGINALE ALIMENTATA CON UN SOLO FILO "
           "PERCORSO DA ALTA TENSIONE.   ADOTTANDO UN BALUN CON RAPPORTO OPPORTUNO SI PUO'  UTILIZZARE IL NORMALE "
           "CAVO COASSIALE.");
    b.text("SE REALIZZATA ORIZZONTALMENTE L'IMPEDENZA E' CIRCA 300 OHM E RICHIEDE UN BALUN 6:1, NELLA "
           "CONFIGURAZIONE A INVERTED V DIMINUISCE L'IMPEDENZA E PUO' ESSERE CONVENIENTE UN RAPPORTO 4:1. LA "
           "LUNGHEZZA DEI SEMIBRACCI RISENTE MOLTO DELL'ALTEZZA DAL SUOLO E SOLITAMENTE OCCORRE ACCORCIARE. QUINDI "
           "LE MISURE SONO INDICATIVE");
    b.closeButton("cmdchiudi", "C H I U D I");
    b.live({freq_}, {length_, feed_}, [this] { compute(); }, true);
  }

 private:
  void chooseLength(int i) {
    hide({length_, feed_});
    setText(freq_, {});
    k_ = i == 0 ? 144.0f : 288.0f;
  }

  void compute() {
    const double f = number(freq_);
    if (!(f > 0)) {
      hide({length_, feed_});
      return;
    }
    const double wire = k_ / f;
    // the feed point is a third of the wire (0.33) from the near end
    const double feed = roundFixed(0.33 * wire, 2);
    const std::string length = fixed(wire, 2);
    setText(length_, length + " mt.");
    setText(feed_, general(feed) + " mt.");
    show({length_, feed_});
  }

  Input freq_;
  Label length_, feed_;
  float k_ = 0;  // the constant of the chosen wave, read by every computation
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmantpresacalcolata, AntPresaCalcolata)
