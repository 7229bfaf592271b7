// Square spiral coil etched on a printed circuit board: its sides and its
// approximate inductance from track width, gap and turns.
#include <cmath>

#include "framework/registry.h"
#include "coil_drawings.h"

namespace vm {
namespace {

class BobinePiatte final : public CalculatorOf<BobinePiatte> {
 public:
  explicit BobinePiatte(FormBuilder& b) : CalculatorOf(b) {
    b.caption("BOBINE SU CIRCUITO STAMPATO");
    width_ = b.input("txtlp").label("lbllp", "LARGHEZZA PISTA in mm");
    gap_ = b.input("txtls").label("lblls", "DISTANZA PISTE in mm");
    turns_ = b.input("txtn").label("lbln", "NUMERO SPIRE");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    out_ = b.result("lblinduttanza");
    Art art = b.drawing("drwspirale", coils::squareSpiral());
    outerLbl_ = b.label("Label1", "LATO ESTERNO").at(art, "Label1");
    innerLbl_ = b.label("Label2", "LATO INTERNO").at(art, "Label2");
    widthLbl_ = b.label("Label3", "LARG. PISTA").at(art, "Label3");
    gapLbl_ = b.label("Label4", "DIST.PISTA").at(art, "Label4");
    b.text("IMPOSTATA LA LARGHEZZA E LA DISTANZA DELLE PISTE NONCHE'  IL NR. DELLE SPIRE SI OTTENGONO LE "
           "DIMENSIONI DELLA BOBINA E L'INDUTTANZA APPROSSIMATIVA");
    // the sides on the drawing stay until the next computation
    b.onTyping({width_, gap_, turns_}, Typing::Blank, {out_});
  }

 private:
  void compute() {
    const double w = number(width_);
    const double g = number(gap_);
    const double n = number(turns_);
    // two negative sizes pass the product but make no spiral: refused alike
    if (w * g * n <= 0 || w < 0 || g < 0 || n < 0) {
      warn("MANCA DATO", "MESSAGGIO DI ERRORE", width_);
      return;
    }
    // the hole is as wide as the winding, so the outer side is three times it
    const double inner = g * (n - 1) + w * n;
    const double outer = 3 * inner;
    const double nh = 5.6568 * inner * std::pow(n, 5.0 / 3) * (std::log(inner) / std::log(10.0) + 0.9031);
    const std::string outerText = fixed(outer, 1) + " mm", innerText = fixed(inner, 1) + " mm";
    const std::string widthText = general(w) + " mm", gapText = general(g) + " mm";
    const std::string out = "L'INDUTTANZA E' µHENRY " + general(roundDefault(nh / 1000));
    setText(outerLbl_, outerText);
    setText(innerLbl_, innerText);
    setText(widthLbl_, widthText);
    setText(gapLbl_, gapText);
    setText(out_, out);
  }

  Input width_, gap_, turns_;
  Label out_, outerLbl_, innerLbl_, widthLbl_, gapLbl_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmbobinepiatte, BobinePiatte)
