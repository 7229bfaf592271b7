// VHF-UHF inductor made of a straight conductor parallel to a ground plane,
// tied to the plane at one end.
#include <cmath>

#include "framework/registry.h"
#include "coil_drawings.h"

namespace vm {
namespace {

class BobineUhf final : public CalculatorOf<BobineUhf> {
 public:
  explicit BobineUhf(FormBuilder& b) : CalculatorOf(b) {
    b.caption("Bobine adatte per  uso in VHF - UHF");
    b.frame("Frame1", "Inserimento dati", [&] {
      diameter_ = b.input("txtdiametro").label("Label2", "Diametro del conduttore in mm.", 0);
      length_ = b.input("txtlunghezza").label("Label2", "Lunghezza del conduttore in mm.", 1);
      height_ = b.input("txtdistanza").label("Label2", "Distanza dal piano di terra in mm.", 2);
    });
    b.computeButton("ccmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    out_ = b.result("lblinduttanza");
    Art art = b.drawing("drwconduttore", coils::groundPlaneConductor());
    lblLength_ = b.label("lbllunghezza", "lung").at(art, "lbllunghezza");
    lblHeight_ = b.label("lbldistanza", "distanza").at(art, "lbldistanza");
    b.text("A frequenza VHF -  UHF possono essere realizzati induttori costituiti da un conduttore parallelo al "
           "piano di terra al quale sono collegati tramite una  estremità");
    // the values on the drawing stay until the next computation
    b.onTyping({diameter_, length_, height_}, Typing::Blank, {out_});
  }

 private:
  void compute() {
    const double d = number(diameter_);
    const double l = number(length_);
    const float height = single(number(height_));
    const double r = d / 2;
    // the distance is not tested; a negative product is ignored silently
    if (!productTest({l, d}, Product::Zero, diameter_)) return;
    const float twoH = single(2 * static_cast<double>(height));
    const double h = height;
    const double wire = std::sqrt(r * r + l * l);
    const double image = std::sqrt(4 * h * h + l * l);
    const double nh = 0.4605 * l * (std::log(twoH / r) / std::log(10.0)) * (l + wire) / (l + image) +
                      0.0002 * (image - wire + l / 4 - twoH + r);
    const std::string out = "Induttanza in nanoHenry : = " + fixed(nh, 3);
    const std::string lengthText = general(l) + " mm", heightText = general(height) + " mm";
    setText(out_, out);
    setText(lblLength_, lengthText);
    setText(lblHeight_, heightText);
  }

  Input diameter_, length_, height_;
  Label out_, lblLength_, lblHeight_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmbobineuhf, BobineUhf)
