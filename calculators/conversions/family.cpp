// The windows of this family, one line each, in the order of the registry.
#include "calculators/families.h"

#define CONVERSIONS_WINDOWS(X) \
  X(frmdB) \
  X(frmdBW) \
  X(frmdBmicrovolt) \
  X(frmvoltwatt) \
  X(frmvolt) \
  X(frmleggediohm) \
  X(frmcorralternata) \
  X(frmmisureinglesi) \
  X(frmaltreconversioni) \
  X(frmmils) \
  X(frmawg) \
  X(frmsezione) \
  X(frmtemperatura) \
  X(frmradianti) \
  X(frmfrequenzametri) \
  X(frmpeso) \
  X(frmddpcontatto) \
  X(frmcoordinate) \
  X(frmwwl) \
  X(frmlunghezzafilo) \
  X(frmresistenzadc) \
  X(frmresistenzarf) \
  X(frmresistività) \

VM_FAMILY(addConversions, CONVERSIONS_WINDOWS)
