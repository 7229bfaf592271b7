// Plotting the response of a passive filter with a generator, two
// terminating resistors and a diode detector on a milliammeter.
#include "framework/registry.h"

namespace vm {
namespace {

Drawing filterBench() {
  Drawing d(580, 140);
  // the generator terminals
  d.circle(12, 50, 3).circle(12, 120, 3);
  d.line(15, 50, 30, 50);
  d.symbol(Symbol::Resistor, 30, 50, 110, 50);
  d.line(110, 50, 120, 50);
  // the filter under test
  d.rect(120, 30, 120, 100);
  d.line(240, 50, 300, 50);
  // R2 terminates the filter
  d.symbol(Symbol::Resistor, 300, 50, 300, 120);
  d.circle(300, 50, 2, true);
  // the detector: coupling capacitor, diode, filter capacitor
  d.symbol(Symbol::Capacitor, 300, 50, 350, 50);
  d.line(350, 50, 372, 50);
  d.polyline({372, 42, 372, 58, 388, 50, 372, 42});
  d.line(388, 42, 388, 58, 2);
  d.line(388, 50, 510, 50);
  d.symbol(Symbol::Capacitor, 430, 50, 430, 120);
  d.circle(430, 50, 2, true);
  // the meter
  d.line(510, 50, 510, 65);
  d.circle(510, 85, 20);
  d.line(510, 105, 510, 120);
  d.line(15, 120, 120, 120).line(240, 120, 510, 120);
  d.mark("generator", 88, 14).mark("r1", 70, 34).mark("filter", 180, 80).mark("r2", 320, 86).mark("c1", 325, 24)
      .mark("diode", 380, 32).mark("c2", 464, 86).mark("meter", 510, 85);
  return d;
}

class TestCurvaFiltro final : public CalculatorOf<TestCurvaFiltro> {
 public:
  explicit TestCurvaFiltro(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CONTROLLO DELLA CURVA DI UN FILTRO");
    b.label("Label10", "E' POSSIBILE VERIFICARE IN MODO SEMPLICE LA CURVA DI QUALSIASI TIPO DI FILTRO PASSIVO");
    Art drw = b.drawing("drwbanco", filterBench());
    b.text("AL GENERATORE DI SEGNALI ").at(drw, "generator");
    b.text("R1").at(drw, "r1");
    b.text("F I L T R O").at(drw, "filter");
    b.text("R2").at(drw, "r2");
    b.text("82 pF").at(drw, "c1");
    b.text("DG").at(drw, "diode");
    b.text("82 pF").at(drw, "c2");
    b.text("1 mA").at(drw, "meter");
    b.label("Label9", "R1 = R2   STESSA IMPEDENZA DEL FILTRO (300 OHM per filtri  10.7 MHz)");
    b.label("Label11", "IN CORRISPONDENZA DELLA FREQUENZA DI TAGLIO SI AVRA' UNA SENSIBILE VARIAZIONE DELLA LETTURA");
    b.label("Label12", "L'USO DI UN OSCILLOSCOPIO AGEVOLA LA VERIFICA");
    b.label("Label13", "TRATTO DALL' HANDBOOK INGLESE");
    b.closeButton("cmdchiudi", "E S C I");
  }
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmtestcurvafiltro, TestCurvaFiltro)
