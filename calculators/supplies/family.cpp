// The windows of this family, one line each, in the order of the registry.
#include "calculators/families.h"

#define SUPPLIES_WINDOWS(X) \

VM_FAMILY(addSupplies, SUPPLIES_WINDOWS)
