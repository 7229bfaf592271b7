// The windows of this family, one line each, in the order of the registry.
#include "calculators/families.h"

#define CIRCUITS_WINDOWS(X) \
  X(frmLC) \
  X(frmLL) \
  X(frmRC) \
  X(frmRL) \
  X(frmRLC) \
  X(frmRLCparallelo) \
  X(frmRLCserie) \
  X(frmRLR) \
  X(frmCircuitiRLC) \
  X(frmimpcapparallelo) \
  X(frmimpcapserie) \
  X(frmrisonanza) \
  X(frmimprisonanza) \
  X(frmfattoreQ) \
  X(frmtuningrange) \
  X(frmdimcirclc) \
  X(frmcostantetemporc) \
  X(frmcostantetemporl) \
  X(frmesempiocostempo) \
  X(frmpassaalto) \
  X(frmpassabasso) \
  X(frmpassabasso2) \
  X(frmpassabandakcostante) \
  X(frmnotchaf) \
  X(frmnotchbf) \
  X(frmfiltriBF) \
  X(frmfiltronotch) \

VM_FAMILY(addCircuits, CIRCUITS_WINDOWS)
