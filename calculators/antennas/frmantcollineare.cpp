// The coaxial collinear: a quarter wave at each end and three sections of
// coaxial cable between them, cut with the velocity factor of the cable.
#include "framework/registry.h"
#include "vertical_drawings.h"

namespace vm {
namespace {

class AntCollineare final : public CalculatorOf<AntCollineare> {
 public:
  explicit AntCollineare(FormBuilder& b) : CalculatorOf(b) {
    b.caption("ANTENNA VERTICALE COLLINEARE IN CAVO COASSIALE");
    b.frame("Frame1", "  IMPEDENZA CAVO ", [&] {
      b.options("Option1", {"IMPEDENZA 50 OHM", "IMPEDENZA 75 OHM"}).opensOn(0).onClick([this](int i) {
        chooseCable(i);
      });
    });
    freq_ = b.input("txtfrequenza")
                .label("lbltxtfrequenza", "FREQUENZA IN MHz :")
                .tooltip("SEPARARE I DECIMALI CON IL PUNTO");
    Art art = b.drawing("drwcollineare", verticals::collinear());
    sections_[0] = b.label("lbla").hidden().at(art, "lbla");
    sections_[1] = b.label("lblb").hidden().at(art, "lblb");
    sections_[2] = b.label("lblc").hidden().at(art, "lblc");
    sections_[3] = b.label("lbld").hidden().at(art, "lbld");
    sections_[4] = b.label("lble").hidden().at(art, "lble");
    cable_ = b.label("lbldiscesa").at(art, "lbldiscesa");
    b.text("BALUN").at(art, "balun");
    b.text("DISCESA").at(art, "discesa");
    help_ = b.label("lblhelp", "I TERMINALI DELLE CONNESSIONI DEVONO ESSERE TENUTI  ESTREMAMENTE CORTI").hidden();
    b.closeButton("cmdesci", "E S C I");
    b.live({freq_}, {}, [this] { compute(); });
  }

 private:
  void hideSections() {
    for (Label l : sections_) hide(l);
  }

  void chooseCable(int i) {
    setText(freq_, "");
    hideSections();
    vf_ = i == 0 ? 0.66f : 0.8f;
    setText(cable_, i == 0 ? " 50 OHM" : " 75 OHM");
  }

  void compute() {
    const double f = number(freq_);
    if (!(f > 0)) {
      hideSections();
      return;
    }
    const double lengths[5] = {7500 / f, 7500 / f * vf_, 15000 / f * vf_, 7500 / f * vf_, 7500 / f};
    std::string texts[5];
    for (int i = 0; i < 5; ++i) texts[i] = fixed(lengths[i], 1) + " cm.";
    for (int i = 0; i < 5; ++i) {
      setText(sections_[i], texts[i]);
      show(sections_[i]);
    }
    show(help_);
  }

  Input freq_;
  Label sections_[5], cable_, help_;
  float vf_ = 0;  // velocity factor of the chosen cable
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmantcollineare, AntCollineare)
