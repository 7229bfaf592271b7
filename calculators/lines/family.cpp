// The windows of this family, one line each, in the order of the registry.
#include "calculators/families.h"

#define LINES_WINDOWS(X) \
  X(frmadattatoriLC) \
  X(frmpinetwork) \
  X(frmtappedcapacitormanu) \
  X(frmtappedcapacitorauto) \
  X(frmreteadattamento) \
  X(frmadattatori) \
  X(frmesempiadattatori) \
  X(frmtrasformatubi) \
  X(frmgammamatch) \
  X(frmhairpin) \
  X(frmbaluncoax1quarto) \
  X(frmbaluncoax3quarti) \
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
