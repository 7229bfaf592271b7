// Broadband 4:1 voltage baluns and un-uns on mix 2 toroids: the bifilar
// turns and the power of each core, from a fixed table.
#include "framework/registry.h"
#include "multilayer_drawings.h"

namespace vm {
namespace {

class BalunUnUn final : public CalculatorOf<BalunUnUn> {
 public:
  explicit BalunUnUn(FormBuilder& b) : CalculatorOf(b) {
    b.caption("BALUN e UN - UN  TOROIDALI PER HF    TIPO \" IN TENSIONE \"    CON RAPPORTO  4 : 1    A LARGA BANDA");
    b.frame("Frame1", " TOROIDI ", [&] {
      b.options("Option1", {"T 80 - 2", "T106 - 2", "T130 - 2", "T157 - 2", "T200 - 2", "T200A - 2", "T400 - 2"})
          .opensOn(0)
          .onClick([this](int i) { chooseCore(i); });
    });
    turns_ = b.result("lblspire");
    Art balun = b.drawing("drwbalun", coils::voltageBalun());
    b.label("Label1", "BILANCIATA").at(balun, "bilanciata");
    b.label("Label2", "SBILANCIATA").at(balun, "sbilanciata");
    b.label("Label3", "BAL - UN").at(balun, "nome");
    Art unun = b.drawing("drwunun", coils::voltageUnUn());
    b.label("Label4", "SBILANCIATA").at(unun, "sbilanciata");
    b.label("Label5", "SBILANCIATA MASSA COMUNE").at(unun, "massa");
    b.label("Label6", "UN - UN").at(unun, "nome");
    b.closeButton("cmdesci", "E S C I");
  }

 private:
  void chooseCore(int i) {
    static const char* const kTurns[] = {
        "25 SPIRE BIFILARI   POTENZA 60 WATTS",  "16 SPIRE BIFILARI   POTENZA 100 WATTS",
        "18 SPIRE BIFILARI   POTENZA 150 WATTS", "16 SPIRE BIFILARI   POTENZA 250 WATTS",
        "17 SPIRE BIFILARI   POTENZA 400 WATTS", "13 SPIRE BIFILARI   POTENZA 400 WATTS",
        "14 SPIRE BIFILARI   POTENZA 1000 WATTS",
    };
    setText(turns_, kTurns[i]);
  }

  Label turns_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmBalunUnUn, BalunUnUn)
