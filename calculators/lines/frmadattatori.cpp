// Quarter-wave transformer made of a piece of coaxial cable: its impedance
// is the geometric mean of the feed line's and the antenna's, its length a
// quarter wave in the cable.
#include <cmath>

#include "framework/registry.h"
#include "stub_drawings.h"

namespace vm {
namespace {

class Adattatori final : public CalculatorOf<Adattatori> {
 public:
  explicit Adattatori(FormBuilder& b) : CalculatorOf(b) {
    b.caption("ADATTAMENTO D' IMPEDENZA           TRASFORMATORI A 1/4 D'ONDA");
    b.frame("Frame1", " IMPEDENZA CAVO DI DISCESA ", [&] {
      line_ = b.options("Option1", {"IMPEDENZA  52 Ohm", "IMPEDENZA  75 Ohm"}).opensOn(0).onClick([this](int) {
        blank({length_, adapter_, antennaArt_, lineArt_});
      });
    });
    f_ = b.input("txtf").label("lblf", "FREQUENZA DI UTILIZZO IN  MHz  : ");
    zant_ = b.input("txtimpantenna").label("lbltxtimpantenna", "IMPEDENZA ANTENNA IN OHM : ");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.button("cmdchiamacavi", "CAVI COASSIALI").onClick([this] { openCompanion("frmcaviRG"); });
    b.button("cmdchiamaesempi", "ESEMPI IN  PRATICA").onClick([this] { openCompanion("frmesempiadattatori"); });
    b.closeButton("cmdesci", "E S C I");
    adapter_ = b.result("lblimpadattatore");
    length_ = b.result("lbllunghezza");
    Art sketch = b.drawing("drwadattatore", stubs::quarterWaveLine());
    antennaArt_ = b.result("lblimpantenna").at(sketch, "antenna");
    lineArt_ = b.result("lblimplinea").at(sketch, "line");
    pieceArt_ = b.result("lbllung", "1/4 LAMBDA").at(sketch, "piece");
    b.label("Label1", "CAVO DISCESA").at(sketch, "feed");
    b.label("lbltesto",
            "UN ADATTATORE D' IMPEDENZA CONSENTE DI UTILIZZARE UNA LINEA DI ALIMENTAZIONE CON IMPEDENZA "
            "CARATTERISTICA DIVERSA DA QUELLA DELL'ANTENNA NEL PUNTO DI COLLEGAMENTO.");
    b.label("Label2",
            "UN POSSIBILE ADATTATORE E' QUELLO CON LINEA AD UN QUARTO D' ONDA,  COSTITUITO DA UN TRATTO DI LINEA DI "
            "LUNGHEZZA PARI ALLA QUARTA PARTE DELLA LUNGHEZZA D'ONDA DI TRASMISSIONE.");
    b.label("Label3",
            "IL TRATTO AGGIUNTIVO PUO' CONSISTERE IN UNA LINEA BIFILARE O PIU' COMODAMENTE IN UNO SPEZZONE DI CAVO "
            "COASSIALE, DI IMPEDENZA CARATTERISTICA NOTA E SEMPRE DI LUNGHEZZA PARI AD UN QUARTO D' ONDA.");
    b.onTyping({f_}, Typing::Blank, {adapter_, length_, pieceArt_});
    b.onTyping({zant_}, Typing::Blank, {adapter_, length_, antennaArt_});
  }

 private:
  void compute() {
    const double f = number(f_), zant = number(zant_);
    // the feed line as chosen at this moment: 52 ohm, or else 75 ohm
    const bool fifty = isSelected(line_, 0);
    const int zline = fifty ? 52 : 75;
    const double v = fifty ? 0.66 : 0.8;
    if (zant == zline) {
      warn("NON OCCORRE ADATTATORE", "MESSAGGIO DI AVVISO", zant_);
      return;
    }
    if (!productTest({static_cast<double>(zline), zant, f}, Product::Zero, f_)) return;
    const double zadapt = std::sqrt(zline * zant);
    // the quarter wave in the cable, as shown to the centimetre
    const double l = roundFixed(v * 75 / f, 2);
    const std::string metres = general(l);
    setText(adapter_, "IMPEDENZA DELL'ADATTATORE : OHM  " + fixed(zadapt, 1));
    setText(length_, "LUNGHEZZA DELLO SPEZZONE : mt.  " + metres);
    setText(pieceArt_, metres + " mt.");
    setText(antennaArt_, general(zant) + " Ohm");
    setText(lineArt_, general(static_cast<double>(zline)) + "  Ohm");
  }

  Options line_;
  Input f_, zant_;
  Label adapter_, length_, antennaArt_, lineArt_, pieceArt_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmadattatori, Adattatori)
