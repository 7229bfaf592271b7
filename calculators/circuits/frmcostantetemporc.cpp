// Time constant of a resistor-capacitor pair, solved for any one of the
// time, the resistance and the capacitance (megaohm x microfarad = seconds).
#include "time_constant.h"

namespace vm {
namespace {

const circuit::TimeConstantTexts kTexts = {
    "Calcolo costante di tempo in un circuito con  Resistenza e Capacità",
    "LA COSTANTE DI TEMPO RAPPRESENTA IL TEMPO IMPIEGATO DA UN CONDENSATORE A CARICARSI AL 63 %  "
    "ATTRAVERSO UNA RESISTENZA",
    {"RESISTENZA e CAPACITA'", "TEMPO e RESISTENZA", "TEMPO e CAPACITA'"},
    Symbol::Capacitor,
    "lblc",
    "C",
    {{"RESISTENZA :", "CAPACITA' :", "TEMPO :"},
     {"TEMPO :", "RESISTENZA :", "CAPACITA' :"},
     {"TEMPO :", "CAPACITA' :", "RESISTENZA :"}},
    {{" megaOhm", " microFarad", " secondi"},
     {" secondi", " megaOhm", " microFarad"},
     {" secondi", " microFarad", " megaOhm"}},
};

class CostanteTempoRC final : public circuit::TimeConstantWindow<CostanteTempoRC> {
 public:
  explicit CostanteTempoRC(FormBuilder& b) : TimeConstantWindow(b, kTexts) {}

  circuit::TimeConstantAnswer solve(int known, double a, double b) const {
    if (known == 0) return {fixed(a * b, 4), general(a), general(b)};
    if (known == 1) {
      const std::string c = fixed(a / b, 4);
      return {c, general(b), c};
    }
    const std::string r = fixed(a / b, 4);
    return {r, r, general(b)};
  }
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmcostantetemporc, CostanteTempoRC)
