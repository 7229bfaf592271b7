// Narrow-band impedance transformer for an antenna, wound on an iron-powder
// toroid: the antenna winding gets a reactance of five times the antenna
// impedance, the cable winding the turns of the impedance ratio.
#include <cmath>
#include <tuple>

#include "framework/registry.h"
#include "toroid_cores.h"

namespace vm {
namespace {

class AdattatoriToroidali final : public CalculatorOf<AdattatoriToroidali> {
 public:
  explicit AdattatoriToroidali(FormBuilder& b) : CalculatorOf(b) {
    b.caption(" ADATTATORI  D'IMPEDENZA A NUCLEI TOROIDALI  PER ANTENNE");
    b.list("cmbnucleo", toroidCoreCatalogue.names())
        .text("TOROIDI")
        .tooltip("CLICCARE E TASTI CURSORE O MOUSE")
        .onChoose([this](int i) { chooseCore(i); });
    b.label("lblhelp1", "CLICCARE SUL TOROIDE SELEZIONATO");
    help_ = b.label("lblhelp",
                    "SELEZIONARE UN TOROIDE IDONEO PER FREQUENZA E DIMENSIONI PER USO RADIANTISTICO SONO CONSIGLIATE "
                    "LE MISCELE : 2 - 6 - 12");
    colours_ = b.frame("Frame1", " CODICE COLORI IN BASE ALLA MISCELA ", [&] {
                  heading_ = b.label("lblcolor");
                  colourLine_ = b.label("lblcolore");
                }).hidden();
    size_ = b.label("lbldimensioni");
    const char* tip = "SEPARARE I DECIMALI CON IL PUNTO";
    std::tie(freq_, lblFreq_) =
        b.input("txtfrequenza").tooltip(tip).hidden().label("Label2", "FREQUENZA DI LAVORO DELL'ANTENNA in MHz").handles();
    std::tie(antenna_, lblAntenna_) =
        b.input("txtimpantenna").tooltip(tip).hidden().label("Label3", "IMPEDENZA DELL'ANTENNA in OHM").handles();
    std::tie(cable_, lblCable_) = b.input("txtimpcavo")
                                      .tooltip(tip)
                                      .text("50")
                                      .hidden()
                                      .label("Label4", "IMPEDENZA DEL CAVO in OHM")
                                      .handles();
    hide({lblFreq_, lblAntenna_, lblCable_});
    compute_ = b.computeButton("cmdcalcola", "CALCOLA").hidden().onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    primary_ = b.result("lblspireprimario");
    secondary_ = b.result("lblspiresecondario");
    hint_ = b.label("lblpunto", "SEPARARE GLI EVENTUALI DECIMALI CON IL PUNTO").hidden();
    b.text("DA NON CONFONDERE CON BALUN E UN - UN  A LARGA BANDA");
    b.onTyping({freq_, antenna_, cable_}, Typing::Blank, {primary_, secondary_});
  }

 private:
  void chooseCore(int i) {
    core_ = i;
    al_ = toroidCoreCatalogue.core(i).al;
    hide(help_);
    show(hint_);
    blank({primary_, secondary_});
    show({compute_, freq_, antenna_, cable_, lblFreq_, lblAntenna_, lblCable_});
    setText(heading_, std::string(toroidCoreCatalogue.heading));
    setText(colourLine_, toroidCoreCatalogue.colourLine(i));
    setText(size_, std::string(toroidCoreCatalogue.sizeText(i)));
    show(colours_);
  }

  void compute() {
    f_ = number(freq_);
    za_ = number(antenna_);
    zc_ = number(cable_);
    if (!productTest({f_, za_, zc_}, Product::Zero, freq_)) return;
    // two negative values pass the product but make no transformer
    if (f_ < 0 || za_ < 0 || zc_ < 0) {
      missingData(freq_);
      return;
    }
    const double l = za_ * 5 / (6.28 * f_);
    n1_ = 100 * std::sqrt(l / al_);
    n2_ = n1_ / std::sqrt(za_ / zc_);
    setText(primary_, "OCCORRONO " + fixed(n1_, 1) + " SPIRE VERSO L'ANTENNA");
    setText(secondary_, "INTERCALATE CON " + fixed(n2_, 1) + " SPIRE VERSO IL CAVO");
  }

  Frame colours_;
  Label help_, heading_, colourLine_, size_, lblFreq_, lblAntenna_, lblCable_, primary_, secondary_, hint_;
  Input freq_, antenna_, cable_;
  Button compute_;
  int core_ = -1;
  double al_ = 0, f_ = 0, za_ = 0, zc_ = 0, n1_ = 0, n2_ = 0;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmadattatoritoroidali, AdattatoriToroidali)
