// The S-meter scale for the VHF bands: S9 is 5 microvolt on 50 ohm.
#include "framework/registry.h"
#include "smeter.h"

namespace vm {
namespace {

constexpr reference::SMeterTable kScale = {{
    {"S METER", "microVolt/50 Ohm", "femtoWatt", "dBm"},
    {"1", "0,02", "0,008", "- 141"},
    {"2", "0,039", "0,032", "- 135"},
    {"3", "0,078", "0,126", "- 129"},
    {"4", "0,156", "0,48", "- 123"},
    {"5", "0,312", "1,9", "- 117"},
    {"6", "0,625", "7,9", "- 111"},
    {"7", "1,25", "31,6", "- 105"},
    {"8", "2,5", "125,8", "- 99"},
    {"9", "5,0", "500", "- 93"},
    {"9 + 10", "15,8", "5000", "- 83"},
    {"9 + 20", "50,1", "50100", "- 73"},
    {"9 + 30", "158,3", "501190", "- 63"},
    {"9 + 40", "500", "5010000", "- 53"},
}};

class SMeterVhf final : public CalculatorOf<SMeterVhf> {
 public:
  explicit SMeterVhf(FormBuilder& b) : CalculatorOf(b) {
    b.caption("SCALA  S METER in V H F    - INTENSITA' -  POTENZA SEGNALE - dBm");
    b.label("lblnota1",
            "CON LA CONFERENZA DELLA IARU DEL 1978 SI E' STABILITO CHE AD \"S9\"  DOVEVA CORRISPONDERE UNA "
            "TENSIONE DI 5 microV  SU 50 OHM, CORRISPONDENTI A  -93 dBm.      DA S1 A S9 UN PUNTO DELL'S-METER "
            "CORRISPONDE A 6 dB, OLTRE SI INCREMENTA DI 10 dB.");
    b.label("lblnota2",
            "NELLA TABELLA, VALIDA PER LE SOLE  V H F , SI E'  ASSUNTO QUINDI COME RIFERIMENTO PER  S9 IL VALORE "
            "DI 5 microVolt .             PER LE  HF  CONSULTARE LA RELATIVA TABELLA");
    reference::sMeterTable(b, kScale);
    b.label("Label57", "NELLA PRATICA LA TARATURA DEGLI STRUMENTI NON SEMPRE RISPONDE A QUESTI STANDARD");
    b.closeButton("cmdesci", "E S C I");
  }
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmsmetervhf, SMeterVhf)
