// Two-element quad fed through a gamma match: loop sides, spacing and the
// gamma dimensions, recomputed on every keystroke.
#include <cstdint>

#include "framework/registry.h"

namespace vm {
namespace {

Drawing quadDrawing() {
  Drawing d(420, 294);
  // the two loops in perspective on a common boom
  d.rect(40, 54, 150, 150);
  d.rect(240, 48, 156, 162);
  d.line(115, 129, 318, 129, 4);
  d.symbol(Symbol::Dimension, 115, 244, 318, 244);
  d.symbol(Symbol::Dimension, 40, 36, 190, 36);
  d.symbol(Symbol::Dimension, 240, 30, 396, 30);
  // the gamma rod along the radiator's bottom side and the coax under it
  d.line(115, 204, 160, 196, 2);
  d.symbol(Symbol::Capacitor, 115, 204, 115, 224);
  d.symbol(Symbol::Coax, 115, 224, 115, 279);
  d.mark("lato_radiatore", 115, 24);
  d.mark("lato_riflettore", 318, 18);
  d.mark("spaziatura", 216, 258);
  d.mark("radiatore", 115, 114);
  d.mark("riflettore", 318, 114);
  d.mark("coax", 60, 264);
  d.mark("gamma", 170, 214);
  return d;
}

class Quad2Elementi final : public CalculatorOf<Quad2Elementi> {
 public:
  explicit Quad2Elementi(FormBuilder& b) : CalculatorOf(b) {
    b.caption("ANTENNA QUAD A DUE ELEMENTI");
    freq_ = b.input("txtfrequenza").label("lbltxtfrequenza", "FREQUENZA IN MHz");
    Art art = b.drawing("drwquad", quadDrawing());
    radiator_ = b.result("lbllradiatore", "LATO").at(art, "lato_radiatore");
    reflector_ = b.result("lbllriflettore", "LATO").at(art, "lato_riflettore");
    spacing_ = b.result("lbls", "SPAZIATURA").at(art, "spaziatura");
    b.text("RADIATORE").at(art, "radiatore");
    b.text("RIFLETTORE").at(art, "riflettore");
    b.text("COAX").at(art, "coax");
    b.text("GAMMA").at(art, "gamma");
    frame_ = b.frame("Frame1", " COSTRUZIONE GAMMA  MATCH ", [&] {
                length_ = b.result("lbllunghezza");
                distance_ = b.result("lbldistanza");
                stub_ = b.result("lblstub");
                pf_ = b.result("lblpf");
                diameters_ = b.result("lbldiametri");
                cable_ = b.result("lblcavo");
              }).hidden();
    b.closeButton("cmdesci", "E S C I");
    b.live({freq_}, {frame_, radiator_, reflector_, spacing_}, [this] { compute(); }, true);
  }

 private:
  void compute() {
    const double f = number(freq_);
    if (!(f > 0)) {
      hide({frame_, radiator_, reflector_, spacing_});
      return;
    }
    // a side is a quarter of the loop's perimeter
    const std::string radiator = fixed((303.4 / 4) / f, 2) + " mt";
    const std::string reflector = fixed((316.4 / 4) / f, 2) + " mt";
    const std::string spacing = fixed(0.14 * 300 / f, 2) + " mt";
    const double lambda = 299.793 / f;
    const double gammaLength = 6.25 * lambda;
    const double gammaSpacing = 0.7 * lambda;
    const std::int16_t c = toInt16(2100 / f);
    const std::int16_t stub = toInt16(lambda / 0.24);
    const std::int16_t cable = toInt16(c / 0.97 + 1);
    setText(radiator_, radiator);
    setText(reflector_, reflector);
    setText(spacing_, spacing);
    setText(length_, "LA LUNGHEZZA DEL GAMMA E' cm. " + fixed(gammaLength, 1));
    setText(distance_, "LA DISTANZA DEL GAMMA E' cm " + fixed(gammaSpacing, 1));
    setText(pf_, "OCCORRE UNA CAPACITA' DI CIRCA pF  " + std::to_string(c));
    setText(cable_, "USANDO IL CAVO RG 8 - 213 COME CONDENSATORE LA LUNGHEZZA E' CIRCA cm. " + std::to_string(cable));
    setText(diameters_, "IL DIAMETRO DEL GAMMA E' 1/2 - 1/4 IL DIAMETRO DEL RADIATORE");
    setText(stub_, "OCCORRE PREVEDERE L'USO DI UNO STUB NEL RIFLETTORE DI CIRCA " + std::to_string(stub) +
                       " cm PER OTTIMIZZARE IL RAPPORTO A/R");
    show({frame_, radiator_, reflector_, spacing_});
  }

  Input freq_;
  Frame frame_;
  Label radiator_, reflector_, spacing_, length_, distance_, stub_, pf_, diameters_, cable_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmquad2elementi, Quad2Elementi)
