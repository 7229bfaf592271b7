// Square spiral coil etched on a printed circuit board: its sides and its
// approximate inductance from track width, gap and turns.
#include <cmath>

#include "calculators/inductors/inductors.h"
#include "coil_drawings.h"

namespace vm {
namespace {

class BobinePiatte final : public CalculatorOf<BobinePiatte> {
 public:
  explicit BobinePiatte(FormBuilder& b) {
    b.window("frmbobinepiatte", "BOBINE SU CIRCUITO STAMPATO");
    width_ = b.input("txtlp").label("lbllp", "LARGHEZZA PISTA in mm");
    gap_ = b.input("txtls").label("lblls", "DISTANZA PISTE in mm");
    turns_ = b.input("txtn").label("lbln", "NUMERO SPIRE");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    out_ = b.result("lblinduttanza");
    Art art = b.drawing("drwspirale", coils::squareSpiral());
    outerLbl_ = b.label("Label1", "LATO ESTERNO").at(art, 130, 8);
    innerLbl_ = b.label("Label2", "LATO INTERNO").at(art, 150, 262);
    widthLbl_ = b.label("Label3", "LARG. PISTA").at(art, 302, 175);
    gapLbl_ = b.label("Label4", "DIST.PISTA").at(art, 302, 95);
    b.text("IMPOSTATA LA LARGHEZZA E LA DISTANZA DELLE PISTE NONCHE'  IL NR. DELLE SPIRE SI OTTENGONO LE "
           "DIMENSIONI DELLA BOBINA E L'INDUTTANZA APPROSSIMATIVA");
    // the sides on the drawing stay until the next computation
    b.onTyping({width_, gap_, turns_}, Typing::Blank, {out_});
  }

 private:
  void compute() {
    w_ = number(width_);
    g_ = number(gap_);
    n_ = number(turns_);
    // two negative sizes pass the product but make no spiral: refused alike
    if (w_ * g_ * n_ <= 0 || w_ < 0 || g_ < 0 || n_ < 0) {
      warn("MANCA DATO", "MESSAGGIO DI ERRORE", width_);
      return;
    }
    // the hole is as wide as the winding, so the outer side is three times it
    inner_ = g_ * (n_ - 1) + w_ * n_;
    outer_ = 3 * inner_;
    const double nh = 5.6568 * inner_ * std::pow(n_, 5.0 / 3) * (std::log(inner_) / std::log(10.0) + 0.9031);
    setText(outerLbl_, fixed(outer_, 1) + " mm");
    setText(innerLbl_, fixed(inner_, 1) + " mm");
    setText(widthLbl_, general(w_) + " mm");
    setText(gapLbl_, general(g_) + " mm");
    uh_ = roundDefault(nh / 1000);
    setText(out_, "L'INDUTTANZA E' µHENRY " + general(uh_));
  }

  Input width_, gap_, turns_;
  Label out_, outerLbl_, innerLbl_, widthLbl_, gapLbl_;
  double w_ = 0, g_ = 0, n_ = 0, inner_ = 0, outer_ = 0, uh_ = 0;
};

}  // namespace

CalculatorEntry bobinePiatteEntry() { return entry<BobinePiatte>("frmbobinepiatte"); }

}  // namespace vm
