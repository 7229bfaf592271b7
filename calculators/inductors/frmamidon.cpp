// The iron-powder toroid cores of the T series: a core's colour code,
// frequency range and size, and the turns for an inductance on it.
#include <cmath>

#include "framework/registry.h"
#include "toroid_cores.h"

namespace vm {
namespace {

class Amidon final : public CalculatorOf<Amidon> {
 public:
  explicit Amidon(FormBuilder& b) : CalculatorOf(b) {
    b.caption("NUCLEI TOROIDALI IN POLVERE DI FERRO   SERIE T");
    b.list("cmbnucleo", toroidCoreCatalogue.names())
        .text("TOROIDI")
        .tooltip("CLICCARE E TASTI CURSORE O MOUSE")
        .onChoose([this](int i) { chooseCore(i); });
    b.label("lblhelp1", "SELEZIONARE IL TOROIDE");
    colours_ = b.frame("Frame1", " CODICE COLORI IN BASE ALLA MISCELA ", [&] {
                  heading_ = b.label("lblcolor");
                  colourLine_ = b.label("lblcolore");
                }).hidden();
    size_ = b.label("lbldimensioni");
    inductance_ = b.input("txtinduttanza").tooltip("INDUTTANZA IN microHENRY").hidden();
    compute_ = b.computeButton("cmdcalcola", "CALCOLA").hidden().onClick([this] { compute(); });
    turns_ = b.result("lblspire");
    help_ = b.label("lblhelp2",
                    "PER TROVARE IL NUMERO DELLE SPIRE INSERIRE IL VALORE DELL'INDUTTANZA IN microHENRY. IL "
                    "RISULTATO E' TEORICO IN QUANTO LA PIU' O MENO OMOGENEA DISTRIBUZIONE DELLE SPIRE MODIFICA  L' "
                    "INDUTTANZA E GLI STESSI  PRODUTTORI DICHIARANO UNA TOLLERANZA DEL 20 % DELLA PERMEABILITA'")
                .hidden();
    hint_ = b.label("lblpunto", "GLI EVENTUALI DECIMALI DEVONO ESSERE SEPARATI CON IL PUNTO").hidden();
    b.closeButton("cmdesci", "E S C I");
    b.onTyping({inductance_}, Typing::Blank, {turns_});
  }

 private:
  void chooseCore(int i) {
    blank({turns_});
    core_ = i;
    al_ = toroidCoreCatalogue.core(i).al;
    show({compute_, inductance_, help_, hint_});
    setText(heading_, std::string(toroidCoreCatalogue.heading));
    setText(colourLine_, toroidCoreCatalogue.colourLine(i));
    setText(size_, std::string(toroidCoreCatalogue.sizeText(i)));
    show(colours_);
  }

  void compute() {
    l_ = number(inductance_);
    // a negative inductance has no turns either
    if (!(l_ > 0)) {
      setText(turns_, "INSERIRE INDUTTANZA");
      focus(inductance_);
      return;
    }
    n_ = 100 * std::sqrt(l_ / al_);
    setText(turns_, "OCCORRONO " + fixed(n_, 1) + " SPIRE");
  }

  Frame colours_;
  Label heading_, colourLine_, size_, turns_, help_, hint_;
  Input inductance_;
  Button compute_;
  int core_ = -1;
  double al_ = 0, l_ = 0, n_ = 0;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmamidon, Amidon)
