// The coil of an LC tuned circuit wound on an iron-powder toroid: the third
// of frequency, inductance and capacitance, and the turns on the chosen core.
#include <cmath>
#include <tuple>

#include "framework/registry.h"
#include "toroid_cores.h"

namespace vm {
namespace {

constexpr Color kBlue = 0x0000FF;

class SintoniaToro final : public CalculatorOf<SintoniaToro> {
 public:
  explicit SintoniaToro(FormBuilder& b) : CalculatorOf(b) {
    b.caption("BOBINE DI SINTONIA CON NUCLEI TOROIDALI ");
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
    known_ = b.frame("Frame2", "dati conosciuti", [&] {
                mode_ = b.options("Option1", {"INDUTTANZA e CAPACITA'", "FREQUENZA e INDUTTANZA",
                                              "FREQUENZA e CAPACITA'"})
                            .onClick([this](int i) { chooseMode(i); });
              })
                 .tooltip("EFFETTUARE UNA SCELTA")
                 .hidden();
    std::tie(input1_, name_[0]) = b.input("txtinput1").label("lblinput", "", 0).hidden().handles();
    unit_[0] = b.label("lblumisura", "", 0).unitOf(input1_);
    std::tie(input2_, name_[1]) = b.input("txtinput2").label("lblinput", "", 1).hidden().handles();
    unit_[1] = b.label("lblumisura", "", 1).unitOf(input2_);
    name_[2] = b.label("lblinput", "", 2);
    out_ = b.result("lblinput", "", 3).captionedBy(name_[2]);
    unit_[2] = b.label("lblumisura", "", 2).unitOf(out_);
    compute_ = b.computeButton("cmdcalcola", "").hidden().onClick([this] { compute(); });
    turns_ = b.result("lblspire");
    help_ = b.label("lblhelp2",
                    " IL RISULTATO E' TEORICO IN QUANTO LA PIU' O MENO OMOGENEA DISTRIBUZIONE DELLE SPIRE MODIFICA    "
                    "L' INDUTTANZA E GLI STESSI  PRODUTTORI DEI TOROIDI DICHIARANO UNA TOLLERANZA DEL 20 % DELLA "
                    "PERMEABILITA'")
                .hidden();
    hint_ = b.label("lblpunto", "SEPARARE GLI EVENTUALI DECIMALI CON IL PUNTO").hidden();
    b.closeButton("cmdesci", "E S C I");
  }

 private:
  void chooseCore(int i) {
    core_ = i;
    al_ = toroidCoreCatalogue.core(i).al;
    blank({out_, turns_});
    show(known_);
    setText(heading_, std::string(toroidCoreCatalogue.heading));
    setText(colourLine_, toroidCoreCatalogue.colourLine(i));
    setText(size_, std::string(toroidCoreCatalogue.sizeText(i)));
    show(colours_);
  }

  void chooseMode(int i) {
    static const char* const kNames[3][7] = {
        {"INDUTTANZA :", " microH", "CAPACITA' :", " pF", "FREQUENZA :", " MHz", "CALCOLA LA FREQUENZA E LE SPIRE"},
        {"FREQUENZA :", " MHz", "INDUTTANZA :", " microH", "CAPACITA' :", " pF", "CALCOLA LA CAPACITA' E LE SPIRE"},
        {"FREQUENZA :", " MHz", "CAPACITA' :", " pF", "INDUTTANZA :", " microH", "CALCOLA L'INDUTTANZA E LE SPIRE"},
    };
    modeIndex_ = i;
    blank({out_, turns_});
    show({input1_, input2_, compute_, help_, hint_});
    for (int k = 0; k < 3; ++k) setCaptionColor(mode_, k, k == i ? kBlue : kDefaultColor);
    for (int row = 0; row < 3; ++row) {
      setText(name_[row], kNames[i][2 * row]);
      setText(unit_[row], kNames[i][2 * row + 1]);
    }
    setText(compute_, kNames[i][6]);
  }

  void compute() {
    x1_ = number(input1_);
    x2_ = number(input2_);
    // a negative value makes no tuned circuit: refused like a missing one
    if (!productTest({x1_, x2_}, Product::EachPositive, input1_)) return;
    // the constants are 159 and 25300, as the window has always used them
    double shown = 0;
    switch (modeIndex_) {
      case 0:
        l_ = x1_;
        shown = 159 / std::sqrt(x1_ * x2_);
        break;
      case 1:
        l_ = x2_;
        shown = 25300 / (x1_ * x1_ * x2_);
        break;
      case 2:
        // the turns come from the inductance before it is rounded
        l_ = 25300 / (x1_ * x1_ * x2_);
        shown = l_;
        break;
      default:
        return;
    }
    n_ = 100 * std::sqrt(l_ / al_);
    setText(out_, fixed(shown, 3));
    setText(turns_, "OCCORRONO " + fixed(n_, 1) + " SPIRE");
  }

  Frame colours_, known_;
  Options mode_;
  Label heading_, colourLine_, size_, name_[3], unit_[3], out_, turns_, help_, hint_;
  Input input1_, input2_;
  Button compute_;
  int core_ = -1, modeIndex_ = -1;
  double al_ = 0, x1_ = 0, x2_ = 0, l_ = 0, n_ = 0;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmsintoniatoro, SintoniaToro)
