// A chain of four constant-impedance attenuator cells, each in T and in pi
// form, between equal input and output impedances.
#include <array>
#include <cmath>
#include <string>

#include "framework/registry.h"
#include "pad_drawings.h"

namespace vm {
namespace {

constexpr int kCells = 4;

class AttImpCost final : public CalculatorOf<AttImpCost> {
 public:
  explicit AttImpCost(FormBuilder& b) : CalculatorOf(b) {
    b.caption(
        "  ATTENUATORE AD IMPEDENZA COSTANTE            L'ENTRATA E L'USCITA PRESENTANO IL MEDESIMO VALORE "
        "D'IMPEDENZA");
    z_ = b.input("txtimpedenza").text("50").tooltip("inserire il valore richiesto").label("Label1", "IMPEDENZA in Ohm");
    const std::string cell = "inserire l'attenuazione richiesta";
    for (int n = 0; n < kCells; ++n) {
      const std::string k = std::to_string(n + 1);
      db_[n] = b.input("txtdb" + k).tooltip(cell).label("Label" + std::to_string(n + 2), "dB").labelTooltip(cell);
    }
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "").picture("exit");
    Art t = b.drawing("drwreteT", pads::tNetwork(false, kCells));
    b.text("RETE a T").at(t, "title");
    for (int n = 0; n < kCells; ++n) {
      const std::string k = std::to_string(n + 1);
      t1_[n] = b.result("lblr1" + k + "t", "R1").at(t, pads::cellMark("R1", n + 1));
      t2_[n] = b.result("lblr2" + k + "t", "R2").at(t, pads::cellMark("R2", n + 1));
      t3_[n] = b.result("lblr3" + k + "t", "R3").at(t, pads::cellMark("R3", n + 1));
    }
    Art p = b.drawing("drwreteP", pads::piNetwork(false, kCells));
    b.text("RETE a P GRECO").at(p, "title");
    for (int n = 0; n < kCells; ++n) {
      const std::string k = std::to_string(n + 1);
      p1_[n] = b.result("lblr1" + k + "p", "R1  ").at(p, pads::cellMark("R1", n + 1));
      p2_[n] = b.result("lblr2" + k + "p", "R2  ").at(p, pads::cellMark("R2", n + 1));
      p3_[n] = b.result("lblr3" + k + "p", "R3").at(p, pads::cellMark("R3", n + 1));
    }
    total_ = b.result("lbldb");
    b.text("L'INGRESSO E L'USCITA POSSONO ESSERE INVERTITI");
    b.text("APPLICANDO COMMUTATORI DOPPI OGNI CELLA PUO'  ESSERE INSERITA O ESCLUSA");
    b.text(
        "LE PRESTAZIONI DELLE DUE RETI SONO IDENTICHE, TUTTAVIA UNO DEI DUE TIPI PUO' RICHIEDERE VALORI DI "
        "RESISTENZE CHE PIU' SI AVVICINANO AI VALORI COMMERCIALI STANDARD");
  }

 private:
  void compute() {
    std::array<double, kCells> a{};
    for (int n = 0; n < kCells; ++n) a[n] = number(db_[n]);
    const double z = number(z_);
    if (a[0] * a[1] * a[2] * a[3] * z <= 0) {
      warn("MANCANO DATI", "messaggio di errore", z_);
      return;
    }
    std::array<std::string, kCells> ts{}, tp{}, ps{}, pp{};
    for (int n = 0; n < kCells; ++n) {
      const double k = std::pow(10.0, a[n] / 20);
      const double tSeries = z * (k - 1) / (k + 1);
      const double tShunt = 2 * k * z / (k * k - 1);
      const double pShunt = z * (k + 1) / (k - 1);
      const double pSeries = z * (k * k - 1) / (2 * k);
      ts[n] = fixed(tSeries, 1);
      pp[n] = fixed(pShunt, 1);
      // the last cell shows its R3 without trailing zeros
      const bool last = n == kCells - 1;
      tp[n] = last ? general(roundFixed(tShunt, 1)) : fixed(tShunt, 1);
      ps[n] = last ? general(roundFixed(pSeries, 1)) : fixed(pSeries, 1);
    }
    const double total = a[0] + a[1] + a[2] + a[3];
    const std::string line = "L'ATTENUAZIONE TOTALE E' " + general(total) + " dB";
    for (int n = 0; n < kCells; ++n) {
      setText(t1_[n], ts[n]);
      setText(t2_[n], ts[n]);
      setText(t3_[n], tp[n]);
      setText(p1_[n], pp[n]);
      setText(p2_[n], pp[n]);
      setText(p3_[n], ps[n]);
    }
    setText(total_, line);
  }

  Input z_;
  std::array<Input, kCells> db_{};
  std::array<Label, kCells> t1_{}, t2_{}, t3_{}, p1_{}, p2_{}, p3_{};
  Label total_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmattimpcost, AttImpCost)
