// EH antenna, STAR version: cylinder capacitance, bandwidth and Q, the
// tuning coil that resonates it, its copper loss and the efficiency, and the
// phasing coil. Lengths are entered in millimetres and worked in inches.
#include <cmath>

#include "eh_drawings.h"
#include "framework/registry.h"

namespace vm {
namespace {

class EHStar final : public CalculatorOf<EHStar> {
 public:
  explicit EHStar(FormBuilder& b) : CalculatorOf(b) {
    b.caption(" ANTENNA    E H     versione STAR     PROGRAMMA DI CALCOLO TEORICO");
    freq_ = b.input("txtfrequenza").label("lbltxtfrequenza", "frequenza in MHz").tooltip("inserisci frequenza");
    diameter_ = b.input("txtdiametro")
                    .label("lbltxtdiametro", "diametro dei cilindri in mm")
                    .tooltip("determina la larghezza di banda");
    ratio_ = b.input("txtratio").label("lbltxtratio", "rapporto lunghezza diametro").tooltip("normalmente da 5 a 12");
    wire_ = b.input("txtsezfilo").label("lbltxtsezfilo", "diametro filo tuning in mm").tooltip(" 2 - 3  mm");
    pitch_ = b.input("txtspaziatura")
                 .label("lbltxtspaziatura", "passo delle spire tuning coil in mm.")
                 .tooltip("MISURATO DA CRESTA A CRESTA");
    coilDiameter_ = b.input("txtdiametrobobina")
                        .label("lbltxtdiametrobobina", "diametro della tuning c. in mm")
                        .tooltip("può differire dal diametro dei cilindri");
    b.text("IL PASSO DELLE SPIRE NON PUO' ESSERE INFERIORE  AL  DIAMETRO  DEL  FILO  E COINCIDE  QUANDO  SONO  SERRATE");
    calc_ = b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    print_ = b.button("cmdstampa", "S T A M P A").onClick([this] { printWindow({calc_, close_, print_}); });
    b.button("cmdawg", "Conversioni AWG").onClick([this] {
      openBeside("frmawg", {.selfLeft = 180, .selfTop = 180, .left = 4100, .top = 2800});
    });
    // the hint sits where the frames appear (the window's layout puts it just
    // before them) and gives way to them at the first computation
    hint_ = b.label("lblfantasma", "LE DIMENSIONI DEVONO ESSERE INSERITE IN MILLIMETRI - USARE IL PUNTO PER I DECIMALI");
    frame1_ = b.frame("Frame1", "PARAMETRI CILINDRI", [&] {
                 length_ = b.result("lbllunghezza");
                 distance_ = b.result("lbldistanza");
                 xc_ = b.result("lblxc");
                 c_ = b.result("lblc");
                 ctot_ = b.result("lblctot");
                 band_ = b.result("lbllarghbanda");
               }).hidden();
    frame2_ = b.frame("Frame2", "PARAMETRI TUNING COIL  -  SINTONIA ", [&] {
                 tuningUh_ = b.result("lbluHtuning");
                 tuningTurns_ = b.result("lblspiretuning");
                 coilLength_ = b.result("lbllungbobina");
                 wireLength_ = b.result("lbllungfilo");
                 loss_ = b.result("lblresperdita");
               }).hidden();
    frame3_ = b.frame("Frame3", "PARAMETRI PHASING COIL  -  DISACCOPPIAMENTO ", [&] {
                 phasing_ = b.result("lblphasingcoil");
               }).hidden();
    frame5_ = b.frame("Frame5", "PARAMETRI SOURCE COIL  -  ALIMENTAZIONE ", [&] {
                 source_ = b.label("Label5",
                                   "L'induttanza della bobina dipende in gran parte  dalle  capacità parassite della "
                                   "rete, partendo da ca. 5 spire poste a 1/2 diametro di distanza dalla t.coil "
                                   "individuare sperimentalmente l'esatto numero")
                               .hidden();
               }).hidden();
    frame4_ = b.frame("Frame4", "PARAMETRI GENERALI", [&] { efficiency_ = b.result("lblefficienza"); }).hidden();
    Art art = b.drawing("drwehstar", eh::cylinders());
    b.text("source coil").at(art, "coil_media");
    b.text("tuning coil").at(art, "coil_bassa");
    b.text("phasing coil").at(art, "coil_alta");
    b.text("coax").at(art, "coax");
    b.text("cilindro superiore").at(art, "cilindro_superiore");
    lower_ = b.result("lbll").at(art, "lunghezza_inferiore");
    upper_ = b.result("lbll2").at(art, "lunghezza_superiore");
    tubeLower_ = b.result("lbld", "bobina").at(art, "diametro_inferiore");
    tubeUpper_ = b.result("lbldd", "bobina").at(art, "diametro_superiore");
    check_ = b.label("Label11",
                     "A COSTRUZIONE AVVENUTA VERIFICARE CHE LA LUNGHEZZA DELLA TUNING COIL CORRISPONDA .     IN OGNI "
                     "CASO LE RISULTANZE SONO  DA CONSIDERARSI TEORICHE E SOGGETTE A VARIAZIONI IN SEDE DI TARATURA")
                 .hidden();
    close_ = b.closeButton("cmdesci", "").picture("exit");
  }

