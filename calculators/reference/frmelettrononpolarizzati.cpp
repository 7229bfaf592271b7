// How two polarised electrolytics back to back make a non-polarised one.
#include "framework/registry.h"

namespace vm {
namespace {

// An electrolytic between two points on a horizontal wire: a straight plate
// on the positive side, a curved one on the negative side, and its "+".
void electrolytic(Drawing& d, double x, double y, bool positiveLeft) {
  const double gap = 8, h = 16;
  double straight = positiveLeft ? x - gap / 2 : x + gap / 2;
  d.line(straight, y - h, straight, y + h, 2);
  double curved = positiveLeft ? x + gap / 2 : x - gap / 2;
  if (positiveLeft) d.arc(curved, y - h, 12, 2 * h, 110, 140);
  else d.arc(curved - 12, y - h, 12, 2 * h, -70, 140);
  d.text(positiveLeft ? straight - 14 : straight + 5, y - h - 4, "+");
}

Drawing backToBack() {
  Drawing d(320, 150);
  // the two capacitors in antiseries on one line
  d.line(10, 50, 96, 50).line(104, 50, 212, 50).line(220, 50, 310, 50);
  electrolytic(d, 100, 50, true);
  electrolytic(d, 216, 50, false);
  d.circle(10, 50, 3).circle(310, 50, 3);
  // the two fast diodes across them, in the lower branch
  auto diode = [&d](double x, double y, bool pointsRight) {
    double a = pointsRight ? x - 8 : x + 8, k = pointsRight ? x + 8 : x - 8;
    d.polyline({a, y - 8, a, y + 8, k, y, a, y - 8});
    d.line(k, y - 8, k, y + 8, 2);
  };
  d.line(40, 50, 40, 110).line(40, 110, 92, 110).line(108, 110, 208, 110).line(224, 110, 280, 110).line(280, 110, 280, 50);
  diode(100, 110, false);
  diode(216, 110, true);
  d.line(158, 50, 158, 110);
  d.circle(40, 50, 2, true).circle(158, 50, 2, true).circle(280, 50, 2, true).circle(158, 110, 2, true);
  d.text(120, 135, "diodi fast (facoltativi)");
  return d;
}

class ElettroNonPolarizzati final : public CalculatorOf<ElettroNonPolarizzati> {
 public:
  explicit ElettroNonPolarizzati(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CONDENSATORI ELETTROLITICI NON POLARIZZZATI");
    b.label("Label2", "COME REALIZZARE UN CONDENSATORE ELETTROLITICO NON POLARIZZATO");
    b.label("Label1",
            "IN PRESENZA DI CORRENTI ALTERNATE PUO' SORGERE LA NECESSITA' DI UTILIZZARE CONDENSATORI "
            "ELETTROLITICI NON POLARIZZATI");
    b.label("Label3", "OCCORRONO DUE IDENTICI ELETTROLITICI POLARIZZATI COLLEGATI BACK TO BACK CIOE' IN ANTISERIE");
    b.label("Label4",
            "LA CAPACITA' RISULTANTE E' PARI ALLA META' DI QUELLA DI UN SINGOLO CONDENSATORE, QUINDI SI DIMEZZA");
    b.label("Label5",
            "LA TENSIONE DI LAVORO RIMANE UGUALE A QUELLA DI UN SINGOLO CONDENSATORE E NON RADDOPPIA COME AVVIENE "
            "NELLA SERIE.");
    b.label("Label6",
            "NE CONSEGUE CHE L'ASPETTO NEGATIVO E' CHE SI DIMEZZA LA CAPACITA' E SI RADDOPPIANO LE DIMENSIONI "
            "FISICHE ");
    b.label("Label7",
            "PUO' ESSERE OPPORTUNO INSERIRE IN PARALLELO AGLI ELETTROLITICI DUE DIODI FAST PER RIDURRE LA TENSIONE "
            "INVERSA SUI CONDENSATORI");
    b.drawing("drwcondensatori", backToBack());
    b.closeButton("Command1", "E X I T");
  }
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmelettrononpolarizzati, ElettroNonPolarizzati)
