// HEN antenna (Japanese loop): width, height and the height of the sliding
// feed bar, recomputed on every keystroke.
#include "framework/registry.h"

namespace vm {
namespace {

Drawing henDrawing() {
  Drawing d(300, 340);
  // a tall rectangle with the horizontal feed bar sliding between its sides
  d.rect(100, 30, 100, 280);
  d.shapes.back().width = 2;
  d.line(100, 240, 200, 240, 2);
  d.circle(150, 240, 3, true);
  d.symbol(Symbol::Coax, 150, 240, 150, 330);
  d.symbol(Symbol::Dimension, 100, 16, 200, 16);
  d.symbol(Symbol::Dimension, 220, 30, 220, 310);
  d.symbol(Symbol::Dimension, 80, 240, 80, 310);
  d.mark("larghezza", 150, 40);
  d.mark("altezza", 260, 170);
  d.mark("accordo", 40, 275);
  return d;
}

class Hentenna final : public CalculatorOf<Hentenna> {
 public:
  explicit Hentenna(FormBuilder& b) : CalculatorOf(b) {
    b.caption("LOOP GIAPPONESE     ANTENNA HEN");
    freq_ = b.input("txtfrequenza").label("lbltxtfrequenza", "FREQUENZA IN MHz");
    b.text("USARE IL PUNTO PER EVENTUALI DECIMALI");
    Art art = b.drawing("drwhen", henDrawing());
    width_ = b.result("lbllarghezza", "larghezza").at(art, "larghezza");
    height_ = b.result("lblaltezza", "altezza").at(art, "altezza");
    bar_ = b.result("lblaccordo", "accordo").at(art, "accordo");
    b.text("ANTENNA SVILUPPATA IN GIAPPONE DI UTILIZZO PREVALENTE IN VHF e UHF");
    b.text("LA RISONANZA SI OTTIENE ALZANDO O ABBASSANDO LA BARRA ORIZZONTALE DI ALIMENTAZIONE . ALZANDOLA SI ALZA LA "
           "FREQUENZA E ABBASSANDOLA SI ABBASSA .     EVENTUALMENTE UTILIZZARE UN SIMMETRIZZATORE. IL GUADAGNO E' "
           "CIRCA 3 dB SUL DIPOLO");
    b.closeButton("cmdchiudi", "C H I U D I");
    b.live({freq_}, {width_, height_, bar_}, [this] { compute(); }, true);
  }

 private:
  void compute() {
    const double f = number(freq_);
    if (!(f > 0)) {
      hide({width_, height_, bar_});
      return;
    }
    const double lambda = 30000 / f;
    const std::string width = fixed(lambda / 6, 1) + " cm";
    const std::string height = fixed(lambda / 2, 1) + " cm";
    const std::string bar = general(roundFixed(lambda / 9, 1)) + " cm";
    setText(width_, width);
    setText(height_, height);
    setText(bar_, bar);
    show({width_, height_, bar_});
  }

  Input freq_;
  Label width_, height_, bar_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmhentenna, Hentenna)
