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
  X(frmyagi3) \
  X(frmyagi5) \
  X(frmhb9cv) \
  X(frmloopquadrato) \
  X(frmquad2elementi) \
  X(frmantennamoxon) \
  X(frmdeltaloop) \
  X(frmlooprettangolare) \
  X(frmhentenna) \
  X(frmantdiscone) \
  X(frmantelicoidale) \
  X(frmEH) \
  X(frmEHstar) \
  X(frmfuoco) \
  X(frmbarattolo) \
  X(frmparaboliche) \

VM_FAMILY(addAntennas, ANTENNAS_WINDOWS)
