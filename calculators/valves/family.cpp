// The windows of this family, one line each, in the order of the registry.
#include "calculators/families.h"

#define VALVES_WINDOWS(X) \

VM_FAMILY(addValves, VALVES_WINDOWS)
