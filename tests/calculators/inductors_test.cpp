// The single-layer air-coil windows, driven headless as a user would drive
// them. Expected texts were worked out by hand from the coil formulas, in the
// Italian number format.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/rows.h"

namespace vm::test {
namespace {

using std::string;
using Steps = std::vector<string>;
using Where = std::source_location;

const char* const kMissing = "MANCANO DATI|MESSAGGIO DI ERRORE";
const char* const kInvalid = "DATI NON VALIDI|MESSAGGIO DI ERRORE";
const char* const kHint = "SEPARARE GLI EVENTUALI DECIMALI CON IL PUNTO";
const char* const kTurns = "8,5 spire in aria, filo con diametro massimo di mm. 2,35";

Steps option(int i) { return i == 0 ? Steps{} : Steps{"click:Option1:" + std::to_string(i)}; }

// The static texts of a window, in order, and no more.
Row statics(Row r, const std::vector<string>& texts) {
  for (std::size_t i = 0; i < texts.size(); ++i) r.text("lbltesto" + std::to_string(i + 1), texts[i]);
  return r.absent({"lbltesto" + std::to_string(texts.size() + 1)});
}

// ------------------------------------------------------------------ frmbobine

Steps coil(int opt, const string& input, const string& diameter, const string& length) {
  return option(opt) + Steps{"txtinput=" + input, "txtdiametro=" + diameter, "txtlunghezza=" + length};
}
const Steps kCoil = coil(0, "1", "20", "20") + Steps{"click:cmdcalcola"};

Row bobine(int opt, const char* input, const char* diameter, const char* length, const char* output, const char* wire,
           const char* l, const char* d, Where w = Where::current()) {
  return Row("frmbobine", coil(opt, input, diameter, length) + Steps{"click:cmdcalcola"}, w)
      .text("lbloutput", output).text("lbllunghezzafilo", wire).text("lbll", l).text("lbld", d)
      .shown({"lbloutput", "lbllunghezzafilo"});
}

Row bobineMissing(int opt, const char* input, const char* diameter, const char* length, Where w = Where::current()) {
  return Row("frmbobine", coil(opt, input, diameter, length) + Steps{"click:cmdcalcola"}, w).message(kMissing)
      .focus("txtinput").hidden({"lbloutput"}).text("lbloutput", "").text("lbll", "L");
}

// Typing hides the results (hidden, not emptied) and resets the drawing.
Row bobineTyping(const char* input, Where w = Where::current()) {
  return Row("frmbobine", kCoil + keys(input, "3"), w).why(input).hidden({"lbloutput", "lbllunghezzafilo"})
      .text("lbll", "L").text("lbld", " D ").text("lbloutput", kTurns);
}

// Two negative sizes pass the product but make no coil: refused as missing data,
// even where the formula would give a finite (and meaningless) answer.
Row twoNegative(int opt, const char* input, const char* diameter, const char* length, Where w = Where::current()) {
  return Row("frmbobine", Steps{"click:Option1:" + std::to_string(opt)} + coil(0, input, diameter, length) +
                              Steps{"click:cmdcalcola"}, w)
      .message(kMissing).focus("txtinput").hidden({"lbloutput"});
}

// A refused computation leaves the results as they were, and the window still works.
Row refused(int opt, const char* input, const char* diameter, const char* length, Where w = Where::current()) {
  const Steps steps = option(opt) + Steps{"txtinput=1", "txtdiametro=20", "txtlunghezza=20", "click:cmdcalcola"} +
                      coil(0, input, diameter, length) + Steps{"click:cmdcalcola"};
  return Row("frmbobine", steps, w).message(kInvalid).focus("cmdcalcola").unchanged().hidden({"lbloutput"})
      .text("lbll", "L").text("lbld", " D ");
}
Row refusedThenUsable(int opt, const char* input, const char* diameter, const char* length,
                      Where w = Where::current()) {
  const Steps steps = option(opt) + Steps{"txtinput=1", "txtdiametro=20", "txtlunghezza=20", "click:cmdcalcola"} +
                      coil(0, input, diameter, length) + Steps{"click:cmdcalcola"} +
                      coil(0, opt == 0 ? "1" : "8.5", "20", "20") + Steps{"click:cmdcalcola"};
  return Row("frmbobine", steps, w).message(kInvalid).shown({"lbloutput"});
}

const Row kBobine[] = {
    statics(Row("frmbobine", {}).why("opens with the turns selected")
                .title("CALCOLO BOBINE  HF  MONOSTRATO IN ARIA      FORMULA DI WHEELER - BENZ").focus("Option1(0)")
                .selected("Option1", 0).caption("Option1", 0, "Trovare il numero delle spire")
                .caption("Option1", 1, "Trovare il valore dell'Induttanza")
                .text("lblinput", "induttanza in \u00b5H :")
                .text("lbldiametro", "diametro interno bobina in millimetri")
                .text("lbllunghezza", "lunghezza bobina  in millimetri").text("cmdcalcola", "CALCOLA")
                .text("cmdesci", "E X I T").text("lbloutput", "").text("lbllunghezzafilo", "").text("lbll", "L")
                .text("lbld", " D ").text("cmdaprevhf", "per bobine VHF clicca qui   \"Costr.Bobine VHF \"")
                .text("cmdchiamaawg", "CONVERSIONI AWG").text("txtinput", "").text("txtdiametro", "")
                .text("txtlunghezza", "").hidden({"lbloutput", "lbllunghezzafilo"})
                .tooltip("txtdiametro", "diametro del supporto").tooltip("lbldiametro", "calcolato al centro spira")
                .tooltip("txtlunghezza", "digitare un dato compatibile con la sezione del filo")
                .on("drwbobina", {"lbll", "lbld"}).effects({}),
            {"Le bobine si intendono monostrato senza schermo e senza nucleo. I valori ottenuti sono teorici e si "
             "discosteranno sempre di più da quelli reali con l'aumentare della frequenza, in particolare oltre i "
             "30/40 MHz.",
             "La formula adottata è quella di Wheeler- Benz proposta dal \"The Radio Amateur's Hand Book ARRL\" , è "
             "indipendente dal diametro del filo e per bobine in aria non molto lunghe (L>=0.4d) l'errore è minimo",
             "La lungh. della bobina è fissata a priori per cui il diametro del filo dovrà essere compatibile con il "
             "numero delle spire ottenuto.  E' preferibile partire dalla lunghezza della bobina (Handbook) e non dalla "
             "sez. del filo perchè così è anche più comodo realizzare bobine spaziate",
             kHint,
             "ALCUNI AUTORI AFFERMANO CHE IL RAPPORTO OTTIMALE DI \"Q\" SI OTTIENE CON D = 2 L,  ALTRI CON D = L"}),
    // N = sqrt(1.45 * 1000 / 20) = 8.51 -> 8.5; 20 / 8.5 = 2.35; 8.5 * 3.14 * 2 = 53.38
    bobine(0, "1", "20", "20", kTurns, "lunghezza del conduttore : 53 cm.", "20 mm", "20 mm "),
    // 20 * 8.5^2 / 1450 = 0.9966
    bobine(1, "8.5", "20", "20", "\u00b5Henry :   1,00", "lunghezza del conduttore 53 cm. con diametro max mm. 2,35",
           "20 mm", "20 mm "),
    bobine(0, "4.7", "25", "40", "19,6 spire in aria, filo con diametro massimo di mm. 2,04",
           "lunghezza del conduttore : 153 cm.", "40 mm", "25 mm "),
    bobine(0, "0.33", "12.5", "30", "8,7 spire in aria, filo con diametro massimo di mm. 3,45",
           "lunghezza del conduttore : 34 cm.", "30 mm", "12,5 mm "),
    // the wire diameter is a rounded number, shown without trailing zeros
    bobine(0, "120", "50", "100", "76,7 spire in aria, filo con diametro massimo di mm. 1,3",
           "lunghezza del conduttore : 1204 cm.", "100 mm", "50 mm "),
    bobine(0, "0.05", "8", "12", "3,5 spire in aria, filo con diametro massimo di mm. 3,43",
           "lunghezza del conduttore : 8 cm.", "12 mm", "8 mm "),
    bobine(1, "22", "30", "15", "\u00b5Henry :   15,28", "lunghezza del conduttore 207 cm. con diametro max mm. 0,68",
           "15 mm", "30 mm "),
    bobine(1, "2", "10", "50", "\u00b5Henry :   0,01", "lunghezza del conduttore 6 cm. con diametro max mm. 25",
           "50 mm", "10 mm "),
    // grouping in the fixed inductance, none in the conductor length
    bobine(1, "200", "100", "10", "\u00b5Henry :   7.272,73",
           "lunghezza del conduttore 6280 cm. con diametro max mm. 0,05", "10 mm", "100 mm "),
    // what follows a comma is ignored: 20,7 reads as 20
    bobine(0, "1", "20,7", "20.0", kTurns, "lunghezza del conduttore : 53 cm.", "20 mm", "20 mm "),
    // the option relabels and hides; the inputs keep their texts: the same numbers now mean one turn
    Row("frmbobine", kCoil + Steps{"click:Option1:1"}).text("lblinput", "numero di spire :")
        .hidden({"lbloutput", "lbllunghezzafilo"}).text("lbll", "L").text("lbld", " D ").text("txtinput", "1"),
    Row("frmbobine", kCoil + Steps{"click:Option1:1", "click:cmdcalcola"}).text("lbloutput", "\u00b5Henry :   0,01"),
    Row("frmbobine", kCoil + Steps{"click:Option1:1", "click:cmdcalcola", "click:Option1:0"})
        .text("lblinput", "induttanza in \u00b5H :").hidden({"lbloutput"}),
    bobineTyping("txtinput"), bobineTyping("txtdiametro"), bobineTyping("txtlunghezza"),
    bobineMissing(0, "", "20", "20"),   bobineMissing(0, "1", "", "20"),    bobineMissing(0, "1", "20", ""),
    bobineMissing(1, "8", "", "20"),    bobineMissing(0, "-1", "20", "20"), bobineMissing(1, "8", "20", "-5"),
    bobineMissing(0, "abc", "20", "20"), bobineMissing(0, ",5", "20", "20"),
    // a warning changes nothing
    Row("frmbobine", kCoil + Steps{"txtdiametro=0", "click:cmdcalcola"}).message(kMissing).focus("txtinput")
        .text("lbloutput", kTurns).text("lbllunghezzafilo", "lunghezza del conduttore : 53 cm.").text("lbll", "L")
        .text("lbld", " D ").text("txtdiametro", "0").hidden({"lbloutput"}),
    twoNegative(0, "1", "-20", "-20"),  twoNegative(1, "1", "-20", "-20"),  twoNegative(0, "-1", "-20", "20"),
    twoNegative(1, "-1", "-20", "20"),  twoNegative(0, "-1", "20", "-20"),  twoNegative(1, "-1", "20", "-20"),
    // sqrt(1.45 * 1000 * 0.00001 / 20) = 0.027 rounds to 0,0 turns: the wire diameter divides by it
    refused(0, "0.00001", "20", "20"), refusedThenUsable(0, "0.00001", "20", "20"),
    // a value too large to show
    refused(1, "1e200", "1e200", "1e200"), refusedThenUsable(1, "1e200", "1e200", "1e200"),
    // companions
    Row("frmbobine", {"click:cmdaprevhf"}).effects({"open frmmicrobobine modeless"}),
    Row("frmbobine", {"click:cmdchiamaawg"}).effects({"move 180 180", "open frmawg modeless 4100 3000"})
        .geometry(180, 180),
    // opened modal by another window: its companions open modal too
    Row("frmbobine", {"click:cmdaprevhf", "click:cmdchiamaawg"}).modal()
        .effects({"open frmmicrobobine modal", "move 180 180", "open frmawg modal 4100 3000"}),
    Row("frmbobine", {"click:cmdesci"}).effects({"close"}).open(false),
};

TEST(Inductors, Bobine) { play(kBobine); }

// ------------------------------------------------------------- frmmicrobobine

Steps micro(int opt, const string& input, const string& coilD, const string& wire, const string& spacing) {
  return option(opt) + Steps{"txtinput=" + input, "txtdiametrobobina=" + coilD, "txtdiametrofilo=" + wire,
                             "txtspazio=" + spacing};
}
const Steps kMicro = micro(0, "1", "10", "1", "1") + Steps{"click:cmdcalcola"};
const std::vector<string> kMicroResults = {"lbloutput", "lbllungbobina", "lbllunghezzafilo"};

Row microbobine(int opt, const char* input, const char* coilD, const char* wire, const char* spacing,
                const char* output, const char* coilLength, const char* wireLength, const char* s, const char* d,
                Where w = Where::current()) {
  return Row("frmmicrobobine", micro(opt, input, coilD, wire, spacing) + Steps{"click:cmdcalcola"}, w)
      .text("lbloutput", output).text("lbllungbobina", coilLength).text("lbllunghezzafilo", wireLength)
      .text("lbls", s).text("lbld", d).shown(kMicroResults);
}

// Typing and the options relabel the drawing and hide the results.
Row microTyping(Steps more, const char* s, Where w = Where::current()) {
  return Row("frmmicrobobine", kMicro + more, w).text("lbls", s).text("lbld", " D ").hidden(kMicroResults)
      .text("lbloutput", "17,46 spire in aria ");
}

Row microMissing(const char* input, const char* coilD, const char* wire, const char* spacing,
                 Where w = Where::current()) {
  return Row("frmmicrobobine", micro(0, input, coilD, wire, spacing) + Steps{"click:cmdcalcola"}, w)
      .message(kMissing).focus("txtinput").hidden({"lbloutput"}).text("lbloutput", "").text("lbls", "Sp");
}

const Steps kMicroNegative = micro(0, "-1", "-10", "1", "1") + Steps{"click:cmdcalcola"};

const Row kMicrobobine[] = {
    statics(Row("frmmicrobobine", {}).why("opens with the turns selected")
                .title("CALCOLO BOBINE   V H F   DI PICCOLE DIMENSIONI IN ARIA").focus("Option1(0)")
                .selected("Option1", 0).caption("Option1", 0, "Trovare il numero delle spire")
                .caption("Option1", 1, "Trovare il valore dell'Induttanza")
                // the option's reaction has run: the spacing label is in lower case
                .text("lblinput", "induttanza in \u00b5H :")
                .text("lbldiametrobobina", "diametro bobina in millimetri  (D)")
                .text("lbldiametrofilo", "diametro filo in millimetri")
                .text("lblspazio", "spazio spira/spira in millimetri  (Sp)").text("cmdcalcola", "CALCOLA")
                .text("cmdesci", "E X I T").text("lbloutput", "").text("lbllungbobina", "")
                .text("lbllunghezzafilo", "").text("lbld", " D ").text("lbls", "sp")
                .text("cmdaprebobineHF", "COSTRUZIONE  BOBINE HF").text("cmdchiamaawg", "CONVERSIONI AWG")
                .tooltip("txtdiametrobobina", "diametro del supporto")
                .tooltip("lbldiametrobobina", "calcolato al centro spira")
                .tooltip("txtdiametrofilo", "digitare un dato compatibile con la sezione del filo")
                .on("drwbobina", {"lbld", "lbls"}),
            {"Le bobine si intendono monostrato senza schermo e senza nucleo. I valori ottenuti sono teorici e sono "
             "stati ottimizzati per induttanze di piccolo valore dell'ordine di pochi micro Henry",
             "In alta frequenza, per ridurre la capacità parassita, le spire delle bobine vengono di solito spaziate. "
             "La formula utilizzata tiene particolare conto di questa spaziatura",
             "Per bobine in bande decametriche HF può risultare più pratico utilizzare l'altra scheda \"costr. bobine "
             "per HF \"",
             kHint}),
    // P = 2/25.4, M = 11/25.4: N = (1000 * P^0.7 / (17 * M^1.7))^(1/1.3) = 17.4625 -> 17,46
    microbobine(0, "1", "10", "1", "1", "17,46 spire in aria ", "lunghezza della bobina : 33,9 mm",
                "lunghezza del conduttore : 54,82 cm.", "1 mm", "10 mm "),
    microbobine(0, "0.1", "6", "0.8", "0.5", "4,42 spire in aria ", "lunghezza della bobina : 5,2 mm",
                "lunghezza del conduttore : 8,33 cm.", "0,5 mm", "6 mm "),
    microbobine(0, "2.5", "5", "0.6", "0.3", "55,58 spire in aria ", "lunghezza della bobina : 49,7 mm",
                "lunghezza del conduttore : 87,26 cm.", "0,3 mm", "5 mm "),
    microbobine(0, "0.25", "5", "0.8", "0.4", "10,54 spire in aria ", "lunghezza della bobina : 12,2 mm",
                "lunghezza del conduttore : 16,55 cm.", "0,4 mm", "5 mm "),
    // below 1 uH: in nanohenry, from the inductance rounded to 6 decimals
    microbobine(1, "4", "8", "1", "1", "nano Henry :   104,661", "lunghezza della bobina : 7 mm",
                "lunghezza del conduttore : 10,05 cm.", "1 mm", "8 mm "),
    microbobine(1, "12", "10", "1.5", "2", "nano Henry :   447,599", "lunghezza della bobina : 40 mm",
                "lunghezza del conduttore : 37,68 cm.", "2 mm", "10 mm "),
    // above 1 uH: six decimals
    microbobine(1, "30", "15", "1", "1", "\u00b5Henry :   3,820813", "lunghezza della bobina : 59 mm",
                "lunghezza del conduttore : 141,30 cm.", "1 mm", "15 mm "),
    microbobine(1, "20", "20", "1.2", "0.8", "\u00b5Henry :   3,639185", "lunghezza della bobina : 39,2 mm",
                "lunghezza del conduttore : 125,60 cm.", "0,8 mm", "20 mm "),
    // 1.00000027 uH rounds to exactly 1, which is not above 1
    microbobine(1, "17.4625", "10", "1", "1", "nano Henry :   1000", "lunghezza della bobina : 33,9 mm",
                "lunghezza del conduttore : 54,83 cm.", "1 mm", "10 mm "),
    microbobine(1, "17.463", "10", "1", "1", "\u00b5Henry :   1,000037", "lunghezza della bobina : 33,9 mm",
                "lunghezza del conduttore : 54,83 cm.", "1 mm", "10 mm "),
    microbobine(1, "17.46", "10", "1", "1", "nano Henry :   999,814", "lunghezza della bobina : 33,9 mm",
                "lunghezza del conduttore : 54,82 cm.", "1 mm", "10 mm "),
    Row("frmmicrobobine", kMicro).text("lbls", "1 mm").text("lbld", "10 mm "),
    microTyping(keys("txtdiametrobobina", "2"), "S"), microTyping(keys("txtinput", "2"), "Sp"),
    microTyping(keys("txtdiametrofilo", "2"), "Sp"),  microTyping(keys("txtspazio", "2"), "Sp"),
    microTyping({"click:Option1:1"}, "sp").text("lblinput", "numero di spire :"),
    // a close-wound coil (no spacing) cannot be entered
    microMissing("1", "10", "1", ""), microMissing("1", "10", "1", "0"), microMissing("", "10", "1", "1"),
    microMissing("1", "", "1", "1"),  microMissing("1", "10", "", "1"),  microMissing("1", "10", "1", "-1"),
    // two negatives pass the product but make no coil: missing data
    Row("frmmicrobobine", kMicroNegative).message(kMissing).focus("txtinput").hidden({"lbloutput"})
        .text("lbls", "Sp"),
    Row("frmmicrobobine", kMicroNegative + Steps{"click:Option1:1", "click:cmdcalcola"}).message(kMissing)
        .message(kMissing).text("lbloutput", ""),
    // a value too large to show is refused by the guard
    Row("frmmicrobobine", kMicroNegative + Steps{"click:Option1:1", "click:cmdcalcola", "txtinput=1e300",
                                                 "txtdiametrobobina=1e300", "click:cmdcalcola"})
        .message(kMissing).message(kMissing).message(kInvalid),
    Row("frmmicrobobine", {"click:cmdaprebobineHF"}).effects({"open frmbobine modeless"}),
    Row("frmmicrobobine", {"click:cmdchiamaawg"}).effects({"move 180 180", "open frmawg modeless 4100 3000"}),
    Row("frmmicrobobine", {"click:cmdesci"}).effects({"close"}).open(false),
};

TEST(Inductors, Microbobine) { play(kMicrobobine); }

// --------------------------------------------------------------- frmbobineuhf

Steps uhf(const string& diameter, const string& length, const string& height) {
  return {"txtdiametro=" + diameter, "txtlunghezza=" + length, "txtdistanza=" + height, "click:ccmdcalcola"};
}
const Steps kUhf = uhf("1", "20", "5");

Row bobineUhf(const char* diameter, const char* length, const char* height, const char* output, const char* l,
              const char* h, Where w = Where::current()) {
  return Row("frmbobineuhf", uhf(diameter, length, height), w).modal().text("lblinduttanza", output)
      .text("lbllunghezza", l).text("lbldistanza", h);
}

// After a first result: only the inductance is cleared.
Row uhfAfter(Steps more, Where w = Where::current()) {
  return Row("frmbobineuhf", kUhf + more, w).modal().text("lblinduttanza", "").text("lbllunghezza", "20 mm")
      .text("lbldistanza", "5 mm");
}

const Row kBobineUhf[] = {
    statics(Row("frmbobineuhf", {}).modal().title("Bobine adatte per  uso in VHF - UHF").focus("txtdiametro")
                .text("Frame1", "Inserimento dati").text("Label2(0)", "Diametro del conduttore in mm.")
                .text("Label2(1)", "Lunghezza del conduttore in mm.")
                .text("Label2(2)", "Distanza dal piano di terra in mm.").text("ccmdcalcola", "CALCOLA")
                .text("cmdesci", "E S C I").text("lblinduttanza", "").text("lbllunghezza", "lung")
                .text("lbldistanza", "distanza").inside("Frame1", {"txtdiametro", "txtlunghezza", "txtdistanza"})
                .on("drwconduttore", {"lbllunghezza", "lbldistanza"}),
            {"A frequenza VHF -  UHF possono essere realizzati induttori costituiti da un conduttore parallelo al "
             "piano di terra al quale sono collegati tramite una  estremità"}),
    // r = 0.5: 0.4605 * 20 * log10(20) * (20 + 20.006) / (20 + 22.361) + 0.0002 * (...)
    bobineUhf("1", "20", "5", "Induttanza in nanoHenry : = 11,316", "20 mm", "5 mm"),
    bobineUhf("0.5", "10", "1.3", "Induttanza in nanoHenry : = 4,608", "10 mm", "1,3 mm"),
    bobineUhf("1.5", "50", "3.7", "Induttanza in nanoHenry : = 22,769", "50 mm", "3,7 mm"),
    // the distance is held in single precision: 7 significant digits
    bobineUhf("3", "100", "12.345678", "Induttanza in nanoHenry : = 55,193", "100 mm", "12,34568 mm"),
    // a conductor nearer the plane than its radius: the logarithm goes negative
    bobineUhf("2", "30", "0.1", "Induttanza in nanoHenry : = -9,657", "30 mm", "0,1 mm"),
    // typing clears only the inductance
    uhfAfter(keys("txtdiametro", "7")).shown({"lblinduttanza"}),
    uhfAfter(keys("txtlunghezza", "7")).shown({"lblinduttanza"}),
    uhfAfter(keys("txtdistanza", "7")).shown({"lblinduttanza"}),
    // only a zero product is missing data; a negative product does nothing at all
    uhfAfter(uhf("", "20", "5")).message(kMissing).focus("txtdiametro"),
    uhfAfter(uhf("1", "", "5")).message(kMissing).focus("txtdiametro"),
    uhfAfter(uhf("0", "0", "")).message(kMissing).focus("txtdiametro"),
    uhfAfter(uhf("-1", "20", "5")).focus("ccmdcalcola"),
    uhfAfter(uhf("1", "-20", "5")).focus("ccmdcalcola"),
    // the distance is not tested: zero (logarithm of 0), negative (of a negative), too large for single precision
    uhfAfter({"txtdistanza=", "click:ccmdcalcola"}).message(kInvalid).focus("ccmdcalcola"),
    uhfAfter({"txtdistanza=0", "click:ccmdcalcola"}).message(kInvalid).focus("ccmdcalcola"),
    uhfAfter({"txtdistanza=-3", "click:ccmdcalcola"}).message(kInvalid).focus("ccmdcalcola"),
    uhfAfter({"txtdistanza=1e39", "click:ccmdcalcola"}).message(kInvalid).focus("ccmdcalcola"),
    Row("frmbobineuhf", {"click:cmdesci"}).effects({"close"}).open(false),
};

TEST(Inductors, BobineUhf) { play(kBobineUhf); }

// ------------------------------------------------------------ frmbobinepiatte

Steps spiral(const string& width, const string& gap, const string& turns) {
  return {"txtlp=" + width, "txtls=" + gap, "txtn=" + turns, "click:cmdcalcola"};
}
const Steps kSpiral = spiral("1", "1", "5");

Row piatte(const char* width, const char* gap, const char* turns, const char* output, const char* outer,
           const char* inner, const char* pw, const char* pg, Where w = Where::current()) {
  return Row("frmbobinepiatte", spiral(width, gap, turns), w).modal().text("lblinduttanza", output)
      .text("Label1", outer).text("Label2", inner).text("Label3", pw).text("Label4", pg);
}

Row piatteTyping(const char* input, Where w = Where::current()) {
  return Row("frmbobinepiatte", kSpiral + keys(input, "12"), w).modal().why(input).text("lblinduttanza", "")
      .text("Label1", "27,0 mm").text("Label2", "9,0 mm").text("Label3", "1 mm").text("Label4", "1 mm");
}

Row piatteMissing(const char* width, const char* gap, const char* turns, Where w = Where::current()) {
  return Row("frmbobinepiatte", spiral(width, gap, turns), w).modal().message("MANCA DATO|MESSAGGIO DI ERRORE")
      .effects({}).focus("txtlp").text("lblinduttanza", "").text("Label1", "LATO ESTERNO")
      .text("Label2", "LATO INTERNO");
}

const Row kBobinePiatte[] = {
    statics(Row("frmbobinepiatte", {}).modal().title("BOBINE SU CIRCUITO STAMPATO").focus("txtlp")
                .text("lbllp", "LARGHEZZA PISTA in mm").text("lblls", "DISTANZA PISTE in mm")
                .text("lbln", "NUMERO SPIRE").text("cmdcalcola", "CALCOLA").text("cmdesci", "E S C I")
                .text("lblinduttanza", "").text("Label1", "LATO ESTERNO").text("Label2", "LATO INTERNO")
                .text("Label3", "LARG. PISTA").text("Label4", "DIST.PISTA")
                .on("drwspirale", {"Label1", "Label2", "Label3", "Label4"}),
            {"IMPOSTATA LA LARGHEZZA E LA DISTANZA DELLE PISTE NONCHE'  IL NR. DELLE SPIRE SI OTTENGONO LE DIMENSIONI "
             "DELLA BOBINA E L'INDUTTANZA APPROSSIMATIVA"}),
    // a = 1 * 4 + 1 * 5 = 9: 5.6568 * 9 * 5^(5/3) * (log10 9 + 0.9031) = 1378 nH
    piatte("1", "1", "5", "L'INDUTTANZA E' \u00b5HENRY 1,38", "27,0 mm", "9,0 mm", "1 mm", "1 mm"),
    piatte("0.5", "0.3", "10", "L'INDUTTANZA E' \u00b5HENRY 3,62", "23,1 mm", "7,7 mm", "0,5 mm", "0,3 mm"),
    piatte("0.2", "0.2", "3", "L'INDUTTANZA E' \u00b5HENRY 0,03", "3,0 mm", "1,0 mm", "0,2 mm", "0,2 mm"),
    piatte("2", "1", "1", "L'INDUTTANZA E' \u00b5HENRY 0,01", "6,0 mm", "2,0 mm", "2 mm", "1 mm"),
    piatte("0.3", "0.25", "7.5", "L'INDUTTANZA E' \u00b5HENRY 0,94", "11,6 mm", "3,9 mm", "0,3 mm", "0,25 mm"),
    // 1996.77 nH rounds to 2.00 uH, shown without trailing zeros
    piatte("0.3", "0.2", "10", "L'INDUTTANZA E' \u00b5HENRY 2", "14,4 mm", "4,8 mm", "0,3 mm", "0,2 mm"),
    piatteTyping("txtlp"), piatteTyping("txtls"), piatteTyping("txtn"),
    piatteMissing("", "1", "5"), piatteMissing("1", "", "5"), piatteMissing("1", "1", ""),
    piatteMissing("1", "-1", "5"),
    // two negatives pass the product but make no spiral: refused like a missing value
    Row("frmbobinepiatte", kSpiral + Steps{"txtlp=-1", "txtls=-1", "click:cmdcalcola"}).modal()
        .message("MANCA DATO|MESSAGGIO DI ERRORE").focus("txtlp").text("lblinduttanza", "").text("Label1", "27,0 mm")
        .text("Label2", "9,0 mm").text("Label3", "1 mm"),
    Row("frmbobinepiatte", {"click:cmdesci"}).effects({"close"}).open(false),
};

TEST(Inductors, BobinePiatte) { play(kBobinePiatte); }

// --------------------------------------------------- frminduttanzafilodiritto

Row wire(const char* length, const char* diameter, const char* output, Where w = Where::current()) {
  return Row("frminduttanzafilodiritto",
             {string("txtlunghezza=") + length, string("txtdiametro=") + diameter, "click:cmdcalcola"}, w)
      .text("lblinduttanza", output);
}

Row wireMissing(const char* length, const char* diameter, Where w = Where::current()) {
  return Row("frminduttanzafilodiritto",
             {string("txtdiametro=") + diameter, string("txtlunghezza=") + length, "click:cmdcalcola"}, w)
      .message(kMissing).focus("txtlunghezza").text("lblinduttanza", kHint);
}

const Steps kWire = {"txtlunghezza=1", "txtdiametro=1", "click:cmdcalcola"};
const Steps kWireRefused = kWire + Steps{"txtlunghezza=1e300", "txtdiametro=1e-300", "click:cmdcalcola"};

const Row kFiloDiritto[] = {
    Row("frminduttanzafilodiritto", {}).title("CALCOLO DELL' INDUTTANZA DI UN CONDUTTORE RETTILINEO")
        .focus("txtlunghezza").text("lbllunghezza", "LUNGHEZZA DEL CONDUTTORE IN METRI")
        .text("lbldiametro", "DIAMETRO DEL CONDUTTORE IN MILLIMETRI").text("cmdcalcola", "CALCOLA")
        .text("cdmesci", "E S C I").text("lblinduttanza", kHint),
    // a = 0.05 cm, l = 100 cm: 0.002 * 100 * (ln 4000 - 0.75) = 1.5088
    wire("1", "1", "L'INDUTTANZA DEL FILO E' microHenry 1,509"),
    wire("0.5", "2", "L'INDUTTANZA DEL FILO E' nanoHenry 615,776"),
    wire("2.5", "0.8", "L'INDUTTANZA DEL FILO E' microHenry 4,342"),
    wire("10", "3", "L'INDUTTANZA DEL FILO E' microHenry 17,496"),
    wire("0.05", "1", "L'INDUTTANZA DEL FILO E' nanoHenry 45,483"),
    // exactly 1 uH is shown in microhenry
    wire("0.6961925938624669", "1", "L'INDUTTANZA DEL FILO E' microHenry 1,000"),
    // the next number below: 0.9999999999999999 uH, in nanohenry
    wire("0.6961925938624668", "1", "L'INDUTTANZA DEL FILO E' nanoHenry 1.000,000"),
    // 0.999 uH
    wire("0.69558146", "1", "L'INDUTTANZA DEL FILO E' nanoHenry 999,000"),
    // typing brings back the hint
    Row("frminduttanzafilodiritto", kWire + keys("txtlunghezza", "5")).text("lblinduttanza", kHint),
    Row("frminduttanzafilodiritto", kWire + keys("txtdiametro", "5")).text("lblinduttanza", kHint),
    wireMissing("", "1"), wireMissing("1", ""), wireMissing("-1", "1"), wireMissing("1", "0"),
    // a ratio of length to radius beyond any number: the logarithm of infinity
    Row("frminduttanzafilodiritto", kWireRefused).message(kInvalid).text("lblinduttanza", kHint),
    // a negative length and diameter would give a negative inductance: missing data
    Row("frminduttanzafilodiritto", kWireRefused + Steps{"txtlunghezza=-1", "txtdiametro=-1", "click:cmdcalcola"})
        .message(kInvalid).message(kMissing).focus("txtlunghezza").text("lblinduttanza", kHint),
    Row("frminduttanzafilodiritto", {"click:cdmesci"}).effects({"close"}).open(false),
};

TEST(Inductors, FiloDiritto) { play(kFiloDiritto); }

}  // namespace
}  // namespace vm::test
