// The dropping resistor of a Zener regulator: from the unregulated supply,
// the Zener voltage and the load current, with the Zener's own current set
// by its power rating.
#include <cstdint>

#include "framework/registry.h"
#include "supply_drawings.h"

namespace vm {
namespace {

class ResZener final : public CalculatorOf<ResZener> {
 public:
  explicit ResZener(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CALCOLO DELLA RESISTENZA DI CADUTA");
    b.frame("Frame1", "Zener utilizzato", [&] {
       b.options("Option1", {"Zener da 1/2 watt", "Zener da 1 watt", "Zener da 2 watt"})
           .opensOn(0)
           .onClick([this](int i) { iz_ = kZenerCurrent[i]; });
     }).tooltip("selezionare la potenza del diodo zener");
    vcc_ = b.input("txtVcc").tooltip("input tensione non stabilizzata").label("Label3", "Tensione di alimentazione");
    vz_ = b.input("txtvz").tooltip("Tens. stabilizzata").label("Label4", "Tensione diodo zener");
    ma_ = b.input("txtma").tooltip("corrente assorbita dal circuito").label("Label5", "Assorbimento in milliAmpere");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    Art drw = b.drawing("drwzener", supplies::zenerDropper());
    lblVcc_ = b.result("lblvcc").at(drw, "vcc");
    lblVz_ = b.result("lblvz").at(drw, "vz");
    lblOhm_ = b.result("lblohm").at(drw, "ohm");
    ohmLine_ = b.result("lblohmlunga");
    watt_ = b.result("lblwatt");
  }

 private:
  // the Zener's own current in mA for each power rating
  static constexpr std::int16_t kZenerCurrent[] = {20, 30, 40};

  void compute() {
    const double vcc = number(vcc_), vz = number(vz_), ma = number(ma_);
    // the voltages are compared before the product test
    if (vz > vcc) {
      warn("VALORI DI TENSIONE ERRATI", "MESSAGGIO DI ERRORE", vcc_);
      return;
    }
    if (!productTest({vcc, vz, ma}, Product::Zero, vcc_)) return;
    const std::int16_t r = toInt16(1000 * (vcc - vz) / (ma + iz_));
    const float w = single((ma + iz_) * (vcc - vz) / 1000);
    const std::string ohms = general(static_cast<double>(r));
    const std::string vccText = general(vcc) + " V", vzText = general(vz) + " V";
    setText(lblVcc_, vccText);
    setText(lblOhm_, ohms + " ohm");
    setText(lblVz_, vzText);
    setText(ohmLine_, "Valore della resistenza = Ohm " + ohms);
    setText(watt_, "Dissipazione in Watt = " + general(w));
  }

  Input vcc_, vz_, ma_;
  Label lblVcc_, lblVz_, lblOhm_, ohmLine_, watt_;
  std::int16_t iz_ = 20;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmreszener, ResZener)
