// Low-pass L-C filter section for radio frequencies: coils along the line,
// capacitors across it.
#include "lc_section.h"

namespace vm {
namespace {

constexpr circuit::LcSectionTexts kTexts{
    .caption = "FILTRI PASSA BASSO",
    .series = Symbol::Inductor,
    .shunt = Symbol::Capacitor,
    .piTitle = "filtro a PI- GRECO",
    .tTitle = "filtro a T",
    .frequency = "FREQUENZA DI TAGLIO IN MHz :",
    .impedance = "IMPEDENZA (di solito = 50 ohm)",
    .note = "L'attenuazione teorica è di 18 dB x ottava.Qualora l'attenuazione di una singola cella non "
            "fosse sufficiente, occorrerà collegare in serie due o più celle.",
    .close = "E S C I",
    .closePicture = false,
};

class PassaBasso final : public circuit::LcSectionWindow<PassaBasso> {
 public:
  explicit PassaBasso(FormBuilder& b) : LcSectionWindow(b, kTexts) {}

  circuit::LcSectionAnswer solve(bool pi, double f, double z) const {
    const double l = pi ? 0.318 * z / f : 0.159 * z / f;
    const double c = pi ? 159000 / (z * f) : 318000 / (z * f);
    // the capacitance is rounded to tenths and held in single precision
    const float shownC = single(roundPattern(c, "#,##0.#"));
    return {"INDUTTANZA in microHENRY di L : " + pattern(l, "#,##0.##"),
            "CAPACITA' in picoFARAD di C : " + general(shownC)};
  }
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmpassabasso, PassaBasso)
