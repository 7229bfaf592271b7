// The anode load impedance of a valve stage from its anode voltage and
// current and its class of operation (semi-empirical factors).
#include "framework/registry.h"

namespace vm {
namespace {

class ImpAnodica final : public CalculatorOf<ImpAnodica> {
 public:
  explicit ImpAnodica(FormBuilder& b) : CalculatorOf(b) {
    b.caption("CALCOLO DELL'IMPEDENZA DEL CIRCUITO ANODICO IN FUNZIONE DELLA CLASSE DI LAVORO");
    b.frame("Frame1", "scelta classe di lavoro", [&] {
      b.options("Option1", {"CLASSE \" A \"", "CLASSE \" B \"", "CLASSE \" C \""}).opensOn(0).onClick([this](int i) {
        chooseClass(i);
      });
    });
    volt_ = b.input("txtvolt").label("lbltensioneanodica", "TENSIONE ANODICA in Volt");
    amp_ = b.input("txtamp").label("lblcorrenteanodica", "CORRENTE ANODICA in milliAmp");
    za_label_ = b.result("lblza");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    b.button("cmdchiamapigreco", "CALCOLO PI GRECO COME ADATTATORE D' IMPEDENZA").onClick([this] {
      moveTo(180, 180);
      openCompanion("frmadattimppassabasso");
    });
    b.label("Label1", "USARE IL PUNTO PER SEPARARE I DECIMALI    LE FORMULE  USATE SONO SEMI EMPIRICHE");
    b.onTyping({volt_, amp_}, Typing::Blank, {za_label_});
  }

 private:
  void chooseClass(int i) {
    blank({za_label_});
    static constexpr double kFactor[] = {1.3, 1.57, 2};
    k_ = kFactor[i];
  }

  void compute() {
    va_ = number(volt_);
    ia_ = number(amp_);
    if (!productTest({ia_, va_}, Product::NotPositive, volt_)) return;
    ia_ = ia_ / 1000;
    za_ = Int(finite(va_ / (ia_ * k_)));
    setText(za_label_, "L'IMPEDENZA ANODICA DELLA VALVOLA E' " + general(za_) + " OHM");
  }

  Input volt_, amp_;
  Label za_label_;
  // Va in volts, Ia in amperes after the computation, the class factor, Za
  double va_ = 0, ia_ = 0, k_ = 1.3, za_ = 0;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmimpanodica, ImpAnodica)
