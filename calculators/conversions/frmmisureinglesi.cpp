// Lengths between centimetres, metres, kilometres, inches, feet, yards and
// miles, recomputed on every keystroke.
#include <string>

#include "framework/registry.h"

namespace vm {
namespace {

const std::vector<std::string> kUnits = {"CENTIMETRI", "METRI", "CHILOMETRI", "POLLICI", "PIEDI", "IARDE", "MIGLIA"};
const char* const kInputCaptions[] = {"INSERISCI cm ",     "INSERISCI mt ",   "INSERISCI Km ",   "INSERISCI POLLICI",
                                      "INSERISCI PIEDI", "INSERISCI IARDE", "INSERISCI MIGLIA"};
const char* const kOutputs[] = {"CORRISPONDE A cm ",     "CORRISPONDE A mt ",   "CORRISPONDE A Km ",
                                "CORRISPONDE A POLLICI ", "CORRISPONDE A PIEDI ", "CORRISPONDE A IARDE ",
                                "CORRISPONDE A MIGLIA "};

// x in unit `from` converted to unit `to`, by the factors of the conversion
// table as written (some divide, inches to kilometres take 2.54).
double convert(double x, int from, int to) {
  if (from == to) return x;
  switch (from * 10 + to) {
    case 1: return x / 100;
    case 2: return x / 100000;
    case 3: return x * 0.3937007;
    case 4: return x * 0.0328083;
    case 5: return x * 0.01093613;
    case 6: return x * 6.2137E-06;
    case 10: return x * 100;
    case 12: return x / 1000;
    case 13: return x * 39.37007;
    case 14: return x * 3.28083;
    case 15: return x * 1.093611;
    case 16: return x * 0.00062137;
    case 20: return x * 100000;
    case 21: return x * 1000;
    case 23: return x * 39370.07;
    case 24: return x * 3280.83;
    case 25: return x * 1093.6133;
    case 26: return x * 0.62137119;
    case 30: return x * 2.540005;
    case 31: return x * 0.02540005;
    case 32: return x * 2.54 / 100000;
    case 34: return x * 0.083333;
    case 35: return x * 0.0277777;
    case 36: return x * 1.57828E-05;
    case 40: return x * 30.48006;
    case 41: return x * 0.3048006;
    case 42: return x * 0.3048006 / 1000;
    case 43: return x * 12;
    case 45: return x * 0.333333;
    case 46: return x * 0.000189394;
    case 50: return x * 91.44018;
    case 51: return x * 0.9144018;
    case 52: return x * 0.0009144018;
    case 53: return x * 36;
    case 54: return x * 3;
    case 56: return x * 0.000568182;
    case 60: return x * 160934.72;
    case 61: return x * 1609.3472;
    case 62: return x * 1.6093472;
    case 63: return x * 63360;
    case 64: return x * 5280;
    case 65: return x * 1760;
  }
  return x;
}

class ImperialLengths final : public CalculatorOf<ImperialLengths> {
 public:
  explicit ImperialLengths(FormBuilder& b) : CalculatorOf(b) {
    b.caption("Conversione misure inglesi");
    b.frame("Frame2", "DA", [&] {
      from_ = b.options("Option1", kUnits).selected(0).onClick([this](int i) { chooseFrom(i); });
    });
    b.frame("Frame3", "A", [&] {
      to_ = b.options("Option2", kUnits).selected(3).onClick([this](int) { chooseTo(); });
    });
    std::tie(input_, lblInput_) =
        b.input("txtinput").label("lblinput", "INSERISCI cm").tooltip("inserisci misura da convertire").handles();
    out_ = b.result("lbloutput");
    b.button("cmdaltreconversioni", "Altre conversioni").onClick([this] {
      openBeside("frmaltreconversioni", {.selfLeft = 200, .selfTop = 800, .left = 5100, .top = 3500});
    });
    b.closeButton("cmdesci", "CHIUDI");
    b.label("Label7", "1 POLLICE (1'') = 2,540005 cm");
    b.label("Label6", "1 PIEDE (1') = 12 POLLICI = 30,48006 cm");
    b.frame("Frame1", " Frazioni inglesi ordinarie ", [&] {
       b.label("Label1", "In pollice");
       b.label("Label3", "1/16  1/8  3/16  1/4  5/16  3/8  7/16  1/2  9/16  5/8  11/16 3/4  13/16 7/8  15/16");
       b.label("Label2", "in mm");
       b.label("Label4",
               "1.599  3.175  4.700  6.350  7.937  9.525 11.112  12.70  14.288  15.875 17.463  19.050  20.638  "
               "22.225 23.813");
     }).tooltip("frazioni di uso comune");

    b.live({input_}, {out_}, [this] { compute(); });
  }

 private:
  void chooseFrom(int i) {
    hide(out_);
    setText(input_, {});  // the conversion runs once more, with nothing typed
    setText(lblInput_, kInputCaptions[i]);
  }

  void chooseTo() {
    hide(out_);
    setText(input_, {});
  }

  void compute() {
    x_ = number(input_);
    const int i = selected(from_), j = selected(to_);
    if (i < 0 || j < 0) return;
    setText(out_, kOutputs[j] + general(convert(x_, i, j)));
    show(out_);
  }

  Options from_, to_;
  Input input_;
  Label lblInput_, out_;
  double x_ = 0;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmmisureinglesi, ImperialLengths)
