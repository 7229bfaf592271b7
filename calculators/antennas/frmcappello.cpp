// The capacitive hat that brings a short vertical to resonance: the missing
// electrical degrees are made up by the hat's capacitance.
#include <cmath>

#include "framework/registry.h"
#include "loaded_drawings.h"

namespace vm {
namespace {

class Cappello final : public CalculatorOf<Cappello> {
 public:
  explicit Cappello(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CALCOLO DEL CAPPELLO CAPACITVO IN UN RADIATORE VERTICALE");
    b.frame("Frame1", "Inserimento dati", [&] {
      height_ = b.input("txtlunghezza").label("lbltxtlunghezza", "LUNGHEZZA DEL RADIATORE VERT.in mt.");
      diameter_ = b.input("txtdiametro").label("lbltxtdiametro", "DIAMETRO MEDIO DEL RADIATORE in cm.");
      freq_ = b.input("txtfrequenza").label("lbltxtfrequenza", "FREQUENZA DI LAVORO in Mhz");
    });
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.button("cmdavviso", "AVVISO").onClick([this] { openCompanion("frmavvertenza", Companion::Modal); });
    b.closeButton("cmdesci", "E S C I");
    degrees_ = b.result("lblgradi");
    rr_ = b.result("lblresradiazione");
    impedance_ = b.result("lblimpedenza");
    reactance_ = b.result("lblreattanza");
    capacity_ = b.result("lblcapacita");
    hat_ = b.result("lbldiamcappello");
    Art art = b.drawing("drwcappello", loaded::cappedVertical());
    capMark_ = b.result("lblc").at(art, "c");
    b.text("le antenne dotate di carico capacitivo sono generalmente più efficienti rispetto a quelle con carico "
           "induttivo ed inoltre risentono meno della diminuzione dell'impedenza di alimentazione");
  }

 private:
  std::string whole(double x) const { return general(static_cast<double>(toInt16(x))); }

  void compute() {
    const double h = number(height_);
    const double d = number(diameter_);
    const double f = number(freq_);
    if (!productTest({f, d, h}, Product::NotPositive, height_)) return;
    if (h >= 72 / f) {
      warn("L'ANTENNA NON RICHIEDE CARICO", "MESSAGGIO DI AVVISO", height_);
      return;
    }
    const double deg = f * h * 1.2;
    const double s = (90 - deg) * 3.14159 / 180;
    const double z0 = 60 * (std::log(4 * 100 * h / d) - 1);
    const double xc = z0 / std::tan(s);
    const double c = 1e6 / (f * xc * 6.28);
    const double hat = c / 0.9 * 2.54;
    const float rr = single(deg * deg / 312);
    const std::string degText = whole(deg), rrText = whole(rr), z0Text = whole(z0), xcText = whole(xc),
                      cText = whole(c), hatText = whole(hat);
    setText(degrees_, "CORRISPONDE A GRADI ELETTRICI : " + degText);
    setText(rr_, "RESISTENZA DI RADIAZIONE Ohm : " + rrText);
    setText(impedance_, "IMPEDENZA DEL RADIATORE Ohm : " + z0Text);
    setText(reactance_, "REATTANZA CAPACITIVA Ohm : " + xcText);
    setText(capacity_, "CAPACITA' RICHIESTA in pF : " + cText);
    setText(hat_, "DIAMETRO DEL CAPPELLO in cm. : " + hatText);
    setText(capMark_, cText + " pF");
  }

  Input height_, diameter_, freq_;
  Label degrees_, rr_, impedance_, reactance_, capacity_, hat_, capMark_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmcappello, Cappello)
