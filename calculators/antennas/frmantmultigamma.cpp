// Two-band trapped dipole with a known trap capacitance or inductance: the
// partner that resonates at the higher frequency and the two reactances.
#include "framework/registry.h"
#include "loaded_drawings.h"

namespace vm {
namespace {

constexpr int kWidth = 9690;

class AntMultigamma final : public CalculatorOf<AntMultigamma> {
 public:
  explicit AntMultigamma(FormBuilder& b) : CalculatorOf(b) {
    b.caption("ANTENNA MULTIGAMMA TRAPPOLATA");
    b.size(kWidth, 7050);
    b.frame("Frame1", "Dati conosciuti", [&] {
       known_ =
           b.options("Option1", {"E' NOTA LA CAPACITA'", "E' NOTA L' INDUTTANZA"}).opensOn(0).onClick([this](int i) {
             choose(i);
           });
     }).tooltip("effettuare una scelta");
    f1_ = b.input("txtF1").label("lbltxtF1", "FREQUENZA PIU' ALTA in MHz");
    f2_ = b.input("txtF2").label("lbltxtF2", "FREQUENZA PIU' BASSA in MHz");
    auto dato = b.input("txtdato").label("lbldato", "");
    dato_ = dato;
    lblDato_ = dato.caption();
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.button("cmdavviso", "AVVISO").onClick([this] { openCompanion("frmavvertenza", Companion::Modal); });
    b.button("cmdchiamabobine", "costruzione della bobina")
        .tooltip("procedura  per la costruzione della bobina")
        .onClick([this] { openBeside("frmbobine", {.selfLeft = 180, .selfTop = 180, .left = 4100, .top = 2800}); });
    b.closeButton("cmdesci", "E S C I").tooltip("torna alla maschera principale");
    a_ = b.result("lblA").hidden();
    b_ = b.result("lblB").hidden();
    output_ = b.result("lbloutput").hidden();
    xc_ = b.result("lblxc");
    xl_ = b.result("lblxl");
    note_ = b.result("lblnota");
    reactances_ = b.label("lblreattanze",
                          "PER UN RENDIMENTO OTTIMALE DELLA BOBINA LE REATTANZE DEVONO AVERE VALORI COMPRESI TRA "
                          "200 e 300 Ohm")
                      .hidden();
    b.text("oltre alle frequenze per cui si intende costruire l'antenna, occorre siano note o l'induttanza della "
           "bobina o la capacità del condensatore da porre in parallelo, dipendenti dalla frequenza più alta");
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
  void choose(int i) {
    setText(lblDato_, i == 0 ? "CAPACITA' in pFARAD " : "INDUTTANZA in microH ");
    setText(dato_, "");
    hide({a_, b_, reactances_, output_, xc_, xl_});
  }

  void compute() {
    const double f1 = number(f1_);
    const double f2 = number(f2_);
    const double x = number(dato_);
    if (!productTest({x, f2, f1}, Product::Zero, f1_)) return;
    if (f1 < f2 + f2 / 5) {
      warn("FREQUENZE TROPPO VICINE O ERRATE", "MESSAGGIO DI ERRORE", f1_);
      return;
    }
    const std::string a = fixed(71.3 / f1, 3);
    // deliberately 72 here; the automatic trapped dipole uses 71.15
    const std::string bl = fixed(0.87 * 72 / f2, 3);
    const double y = roundFixed(25300 / (x * f1 * f1), 2);
    std::string output;
    double xl = 0, xc = 0;
    if (isSelected(known_, 0)) {
      output = "L'induttanza della bobina è microH : " + fixed(y, 2);
      xl = 6.28 * y * f1;
      xc = 159000 / (x * f1);
    } else {
      output = "La capacità del condensatore è pF : " + fixed(y, 2);
      xl = 6.28 * x * f1;
      xc = 159000 / (y * f1);
    }
    const std::string xlText = general(roundFixed(finite(xl), 1));
    const std::string xcText = fixed(xc, 1);
    show({a_, b_, output_, reactances_});
    setText(a_, "La lunghezza del tratto A è di mt. : " + a);
    setText(b_, "La lunghezza totale B è di mt. : " + bl);
    setText(output_, output);
    setText(xl_, "LA REATTANZA INDUTTIVA E'  " + xlText + " Ohm");
    setText(xc_, "LA REATTANZA CAPACITIVA E'  " + xcText + " Ohm");
    show({xl_, xc_});
    resize(kWidth, 7700);
    setText(note_,
            "La lunghezza reale dipende dalla costruzione (filo o tubo) e dal tipo di trappola usata (classica, "
            "toroidale, in cavo ) in quanto differenti sono le reattanze induttive che, sommandosi alla reattanza "
            "propria del radiatore, determinano sempre una variazione IN MENO rispetto la lunghezza teorica");
  }

  Options known_;
  Input f1_, f2_, dato_;
  Label lblDato_, a_, b_, output_, xc_, xl_, note_, reactances_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmantmultigamma, AntMultigamma)
