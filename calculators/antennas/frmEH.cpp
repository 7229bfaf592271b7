// Standard EH antenna: cylinder geometry and the two L/C networks that bring
// its 2368 ohm to the 50 ohm line, with a loss resistance of 0.2 ohm.
#include <cmath>

#include "eh_drawings.h"
#include "framework/registry.h"

namespace vm {
namespace {

class EH final : public CalculatorOf<EH> {
 public:
  explicit EH(FormBuilder& b) : CalculatorOf(b) {
    b.caption(" ANTENNA    E H     versione standard   PROGRAMMA DI CALCOLO TEORICO");
    freq_ = b.input("txtfrequenza").label("lbltxtfrequenza", "FREQUENZA in MHz").tooltip("inserisci frequenza");
    tube_ = b.input("txtdiametro").label("lbltxtdiametro", "DIAMETRO TUBO in cm").tooltip("diametro del tubo in cm.");
    coil_ = b.input("txtlbobina")
                .label("lbltxtlbobina", "LUNGHEZZA BOBINA in cm")
                .labelTooltip("lunghezza presumibile singola bobina")
                .tooltip("assegna lunghezza alla bobina");
    calc_ = b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    print_ = b.button("cmdstampa", "S T A M P A").onClick([this] { printWindow({calc_, close_, print_}); });
    diameter_ = b.result("lbldiametro");
    length_ = b.result("lbllunghezza");
    distance_ = b.result("lbldistanza");
    c1_ = b.result("lblc1");
    c2_ = b.result("lblc2");
    l1_ = b.result("lblhl1");
    l2_ = b.result("lblhl2");
    impedance_ = b.result("lblimpedenza1");
    phase_ = b.result("lblanticipo");
    xc1_ = b.result("lblxc1");
    xl1_ = b.result("lblxl1");
    voltage_ = b.result("lbltensione1");
    current_ = b.result("lblcorrente");
    turns1_ = b.result("lblspireL1").tooltip("a parità d'induttanza le bobine possono essere diversamente realizzate");
    turns2_ = b.result("lblspireL2").tooltip("a parità d'induttanza le bobine possono essere diversamente realizzate");
    Art art = b.drawing("drweh", eh::cylinders());
    b.text("L 1").tooltip("bobina inferiore").at(art, "coil_bassa");
    b.text("L 2").tooltip("bobina superiore").at(art, "coil_alta");
    b.text("C 1").at(art, "cond_alto");
    b.text("C 2").at(art, "cond_basso");
    b.text("coax").at(art, "coax");
    b.text("cilindro superiore").at(art, "cilindro_superiore");
    lower_ = b.result("lbll").tooltip("cilindro inferiore").at(art, "lunghezza_inferiore");
    upper_ = b.result("lbll2").tooltip("cilindro superiore").at(art, "lunghezza_superiore");
    tubeLower_ = b.result("lbld").at(art, "diametro_inferiore");
    tubeUpper_ = b.result("lbldd").at(art, "diametro_superiore");
    networks_ = b.label("Label8",
                        "LE RETI  L 1/C 1 e L2/C2  NON POSSONO ESSERE RISONANTI ALTRIMENTI LE REATTANZE UGUALI SI "
                        "ANNULLEREBBERO  E  IMPEDENZA E  SFASAMENTO SAREBBERO =   ZERO ")
                    .hidden();
    loss_ = b.label("Label10", "SI SUPPONE UNA RESISTENZA DI PERDITA DI 0.2 OHM").hidden();
    b.text("LE RISULTANZE SONO  DA CONSIDERARSI TEORICHE E SOGGETTE A VARIAZIONI IN FASE DI REALIZZAZIONE PRATICA");
    close_ = b.closeButton("cmdesci", "").picture("exit");
  }

