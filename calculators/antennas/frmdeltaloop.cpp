// Delta loop: perimeter, side, feed point and the quarter-wave 75 ohm
// matching section, recomputed on every keystroke.
#include "framework/registry.h"

namespace vm {
namespace {

Drawing deltaDrawing() {
  Drawing d(360, 300);
  // a triangle standing on its base, fed at the middle of a sloping side
  d.polyline({180, 30, 320, 230, 40, 230, 110, 130}, 2);
  d.line(116, 122, 180, 30, 2);
  d.circle(110, 130, 2, true).circle(116, 122, 2, true);
  d.symbol(Symbol::Dimension, 40, 250, 320, 250);
  d.symbol(Symbol::Coax, 113, 126, 60, 170);
  d.symbol(Symbol::Coax, 60, 170, 20, 280);
  d.circle(60, 170, 3, true);
  d.mark("lato", 180, 265);
  d.mark("alimentazione", 200, 140);
  d.mark("adattamento", 120, 190);
  d.mark("cavo75", 137, 172);
  d.mark("cavo50", 130, 285);
  return d;
}

class DeltaLoop final : public CalculatorOf<DeltaLoop> {
 public:
  explicit DeltaLoop(FormBuilder& b) : CalculatorOf(b) {
    b.caption("ANTENNA  DELTA -  LOOP");
    freq_ = b.input("txtfrequenza").label("lbltxtfrequenza", "FREQUENZA DI LAVORO IN MHz:");
    b.text("SEPARARE CON IL PUNTO GLI EVENTUALI DECIMALI");
    perimeter_ = b.result("lblper");
    Art art = b.drawing("drwdelta", deltaDrawing());
    side_ = b.result("lbll").hidden().at(art, "lato");
    feed_ = b.result("lblalim").hidden().at(art, "alimentazione");
    adapter_ = b.result("lbladatt", "adattamento").at(art, "adattamento");
    b.text("CAVO 75 OHM").at(art, "cavo75");
    b.text("CAVO 50 OHM AL RxTx").at(art, "cavo50");
    b.text("LA POLARIZZAZIONE IN FIGURA E'  VERTICALE MA SE SI POSIZIONA UN VERTICE DEL TRIANGOLO IN BASSO E QUI SI "
           "COLLEGA L'ALIMENTAZIONE , LA POLARIZZAZIONE DIVENTA ORIZZONTALE");
    b.text("IN FASE DI REALIZZAZIONE PUO' ESSERE CONVENIENTE SISTEMARE UNA PULEGGIA IN OGNI ANGOLO IN MODO DA RENDERE "
           "SCORREVOLE IL CONDUTTORE E INDIVIDUARE IL MIGLIORE FEED POINT");
    b.closeButton("cmdesci", "E S C I");
    b.live({freq_}, {perimeter_, side_, feed_, adapter_}, [this] { compute(); }, true);
  }

 private:
  void compute() {
    const double f = number(freq_);
    if (!(f > 0)) {
      hide({perimeter_, side_, feed_, adapter_});
      return;
    }
    const double lambda = 306 / f;
    const double p = 0.97 * lambda;
    // the matching section is a quarter wave of 75 ohm coax of velocity factor 0.66
    const double adapter = (lambda / 4) * 0.66;
    const std::string perimeter = "IL PERIMETRO MISURA " + fixed(p, 2) + " mt.";
    const std::string side = fixed(p / 3, 2) + " mt.";
    const std::string feed = fixed(p / 4, 2) + " mt.";
    const std::string adapt = fixed(adapter, 2) + " mt.";
    setText(perimeter_, perimeter);
    setText(side_, side);
    setText(feed_, feed);
    setText(adapter_, adapt);
    show({perimeter_, side_, feed_, adapter_});
  }

  Input freq_;
  Label perimeter_, side_, feed_, adapter_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmdeltaloop, DeltaLoop)
