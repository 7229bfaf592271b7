// Half-wave dipole: the length of one arm, straight and as an inverted V,
// recomputed on every keystroke of the frequency.
#include "framework/registry.h"
#include "wire_drawings.h"

namespace vm {
namespace {

class Dipoli final : public CalculatorOf<Dipoli> {
 public:
  explicit Dipoli(FormBuilder& b) : CalculatorOf(b) {
    b.caption("LUNGHEZZA DEL BRACCIO DEL DIPOLO");
    freq_ = b.input("txtfrequenza")
                .label("lbltxtfrequenza", "FREQUENZA DI CENTRO BANDA IN MHz  :")
                .tooltip("frequenza di risonanza dipolo");
    arm_ = b.result("lblbraccio").hidden();
    Art art = b.drawing("drwdipolo", wires::halfWaveDipole());
    onDrawing_ = b.result("lbllunghezza").tooltip("semidipolo 1/4 lambda").hidden().at(art, "lbllunghezza");
    b.text("1/4 lambda").at(art, "1_4_lambda");
    b.text("discesa coax").at(art, "discesa_coax");
    b.text("QUALORA SI INTENDA COSTRUIRE IL DIPOLO NELLA VERSIONE A  \"V INVERTITA\" LA LUNGHEZZA DEL BRACCIO A UN "
           "QUARTO D' ONDA SARA' DI METRI :");
    vee_ = b.result("lbllunghezzavert").hidden();
    b.drawing("drwvinvertita", wires::invertedVDipole());
    b.text(" FREQUENZE AMMISSIBILI : da 0,1 a 500 MHz");
    b.text("separare i decimali con il punto del tastierino numerico");
    b.closeButton("cmdesci", "E S C I");
    b.live({freq_}, {arm_, onDrawing_, vee_}, [this] { compute(); }, true);
  }

 private:
  void compute() {
    const float f = single(number(freq_));
    if (!(f > 0)) {
      hide({arm_, onDrawing_, vee_});
      return;
    }
    // the frequency is kept in single precision; the lengths are worked in double
    const std::string arm = fixed(71.3 / f, 2);
    const std::string vee = fixed(71 / f, 2);
    setText(onDrawing_, arm + " mt.");
    setText(arm_, "LUNGHEZZA DEL BRACCIO in mt.: " + arm);
    setText(vee_, vee);
    show({arm_, onDrawing_, vee_});
  }

  Input freq_;
  Label arm_, onDrawing_, vee_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmdipoli, Dipoli)
