// Two resistors in series and in parallel, and the resistor to put in
// parallel with an available one to bring it down to a wanted value.
#include <string>

#include "framework/registry.h"

namespace vm {
namespace {

// Tubular carbon resistors with their colour bands, lying side by side.
Drawing carbonResistors() {
  Drawing d(240, 150);
  const Color bodies[] = {0xD9B98Cu, 0xC9A878u, 0x9FB7C9u};
  const Color bands[][4] = {{0x8B4513u, 0x000000u, 0xFF0000u, 0xD4AF37u},
                            {0xFFFF00u, 0x8B00FFu, 0x8B4513u, 0xD4AF37u},
                            {0xFF0000u, 0xFF0000u, 0xFFA500u, 0xC0C0C0u}};
  for (int i = 0; i < 3; ++i) {
    const double y = 30 + 40 * i;
    d.line(10, y, 60, y, 2).color(0x808080u);
    d.line(180, y, 230, y, 2).color(0x808080u);
    d.rect(60, y - 12, 120, 24, true).color(bodies[i]);
    d.ellipse(52, y - 12, 16, 24, true).color(bodies[i]);
    d.ellipse(172, y - 12, 16, 24, true).color(bodies[i]);
    for (int k = 0; k < 4; ++k) {
      const double x = (k < 3 ? 75 + 16 * k : 155);
      d.rect(x, y - 12, 7, 24, true).color(bands[i][k]);
    }
    d.line(62, y - 6, 178, y - 6, 1).color(0xFFFFFFu);
  }
  return d;
}

class Resistenze final : public CalculatorOf<Resistenze> {
 public:
  explicit Resistenze(FormBuilder& b) : CalculatorOf(b) {
    b.caption("RESISTENZE IN SERIE E IN PARALLELO");
    const std::string point = "il punto per separare i decimali";
    const std::string closes = "chiude l'applicazione";
    r1_ = b.input("txtr1").tooltip(point).label("Label4", "Ohm prima resistenza :");
    r2_ = b.input("txtr2").tooltip(point).label("Label5", "Ohm seconda resistenza :");
    serie_ = b.result("lblserie");
    parallelo_ = b.result("lblparallelo");
    b.label("Label1", "RESISTORI TUBOLARI A CARBONE");
    b.picture("Picture1", carbonResistors());
    b.computeButton("cmdcalcola", "CALCOLA").tooltip("abilita il calcolo").onClick([this] { compute(); });
    b.closeButton("cmdesci", "").picture("exit").tooltip(closes);
    b.label("Label2", "OPERAZIONE INVERSA NEL CALCOLO DELLE RESISTENZE IN PARALLELO");
    b.label("Label3",
            "LA RESISTENZA RISULTANTE DI DUE (O PIU') RESISTENZE IN PARALLELO ASSUME UN VALORE SEMPRE "
            "INFERIORE A QUELLO DELLA RESISTENZA MINORE. SPESSO OCCORRE TROVARE IL VALORE DELLA RESISTENZA "
            "DA PORRE IN PARALLELO AD UN'ALTRA PER OTTENERE UN VALORE DESIDERATO (NON STANDARD)");
    ra_ = b.input("txtRA").label("Label6", "VALORE IN OHM DELLA RESISTENZA A DISPOSIZIONE");
    rt_ = b.input("txtrt").label(
        "Label7",
        "OHM DELLA RESISTENZA CHE SI VUOLE OTTENERE    che ovviamente sarà inferiore al valore di quella a "
        "disposizione");
    richiesta_ = b.result("lblresrichiesta").hidden();
    b.button("cmdesegui", "CALCOLA").onClick([this] { inverse(); });
    b.button("cmdExit", "E S C I").tooltip(closes).onClick([this] { close(); });
  }

 private:
  // The unit steps up only past 1001 and 1000001 ohm.
  std::string scaled(double v) const {
    if (v < 1001) return fixed(v, 1) + "  Ohm";
    if (v >= 1000001) return fixed(v / 1000000, 2) + "  MegaOhm";
    return fixed(v / 1000, 1) + "  KiloOhm";
  }

  void compute() {
    const double r1 = number(r1_), r2 = number(r2_);
    if (!productTest({r1, r2}, Product::NotPositive, r1_)) return;
    const double s = r1 + r2;
    const double p = r1 * r2 / (r1 + r2);
    const std::string serie = "OHM SERIE =  " + scaled(s);
    const std::string parallelo = "OHM PARALLELO =  " + scaled(p);
    setText(serie_, serie);
    setText(parallelo_, parallelo);
  }

  void inverse() {
    const double ra = number(ra_), rt = number(rt_);
    if (!productTest({ra, rt}, Product::NotPositive, ra_)) return;
    if (rt >= ra) {
      warn("la resistenza desiderata è sempre inferiore", "MESSAGGIO DI ERRORE", ra_);
      return;
    }
    const double rx = roundFixed(1 / (1 / rt - 1 / ra), 0);
    setText(richiesta_, "LA RESISTENZA DA PORRE IN PARALLELO E' DI Ohm " + general(rx));
    show(richiesta_);
  }

  Input r1_, r2_, ra_, rt_;
  Label serie_, parallelo_, richiesta_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmresistenze, Resistenze)
