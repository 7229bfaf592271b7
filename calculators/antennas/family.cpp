#include "calculators/families.h"
#include "antennas.h"

namespace vm {

void addAntennas(std::vector<CalculatorEntry>& t) {
  t.push_back(dipoliEntry());
  t.push_back(dipoloRipiegatoEntry());
  t.push_back(antPresaCalcolataEntry());
  t.push_back(antG5rvEntry());
  t.push_back(lungHarmonicaEntry());
  t.push_back(gradiEntry());
  t.push_back(resRadiazioneEntry());
  t.push_back(resRadiazioneStiloEntry());
  t.push_back(ridimensionaEntry());
}

}  // namespace vm
