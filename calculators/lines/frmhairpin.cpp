// Hairpin match of a dipole whose elements are insulated from the boom: the
// inductive reactance the hairpin must present, the impedance of its
// two-wire line and its length.
#include <cmath>

#include "framework/registry.h"
#include "stub_drawings.h"

namespace vm {
namespace {

class Hairpin final : public CalculatorOf<Hairpin> {
 public:
  explicit Hairpin(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CALCOLO DELLE DIMENSIONI DELL'HAIRPIN PER DIPOLI CON ELEMENTI ISOLATI  DAL BOOM");
    f_ = b.input("txtfrequenza").label("lblfrequenza", "FREQUENZA DI LAVORO IN MHZ");
    ra_ = b.input("txtRA")
              .text("30")
              .tooltip("SOLITAMENTE DA 25 A 35 OHM")
              .label("lblRA", "RESISTENZA DI RADIAZIONE ANTENNA in OHM");
    rs_ = b.input("txtRS").label("lblRS", "IMPEDENZA DELLA LINEA COASSIALE in OHM");
    s_ = b.input("txtdistanza")
             .text("37")
             .label("lbldistanza", "DISTANZA FRA I CONDUTTORI HAIRPIN in mm  (distanza centro-centro)");
    d_ = b.input("txtdiametro").text("6").label("lbldiametro", "DIAMETRO CONDUTTORI DELL' HAIRPIN in mm");
    b.label("Label3", "SEPARARE GLI EVENTUALI DECIMALI CON IL PUNTO");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    Art sketch = b.drawing("drwhairpin", stubs::hairpin());
    lengthArt_ = b.result("lbllung", "lunghezza").at(sketch, "length");
    spacingArt_ = b.result("lbls", "dist").at(sketch, "spacing");
    diameterArt_ = b.result("lbld", "d").at(sketch, "diameter");
    results_ = b.frame("Frame1", "", [&] {
                  xl_ = b.result("lblxl");
                  z_ = b.result("lblz");
                  length_ = b.result("lbllunghezza");
                  b.label("Label1", "OCCORRE UN BALUN SIMMETRIZZATORE");
                }).hidden();
  }

 private:
  void compute() {
    const double f = number(f_), ra = number(ra_), rs = number(rs_), d = number(d_), s = number(s_);
    if (!productTest({s, d, rs, ra, f}, Product::NotPositive, f_)) return;
    if (ra >= rs) {
      warn("RES.RADIAZIONE SEMPRE < IMP.LINEA", "MESSAGGIO DI ERRORE", ra_);
      return;
    }
    const double xl = rs / std::sqrt(rs / ra - 1);
    const double z0 = 276 * (std::log(2 * s / d) / std::log(10.0));
    const double theta = 55 * xl / z0;
    const double l = 0.97 * theta / (1.2 * f);  // metres
    setText(diameterArt_, general(d) + " mm");
    setText(spacingArt_, general(s));
    setText(lengthArt_, fixed(1000 * l, 1) + " mm");
    show(results_);
    setText(xl_, "L'HAIRPIN DOVRA' AVERE UNA REATTANZA DI OHM " + fixed(xl, 1));
    setText(z_, "L'HAIRPIN HA UNA IMPEDENZA DI OHM " + fixed(z0, 1));
    setText(length_, "L'HAIRPIN DOVRA' AVERE UNA LUNGHEZZA DI cm " + fixed(100 * l, 2));
  }

  Input f_, ra_, rs_, s_, d_;
  Label lengthArt_, spacingArt_, diameterArt_, xl_, z_, length_;
  Frame results_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmhairpin, Hairpin)
