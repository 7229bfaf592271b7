// Finding the internal resistance of a meter: full scale through 100 k,
// then half scale with 1 k across it; the 1 k then equals the meter.
#include "framework/registry.h"

namespace vm {
namespace {

Drawing meterBridge() {
  Drawing d(360, 170);
  // the 3 V cell, long plate positive
  d.line(54, 84, 86, 84, 1.5).line(62, 96, 78, 96, 3);
  d.text(90, 76, "+");
  d.line(70, 84, 70, 40).line(70, 96, 70, 150);
  // the 100 k potentiometer in series, its far end free
  d.line(70, 40, 90, 40);
  d.symbol(Symbol::Resistor, 90, 40, 170, 40);
  d.circle(173, 40, 3);
  d.symbol(Symbol::Arrow, 130, 14, 130, 34);
  d.line(130, 14, 272, 14);
  // the meter
  d.line(230, 14, 230, 70);
  d.circle(230, 90, 20);
  d.symbol(Symbol::Arrow, 218, 100, 240, 78);
  d.text(222, 104, "µA");
  d.line(230, 110, 230, 150);
  // the 1 k potentiometer across the meter, its far end free
  d.line(272, 14, 272, 80);
  d.symbol(Symbol::Arrow, 272, 80, 294, 80);
  d.symbol(Symbol::Resistor, 300, 40, 300, 120);
  d.circle(300, 37, 3);
  d.line(300, 120, 300, 150);
  d.line(70, 150, 300, 150);
  d.circle(230, 14, 2, true).circle(230, 150, 2, true);
  d.mark("pot100k", 130, 60).mark("nc100k", 190, 40).mark("pot1k", 332, 80).mark("nc1k", 318, 28).mark("cell", 28, 90);
  return d;
}

class ResistStrumento final : public CalculatorOf<ResistStrumento> {
 public:
  explicit ResistStrumento(FormBuilder& b) : CalculatorOf(b) {
    b.caption("INDIVIDUAZIONE DELLA RESISTENZA INTERNA DI UNO STRUMENTO");
    Art drw = b.drawing("drwstrumento", meterBridge());
    b.text("100 K ohm").at(drw, "pot100k");
    b.text("1 K ohm").at(drw, "pot1k");
    b.text("3 Volt").at(drw, "cell");
    b.text("NC").at(drw, "nc100k");
    b.text("NC").at(drw, "nc1k");
    b.label("Label4",
            "COLLEGARE IL POTENZIOMETRO DA 100 K OHM E TARARE LO STRUMENTO PER IL FONDO SCALA. POI COLLEGARE IL "
            "POTENZIOMETRO DA 1 K OHM E MANDARE LO STRUMENTO ESATTAMENTE A META'  SCALA. LA RESISTENZA MISURATA SU "
            "QUEST'ULTIMO POTENZIOMETRO SARA' UGUALE A QUELLA INTERNA DELLO STRUMENTO");
    b.closeButton("Command1", "C H I U D I");
  }
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmresiststrumento, ResistStrumento)
