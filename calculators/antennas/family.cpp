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
  X(frmtrappolata) \
  X(frmmultigammaott) \
  X(frmantmultigamma) \
  X(frmantcoaxmulti) \
  X(frmcaricolineare) \
  X(frmtrappolalineare) \
  X(frmvertaccorciata) \
  X(frmAntAcc) \
  X(frmcappello) \
  X(frmcaricoauto) \
  X(frmantDL7PE) \
  X(frmcapantvert) \
  X(frmloop) \
  X(frminfoloop) \
  X(frmhelpcondensatore) \
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
