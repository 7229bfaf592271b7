// A trap made of a linear element beside the radiator, closed by a sliding
// coaxial capacitor: the two sections, the trap length and the capacitor.
#include "framework/registry.h"
#include "loaded_drawings.h"

namespace vm {
namespace {

class TrappolaLineare final : public CalculatorOf<TrappolaLineare> {
 public:
  explicit TrappolaLineare(FormBuilder& b) : CalculatorOf(b) {
    b.caption("ANTENNA CON TRAPPOLA AD ELEMENTI LINEARI");
    f1_ = b.input("txtf1").label("lbltxtf1", "FREQUENZA  PIU'  ALTA in MHz");
    f2_ = b.input("txtf2").label("lbltxtf2", "FREQUENZA PIU'  BASSA IN MHz");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.button("cmdavviso", "AVVISO").onClick([this] { openCompanion("frmavvertenza", Companion::Modal); });
    b.closeButton("cmdesci", "E S C I");
    lambda1_ = b.result("lbllambda1");
    lambda2_ = b.result("lbllambda2");
    trap_ = b.result("lbll");
    cap_ = b.result("lblc");
    Art art = b.drawing("drwbraccio", loaded::linearTrapArm());
    a_ = b.result("lbla").at(art, "a").hidden();
    b_ = b.result("lblb").at(art, "b").hidden();
    trapMark_ = b.result("lblll").at(art, "ll").hidden();
    spacing_ = b.label("lbls", "5 cm.").at(art, "s");
    distance_ = b.label("lbldistanza",
                        "LA DISTANZA DAL RADIATORE E'  50 mm.   -  LA SEZIONE DELL' ELEMENTO LINEARE E' 2-3 mm-  IL "
                        "CONDENSATORE  DI TIPO COASSIALE DOVE DEVE POTER SCORRERE PER LA TARATURA")
                    .hidden();
    b.text("punto di alimentazione radiatore").at(art, "alimentazione");
    b.text("coax").at(art, "coax");
    b.text("LE RISULTANZE SONO DA INTENDERSI INDICATIVE");
    b.onTyping({f1_, f2_}, Typing::Hide, {lambda1_, lambda2_, cap_, a_, trap_, trapMark_, b_});
  }

 private:
  void compute() {
    const double f1 = number(f1_);
    const double f2 = number(f2_);
    if (!productTest({f2, f1}, Product::NotPositive, f1_)) return;
    if (f1 < f2 + f2 / 5) {
      warn("FREQUENZE TROPPO VICINE O ERRATE", "MESSAGGIO DI ERRORE", f1_);
      return;
    }
    const double lambda1 = roundFixed(300 / f1, 2);
    const double a = roundFixed(72 / f1, 2);
    // the second section is what is left of the arm after the first, as shown
    const double bl = roundFixed(0.83 * 72 / f2 - a, 2);
    if (!(bl > 0)) {
      warn("FREQUENZE TROPPO VICINE O ERRATE", "MESSAGGIO DI ERRORE", f1_);
      return;
    }
    const std::string t = fixed(lambda1 / 0.28, 1);
    const double c = roundFixed(lambda1 / 0.2, 0);
    setText(lambda1_, "IL PRIMO TRATTO E' LUNGO CIRCA mt.  " + fixed(a, 2));
    setText(lambda2_, "IL SECONDO TRATTO E' LUNGO CIRCA mt.  " + fixed(bl, 2));
    setText(trap_, "LA TRAPPOLA E'  LUNGA CIRCA cm.  " + t);
    setText(trapMark_, t + " cm.");
    setText(cap_, "LA CAPACITA'  COASSIALE E' CIRCA pF " + general(c));
    setText(a_, fixed(a, 2) + " mt.");
    setText(b_, fixed(bl, 2) + " mt.");
    show({a_, b_, lambda1_, lambda2_, trap_, trapMark_, cap_, spacing_, distance_});
  }

  Input f1_, f2_;
  Label lambda1_, lambda2_, trap_, cap_, a_, b_, trapMark_, spacing_, distance_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmtrappolalineare, TrappolaLineare)
