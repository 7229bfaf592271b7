// The S-meter scale up to the HF bands: S9 is 50 microvolt on 50 ohm.
#include "framework/registry.h"
#include "smeter.h"

namespace vm {
namespace {

constexpr reference::SMeterTable kScale = {{
    {"S METER", "microVolt/50 Ohm", "nanoWatt", "dBm"},
    {"1", "0,19", "0,0000008", "- 121"},
    {"2", "0,39", "0,0000032", "- 115"},
    {"3", "0,78", "0,0000126", "- 109"},
    {"4", "1,56", "0,0000501", "- 103"},
    {"5", "3,12", "0,0001995", "- 97"},
    {"6", "6,25", "0,0007943", "- 91"},
    {"7", "12,5", "0,0031622", "- 85"},
    {"8", "25", "0,0125892", "- 79"},
    {"9", "50", "0,050", "- 73"},
    {"9 + 10", "158", "0,500", "- 63"},
    {"9 + 20", "501", "5,012", "- 53"},
    {"9 + 30", "1583", "50,119", "- 43"},
    {"9 + 40", "5000", "501,00", "- 33"},
}};

class SMeterHf final : public CalculatorOf<SMeterHf> {
 public:
  explicit SMeterHf(FormBuilder& b) : CalculatorOf(b) {
    b.caption("SCALA  S METER in H F   - INTENSITA' -  POTENZA SEGNALE - dBm");
    b.label("lblnota1",
            "CON LA CONFERENZA DELLA IARU DEL 1978 SI E' STABILITO CHE AD \"S9\"  DOVEVA CORRISPONDERE UNA "
            "TENSIONE DI 100 microV AL GENERATORE PARI A  50 microV SU 50 OHM, CORRISPONDENTI A  -73 dBm.      DA "
            "S1 A S9 UN PUNTO DELL'S-METER CORRISPONDE A 6 dB, OLTRE SI INCREMENTA DI 10 dB.");
    b.label("lblnota2",
            "NELLA TABELLA, VALIDA FINO ALLE HF, SI E'  ASSUNTO QUINDI COME RIFERIMENTO PER  S9 IL VALORE DI 50 "
            "microVolt .                  PER LE VHF CONSULTARE LA RELATIVA TABELLA");
    reference::sMeterTable(b, kScale);
    b.closeButton("cmdesci", "E S C I");
  }
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmsmeterhf, SMeterHf)
