// The windows of this family, one line each, in the order of the registry.
#include "calculators/families.h"

#define VALVES_WINDOWS(X) \
  X(frmtrasfuscita) \
  X(frmimpanodica) \
  X(frmadattimppassabasso) \
  X(frmimpedenzefiltro) \

VM_FAMILY(addValves, VALVES_WINDOWS)
