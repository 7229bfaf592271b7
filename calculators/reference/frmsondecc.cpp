// Divider probes that extend the DC range of a digital voltmeter; each one
// holds only for the input resistance it was worked out for.
#include <string>

#include "framework/registry.h"

namespace vm {
namespace {

// The tip, a chain of `resistors` in series, the shunt to the ground lead,
// and the meter with its own input resistance across the shunt.
Drawing probe(int resistors) {
  Drawing d(600, 118);
  // the tip
  d.polyline({10, 40, 34, 34, 34, 46, 10, 40}).color(0x404040);
  d.line(34, 40, 60, 40);
  const double x0 = 60, x1 = 300, step = (x1 - x0) / resistors;
  for (int i = 0; i < resistors; ++i) d.symbol(Symbol::Resistor, x0 + i * step, 40, x0 + (i + 1) * step, 40);
  d.line(300, 40, 430, 40);
  d.circle(320, 40, 2, true);
  // the shunt
  d.symbol(Symbol::Resistor, 320, 40, 320, 92);
  d.line(20, 92, 430, 92);
  d.symbol(Symbol::Ground, 20, 92, 20, 104);
  // the meter and its input resistance
  d.rect(400, 18, 140, 66);
  d.symbol(Symbol::Resistor, 430, 40, 430, 74);
  d.line(430, 74, 430, 92);
  d.text(462, 50, "DVM");
  d.mark("tip", 30, 64).mark("chain", 200, 14).mark("shunt", 360, 66).mark("meter", 470, 106);
  return d;
}

struct Probe {
  const char* title;
  int resistors;
  const char* chain;
  const char* shunt;
  const char* meter;
};

constexpr Probe kProbes[] = {
    {"SONDA 1 : 10 PER DVM  CON IMPEDENZA 10 Mega Ohm", 5, "10 M x 4 + 5 M x 1  per un totale di 45 MEGAohm",
     "10 M ohm", "10 Mohm INTERNA AL  MULTIMETRO"},
    {"SONDA 1 : 100 PER DVM  CON IMPEDENZA 10 Mega Ohm", 9, "10 M x 9 per un totale di 90 MEGAohm", "1 M ohm",
     "10 Mohm INTERNA AL  MULTIMETRO"},
    {"SONDA 1 : 100 PER DVM  CON IMPEDENZA 1 Mega Ohm usabile anche con oscilloscopi limitatamente alla corr. "
     "continua",
     6, "10 M x 4 + 9 M x 1 + 0.5 M x 1 per un totale di 49.5 MEGAohm", "1 M ohm", "1 Mohm INTERNA AL  MULTIMETRO"},
};

class SondeCc final : public CalculatorOf<SondeCc> {
 public:
  explicit SondeCc(FormBuilder& b) : CalculatorOf(b) {
    b.caption("SONDE PER CORRENTE CONTINUA");
    int n = 0;
    for (const Probe& p : kProbes) {
      ++n;
      b.frame("Frame" + std::to_string(n), "", [&] {
        b.text(p.title);
        Art drw = b.drawing("drwsonda" + std::to_string(n), probe(p.resistors));
        b.text("PUNTALE").at(drw, "tip");
        b.text(p.chain).at(drw, "chain");
        b.text(p.shunt).at(drw, "shunt");
        b.text(p.meter).at(drw, "meter");
      });
    }
    b.label("Label16",
            "POICHE' UN RAMO DEL PARTITORE DELLA SONDA VIENE A TROVARSI IN PARALLELO CON LA RESISTENZA INTERNA "
            "DELLO STRUMENTO. UNA SONDA CALCOLATA PER UN DVM CON IMPEDENZA 10 MEGAOHM NON PUO' ESSERE USATA CON UN "
            "DVM DA 1 MEGAOHM E VICEVERSA.  LA PRECISIONE DELLA MISURA DIPENDE DALLA TOLLERANZA DEI RESISTORI CHE "
            "DEVONO QUINDI ESSERE SELEZIONATI");
    b.closeButton("cmdesci", "C H I U D I");
  }
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmsondecc, SondeCc)
