// The audio output transformer of a single-ended power valve chosen from a
// catalogue: core section, turns and wire diameters of both windings.
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/registry.h"
#include "valve_drawings.h"

namespace vm {
namespace {

struct Valve {
  const char* name;  // as listed, with its leading blank
  double ra;         // anode load impedance, ohm
  double pout;       // output power, watts
};

const Valve kValves[] = {
    {" AL 1", 7000, 3.1},   {" AL 4", 7000, 4.5},    {" ECL 80", 11000, 1},  {" ECL 82", 3800, 3.3},
    {" ECL 86", 5600, 4},   {" EL 3", 7000, 4.5},    {" EL 34", 2500, 12},   {" EL 41", 7000, 3.9},
    {" EL 42", 9000, 2.5},  {" EL 84", 5200, 5},     {" EL 85", 2400, 5},    {" EL 86", 2400, 5.6},
    {" EL 90", 5000, 4.5},  {" EL 95", 10000, 3},    {" UCL 82", 3800, 3},   {" UL 41", 3000, 4},
    {" UL 48", 2400, 5.6},  {" 1A5", 25000, 0.115},  {" 1Q5", 8000, 0.27},   {" 6F6", 7000, 4.5},
    {" 6K6", 7800, 3},      {" 6L6", 5000, 6.5},     {" 6V6", 5000, 4.5},    {" 6AQ5", 5500, 6.5},
};

class TrasfUscita final : public CalculatorOf<TrasfUscita> {
 public:
  explicit TrasfUscita(FormBuilder& b) : CalculatorOf(b) {
    b.caption("VALVOLE FINALI  -  CALCOLO TRASFORMATORE D'USCITA ");
    // wide enough for a result line beside the drawing; the window grows
    // downward as its lines need
    b.size(13500, 4000);
    b.frame("Frame1", "IMPEDENZA ALTOPARLANTE", [&] {
      b.options("Option1", {"IMPEDENZA 8 Ohm", "IMPEDENZA 4 Ohm"}).opensOn(0).onClick([this](int i) {
        chooseSpeaker(i);
      });
    });
    b.label("Label1", "SELEZIONARE UNA VALVOLA");
    valves_ = b.list("cmbvalvole").text("VALVOLE").onChoose([this](int) { chooseValve(); });
    valve_ = b.result("lblvalvola");
    compute_ = b.computeButton("cmdcalcola", "CALCOLA").hidden().onClick([this] { compute(); });
    results_ = b.frame("Frame2", "", [&] {
      core_ = b.result("lblnucleo");
      primary_ = b.result("lblspireprim");
      secondary_ = b.result("lblspiresec");
    }).hidden();
    Art drw = b.drawing("drwtrasformatore", valves::outputTransformer());
    pri_ = b.result("lblpri").at(drw, "pri");
    sec_ = b.result("lblsec").at(drw, "sec");
    b.button("cmdchiamatabella", "TABELLA DIMENSIONE LAMIERINI").onClick([this] {
      openBeside("frmuniel", {.selfLeft = 180, .selfTop = 300, .left = 6100, .top = 6000});
    });
    b.closeButton("cmdesci", "E S C I");
    b.onLoad([this] {
      std::vector<std::string> names;
      for (const auto& v : kValves) names.emplace_back(v.name);
      form().setEntries(valves_.id, std::move(names));
    });
  }

 private:
  void clearResults() {
    hide(results_);
    blank({pri_, sec_});
  }

  void chooseValve() {
    clearResults();
    show(compute_);
    const std::string& name = text(valves_);
    bool found = false;
    for (const auto& v : kValves) {
      if (name == v.name) {
        ra_ = v.ra;
        pout_ = v.pout;
        found = true;
      }
    }
    if (!found) focus(valves_);
    setText(valve_, name);
  }

  void chooseSpeaker(int i) {
    clearResults();
    zs_ = i == 0 ? 8 : 4;
  }

  void compute() {
    a_ = 2 * std::sqrt(pout_) + 0.5;
    vp_ = std::sqrt(ra_ * pout_);
    // the primary turns come from the section before it is rounded
    np_ = 10000 * vp_ / (4.44 * a_ * 25);
    n_ = std::sqrt(ra_ / zs_);
    ns_ = np_ / n_;
    ip_ = std::sqrt(pout_ / ra_);
    is_ = std::sqrt(pout_ / zs_);
    dp_ = 0.75 * std::sqrt(ip_);
    ds_ = 0.7 * std::sqrt(is_);
    const std::int16_t section = toInt16(a_);
    const std::string turnsP = general(Int(finite(np_))), turnsS = general(Int(finite(ns_)));
    const std::string core = "IL NUCLEO MISURA " + general(static_cast<double>(section)) + " cm. QUADRATI";
    const std::string primary = "IL PRIMARIO E' FORMATO DA " + turnsP + " SPIRE CON DIAMETRO " + fixed(dp_, 2) + " mm";
    const std::string secondary =
        "IL SECONDARIO E' FORMATO DA " + turnsS + " SPIRE CON DIAMETRO " + general(roundFixed(ds_, 2)) + " mm";
    setText(core_, core);
    setText(primary_, primary);
    setText(secondary_, secondary);
    setText(pri_, turnsP + " SPIRE");
    setText(sec_, turnsS + " SPIRE");
    show(results_);
  }

  List valves_;
  Label valve_, core_, primary_, secondary_, pri_, sec_;
  Button compute_;
  Frame results_;
  // the chosen valve, the loudspeaker and the values of the last computation
  double ra_ = 0, pout_ = 0;
  std::int16_t zs_ = 8;
  double a_ = 0, vp_ = 0, np_ = 0, n_ = 0, ns_ = 0, ip_ = 0, is_ = 0, dp_ = 0, ds_ = 0;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmtrasfuscita, TrasfUscita)
