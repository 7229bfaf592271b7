// Two-element L networks that match one resistance to another at one
// frequency: the high-pass form (series capacitor, shunt coil) and the
// low-pass form (series coil, shunt capacitor), stepping up or down.
#include <cmath>

#include "framework/registry.h"
#include "matching_drawings.h"

namespace vm {
namespace {

class AdattatoriLC final : public CalculatorOf<AdattatoriLC> {
 public:
  explicit AdattatoriLC(FormBuilder& b) : CalculatorOf(b) {
    b.caption("ADATTATORI AD INDUTTANZA - CAPACITA'      RETI A \" L \"");
    f_ = b.input("txtfrequenza").label("lblfrequenza", "FREQUENZA in MHz");
    zin_ = b.input("txtinput").tooltip("minore dell'impedenza output").label("lblinput", "IMPEDENZA INPUT in Ohm");
    zout_ =
        b.input("txtoutput").tooltip("maggiore dell'impedenza input").label("lbloutput", "IMPEDENZA OUTPUT in Ohm");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.button("cmdchiamabobine", "COST.BOBINE").onClick([this] {
      openBeside("frmbobine", {.selfLeft = 180, .selfTop = 180, .left = 4100, .top = 3000});
    });
    b.closeButton("cmdesci", "E S C I");
    intro_ = b.label("Label1",
                     "UN TRASFORMATORE DI ADATTAMENTO PUO' ESSERE COSTITUITO DA UNA RETE AD \" L\"  COMPOSTA DA UN "
                     "CONDENSATORE E DA UNA BOBINA QUINDI DA DUE REATTANZE DI SEGNO OPPOSTO. PUO' ESSERE IN SALITA "
                     "(Zin < Zout) O IN DISCESA (Zin > Zout), PASSA ALTO O BASSO");
    // the ports of the two networks in use, over their pictures
    Art ports = b.drawing("drwporte", matching::twoPortPairs());
    portIn_ = b.result("lblzin", "Zin").at(ports, "zin");
    portOut_ = b.result("lblzout", "Zout").at(ports, "zout");
    portIn1_ = b.result("lblzin1", "Zin").at(ports, "zin1");
    portOut1_ = b.result("lblzout1", "Zout").at(ports, "zout1");
    // step-up: the element across the line at the output; step-down: at the input
    upHigh_ = b.drawing("Image1", matching::lNetwork(Symbol::Capacitor, "C1", Symbol::Inductor, "L1", false));
    upLow_ = b.drawing("Image2", matching::lNetwork(Symbol::Inductor, "L2", Symbol::Capacitor, "C2", false));
    downHigh_ =
        b.drawing("Image3", matching::lNetwork(Symbol::Capacitor, "C1", Symbol::Inductor, "L1", true)).hidden();
    downLow_ =
        b.drawing("Image4", matching::lNetwork(Symbol::Inductor, "L2", Symbol::Capacitor, "C2", true)).hidden();
    results_ = b.frame("Frame1", "", [&] {
                  description_ = b.result("lbldescrizione");
                  c1_ = b.result("lblc1");
                  l1_ = b.result("lbll1");
                  c2_ = b.result("lblc2");
                  l2_ = b.result("lbll2");
                }).hidden();
    b.label("lblteoria",
            "IN GENERE L'IMPEDENZA DI UN GENERATORE DIFFERISCE DA QUELLA DELL'UTILIZZATORE O CARICO, E IN QUESTE "
            "CONDIZIONI NON SI HA IL MASSIMO TRASFERIMENTO DI POTENZA. SI INTERPONE ALLORA UNA RETE CHE PRESENTI AL "
            "GENERATORE UN'IMPEDENZA UGUALE ALLA SUA E AL CARICO UN'IMPEDENZA UGUALE ALLA SUA. LA RETE AD \" L \" E' "
            "LA PIU' SEMPLICE: CON DUE SOLE REATTANZE ADATTA DUE RESISTENZE DIVERSE AD UNA SOLA FREQUENZA.");
    b.label("Label5",
            "LE PERDITE SONO DOVUTE ALLA RESISTENZA OHMICA DEL FILO DELLA BOBINA E ALLA PERDITA DI ISOLAMENTO NEL "
            "DIELETTRICO DEL CONDENSATORE");
    b.onTyping({f_, zin_, zout_}, Typing::Hide, {results_}, [this] {
      show(intro_);
      setText(portIn_, "zin");
      setText(portIn1_, "zin");
      setText(portOut_, "zout");
      setText(portOut1_, "zout");
    });
  }

 private:
  void compute() {
    hide(intro_);
    const double f = number(f_), zin = number(zin_), zout = number(zout_);
    const double p = zout * zin * f;
    if (p == 0) {
      warn("MANCANO UNO O PIU' DATI", "MESSAGGIO DI ERRORE", f_);
      return;
    }
    if (p < 0) return;
    setText(portIn_, general(zin));
    setText(portIn1_, general(zin));
    setText(portOut_, general(zout));
    setText(portOut1_, general(zout));
    if (zin == zout) {
      warn("NON OCCORRE ADATTAMENTO", "AVVISO", zin_);
      hide(results_);
      return;
    }
    const bool stepUp = zin < zout;
    const double lo = stepUp ? zin : zout, hi = stepUp ? zout : zin;
    // the high-pass capacitor takes 159150, the low-pass one 159155
    const double c1 = 159150 / (std::sqrt((hi - lo) * lo) * f);
    const double l1 = std::sqrt(lo / (hi - lo)) * hi / (6.28 * f);
    const double c2 = std::sqrt((hi - lo) / lo) * 159155 / (hi * f);
    const float l2 = single(std::sqrt((hi - lo) * lo) / (6.28 * f));
    const std::string cText1 = "LA CAPACITA' E' " + fixed(c1, 1) + " pF";
    const std::string cText2 = "LA CAPACITA' E' " + fixed(c2, 1) + " pF";
    const std::string lText1 = "L'INDUTTANZA E' " + fixed(l1, 2) + "µH";
    const std::string lText2 = "L'INDUTTANZA E' " + fixed(static_cast<double>(l2), 2) + "µH";
    if (stepUp) {
      setText(description_, "  PASSA ALTO IN SALITA                             PASSA BASSO IN SALITA");
    } else {
      setText(description_, "  PASSA ALTO IN DISCESA                           PASSA BASSO IN DISCESA");
    }
    setVisible(upHigh_, stepUp);
    setVisible(upLow_, stepUp);
    setVisible(downHigh_, !stepUp);
    setVisible(downLow_, !stepUp);
    show(results_);
    setText(c1_, cText1);
    setText(c2_, cText2);
    setText(l1_, lText1);
    setText(l2_, lText2);
  }

  Input f_, zin_, zout_;
  Label intro_, portIn_, portOut_, portIn1_, portOut1_, description_, c1_, l1_, c2_, l2_;
  Art upHigh_, upLow_, downHigh_, downLow_;
  Frame results_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmadattatoriLC, AdattatoriLC)
