// Transformer wound on a ferrite rod of unmarked permeability: the input
// winding gets a reactance of five times its impedance, and the turns are
// given between the two bounding inductance indexes of such rods.
#include <cmath>

#include "framework/registry.h"

namespace vm {
namespace {

class TrasFerroxcube final : public CalculatorOf<TrasFerroxcube> {
 public:
  explicit TrasFerroxcube(FormBuilder& b) : CalculatorOf(b) {
    b.caption("TRASFORMATORI CILINDRICI PER RADIO FREQUENZA IN FERROXCUBE");
    // frequencies of 3 MHz and more are computed all the same: the tooltip
    // is the warning
    freq_ = b.field("txtf", "lblf", "FREQUENZA DI LAVORO in MHz :").tooltip("MASSIMO 3 MEGA HERTZ");
    zin_ = b.field("txtimpinput", "lblimpinput", "IMPEDENZA D' ENTRATA in OHM :");
    zout_ = b.field("txtimpoutput", "lblimpoutput", "IMPEDENZA D' USCITA in OHM :");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "C H I U D I");
    in_ = b.result("lblspire1");
    out_ = b.result("lblspire2");
    note_ = b.label("lblh", "I DUE AVVOLGIMENTI  VANNO REALIZZATI SOVRAPPOSTI O INTERCALATI").hidden();
    b.text("LA PERMEABILITA' DEI NUCLEI CILINDRICI IN FERRITE E' UN PARAMETRO NON RILEVABILE DA ALCUNA SIGLA "
           "RIPORTATA SUL COMPONENTE, QUINDI IL  RISULTATO DEI CALCOLI FORNISCE UN INTERVALLO DI VALORI, DEL TUTTO "
           "INDICATIVO,  CHE TIENE CONTO DELLA PRESUMIBILE  PERMEABILITA' MINIMA E MASSIMA");
    b.text("IL NUMERO DELLE SPIRE VARIA IN FUNZIONE DELLA MISCELA UTILIZZATA");
    b.text("DA NON CONFONDERE CON BALUN E UN - UN  A LARGA BANDA");
    // the note stays once shown
    b.onTyping({freq_, zin_, zout_}, Typing::Blank, {in_, out_});
  }

 private:
  // inductance indexes (microhenry per 100 turns) bounding a rod of
  // unmarked permeability
  static constexpr double kLowAL = 100;
  static constexpr double kHighAL = 250;

  void compute() {
    f_ = number(freq_);
    zin_v_ = number(zin_);
    zout_v_ = number(zout_);
    if (!productTest({f_, zin_v_, zout_v_}, Product::EachPositive, freq_)) return;
    if (f_ < 0.1) {
      warn("FREQUENZA NON COMPATIBILE", "MESSAGGIO DI AVVISO", freq_);
      return;
    }
    const double l = zin_v_ * 5 / (6.28 * f_);
    const double nmax = 100 * std::sqrt(l / kLowAL);
    const double nmin = 100 * std::sqrt(l / kHighAL);
    const double ratio = std::sqrt(zin_v_ / zout_v_);
    // the turns are cut to whole turns, not rounded
    nmin_ = Int(nmin);
    nmax_ = Int(nmax);
    mmin_ = Int(nmin / ratio);
    mmax_ = Int(nmax / ratio);
    setText(in_, "L'ENTRATA E' FORMATA DA " + general(nmin_) + " - " + general(nmax_) + " SPIRE");
    setText(out_, "L'USCITA E' FORMATA DA " + general(mmin_) + " - " + general(mmax_) + " SPIRE");
    show(note_);
  }

  Input freq_, zin_, zout_;
  Label in_, out_, note_;
  double f_ = 0, zin_v_ = 0, zout_v_ = 0, nmin_ = 0, nmax_ = 0, mmin_ = 0, mmax_ = 0;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmtrasferroxcube, TrasFerroxcube)
