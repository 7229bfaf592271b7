// The windows of this family, one line each, in the order of the registry.
#include "calculators/families.h"

#define SUPPLIES_WINDOWS(X) \
  X(frmpolarizztransistor) \
  X(frmoscill_preampl) \
  X(frmminifinale_antenna) \
  X(frmfinale_antenna) \
  X(frmtrasm_lineare) \

VM_FAMILY(addSupplies, SUPPLIES_WINDOWS)
