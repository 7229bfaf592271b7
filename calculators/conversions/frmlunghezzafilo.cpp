// A copper wire known by its diameter and weight: its section, length,
// admissible current and resistance.
#include <string>

#include "framework/registry.h"

namespace vm {
namespace {

class WireLength final : public CalculatorOf<WireLength> {
 public:
  explicit WireLength(FormBuilder& b) : CalculatorOf(b) {
    b.caption("RELAZIONE TRA LUNGHEZZA SEZIONE PESO E RESISTENZA DI UN CONDUTTORE");
    diameter_ = b.input("txtd").label("lbld2", "DIAMETRO DEL CONDUTTORE  in mm. :");
    grams_ = b.input("txtgrammi").label("Label5", "PESO IN GRAMMI");
    results_ = b.frame("Frame1", "", [&] {
                  section_ = b.result("lblsezione");
                  length_ = b.result("lbllunghezza");
                  imax_ = b.result("lblimax", "imax");
                  rtot_ = b.result("lblrtot", "rtot");
                }).hidden();
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    b.label("Label1",
            "CONOSCENDO LO SPESSORE E IL PESO DI UN CONDUTTORE SI CALCOLA LA SEZIONE, LA LUNGHEZZA , LA CORRENTE "
            "AMMESSA E LA RESISTENZA");
    b.label("Label3",
            "IN PRATICA CONOSCENDO IL PESO E IL DIAMETRO DI UN FILO COSTITUENTE UNA BOBINA O UNA IMPEDENZA CON MOLTE "
            "SPIRE SI RISALE APPROSSIMATIVAMENTE ALLE CARATTERISTICHE DELLA STESSA");
    b.label("Label2", "separare i decimali con il punto del tastierino numerico");

    b.onTyping({diameter_, grams_}, Typing::Hide, {results_});
  }

 private:
  void compute() {
    d_ = number(diameter_);
    g_ = number(grams_);
    if (!productTest({g_, d_}, Product::NotPositive, diameter_)) return;
    const double s = 3.1415926 * (d_ / 2) * (d_ / 2);  // mm2
    perMetre_ = s * 8.89;                              // grams per metre of copper
    l_ = fixed(g_ / perMetre_, 2);
    const double imax = s * 2.5;  // at 2.5 A/mm2
    imax_text_ = imax >= 1 ? fixed(imax, 2) : fixed(imax, 4);
    // copper at 0.0176 ohm mm2/m, over the length as shown
    r_ = single(roundFixed(roundFixed(g_ / perMetre_, 2) * 0.0176 / s, 6));
    s_ = fixed(s, 3);
    setText(section_, "LA SEZIONE DEL FILO E'  " + s_ + " mmq");
    setText(length_, "LA LUNGHEZZA DEL CONDUTTORE E'  " + l_ + " metri");
    setText(imax_, "LA CORRENTE MASSIMA AMMESSA E'  " + imax_text_ + " Amp");
    setText(rtot_, " LA RESISTENZA TOTALE DEL CONDUTTORE E'  " + general(r_) + " OHM");
    show(results_);
  }

  Input diameter_, grams_;
  Frame results_;
  Label section_, length_, imax_, rtot_;
  double d_ = 0, g_ = 0, perMetre_ = 0;
  std::string s_, l_, imax_text_;  // as shown
  float r_ = 0;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmlunghezzafilo, WireLength)
