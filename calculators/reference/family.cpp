// The reference and information screens, one line each, in the order of the
// registry.
#include "calculators/families.h"

#define REFERENCE_WINDOWS(X) \
  X(frmabaut) \
  X(frmavvertenza) \
  X(frmdizionario) \
  X(frmprefissi) \
  X(frmsmeterhf) \
  X(frmsmetervhf) \
  X(frmcoefftermicocondensatori) \
  X(frmelettrononpolarizzati) \
  X(frmresiststrumento) \
  X(frmsondecc) \
  X(frmtestcurvafiltro) \
  X(frmpassabanda) \
  X(frmbalunchoke) \
  X(frmbaluninaria) \
  X(frmrettificatori) \
  X(frmuniel) \
  X(frmcodextrasfusa) \
  X(frmautotraserieu) \
  X(frminduttanzegeloso) \
  X(frmconduttori) \

VM_FAMILY(addReference, REFERENCE_WINDOWS)
