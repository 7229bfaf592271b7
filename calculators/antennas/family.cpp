// The windows of this family, one line each, in the order of the registry.
#include "calculators/families.h"

#define ANTENNAS_WINDOWS(X) \
  X(frmdipoli) \
  X(frmdipoloripiegato) \
  X(frmantpresacalcolata) \
  X(frmantg5rv) \
  X(frmlungharmonica) \
  X(frmgradi) \
  X(frmresradiazione) \
  X(frmresradiazionestilo) \
  X(frmridimensiona) \
  X(frmERP) \
  X(frmsegnalidipolo) \
  X(frmsegnaligenerica) \
  X(frmattenuazionetratta) \
  X(frmondadiretta) \
  X(frmantenna58) \
  X(frmantennaJ) \
  X(frmantJincorto) \
  X(frmantennagap) \
  X(frmantcollineare) \
  X(frmgpgamma) \

VM_FAMILY(addAntennas, ANTENNAS_WINDOWS)
