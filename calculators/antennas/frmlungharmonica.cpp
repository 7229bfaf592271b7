// Long wire resonant on a harmonic: N half waves in free space, shortened
// once for the end effect.
#include "framework/registry.h"

namespace vm {
namespace {

class LungHarmonica final : public CalculatorOf<LungHarmonica> {
 public:
  explicit LungHarmonica(FormBuilder& b) : CalculatorOf(b) {
    b.caption("LUNGHEZZA DI UNA ANTENNA IN ARMONICA");
    freq_ = b.input("txtf").label("lbltxtf", "FREQUENZA IN MHz");
    halves_ = b.input("txtn").label("lbltxtn", "NUMERO DI MEZZE ONDE");
    b.computeButton("cmdcalcola", "CALCOLA").tooltip("abilita il calcolo").onClick([this] { compute(); });
    length_ = b.result("lbllunghezza");
    b.text("UN' ANTENNA IN ARMONICA E'  SEMPRE UN PO'  PIU' LUNGA DEL CORRISPONDENTE NUMERO DI MEZZE ONDE CHE LA "
           "COMPONGONO. L' ALIMENTAZIONE DEVE AVVENIRE AD 1/4 LAMBDA");
    b.closeButton("cmdesci", "").picture("exit").tooltip("chiude l'applicazione");
  }

 private:
  void compute() {
    const double f = number(freq_);
    const double n = number(halves_);
    if (!productTest({n, f}, Product::NotPositive, freq_)) return;
    // the end effect shortens the wire once, not once per half wave
    const double wire = 150 * (n - 0.05) / f;
    setText(length_, "L'ANTENNA E' LUNGA  " + fixed(wire, 2) + " METRI");
  }

  Input freq_, halves_;
  Label length_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmlungharmonica, LungHarmonica)
