// The reactance of an inductance or of a capacitance at a frequency.
#include <tuple>

#include "framework/registry.h"

namespace vm {
namespace {

constexpr Color kRed = 0xFF0000;
constexpr Color kBlack = 0x000000;

class Reattanza final : public CalculatorOf<Reattanza> {
 public:
  explicit Reattanza(FormBuilder& b) : CalculatorOf(b) {
    b.caption("Reattanza ");
    b.frame("Frame1", "Tipo di Reattanza", [&] {
      kind_ = b.options("Option1", {"REATTANZA  INDUTTIVA", "REATTANZA CAPACITIVA"}).opensOn(0)
                  .onClick([this](int i) { chooseKind(i); });
    });
    std::tie(freq_, unit_[0]) = b.input("txtinput", 0).label("lblinput", "", 0).handles();
    std::tie(value_, unit_[1]) = b.input("txtinput", 1).label("lblinput", "", 1).handles();
    unit_[2] = b.label("lblinput", "", 2);
    out_ = b.result("lblinput", "", 3).captionedBy(unit_[2]);
    formula_ = b.label("lblfantasma");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmnesci", "ESCI");
    b.button("cmdchiamabobine", "Costruzione bobine").onClick([this] {
      openBeside("frmbobine", {.selfLeft = 180, .selfTop = 180, .left = 4100, .top = 2800});
    });
    b.text("L'uso dei Mhz e dei micro Henry ottimizza il calcolo per le HF");
    b.onTyping({freq_, value_}, Typing::Blank, {out_});
  }

 private:
  void chooseKind(int i) {
    blank({out_});
    setCaptionColor(kind_, 0, i == 0 ? kRed : kBlack);
    setCaptionColor(kind_, 1, i == 1 ? kRed : kBlack);
    setText(formula_, i == 0 ? "XL in Ohm = 6,28 x Mhz x induttanza in µH" : "XC in Ohm = 159.000 : (Mhz x pF)");
    setText(unit_[0], "Mhz");
    setText(unit_[1], i == 0 ? "microH" : "picoF");
    setText(unit_[2], i == 0 ? "XL Ohm" : "XC Ohm");
  }

  void compute() {
    f_ = number(freq_);
    x_ = number(value_);
    if (!productTest({f_, x_}, Product::EachPositive, freq_)) return;
    const double x = isSelected(kind_, 0) ? x_ * f_ * 6.28 : 159000 / (x_ * f_);
    setText(out_, fixed(x, 3));
  }

  Options kind_;
  Input freq_, value_;
  Label unit_[3], out_, formula_;
  double f_ = 0, x_ = 0;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmreattanza, Reattanza)