 private:
  void compute() {
    // the frames come up even when the data then turn out to be missing
    hide(hint_);
    show({frame1_, frame2_, frame3_, frame5_, frame4_});
    const double f = number(freq_);
    const double d = number(diameter_);
    const double din = d / 25.4;
    const double k = number(ratio_);
    const double w = number(wire_);
    const double win = w / 25.4;
    const double p = number(pitch_);
    const double pin = p / 25.4;
    const double dc = number(coilDiameter_);
    const double dcin = dc / 25.4;
    if (!(dc * p * w * k * din * f > 0)) {
      warn("MANCANO DATI", "  ATTENZIONE", freq_);
      return;
    }
    // the cylinders, with a radiation resistance of 120 ohm
    const double c = 2.06 * din + 0.546 * k * din;
    const double xc = 1 / (1e-6 * c * f * 6.28);
    const double band = (1e6 * f) * (1e6 * f) * 6.28 * 1e-12 * c * 120 / 1000;
    const double q = 1000 * f / band;
    const double r = band * xc / (1000 * f);
    const double lin = k * din;
    const double cm = 2.54 * lin;
    const double stray = lin * 0.614 / std::log10(din / win);
    const double ct = c + c / 2 + stray;
    // the tuning coil resonating the whole capacitance
    const double omega = 1e6 * f * 6.28;
    const double g = 1e6 / (1e-12 * ct * omega * omega);
    // Wheeler's formula solved for the turns, the coil being N pitches long
    const double n = (10 * g * pin + std::sqrt(4.5 * g * dcin * dcin * dcin + (10 * g * pin) * (10 * g * pin))) /
                     (dcin * dcin / 2);
    const std::string coilLength = fixed(p * n, 1);
    const double s = 3.14159 * dc * n / 1000;
    const double rl = 9.96e-5 * std::sqrt(1e6 * f) / win * s / 30.48;
    // the efficiency in dB is worked from the percentage as shown
    const double eta = roundFixed(100 * r / (rl + r), 2);
    const std::string etaText = fixed(100 * r / (rl + r), 2);
    const std::string db = fixed(10 * std::log10(eta / 100), 3);
    const double wireCm = 500.38 / f;
    const double phasingTurns = roundFixed(wireCm / (0.314 * d), 1);
    const std::string cylinder = fixed(cm, 1);
    const std::string texts[] = {
        "LA LUNGHEZZA DI OGNI CILINDRO E' " + cylinder + " cm.",
        "LA REATTANZA CAPACITIVA DEI CILINDRI E'  " + fixed(xc, 1) + " Ohms",
        "LA CAPACITA' TRA I CILINDRI E'  " + fixed(c, 1) + " pF",
        "LA CAPACITA' TOTALE E'  " + fixed(ct, 1) + " pF",
        "BANDWIDTH  +/- 3 dB " + fixed(band, 1) + " KHz" + " con un Q = " + fixed(q, 1),
        "L'INDUTTANZA DELLA TUNING COIL E'  " + fixed(g, 1) + " " + "\u00b5" + "H",
        "LA TUNING COIL E' FORMATA DA  " + fixed(n, 1) + " SPIRE",
        "LA TUNING COIL E' LUNGA " + coilLength + " mm",
        "OCCORRONO " + fixed(s) + " mt DI FILO",
        "LA RESISTENZA DI PERDITA E' " + fixed(rl, 2) + "  Ohms",
        "OCCORRONO " + fixed(wireCm, 1) + " cm DI FILO PER " + general(phasingTurns) + " SPIRE SERRATE",
        "IL RENDIMENTO E' CIRCA DEL " + etaText + "  % PARI A " + db + " dB",
        general(d / 10),
    };
    setText(lower_, cylinder);
    setText(upper_, cylinder);
    setText(tubeLower_, texts[12]);
    setText(tubeUpper_, texts[12] + " cm");
    setText(length_, texts[0]);
    setText(distance_, "LA DISTANZA TRA I CILINDRI E' UGUALE AL DIAMETRO");
    setText(xc_, texts[1]);
    setText(c_, texts[2]);
    setText(ctot_, texts[3]);
    setText(band_, texts[4]);
    setText(tuningUh_, texts[5]);
    setText(tuningTurns_, texts[6]);
    setText(coilLength_, texts[7]);
    setText(wireLength_, texts[8]);
    setText(loss_, texts[9]);
    setText(phasing_, texts[10]);
    setText(efficiency_, texts[11]);
    show({source_, check_});
  }

  Input freq_, diameter_, ratio_, wire_, pitch_, coilDiameter_;
  Button calc_, print_, close_;
  Label hint_, length_, distance_, xc_, c_, ctot_, band_, tuningUh_, tuningTurns_, coilLength_, wireLength_, loss_,
      phasing_, efficiency_, lower_, upper_, tubeLower_, tubeUpper_, source_, check_;
  Frame frame1_, frame2_, frame3_, frame5_, frame4_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmEHstar, EHStar)
