// Two-band trapped dipole: the sections from the two frequencies, and a trap
// chosen for 250 ohm of reactance at the higher one.
#include "framework/registry.h"
#include "loaded_drawings.h"

namespace vm {
namespace {

constexpr int kWidth = 9690;

class MultigammaOtt final : public CalculatorOf<MultigammaOtt> {
 public:
  explicit MultigammaOtt(FormBuilder& b) : CalculatorOf(b) {
    b.caption("ANTENNA MULTIGAMMA TRAPPOLATA   -   CALCOLO AUTOMATICO DI INDUTTANZA E CAPACITA'");
    b.size(kWidth, 7050);
    f1_ = b.input("txtF1").label("lbltxtF1", "FREQUENZA PIU' ALTA in MHz");
    f2_ = b.input("txtF2").label("lbltxtF2", "FREQUENZA PIU' BASSA in MHz");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.button("cmdavviso", "AVVISO").onClick([this] { openCompanion("frmavvertenza", Companion::Modal); });
    b.button("cmdchiamabobine", "costruzione della bobina")
        .tooltip("procedura  per la costruzione della bobina")
        .onClick([this] { openBeside("frmbobine", {.selfLeft = 180, .selfTop = 180, .left = 4100, .top = 2800}); });
    b.closeButton("cmdesci", "E S C I").tooltip("torna alla maschera principale");
    a_ = b.result("lblA");
    b_ = b.result("lblB");
    capacity_ = b.result("lblcapacita");
    inductance_ = b.result("lblinduttanza");
    xc_ = b.result("lblxc");
    xl_ = b.result("lblxl");
    note_ = b.result("lblnota");
    reactances_ = b.label("lblreattanze",
                          "PER UN RENDIMENTO OTTIMALE DELLA TRAPPOLA LE REATTANZE CAPACITIVE E INDUTTIVE DEVONO "
                          "AVERE VALORI COMPRESI TRA 200 e 300 Ohm")
                      .hidden();
    notice_ = b.label("lblavviso",
                      "QUESTA SCELTA DI MENU' CONSENTE IL CALCOLO AUTOMATICO OTTIMIZZATO DEI VALORI DI INDUTANZA E "
                      "CAPACITA', QUALORA OCCORRESSE INSERIRE DEI VALORI ARBITRARI SELEZIONARE L'OPZIONE "
                      "\"DIPOLO MULTIGAMMA\"");
    b.text("CON IL SEMPLICE INSERIMENTO DELLE FREQUENZE IL PROGRAMMA CALCOLA I VALORI OTTIMALI DI CAPACITA'  E "
           "INDUTTANZA");
    Art art = b.drawing("drwdipolo", loaded::trappedArm());
    b.text("  B").tooltip("lungh.del radiatore vert. o del semidipolo").at(art, "B");
    b.text("  A").at(art, "A");
    b.text("L").tooltip("trappola di blocco").at(art, "L");
    b.text("C").tooltip("condensatore in parallelo alla bobina").at(art, "C");
    b.text("coax").at(art, "coax");
    b.text("IL PROCEDIMENTO PUO' ESSERE APPLICATO TANTO AD UN RADIATORE VERTICALE CHE AD UN DIPOLO DI CUI,  PER "
           "PRATICITA',   VIENE RAPPRESENTATO SOLO UN BRACCIO;  L' ALTRO SI INTENDE IDENTICO");
  }

 private:
  void compute() {
    hide(notice_);
    const double f1 = number(f1_);
    const double f2 = number(f2_);
    if (!productTest({f2, f1}, Product::Zero, f1_)) return;
    if (f1 < f2 + f2 / 5) {
      warn("FREQUENZE TROPPO VICINE O ERRATE", "MESSAGGIO DI ERRORE", f1_);
      return;
    }
    const std::string a = fixed(71.3 / f1, 2);
    // deliberately 71.15 here; the trapped dipole with a known L or C uses 72
    const std::string bl = fixed(0.87 * 71.15 / f2, 2);
    // the reactances are worked from the values as shown
    const double c = roundFixed(159000 / (250 * f1), 1);
    const double l = roundFixed(250 / (6.28 * f1), 1);
    const double xl = roundFixed(l * f1 * 6.28, 1);
    const std::string xc = fixed(159000 / (c * f1), 1);
    setText(a_, "La lunghezza del tratto A è di mt. : " + a);
    setText(b_, "La lunghezza totale B è di mt. : " + bl);
    show(reactances_);
    setText(capacity_, "LA CAPACITA'  E'  pF  " + fixed(c, 1));
    setText(inductance_, "L' INDUTTANZA  E'  µH " + fixed(l, 1));
    setText(xl_, "LA REATTANZA INDUTTIVA E'  " + general(xl) + " Ohm");
    setText(xc_, "LA REATTANZA CAPACITIVA E'  " + xc + " Ohm");
    show({xl_, xc_});
    resize(kWidth, 7700);
    setText(note_,
            "La lunghezza reale dipende dal tipo di costruzione (filo o tubo) e dal tipo di trappola usata (classica, "
            "toroidale, in cavo ) in quanto differenti sono le reattanze induttive che, sommandosi alla reattanza "
            "propria del radiatore, determinano sempre una variazone IN MENO rispetto la lunghezza teorica");
  }

  Input f1_, f2_;
  Label a_, b_, capacity_, inductance_, xc_, xl_, note_, reactances_, notice_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmmultigammaott, MultigammaOtt)
