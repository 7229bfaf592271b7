// Re-sizing an antenna that resonates off the wanted frequency: the length
// scales with the ratio of the two frequencies.
#include <cmath>
#include <tuple>

#include "framework/registry.h"

namespace vm {
namespace {

class Ridimensiona final : public CalculatorOf<Ridimensiona> {
 public:
  explicit Ridimensiona(FormBuilder& b) : CalculatorOf(b) {
    b.caption("RIDIMENSIONAMENTO ANTENNA");
    b.frame("Frame1", " Tipo di antenna ", [&] {
      kind_ = b.options("Option1", {"DIPOLO 1/2  LAMBDA", "DIPOLO CARICATO", "VERTICALE CARICATA"}).opensOn(0)
                  .onClick([this](int i) { chooseKind(i); });
    });
    oldF_ = b.input("txtoldf").label("lbltxtoldf", "FREQUENZA DI RISONANZA RILEVATA in MHz :");
    newF_ = b.input("txtnewf").label("lbltxtnewf", "FREQ.  DI RISONANZA DA OTTENERE in MHz :");
    std::tie(present_, presentCaption_) =
        b.input("txtoldlunghezza").label("Label2", "LUNGHEZZA ATTUALE DEL RADIATORE in mt. :").handles();
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    newLength_ = b.result("lblnewlunghezza");
    change_ = b.result("lblridimensiona");
    b.text("A REALIZZAZIONE AVVENUTA DI UN' ANTENNA, DIPOLO O VERTICALE, PUO' ACCADERE, IN FASE DI TARATURA,  DI "
           "VEDERLA RISUONARE SU DI UNA FREQUENZA DIVERSA DA QUELLA VOLUTA. PREVIO INSERIMENTO DELLE DUE FREQUENZE "
           "E DELLA LUNGHEZZA DELL' ANTENNA STESSA,  SI CALCOLA DI QUANTO DOVRA' ESSERE RIDIMENSIONATA.");
    b.closeButton("cmdesci", "E S C I");
  }

 private:
  void chooseKind(int i) {
    setVisible(presentCaption_, i != 0);
    setVisible(present_, i != 0);
    blank({newLength_, change_});
  }

  void compute() {
    double l0 = number(present_);
    const double f0 = number(oldF_);
    const double f1 = number(newF_);
    if (!productTest({f1, f0}, Product::Zero, oldF_)) return;
    // lengths are worked to the centimetre they are shown with
    double newM = 0;
    if (isSelected(kind_, 0)) {
      // the half-wave dipole is taken as cut to its formula, not measured;
      // 142 here, where the dipole window cuts its arms to 71.3 / f
      newM = roundPattern(142 / f1, "#0.##");
      l0 = roundPattern(142 / f0, "#0.##");
    } else if (isSelected(kind_, 1) || isSelected(kind_, 2)) {
      // a loaded antenna scales from its present length, which must be known
      if (!(l0 > 0)) {
        missingData(present_);
        return;
      }
      if (isSelected(kind_, 1) && l0 > 144 / f1) {
        warn("PIU' LUNGA 1/2 LAMBDA", "MESSAGGIO DI ERRORE", present_);
        return;
      }
      if (isSelected(kind_, 2) && l0 > 72 / f1) {
        warn("PIU' LUNGA 1/4 LAMBDA", "MESSAGGIO DI ERRORE", present_);
        return;
      }
      newM = roundPattern(l0 * f0 / f1, "#0.##");
    } else {
      return;
    }
    const std::string length = " LA DIMENSIONE DEL RADIATORE DOVREBBE ESSERE DI mt. : " + pattern(newM, "#0.##");
    const float delta = single(roundPattern(100 * (newM - l0), "##0.#"));
    const std::string change = delta > 0    ? " OCCORRE ALLUNGARE di cm. : " + general(std::fabs(delta))
                               : delta == 0 ? std::string(" LA DIMENSIONE E' GIA' CORRETTA ")
                                            : " OCCORRE ACCORCIARE di cm. : " + general(std::fabs(delta));
    setText(newLength_, length);
    setText(change_, change);
  }

  Options kind_;
  Input oldF_, newF_, present_;
  Label presentCaption_, newLength_, change_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmridimensiona, Ridimensiona)
