// A small transmitting loop of one turn of copper tube tuned by a capacitor:
// radiation and loss resistance, efficiency, inductance, tuning and coupling
// capacitors, Q, bandwidth and the voltage across the tuning capacitor.
#include <cmath>
#include <tuple>

#include "framework/registry.h"

namespace vm {
namespace {

const char* const kShapes[] = {"CIRCOLARE", "OTTAGONALE", "QUADRATA"};

class Loop final : public CalculatorOf<Loop> {
 public:
  explicit Loop(FormBuilder& b) : CalculatorOf(b) {
    b.caption("ANTENNE MAGNETICHE A LOOP DI PICCOLA DIMENSIONE");
    b.text("  ANTENNE MAGNETICHE A LOOP   parametri   principali ");
    shapeFrame_ = b.frame("fraforma", "Forma del loop", [&] {
      shape_ = b.options("Option1", {"Circolare", "Ottagonale", "Quadrata"}).opensOn(0);
    }).tooltip("scegli la forma");
    // the shape line takes the frame's place after the first compute, the
    // area right after it; every other result shares its row with its caption
    shapeLine_ = b.result("lblfantasma").hidden();
    area_ = b.result("lblarea");
    b.frame("fraInserimento", "Inserimento dati", [&] {
      auto size = b.input("txtdiametro").label("lbldiametro", "diametro o lato in cm.");
      size.labelTooltip("diametro del cerchio o lato del poligono");
      std::tie(size_, lblSize_) = size.handles();
      tube_ = b.input("txtsezione").tooltip("sezione del tubo del loop").label("lblsezione", "sezione in mm");
      freq_ = b.input("txtmhz").tooltip("frequenza di lavoro prevista").label("lblmhz", "MHz");
      power_ = b.input("txtwatt").tooltip("massima potenza prevista").label("lblwatt", "potenza in Watt");
    });
    const Label caplength = b.text("Lunghezza del loop in cm.");
    length_ = b.result("lbllunghezza").captionedBy(caplength);
    feetCaption_ = b.label("lblpiedi", "lung. in piedi : ").hidden();
    feet_ = b.result("Label3").captionedBy(feetCaption_);
    const Label caprr = b.text("Resistenza di radiazione in Ohm");
    rr_ = b.result("lblRR").captionedBy(caprr);
    inchCaption_ = b.label("lblpollici", "Sez.in pollici :").hidden();
    inches_ = b.result("Label5").captionedBy(inchCaption_);
    const Label caprl = b.text("Perdita del conduttore ( rame ) in Ohm");
    rl_ = b.result("lblRL").captionedBy(caprl);
    const Label capinductance = b.text("Induttanza del loop in microHenry");
    inductance_ = b.result("lblL").captionedBy(capinductance);
    const Label capxl = b.text("Reattanza induttiva in ohm");
    xl_ = b.result("lblXL").captionedBy(capxl);
    const Label capct = b.text("Condensatore di sintonia in pF").tooltip("decurtare la capacità distrubuita");
    ct_ = b.result("lblCT").captionedBy(capct);
    const Label capcd = b.text("Capacità distribuita del Loop in pF").tooltip("da decurtare dal valore precedente");
    cd_ = b.result("lblCD").tooltip("decurtare dal valore precedente").captionedBy(capcd);
    const Label capcc = b.text("Condensatore d'accoppiamento pF").tooltip("clicca su info condensatore");
    cc_ = b.result("lblCC").captionedBy(capcc);
    const Label capq = b.text("fattore di merito Q");
    q_ = b.result("lblQ").captionedBy(capq);
    const Label capdf = b.text("Banda passante in Khz");
    df_ = b.result("lblDF").captionedBy(capdf);
    const Label capvc = b.text("d.d.p.  al condensatore in Volt.");
    vc_ = b.result("lblVC").captionedBy(capvc);
    const Label capeff = b.text("Percentuale di efficienza");
    eff_ = b.result("lblE").captionedBy(capeff);
    const Label capdb = b.text("Efficienza in dB");
    db_ = b.result("lblDB").captionedBy(capdb);
    date_ = b.result("lbldata").hidden();
    compute_ = b.computeButton("cmdcalcola", "&CALCOLA").onClick([this] { compute(); });
    print_ = b.button("cmdstampa", "Stampa").tooltip("stampa dei dati ottenuti").onClick([this] { print(); });
    capacitor_ = b.button("cmdcondensatore", "Info condens. accoppiamento")
                     .tooltip("accoppiamento capacitivo")
                     .onClick([this] { openCompanion("frmhelpcondensatore", Companion::Modal); });
    info_ = b.button("cmdinfo", "I N F O").onClick([this] { openCompanion("frminfoloop", Companion::Modal); });
    exit_ = b.closeButton("cmdExit", "").picture("exit");
  }

