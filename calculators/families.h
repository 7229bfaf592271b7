#pragma once
// Each family folder adds its Calculators to the registry.
#include <vector>

#include "framework/registry.h"

namespace vm {

void addConversions(std::vector<CalculatorEntry>& t);
void addInductors(std::vector<CalculatorEntry>& t);
void addCircuits(std::vector<CalculatorEntry>& t);
void addAntennas(std::vector<CalculatorEntry>& t);
void addLines(std::vector<CalculatorEntry>& t);
void addReference(std::vector<CalculatorEntry>& t);
void addPassives(std::vector<CalculatorEntry>& t);
void addSupplies(std::vector<CalculatorEntry>& t);
void addValves(std::vector<CalculatorEntry>& t);

}  // namespace vm
