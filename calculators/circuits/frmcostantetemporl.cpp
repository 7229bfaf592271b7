// Time constant of a resistor-inductor pair, solved for any one of the
// time, the resistance and the inductance (microhenry / ohm = microseconds).
#include "time_constant.h"

namespace vm {
namespace {

const circuit::TimeConstantTexts kTexts = {
    "Calcolo costante di tempo in un circuito con  Resistenza e Induttanza",
    "LA COSTANTE DI TEMPO RAPPRESENTA IL TEMPO IMPIEGATO DALLA CORRENTE A RAGGIUNGERE IL 63 %  "
    "DEL VALORE MASSIMO",
    {"RESISTENZA e INDUTTANZA", "TEMPO e RESISTENZA", "TEMPO e INDUTTANZA"},
    Symbol::Inductor,
    "lbll",
    "L",
    {{"RESISTENZA :", "INDUTTANZA :", "TEMPO :"},
     {"TEMPO :", "RESISTENZA :", "INDUTTANZA :"},
     {"TEMPO :", "INDUTTANZA :", "RESISTENZA :"}},
    {{" Ohm", " microHenry", " microsec"},
     {" microsec", " Ohm", " microHenry"},
     {" microsec", " microHenry", " Ohm"}},
};

class CostanteTempoRL final : public circuit::TimeConstantWindow<CostanteTempoRL> {
 public:
  explicit CostanteTempoRL(FormBuilder& b) : TimeConstantWindow(b, kTexts) {}

  circuit::TimeConstantAnswer solve(int known, double a, double b) const {
    if (known == 0) return {fixed(b / a, 4), general(a), general(b)};
    if (known == 1) {
      // six decimals for the inductance, four for the other two
      const std::string l = fixed(a * b, 6);
      return {l, general(b), l};
    }
    const std::string r = fixed(b / a, 4);
    return {r, r, general(b)};
  }
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmcostantetemporl, CostanteTempoRL)