 private:
  void compute() {
    hide(shapeFrame_);
    show(shapeLine_);
    int shape = -1;
    for (int i = 0; i < 3 && shape < 0; ++i)
      if (isSelected(shape_, i)) shape = i;
    const std::string shapeName = shape < 0 ? "" : kShapes[shape];
    setText(shapeLine_, "ANTENNA LOOP DI FORMA " + shapeName + " di area mq.: ");
    show({feetCaption_, inchCaption_});

    d_ = number(size_);
    tube_in_ = number(tube_);
    f_ = number(freq_);
    p_ = number(power_);
    if (!productTest({p_, f_, tube_in_, d_}, Product::Zero, size_)) return;

    double s = 0;
    if (shape == 0) {
      setText(lblSize_, "diametro in cm.");
      s = toInt16(3.14 * d_);
      a_ = 3.1415 * std::pow(d_ / 200, 2);
    } else if (shape == 1) {
      setText(lblSize_, "lato in cm.");
      s = 8 * d_;
      // the area enclosed by a regular octagon of side d
      a_ = 2 * (1 + std::sqrt(2.0)) * std::pow(d_ / 100, 2);
    } else if (shape == 2) {
      setText(lblSize_, "lato in cm.");
      s = 4 * d_;
      a_ = std::pow(d_ / 100, 2);
    }
    setText(area_, fixed(a_, 3));
    setText(length_, general(s));
    const double sFt = 0.0328083 * s;
    setText(feet_, general(sFt));
    // the tube is reckoned in inches from here on
    tube_in_ = 0.03937 * tube_in_;
    setText(inches_, general(tube_in_));

    lambda_ = single(300 / f_);
    rr_v_ = 31200 * a_ * a_ / std::pow(static_cast<double>(lambda_), 4);
    rl_v_ = 9.96e-4 * std::sqrt(f_) * sFt / tube_in_;
    eff_v_ = 100 * rr_v_ / (rl_v_ + rr_v_);
    l_v_ = 1.9e-2 * sFt * (7.353 * (std::log(96 * sFt / (3.1415 * tube_in_)) / std::log(10.0)) - 6.386);
    xl_v_ = 6.28 * f_ * l_v_;
    ct_v_ = 1e6 / (6.28 * f_ * xl_v_);
    cc_v_ = 1e6 * std::sqrt(rl_v_ + rr_v_) / (6.28 * f_ * xl_v_);
    q_v_ = xl_v_ / (rl_v_ + rr_v_) / 2;
    bw_v_ = 1000 * f_ * 2 * (rl_v_ + rr_v_) / xl_v_;
    vc_v_ = std::sqrt(q_v_ * xl_v_ * p_);
    const double effDb = 10 * std::log(eff_v_ / 100) / std::log(10.0);
    const double cd = 0.82 * sFt;

    setText(rr_, pattern(rr_v_, "#0.###"));
    setText(rl_, pattern(rl_v_, "#0.###"));
    setText(eff_, pattern(eff_v_, "#,##0.##") + "  %");
    setText(inductance_, pattern(l_v_, "##0.###"));
    setText(xl_, pattern(xl_v_, "#,##0.##"));
    setText(ct_, pattern(ct_v_, "#,##0.##"));
    setText(cc_, pattern(cc_v_, "#,##0.##"));
    setText(q_, pattern(q_v_, "##,##0.##"));
    setText(df_, pattern(bw_v_, "##,##0.###"));
    setText(vc_, pattern(vc_v_, "##,##0.##"));
    setText(db_, pattern(effDb, "#,##0.##") + "  dB");
    setText(cd_, pattern(cd, "#,##0.##"));
  }

  void print() {
    setText(date_, "STAMPA DEL " + formatDate(today(), regional()));
    show(date_);
    printWindow({compute_, info_, exit_, print_, capacitor_});
    hide(date_);
  }

  Options shape_;
  Frame shapeFrame_;
  Input size_, tube_, freq_, power_;
  Label lblSize_, shapeLine_, area_, length_, feetCaption_, feet_, rr_, inchCaption_, inches_, rl_, inductance_,
      xl_, ct_, cd_, cc_, q_, df_, vc_, eff_, db_, date_;
  Button compute_, print_, capacitor_, info_, exit_;
  // the inputs as last read (the tube in inches once computed) and the results
  double d_ = 0, tube_in_ = 0, f_ = 0, p_ = 0, a_ = 0;
  float lambda_ = 0;
  double rr_v_ = 0, rl_v_ = 0, eff_v_ = 0, l_v_ = 0, xl_v_ = 0, ct_v_ = 0, cc_v_ = 0, q_v_ = 0, bw_v_ = 0,
         vc_v_ = 0;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmloop, Loop)
