// High-pass L-C filter section for radio frequencies: capacitors along the
// line, coils across it.
#include "lc_section.h"

namespace vm {
namespace {

constexpr circuit::LcSectionTexts kTexts{
    .caption = "FILTRI PASSA ALTO",
    .series = Symbol::Capacitor,
    .shunt = Symbol::Inductor,
    .piTitle = "FILTRO a P-GRECO",
    .tTitle = "FILTRO a T",
    .frequency = "FREQUENZA DI TAGLIO IN MHz",
    .impedance = "IMPEDENZA (di solito = 50 Ohm)",
    .note = "L'attenuazione teorica è di 18 db x ottava. Qualora l'attenuazione di una singola cella non "
            "fosse sufficiente, occorrerà collegare in serie due o più celle.",
    .close = "exit",
    .closePicture = true,
};

class PassaAlto final : public circuit::LcSectionWindow<PassaAlto> {
 public:
  explicit PassaAlto(FormBuilder& b) : LcSectionWindow(b, kTexts) {}

  circuit::LcSectionAnswer solve(bool pi, double f, double z) const {
    const double l = pi ? 0.159 * z / f : 0.0796 * z / f;
    const double c = pi ? 79600 / (z * f) : 159000 / (z * f);
    // the capacitance is rounded to tenths and held in single precision
    const float shownC = single(roundFixed(c, 1));
    return {"INDUTTANZA in microHENRY di L : " + fixed(l), "CAPACITA' in picoFARAD di C : " + general(shownC)};
  }
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmpassaalto, PassaAlto)
