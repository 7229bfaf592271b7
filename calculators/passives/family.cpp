// The windows of this family, one line each, in the order of the registry.
#include "calculators/families.h"

#define PASSIVES_WINDOWS(X) \
  X(frmresistenze) \
  X(frmpartitori) \
  X(frmcorresistenza) \
  X(frmresgeneratore) \
  X(frmshunt) \
  X(frmvoltmetro) \
  X(frmretiadL) \
  X(frmretiadLbilanciata) \
  X(frmretiaTePgreco) \
  X(frmretiaTePgrecobilanciate) \
  X(frmretiaTponte) \
  X(frmattimpcost) \
  X(frmcondensatori) \
  X(frmriduzcondensatori) \
  X(frmtensmincond) \
  X(frmcostruzionecondensatori) \
  X(frmcapcondcilindrico) \
  X(frmenergiapotenziale) \

VM_FAMILY(addPassives, PASSIVES_WINDOWS)
