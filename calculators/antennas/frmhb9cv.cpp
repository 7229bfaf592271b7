// HB9CV two-element phased beam: element lengths, spacing, the feed and
// phasing taps and the series capacitor, recomputed on every keystroke.
#include "framework/registry.h"

namespace vm {
namespace {

Drawing hb9cvDrawing() {
  Drawing d(410, 260);
  // reflector on the left, radiator on the right, seen from above
  d.line(110, 30, 110, 230, 2);
  d.line(280, 45, 280, 215, 2);
  d.line(90, 130, 300, 130, 4);
  // the crossed phasing line from the feed tap to the phasing tap
  d.line(280, 150, 110, 112).line(110, 112, 110, 150);
  d.line(280, 112, 280, 150);
  d.circle(280, 150, 3, true).circle(110, 150, 3, true);
  d.symbol(Symbol::Dimension, 110, 245, 280, 245);
  d.symbol(Symbol::Dimension, 90, 30, 90, 230);
  d.symbol(Symbol::Dimension, 330, 45, 330, 215);
  d.symbol(Symbol::Dimension, 292, 130, 292, 150);
  d.symbol(Symbol::Dimension, 122, 130, 122, 150);
  d.mark("riflettore", 40, 80);
  d.mark("radiatore", 372, 80);
  d.mark("distanza", 195, 232);
  d.mark("feedpoint", 372, 160);
  d.mark("phasingpoint", 160, 170);
  d.mark("feed", 304, 190);
  return d;
}

class Hb9cv final : public CalculatorOf<Hb9cv> {
 public:
  explicit Hb9cv(FormBuilder& b) : CalculatorOf(b) {
    b.caption("ANTENNA TIPO HB9CV");
    freq_ = b.input("txtfrequenza").label("lbltxtfrequenza", "FREQUENZA IN MHz");
    b.text("SEPARARE I DECIMALI CON IL PUNTO DEL TASTIERINO NUMERICO");
    Art art = b.drawing("drwhb9cv", hb9cvDrawing());
    reflector_ = b.result("lblriflettore", "RIFLETTORE").at(art, "riflettore");
    radiator_ = b.result("lblradiatore", "RADIATORE").at(art, "radiatore");
    spacing_ = b.result("lbldistanza", "DISTANZA").at(art, "distanza");
    feed_ = b.result("lblfeedpoint", "FeedPoint").at(art, "feedpoint");
    phasing_ = b.result("lblphasingpoint", "PhasingPoint").at(art, "phasingpoint");
    b.text("FEED").at(art, "feed");
    b.text("L'ALIMENTAZIONE AVVIENE TRAMITE UN CONDENSATORE LA CUI ESATTA CAPACITA' DIPENDE DA VARI FATTORI PROVARE "
           "INIZIALMENTE CON UN VARIABILE PER  IL MIGLIOR ADATTAMENTO. IL VALORE TEORICO E' DI CIRCA:");
    capacitor_ = b.result("lblc");
    b.label("lblnota",
            "LA PHASING LINE E' STATA REALIZZATA DA AUTORI DIVERSI NEI MODI PIU' DISPARATI E SEMBRA NON ESSERE MOLTO "
            "CRITICA ANCHE LA SUA DISTANZA DAGLI ELEMENTI. IL CONDENSATORE PUO' ESSERE REALIZZATO IN CAVO COASSIALE.");
    b.closeButton("cmdesci", "C H I U D I");
    b.live({freq_}, {capacitor_}, [this] { compute(); }, true);
  }

 private:
  void compute() {
    const double f = number(freq_);
    if (!(f > 0)) {
      // the drawing keeps the last dimensions
      hide(capacitor_);
      return;
    }
    const double lambda = 300 / f;
    const std::string reflector = fixed(150 / f, 2) + " m";
    const std::string radiator = fixed(139 / f, 2) + " m";
    const std::string spacing = fixed(37.5 / f, 2) + " m";
    const std::string feed = fixed(0.072 * lambda, 2) + " m";
    const std::string phasing = general(roundFixed(0.076 * lambda, 2)) + " m";
    const std::string capacitor = general(Int(1600 / f)) + " pF";
    setText(reflector_, reflector);
    setText(radiator_, radiator);
    setText(spacing_, spacing);
    setText(feed_, feed);
    setText(phasing_, phasing);
    setText(capacitor_, capacitor);
    show(capacitor_);
  }

  Input freq_;
  Label reflector_, radiator_, spacing_, feed_, phasing_, capacitor_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmhb9cv, Hb9cv)
