// The windows of this family, one line each, in the order of the registry.
#include "calculators/families.h"

#define CONVERSIONS_WINDOWS(X) \
  X(frmdB) \
  X(frmdBW) \
  X(frmdBmicrovolt) \
  X(frmvoltwatt) \

VM_FAMILY(addConversions, CONVERSIONS_WINDOWS)