 private:
  void compute() {
    const double f = number(freq_);
    const double d = number(tube_);
    const double coil = 10 * number(coil_);  // mm
    if (!(coil * d * f > 0)) {
      warn("MANCANO DATI", "  ATTENZIONE", freq_);
      return;
    }
    const double cylinder = 3.14 * d;
    const double n = 2368.0 / 50;
    const double xl1 = 50 * std::sqrt(n - 1);
    const double xc1 = n * 50 / std::sqrt(n - 1);
    const double l1 = xl1 / (6.283184 * f);
    const double c1 = 159154.97 / (xc1 * f);
    const double l2 = xc1 / (6.283184 * f);
    const double c2 = 159154.97 / (xl1 * f);
    const double phase = std::atan((xl1 - xc1) / 0.2) * 180 / 3.1415;
    const double z = std::sqrt((xl1 - xc1) * (xl1 - xc1) + 0.2 * 0.2);
    const double v = std::sqrt(100 * z);
    const double i = v / z;
    // the coils are wound on the tube itself
    const double former = 10 * d;
    auto turns = [&](double l) { return std::sqrt(1010 * l * (0.45 + coil / former) / former); };
    const std::string n1 = pattern(turns(l1), "#0.#");
    const float n2 = single(roundPattern(turns(l2), "#0.#"));
    const std::string dia = general(d);
    const std::string len = general(cylinder);
    const std::string winding = " SPIRE SU UNA LUNGHEZZA DI mm. " + general(coil) + " E UN DIAMETRO DI mm " + general(former);
    const std::string texts[] = {
        "LA CORRENTE E' IN RITARDO SULLA TENSIONE DI GRADI : " + fixed(phase, 2),
        "APPLICANDO 100 WATT LA TENSIONE SULLE BOBINE E'  " + fixed(xl1 * i, 1) + " Volt, IN OPPOSIZIONE AI " +
            fixed(xc1 * i, 1) + " Volt SUI COND.",
        "IMPEDENZA TOTALE DELLA RETE  L1/C1:  " + fixed(z, 2) + " Ohm ",
        "IL CONDENSATORE  C 1 HA UNA CAPACITA' DI " + fixed(c1, 1) + " pF",
        "IL CONDENSATORE  C 2 HA UNA CAPACITA' DI " + fixed(c2, 1) + " pF",
        "LA BOBINA  L 1  HA UN' INDUTTANZA DI " + fixed(l1, 1) + " uH",
        "LA BOBINA  L 2  HA UN' INDUTTANZA DI " + fixed(l2, 1) + " uH",
        "REATTANZA CAPACITIVA. di C1: " + fixed(xc1, 2),
        "REATTANZA INDUTTIVA. di L1: " + fixed(xl1, 2),
        "APPLICANDO 100 WATT LA CORRENTE E' = " + fixed(i, 2) + " Amp.",
        "LA BOBINA L 1 E' COMPOSTA DA " + n1 + winding,
        "LA BOBINA L 2 E' COMPOSTA DA " + general(n2) + winding,
    };
    setText(phase_, texts[0]);
    setText(voltage_, texts[1]);
    setText(impedance_, texts[2]);
    setText(c1_, texts[3]);
    setText(c2_, texts[4]);
    setText(l1_, texts[5]);
    setText(l2_, texts[6]);
    setText(xc1_, texts[7]);
    setText(xl1_, texts[8]);
    setText(current_, texts[9]);
    setText(turns1_, texts[10]);
    setText(turns2_, texts[11]);
    setText(diameter_, "IL DIAMETRO DEL TUBO E' " + dia + " cm.");
    setText(length_, "LA LUNGHEZZA DI OGNI CILINDRO E' " + len + " cm.");
    // the two cylinders are spaced by the tube's diameter
    setText(distance_, "LA DISTANZA DEI DUE CILINDRI E' " + dia + " cm.");
    setText(lower_, len);
    setText(upper_, len);
    setText(tubeLower_, dia);
    setText(tubeUpper_, dia);
    show({networks_, loss_});
  }

  Input freq_, tube_, coil_;
  Button calc_, print_, close_;
  Label diameter_, length_, distance_, c1_, c2_, l1_, l2_, impedance_, phase_, xc1_, xl1_, voltage_, current_,
      turns1_, turns2_, lower_, upper_, tubeLower_, tubeUpper_, networks_, loss_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmEH, EH)
