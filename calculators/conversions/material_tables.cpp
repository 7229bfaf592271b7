#include "material_tables.h"

namespace vm::materials {

const std::vector<std::string>& densities() {
  static const std::vector<std::string> t = {
      "ACCIAIO = 7.70",
      "ALCOOL = 0.80",
      "ALLUMINIO = 2.70",
      "ARGENTO = 10.50",
      "BENZINA = 0.74",
      "CROMO = 6.70",
      "FERRO = 7.86",
      "GLICERINA = 1.26",
      "MERCURIO = 13.60",
      "NICHEL = 8.80",
      "OLIO = 0.90",
      "ORO = 19.30",
      "OTTONE = 8.50",
      "PETROLIO = 0.80",
      "PIOMBO = 11.34",
      "PLATINO = 21.40",
      "RAME = 8.90",
      "STAGNO = 7.28",
      "ZINCO = 7.10"};
  return t;
}

const std::vector<std::string>& contactPotentials() {
  static const std::vector<std::string> t = {
      "MAGNESIO        + 1,20",
      "ALLUMINIO        + 0,95",
      "ZINCO                + 0,78",
      "PIOMBO             + 0,54",
      "STAGNO            + 0,48",
      "FERRO               + 0,13",
      "MERCURIO        + 0,07",
      "RAME                    0,00",
      "ARGENTO          - 0,05",
      "ORO                    - 0,16",
      "PLATINO             - 0,24"};
  return t;
}

const std::vector<std::string>& resistivities() {
  static const std::vector<std::string> t = {
      "ACCIAIO = da 10 a 16",
      "ALLUMINIO = 2.65",
      "ARGENTO = 1.59",
      "BRONZO = 1.79",
      "FERRO = 14",
      "MERCURIO = 94",
      "NICHEL = 11.8",
      "ORO = 2.08",
      "OTTONE = 8.26",
      "PIOMBO = 19.8",
      "PLATINO = 19.3",
      "RAME = 1.60",
      "STAGNO = 11.3",
      "ZINCO = 5.8"};
  return t;
}

const Metal kDcMetals[6] = {
    {"RAME", 0.01724},       {"ALLUMINIO", 0.02654},   {"ARGENTO", 0.016},
    {"COSTANTANA", 0.49},    {"FERRO-NICHEL", 0.85},   {"NICHEL-CROMO", 0.9},
};

}  // namespace vm::materials
