#include "toroid_cores.h"

#include <stdexcept>

namespace vm {
namespace {

// clang-format off
const std::array<ToroidCore, 170> kCores = {{
    {"T-12/ 0", 3},
    {"T-12/ 1", 48},
    {"T-12/ 2", 20},
    {"T-12/ 3", 60},
    {"T-12/ 6", 17},
    {"T-12/ 7", 18},
    {"T-12/10", 12},
    {"T-12/12", 7.5},
    {"T-12/15", 50},
    {"T-12/17", 7.5},
    {"T-16/ 0", 3},
    {"T-16/ 1", 44},
    {"T-16/ 2", 22},
    {"T-16/ 3", 61},
    {"T-16/ 6", 19},
    {"T-16/10", 13},
    {"T-16/12", 8},
    {"T-16/15", 55},
    {"T-16/17", 8},
    {"T-16/26", 145},
    {"T-20/ 0", 3.5},
    {"T-20/ 1", 52},
    {"T-20/ 2", 27},
    {"T-20/ 3", 76},
    {"T-20/ 6", 22},
    {"T-20/ 7", 24},
    {"T-20/10", 16},
    {"T-20/12", 10},
    {"T-20/15", 65},
    {"T-20/17", 10},
    {"T-20/26", 180},
    {"T-25/ 0", 4.5},
    {"T-25/ 1", 70},
    {"T-25/ 2", 34},
    {"T-25/ 3", 100},
    {"T-25/ 6", 27},
    {"T-25/ 7", 29},
    {"T-25/10", 19},
    {"T-25/12", 12},
    {"T-25/15", 85},
    {"T-25/17", 12},
    {"T-25/26", 235},
    {"T-30/ 0", 6},
    {"T-30/ 1", 85},
    {"T-30/ 2", 43},
    {"T-30/ 3", 140},
    {"T-30/ 6", 36},
    {"T-30/ 7", 37},
    {"T-30/10", 25},
    {"T-30/12", 16},
    {"T-30/15", 93},
    {"T-30/17", 16},
    {"T-30/26", 325},
    {"T-37/ 0", 4.9},
    {"T-37/ 1", 80},
    {"T-37/ 2", 40},
    {"T-37/ 3", 120},
    {"T-37/ 6", 30},
    {"T-37/ 7", 32},
    {"T-37/10", 25},
    {"T-37/12", 15},
    {"T-37/15", 90},
    {"T-37/17", 15},
    {"T-37/26", 275},
    {"T-44/ 0", 6.5},
    {"T-44/ 1", 105},
    {"T-44/ 2", 52},
    {"T-44/ 3", 180},
    {"T-44/ 6", 42},
    {"T-44/ 7", 46},
    {"T-44/10", 33},
    {"T-44/12", 18.5},
    {"T-44/15", 160},
    {"T-44/17", 18.5},
    {"T-44/26", 360},
    {"T-50/ 0", 6.4},
    {"T-50/ 1", 100},
    {"T-50/ 2", 49},
    {"T-50/ 3", 175},
    {"T-50/ 6", 40},
    {"T-50/ 7", 43},
    {"T-50/10", 31},
    {"T-50/12", 18},
    {"T-50/15", 135},
    {"T-50/17", 18},
    {"T-50/26", 320},
    {"T-68/ 0", 7.5},
    {"T-68/ 1", 115},
    {"T-68/ 2", 57},
    {"T-68/ 3", 195},
    {"T-68/ 6", 47},
    {"T-68/ 7", 52},
    {"T-68/10", 32},
    {"T-68/12", 21},
    {"T-68/15", 180},
    {"T-68/17", 21},
    {"T-68/26", 420},
    {"T-80/ 0", 8.5},
    {"T-80/ 1", 115},
    {"T-80/ 2", 55},
    {"T-80/ 3", 180},
    {"T-80/ 6", 45},
    {"T-80/ 7", 50},
    {"T-80/10", 32},
    {"T-80/12", 22},
    {"T-80/15", 170},
    {"T-80/17", 22},
    {"T-80/26", 450},
    {"T-94/ 0", 10.6},
    {"T-94/ 1", 160},
    {"T-94/ 2", 84},
    {"T-94/ 3", 248},
    {"T-94/ 6", 70},
    {"T-94/10", 58},
    {"T-94/12", 32},
    {"T-94/15", 200},
    {"T-94/26", 590},
    {"T-106/ 0", 19},
    {"T-106/ 1", 325},
    {"T-106/ 2", 135},
    {"T-106/ 3", 450},
    {"T-106/ 6", 116},
    {"T-106/ 7", 133},
    {"T-106/15", 345},
    {"T-106/26", 900},
    {"T-130/ 0", 15},
    {"T-130/ 1", 200},
    {"T-130/ 2", 110},
    {"T-130/ 3", 350},
    {"T-130/ 6", 96},
    {"T-130/ 7", 103},
    {"T-130/15", 250},
    {"T-130/26", 785},
    {"T-157/ 1", 320},
    {"T-157/ 2", 140},
    {"T-157/ 3", 420},
    {"T-157/ 6", 115},
    {"T-157/15", 360},
    {"T-157/26", 970},
    {"T-184/ 1", 500},
    {"T-184/ 2", 240},
    {"T-184/ 3", 720},
    {"T-184/ 6", 195},
    {"T-184/26", 1640},
    {"T-200/ 1", 250},
    {"T-200/ 2", 120},
    {"T-200/ 3", 425},
    {"T-200/ 6", 100},
    {"T-200/ 7", 105},
    {"T-200/26", 895},
    {"T-200A/ 2", 218},
    {"T-200A/ 3", 460},
    {"T-200A/ 6", 180},
    {"T-200A/26", 1550},
    {"T-225/ 2", 120},
    {"T-225/ 3", 425},
    {"T-225/ 6", 100},
    {"T-225/26", 950},
    {"T-225A/ 2", 215},
    {"T-225A/26", 1600},
    {"T-300/ 2", 114},
    {"T-300/26", 800},
    {"T-300A/ 2", 228},
    {"T-300A/26", 1600},
    {"T-400/ 2", 185},
    {"T-400/26", 1300},
    {"T-400A/ 2", 360},
    {"T-400A/26", 2600},
    {"T-520/ 2", 207},
    {"T-520/26", 1460},
}};
const std::array<MixColours, 11> kMixes = {{
    {0, "              MARRONE          GRIGIO             100 / 300"},
    {1, "                BLU                   GRIGIO              0.5 / 5"},
    {2, "               ROSSO              GRIGIO               2 / 30"},
    {3, "               GRIGIO             GRIGIO             0.05 / 0.5"},
    {6, "               GIALLO             GRIGIO              10 / 50"},
    {7, "               BIANCO              GRIGIO              3 / 35"},
    {10, "                NERO               GRIGIO              30 / 100"},
    {12, "                VERDE            BIANCO             50 / 200"},
    {15, "                ROSSO            BIANCO              0.1 / 2"},
    {17, "                BLU                GIALLO             20 / 200"},
    {26, "               GIALLO             BIANCO             50 HERTZ"},
}};
const std::array<CoreSize, 24> kSizes = {{
    {"T-12", 0, 9, "DIAMETRO ESTERNO 3,18 mm - ALTEZZA 1,27 mm"},
    {"T-16", 10, 19, "DIAMETRO ESTERNO 4,06 mm - ALTEZZA 1,52 mm"},
    {"T-20", 20, 30, "DIAMETRO ESTERNO 5,08 mm - ALTEZZA 1,78 mm"},
    {"T-25", 31, 41, "DIAMETRO ESTERNO 6,35 mm - ALTEZZA 2,44 mm"},
    {"T-30", 42, 52, "DIAMETRO ESTERNO 7,80 mm - ALTEZZA 3,25 mm"},
    {"T-37", 53, 63, "DIAMETRO ESTERNO 9,53 mm - ALTEZZA 3,25 mm"},
    {"T-44", 64, 74, "DIAMETRO ESTERNO 11,18 mm - ALTEZZA 4,04 mm"},
    {"T-50", 75, 85, "DIAMETRO ESTERNO 12,70 mm - ALTEZZA 4,83 mm"},
    {"T-68", 86, 96, "DIAMETRO ESTERNO 17,53 mm - ALTEZZA 4,83 mm"},
    {"T-80", 97, 107, "DIAMETRO ESTERNO 20,20 mm - ALTEZZA 6,35 mm"},
    {"T-94", 108, 116, "DIAMETRO ESTERNO 23,93 mm - ALTEZZA 7,92 mm"},
    {"T-106", 117, 124, "DIAMETRO ESTERNO 26,92 mm - ALTEZZA 11,1 mm"},
    {"T-130", 125, 132, "DIAMETRO ESTERNO 33,02 mm - ALTEZZA 11,1 mm"},
    {"T-157", 133, 138, "DIAMETRO ESTERNO 39,88 mm - ALTEZZA 14,48 mm"},
    {"T-184", 139, 143, "DIAMETRO ESTERNO 46,74 mm - ALTEZZA 18,03 mm"},
    {"T-200", 144, 149, "DIAMETRO ESTERNO 50,8 mm - ALTEZZA 13,97 mm"},
    {"T-200A", 150, 153, "DIAMETRO ESTERNO 50,8 mm - ALTEZZA 25,40 mm"},
    {"T-225", 154, 157, "DIAMETRO ESTERNO 57,15 mm - ALTEZZA 13,97 mm"},
    {"T-225A", 158, 159, "DIAMETRO ESTERNO 57,15 mm - ALTEZZA 25,40 mm"},
    {"T-300", 160, 161, "DIAMETRO ESTERNO 76,20 mm - ALTEZZA 12,7 mm"},
    {"T-300A", 162, 163, "DIAMETRO ESTERNO 76,20 mm - ALTEZZA 25,4 mm"},
    {"T-400", 164, 165, "DIAMETRO ESTERNO 101,6 mm - ALTEZZA 16,51 mm"},
    {"T-400A", 166, 167, "DIAMETRO ESTERNO 101,6 mm - ALTEZZA 25,4 mm"},
    {"T-520", 168, 169, "DIAMETRO ESTERNO 132,08 mm - ALTEZZA 20,32 mm"},
}};
// clang-format on

}  // namespace

const ToroidCoreCatalogue toroidCoreCatalogue{kCores, kMixes, kSizes,
                                              " MISCELA     1° COLORE       2° COLORE       FREQ. MHz"};

std::vector<std::string> ToroidCoreCatalogue::names() const {
  std::vector<std::string> out;
  out.reserve(cores.size());
  for (const auto& c : cores) out.emplace_back(c.name);
  return out;
}

std::string_view ToroidCoreCatalogue::mixField(int position) const {
  std::string_view n = core(position).name;
  return n.substr(n.size() - 2);
}

int ToroidCoreCatalogue::mix(int position) const {
  int m = 0;
  for (char c : mixField(position))
    if (c >= '0' && c <= '9') m = m * 10 + (c - '0');
  return m;
}

std::string ToroidCoreCatalogue::colourLine(int position) const {
  const int m = mix(position);
  for (const auto& x : mixes)
    if (x.mix == m) return std::string(mixField(position)) + std::string(x.text);
  throw std::logic_error("toroid core of an unknown mix");
}

std::string_view ToroidCoreCatalogue::sizeText(int position) const {
  for (const auto& s : sizes)
    if (position >= s.first && position <= s.last) return s.text;
  throw std::out_of_range("toroid core position");
}

}  // namespace vm
