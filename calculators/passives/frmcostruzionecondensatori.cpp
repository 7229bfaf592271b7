// The capacitance of a home-made plate capacitor from the plate area, the
// spacing and the dielectric.
#include "framework/registry.h"
#include "dielectrics.h"

namespace vm {
namespace {

class CostruzioneCondensatori final : public CalculatorOf<CostruzioneCondensatori> {
 public:
  explicit CostruzioneCondensatori(FormBuilder& b) : CalculatorOf(b) {
    b.caption("COSTRUZIONE CONDENSATORI");
    b.label("Label1",
            "E' ormai raro che ci si debba cimentare nella costruzione di condensatori, sia fissi che variabili.  "
            "Tuttavia in caso di necessità conoscendo la superficie e la distanza delle armature si può calcolare "
            "la capacità .");
    b.frame("frame1", "DIELETTRICO", [&] {
       dielectric_ = b.options("Option1", dielectrics::captions()).opensOn(0).onClick([this](int i) { choose(i); });
     }).tooltip("valore della costante dielettrica");
    dielectrics::sparkOverTable(b);
    s_ = b.input("txtsuperficie")
             .tooltip("in centimetri quadri")
             .label("Label2", "SUPERFICIE DELL'ARMATURA   in cmq");
    d_ = b.input("txtdistanza")
             .tooltip("in millimetri")
             .label("Label3", "DISTANZA DELLE ARMATURE, OSSIA SPESSORE DEL DIELETTRICO   in mm");
    c_ = b.result("lblcapacità");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
  }

 private:
  void choose(int i) {
    setText(c_, "");
    er_ = dielectrics::permittivity(i);
  }

  void compute() {
    const double s = number(s_), d = number(d_);
    if (!productTest({s, d}, Product::NotPositive, s_)) return;
    const double cm = d / 10;
    const float c = single(roundFixed(0.0885 * er_ * s / cm, 1));
    setText(c_, "LA CAPACITA' DEL CONDENSATORE E' CIRCA : " + general(c) + "  pF");
  }

  Options dielectric_;
  Input s_, d_;
  Label c_;
  double er_ = 0;  // the relative permittivity of the chosen dielectric
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmcostruzionecondensatori, CostruzioneCondensatori)
