// The pi low-pass network that matches the anode impedance of a valve output
// stage to its load (antenna or line).
#include <cmath>

#include "calculators/drawings/networks.h"
#include "framework/registry.h"

namespace vm {
namespace {

const char* const kTitle = "MESSAGGIO DI ERRORE";

class AdattImpPassaBasso final : public CalculatorOf<AdattImpPassaBasso> {
 public:
  explicit AdattImpPassaBasso(FormBuilder& b) : CalculatorOf(b) {
    b.caption("RETE PASSA BASSO A PI GRECO COME ADATTATORE D' IMPEDENZA PER STADIO D'USCITA A VALVOLA");
    zin_ = b.input("txtinput").tooltip("Zin > Zout  e < 6000").label("Label2", "IMPEDENZA IN ENTRATA in OHM");
    zout_ = b.input("txtout").text("50").tooltip("Zin > Zout").label("Label3", " IMPEDENZA D'USCITA  in OHM");
    q_ = b.input("txtq").text("12.3").label("Label5", "FATTORE DI MERITO  \" Q \" da 12 a 14");
    f_ = b.input("txtfrequenza").label("Label6", "FREQUENZA DI LAVORO in MHz");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdchiudi", "CHIUDI");
    b.button("cmdchiamabobine", "COSTRUZIONE BOBINA").onClick([this] {
      moveTo(180, 180);
      openCompanion("frmbobine");
    });
    b.button("cmdchiamaimpanodica", "CALCOLO IMPEDENZA CIRCUITO ANODICO DELLA VALVOLA").onClick([this] {
      moveTo(180, 180);
      openCompanion("frmimpanodica");
    });
    b.label("Label1",
            "PER IL FATTORE \" Q \" CONVIENE ADOTTARE PER I 28 MHz UN VALORE DI 12 CHE SALE IN PROPORZIONE FINO A "
            "12,5 PER I 7 MHz. SOLO PER GLI 80 METRI SARA'  = 14");
    b.label("Label4",
            "L'IMPEDENZA DEL CIRCUITO ANODICO E' DECINE DI VOLTE SUPERIORE A QUELLA DEL CARICO ( ANT.)");
    results_ = b.frame("Frame1", "", [&] {
      primoc_ = b.result("lblprimoc");
      secondoc_ = b.result("lblsecondoc");
      bobina_ = b.result("lblbobina");
    }).hidden();
    Art drw = b.drawing("drwpigreco", networks::piNetwork());
    c1_ = b.result("lblc1", "C1").at(drw, "c1");
    c2_ = b.result("lblc2", "C2").at(drw, "c2");
    l_ = b.result("lbll", "INDUTTANZA").at(drw, "l");
    zinLbl_ = b.result("lblzin", "INPUT").at(drw, "input");
    zoutLbl_ = b.result("lblzout", "OUTPUT").at(drw, "output");
  }

 private:
  void compute() {
    zin_value_ = number(zin_);
    zout_value_ = number(zout_);
    q_value_ = number(q_);
    f_value_ = number(f_);
    if (!productTest({f_value_, q_value_, zout_value_, zin_value_}, Product::NotPositive, zin_)) return;
    if (zin_value_ <= zout_value_) {
      warn("IMPEDENZA INPUT SEMPRE > IMPEDENZA OUT", kTitle, zin_);
      return;
    }
    const double qmin = std::sqrt(zin_value_ / zout_value_ - 1);
    if (q_value_ < qmin) {
      warn("FATTORE DI MERITO Q TROPPO BASSO", kTitle, q_);
      return;
    }
    // at exactly the least Q the output branch has no reactance to give:
    // the window does nothing, without a word
    if (q_value_ == qmin) return;
    const double q2 = q_value_ * q_value_ + 1;
    xc1_ = zin_value_ / q_value_;
    xc2_ = zout_value_ / std::sqrt(q2 * zout_value_ / zin_value_ - 1);
    xl_ = zin_value_ * (q_value_ + zout_value_ / xc2_) / q2;
    c1_text_ = fixed(159000 / (xc1_ * f_value_), 2);
    c2_value_ = roundFixed(finite(159000 / (xc2_ * f_value_)), 2);
    // the inductance is judged as it is shown, to one decimal
    const double inductance = xl_ / (6.28318 * f_value_);
    const double microH = roundFixed(finite(inductance), 1);
    l_text_ = fixed(inductance, 1);
    std::string bobina, ll;
    if (microH < 1) {
      bobina = "L'INDUTTANZA E' " + general(1000 * microH) + " nanoHENRY";
      ll = general(1000 * microH) + " nanoH";
    } else {
      bobina = "L'INDUTTANZA E' " + l_text_ + "  µHENRY";
      ll = l_text_ + "µH";
    }
    const std::string primo = "IL PRIMO CONDENSATORE E' pF " + c1_text_;
    const std::string secondo = "IL SECONDO CONDENSATORE E' pF " + general(c2_value_);
    const std::string c1 = c1_text_ + " pF", c2 = general(c2_value_) + " pF";
    const std::string zin = general(zin_value_) + " OHM", zout = general(zout_value_) + " OHM";
    show(results_);
    setText(primoc_, primo);
    setText(secondoc_, secondo);
    setText(bobina_, bobina);
    setText(l_, ll);
    setText(c1_, c1);
    setText(c2_, c2);
    setText(zinLbl_, zin);
    setText(zoutLbl_, zout);
  }

  Input zin_, zout_, q_, f_;
  Frame results_;
  Label primoc_, secondoc_, bobina_, c1_, c2_, l_, zinLbl_, zoutLbl_;
  // the inputs as last read and the network of the last computation
  double zin_value_ = 0, zout_value_ = 0, q_value_ = 0, f_value_ = 0, xc1_ = 0, xc2_ = 0, xl_ = 0, c2_value_ = 0;
  std::string c1_text_, l_text_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmadattimppassabasso, AdattImpPassaBasso)
