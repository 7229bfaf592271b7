// Quarter-wave transformer of two concentric tubes for VHF and UHF, between
// a 50 ohm line and the antenna: first the impedance it must have, then the
// impedance and length that two chosen tube diameters give.
#include <cmath>

#include "framework/registry.h"
#include "stub_drawings.h"

namespace vm {
namespace {

class TrasformaTubi final : public CalculatorOf<TrasformaTubi> {
 public:
  explicit TrasformaTubi(FormBuilder& b) : CalculatorOf(b) {
    b.caption("TRASFORMATORE D'IMPEDENZA A TUBI CONCENTRICI        L' IMPEDENZA DELLA LINEA E'  FISSATA IN 50 OHM");
    b.label("Label3",
            "UTILIZZATO IN VHF  E  UHF.  E' UN TRASFORMATORE D'IMPEDENZA FORMATO DA DUE TUBI CONCENTRICI LUNGHI "
            "ENTRAMBI 1/4 D'ONDA . UN ESTREMO E' COLLEGATO ALL'ANTENNA CHE SI VUOLE ADATTARE, L'ALTRO ALLA LINEA");
    b.label("Label2", "PRIMA SI CALCOLA L'IMPEDENZA RICHIESTA POI PER APPROSSIMAZIONE IL DIAMETRO DEI TUBI");
    zant_ = b.input("txtzant").label("lblimpantenna", "IMPEDENZA  ANTENNA in OHM");
    f_ = b.input("txtfrequenza").label("lblfrequenza", "FREQUENZA in MHz");
    b.computeButton("cmdcalcola", "CALCOLA IMPEDENZA RICHIESTA").onClick([this] { required(); });
    required_ = b.result("lblimprichiesta");
    b.label("Label4",
            "ASSEGNARE PER APPROSSIMAZIONE DEI VALORI AL DIAMETRO DEI DUE TUBI IN MODO CHE L'IMPEDENZA OTTENUTA SI "
            "AVVICINI IL PIU'  POSSIBILE  ALL'IMPEDENZA  RICHIESTA");
    d1_ = b.input("txtd1").label("lbltxtd1", "DIAMETRO INTERNO DEL TUBO ESTERNO in mm (d1)");
    d2_ = b.input("txtd2").label("lbltxtd2", "DIAMETRO ESTERNO DEL TUBO INTERNO in mm (d2)");
    b.button("cmdcalcola1", "CALCOLA IMPEDENZA OTTENUTA").onClick([this] { obtained(); });
    obtained_ = b.result("lblimpottenuta");
    length_ = b.result("lbllunghezza");
    b.label("Label7", "SEPARARE GLI EVENTUALI DECIMALI CON IL PUNTO");
    b.closeButton("cmdesci", "C H I U D I");
    Art tubes = b.drawing("drwtubi", stubs::concentricTubes());
    d1Art_ = b.result("lbld1", "d1").at(tubes, "d1");
    d2Art_ = b.result("lbld2", "d2").at(tubes, "d2");
    lengthArt_ = b.result("lbllung", "lunghezza").at(tubes, "length");
    b.label("Label1", "AL COASSIALE 50 OHM").at(tubes, "coax");
  }

 private:
  void required() {
    // held for the second step even when this one stops at its message
    zant0_ = number(zant_);
    f0_ = number(f_);
    if (!(f0_ * zant0_ > 0)) {
      missingData(zant_);
      return;
    }
    const double z = std::sqrt(50 * zant0_);
    setText(required_, " L'IMPEDENZA RICHIESTA DAL TRASFORMATORE E' " + fixed(z, 1) + " OHM");
  }

  // Works on the antenna and frequency of the last first step.
  void obtained() {
    const double d1 = number(d1_), d2 = number(d2_);
    if (!(d2 * d1 * f0_ * zant0_ > 0)) {
      missingData(zant_);
      return;
    }
    if (d1 <= d2) {
      warn("DIAMETRI NON CORRETTI", "MESSAGGIO DI ERRORE", d1_);
      return;
    }
    const double z = 138 * (std::log(d1 / d2) / std::log(10.0));
    const double lc = roundFixed(7490 / f0_, 1);
    const std::string z1 = fixed(z, 1);
    setText(obtained_, "L'IMPEDENZA OTTENUTA E' " + z1 + " OHM");
    setText(length_, "IL TRASFORMATORE E' LUNGO cm. " + general(lc));
    setText(d1Art_, general(d1) + " mm");
    setText(d2Art_, general(d2) + " mm");
    setText(lengthArt_, general(lc) + " cm");
  }

  Input zant_, f_, d1_, d2_;
  Label required_, obtained_, length_, d1Art_, d2Art_, lengthArt_;
  double zant0_ = 0, f0_ = 0;  // antenna and frequency as read by the first step
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmtrasformatubi, TrasformaTubi)
