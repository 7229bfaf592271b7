#pragma once
// What the LM 317 windows share: the capacitors and pins of their
// schematic and the two notes on the regulator's limits.
#include "framework/calculator.h"

namespace vm::supplies {

// The fixed labels of an adjustable-regulator schematic `drw`.
inline void lm317Labels(FormBuilder& b, Art drw) {
  b.label("Label3", "E").at(drw, "pinIn");
  b.label("Label4", "R").at(drw, "pinAdj");
  b.label("Label5", "U").at(drw, "pinOut");
  b.label("Label7", "220 microF").at(drw, "cAdj");
  b.label("Label8", "2.200 microF").at(drw, "cIn");
  b.label("Label9", "100 nF").at(drw, "cInSmall");
  b.label("Label10", "100 nF").at(drw, "cOutSmall");
  b.label("Label11", "220 microF").at(drw, "cOut");
}

// The notes on the limits of the LM 317 and on the LM 337.
inline void lm317Notes(FormBuilder& b) {
  b.label("Label2",
          "MASSIMA DIFFERENZA DI TENSIONE TRA ENTRATA/USCITA : 40 Volt MINIMA TENSIONE STABILIZZABILE IN USCITA : "
          "1,25 Volt          MASSIMA CORRENTE PRELEVABILE IN USCITA  : 1,3 Amp             MASSIMA POTENZA "
          "DISSIPABILE CON RADIATORE : 15 Watt ");
  b.label("Label12",
          "UTILIZZANDO L' INTEGRATO LM 337,    -  PER  TENSIONI NEGATIVE -  SI DOVRA'  INVERTIRE LA POLARITA'  DEI "
          "DIODI E DEGLI ELETTROLITICI");
}

}  // namespace vm::supplies
