#include "dielectrics.h"

#include <array>

namespace vm::dielectrics {

namespace {

struct Dielectric {
  const char* caption;
  double er;
};

constexpr std::array<Dielectric, 10> kTable = {{
    {"ARIA", 1},
    {"MICA", 5.4},
    {"CELLULOIDE", 3},
    {"CERAMICA", 5.6},
    {"VETRONITE", 4.6},
    {"BACHELITE", 4.9},
    {"FORMICA", 6},
    {"VETRO", 7},
    {"PIREX", 4.8},
    {"PLEXIGLAS", 2.8},
}};

}  // namespace

std::vector<std::string> captions() {
  std::vector<std::string> out;
  for (const auto& d : kTable) out.emplace_back(d.caption);
  return out;
}

double permittivity(int i) { return kTable.at(static_cast<std::size_t>(i)).er; }

void sparkOverTable(FormBuilder& b) {
  b.frame("Frame2", "Tensione di scarica teorica in aria (secca)", [&] {
    b.label("Label4", "Tensione di scarica");
    b.label("Label6", "1800 V  3000 V  3500 V  4000 V  5000 V");
    b.label("Label5", "Spaziatura in mm");
    b.label("Label7", "1,3    1,8      2     2,5    3,5  ");
  });
}

}  // namespace vm::dielectrics
