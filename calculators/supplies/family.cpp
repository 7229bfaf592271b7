// The windows of this family, one line each, in the order of the registry.
#include "calculators/families.h"

#define SUPPLIES_WINDOWS(X) \
  X(frmreszener) \
  X(frmled) \
  X(frm78xx) \
  X(frm78xxbis) \
  X(frmlm317) \
  X(frmlm317variab) \
  X(frmlm317correntecost) \
  X(frmripple) \
  X(frmduplicatori) \
  X(frmtrasformatori) \
  X(frmpolarizztransistor) \
  X(frmoscill_preampl) \
  X(frmminifinale_antenna) \
  X(frmfinale_antenna) \
  X(frmtrasm_lineare) \

VM_FAMILY(addSupplies, SUPPLIES_WINDOWS)
