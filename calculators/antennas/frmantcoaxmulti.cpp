// Two-band dipole whose traps are wound from coaxial cable: N turns touching
// on a former, the cable's own capacitance resonating the winding.
#include <cmath>

#include "framework/registry.h"
#include "loaded_drawings.h"

namespace vm {
namespace {

struct Cable {
  double radius;    // cm
  double capacity;  // pF per cm
};
constexpr Cable kCables[] = {{0.25, 0.935}, {0.1275, 0.99}};

Drawing coaxTrap() {
  Drawing d(160, 100);
  d.rect(30, 20, 100, 60);
  for (int i = 0; i < 6; ++i) d.line(40 + 14 * i, 20, 50 + 14 * i, 80, 2);
  d.line(10, 50, 30, 50, 2).line(130, 50, 150, 50, 2);
  return d;
}

class AntCoaxMulti final : public CalculatorOf<AntCoaxMulti> {
 public:
  explicit AntCoaxMulti(FormBuilder& b) : CalculatorOf(b) {
    b.caption("ANTENNA MULTIGAMMA CON TRAPPOLE IN CAVO COASSIALE");
    b.frame("Frame1", "SELEZIONA UN TIPO DI CAVO", [&] {
      b.options("Option1", {"RG 58", "RG 174U"}).opensOn(0).onClick([this](int i) { chooseCable(i); });
    });
    f1_ = b.input("txtf1").tooltip("usa TAB per spostarti").label("lbltxtf1", "FREQUENZA PIU' ALTA IN MHz");
    f2_ = b.input("txtf2").tooltip("usa TAB per spostarti").label("lbltxtf2", "FREQUENZA PIU' BASSA IN MHz");
    diameter_ = b.input("txtdiametro")
                    .tooltip("usa TAB per spostarti")
                    .label("lbltxtdiametro", "DIAMETRO DEL SUPPORTO BOBINA in cm.");
    turns_ = b.input("txtn").tooltip("usa TAB per spostarti").label("lbltxtn", "NUMERO SPIRE DELLA BOBINA IN CAVO COAX");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.button("cmdavviso", "AVVISO").onClick([this] { openCompanion("frmavvertenza", Companion::Modal); });
    b.closeButton("cmdesci", "E S C I");
    cap_ = b.result("lblcap");
    impedance_ = b.result("lblimpedenza");
    frequency_ = b.result("lblfrequenza").hidden();
    ratio_ = b.result("lblrapporto").hidden();
    armA_ = b.result("lbllunghezzaa").hidden();
    armB_ = b.result("lbllunghezzab").hidden();
    cable_ = b.result("lbllunghezzacavo").hidden();
    braid_ = b.label("lblcalza", "LA CALZA DEL CAVO COAX DEVE ESSERE COLLEGATA AL BRACCIO \"A\" DEL DIPOLO").hidden();
    note_ = b.label("Label1");
    b.text("LA QUALITA'  DEL SUPPORTO INFLUENZA IL NUMERO DELLE SPIRE");
    Art art = b.drawing("drwdipolo", loaded::coaxTrapArm());
    b.text(" B").at(art, "B");
    b.text("  A").at(art, "A");
    b.text("bobina").tooltip("trappola di blocco").at(art, "bobina");
    b.text("punto di alimentazione antenna").at(art, "alimentazione");
    b.text("discesa").at(art, "discesa");
    b.picture("Picture1", coaxTrap());
    b.onLoad([this] {
      setText(note_,
              "Si impostano le frequenze di lavoro, il diametro del supporto bobina, e, per approssimazione, il numero "
              "delle spire.  La frequenza di risonanza della bobina dovrebbe coincidere con la frequenza di lavoro più "
              "alta, se da questa si discosta sensibilmente, occorre variare o il numero delle spire o il diametro del "
              "supporto. Inoltre il diametro della bobina dovrebbe essere superiore, anche del doppio, della lunghezza "
              "della bobina stessa.");
    });
  }

 private:
  void chooseCable(int i) {
    s_ = kCables[i].radius;
    c_ = kCables[i].capacity;
  }

  void compute() {
    const double f1 = number(f1_);
    const double f2 = number(f2_);
    const double d = number(diameter_);
    const double n = number(turns_);
    if (!productTest({n, d, f2, f1}, Product::NotPositive, f1_)) return;
    const double r = d / 2 + s_;
    // one turn per circumference, plus 2 cm for the connections
    const float cable = single(2 + n * 6.28 * r);
    const double c = c_ * cable;
    const double l = n * n * r * r / (2.54 * (9 * r + 20 * n * s_));
    const std::string fr = fixed(159.155 / std::sqrt(l * c), 3);
    const double ratio = (d + 2 * s_) / (n * 2 * s_);
    const std::string capText = "la capacità è pF: " + fixed(c, 2);
    const std::string impText = "L'impedenza è uH : " + fixed(l, 2);
    const std::string ratioText = " IL RAPPORTO DIAMETRO/LUNGHEZZA E' = " + pattern(ratio, "#0.##");
    const std::string aText = " LA LUNGHEZZA DEL BRACCIO 'A' E' MT: " + fixed(72 / f1, 2);
    const std::string bText = " LA LUNGHEZZA DEL BRACCIO 'B' E' MT: " + fixed(0.9 * 72 / f2, 2);
    const std::string cableText = " OCCORRONO cm. " + general(static_cast<double>(toInt16(cable))) + " DI CAVO COASSIALE";
    setText(cap_, capText);
    setText(impedance_, impText);
    setText(frequency_, " LA BOBINA RISUONA A MHz: " + fr);
    setText(ratio_, ratioText);
    setText(armA_, aText);
    setText(armB_, bText);
    setText(cable_, cableText);
    show({frequency_, ratio_, armA_, armB_, cable_, braid_});
  }

  Input f1_, f2_, diameter_, turns_;
  Label cap_, impedance_, frequency_, ratio_, armA_, armB_, cable_, braid_, note_;
  double s_ = 0, c_ = 0;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmantcoaxmulti, AntCoaxMulti)
