// The windows of this family, one line each, in the order of the registry.
#include "calculators/families.h"

#define LINES_WINDOWS(X) \
  X(frmimpedenza) \
  X(frmbifilareaperta) \
  X(frmbifilareterra) \
  X(frmbilanciataduepiani) \
  X(frmbilanciataschermata) \
  X(frmguidachiusa) \
  X(frmsingoladuepiani) \
  X(frmstrip) \
  X(frmlineaunifilare) \
  X(frmlineabifilare) \
  X(frmfiloverticale) \
  X(frmlungelettrica) \
  X(frmros) \
  X(frmcaviRG) \

VM_FAMILY(addLines, LINES_WINDOWS)
