// The windows of this family, one line each, in the order of the registry.
#include "calculators/families.h"

#define INDUCTORS_WINDOWS(X) \
  X(frmbobine) \
  X(frmmicrobobine) \
  X(frmbobineuhf) \
  X(frmbobinepiatte) \
  X(frminduttanzafilodiritto) \
  X(frmbobinamulticircolare) \
  X(frmmultilayercoil) \
  X(frmbobinarettangolare) \
  X(frminduttanzaspirale) \
  X(frmvalinduttanza) \
  X(frmreattanza) \
  X(frmautorisonanza) \
  X(frmamidon) \
  X(frmsintoniatoro) \
  X(frmadattatoritoroidali) \
  X(frmtrasferroxcube) \
  X(frmBalunUnUn) \

VM_FAMILY(addInductors, INDUCTORS_WINDOWS)
