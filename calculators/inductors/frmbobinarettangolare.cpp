// Rectangular multilayer air coil by an empirical formula: the wire that
// fills the winding window, the layers, the inductance and the resistance.
#include <cmath>
#include <utility>

#include "framework/registry.h"
#include "multilayer_drawings.h"

namespace vm {
namespace {

class BobinaRettangolare final : public CalculatorOf<BobinaRettangolare> {
 public:
  explicit BobinaRettangolare(FormBuilder& b) : CalculatorOf(b) {
    b.caption("INDUTTANZA DI UNA BOBINA MULTISTRATO RETTANGOLARE IN ARIA");
    turns_ = b.field("txtspire", "lblspire", "NUMERO DI SPIRE");
    height_ = b.field("txtaltezza", "lblaltezza", "ALTEZZA DEL NUCLEO in mm. (d)");
    width_ = b.field("txtlarghezza", "lbllarghezza", "LARGHEZZA DEL NUCLEO in mm. (y)");
    thickness_ = b.field("txtspessore", "lblspessore", "SPESSORE AVV.TO in mm. (b)");
    length_ = b.field("txtlunghezza", "lbllunghezza", "LARGHEZZA AVV.TO in mm. (L)");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    results_ = b.frame("Frame1", "", [&] {
                  henry_ = b.result("lblinduttanza");
                  gauge_ = b.result("lblsezionefilo");
                  wire_ = b.result("lbllunghezzafilo");
                  ohms_ = b.result("lblresistenza");
                  perLayer_ = b.result("lblspirestrato");
                  layers_ = b.result("lblnrstrati");
                }).hidden();
    b.text("CALCOLO EMPIRICO APPROSSIMATIVO");
    Art art = b.drawing("drwbobina", coils::rectangularWinding());
    b.label("Label1", "b").at(art, "b");
    b.label("Label2", "d").at(art, "d");
    b.label("Label3", "L").at(art, "L");
    b.label("Label4", "y").at(art, "y");
    b.onTyping({turns_, height_, width_, thickness_, length_}, Typing::Hide, {results_});
  }

 private:
  void compute() {
    d_ = number(height_);
    lw_ = number(length_);
    b_ = number(thickness_);
    y_ = number(width_);
    n_ = number(turns_);
    // a size that is empty, zero or negative makes no coil: the first such
    // field, in the order of the window, gets the focus
    using Field = std::pair<double, Input>;
    for (const auto& [v, in] : {Field{n_, turns_}, Field{d_, height_}, Field{y_, width_}, Field{b_, thickness_},
                                 Field{lw_, length_}}) {
      if (!(v > 0)) {
        missingData(in);
        return;
      }
    }
    // 0.95 is the packing factor of the winding window
    const double dwire = std::sqrt(0.95 * b_ * lw_ / n_);
    const double area = 3.1415 * (dwire / 2) * (dwire / 2);
    const double perLayer = 0.95 * lw_ / dwire;
    const double layers = n_ / perLayer;
    // from here on the sizes are in metres
    const double d = d_ / 1000, b = b_ / 1000, lw = lw_ / 1000, y = y_ / 1000;
    const double c = y + d + 2 * b;
    const double lmh = 0.00178 * (n_ * c) * (n_ * c) / (1.908 * c + 9 * lw + 10 * b);
    const double lm = n_ * (2 * y + 2 * d + 4 * b);
    const double rw = 0.017241 * lm / area;
    setText(henry_, "L'INDUTTANZA E' " + fixed(lmh, 3) + "  milliHENRY");
    setText(gauge_, "IL DIAMETRO DEL FILO E' mm " + fixed(dwire, 2));
    setText(wire_, "LA LUNGHEZZA DEL FILO E' CIRCA METRI  " + fixed(lm, 2));
    setText(ohms_, "LA RESISTENZA DEL FILO E' CIRCA OHMS " + fixed(rw, 2));
    setText(perLayer_, "SPIRE PER STRATO nr " + fixed(perLayer, 1));
    setText(layers_, "GLI STRATI SONO " + fixed(layers, 1));
    show(results_);
  }

  Input turns_, height_, width_, thickness_, length_;
  Label henry_, gauge_, wire_, ohms_, perLayer_, layers_;
  Frame results_;
  double d_ = 0, lw_ = 0, b_ = 0, y_ = 0, n_ = 0;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmbobinarettangolare, BobinaRettangolare)
