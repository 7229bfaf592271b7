// Dipoles and wire antennas, driven headless as a user would: band by band
// from 160 m to 70 cm, every message with the input that gets the focus, the
// windows that recompute on every keystroke, and the option reactions.
#include <gtest/gtest.h>

#include <string>

#include "support/rows.h"

namespace vm::test {
namespace {

using std::string;
using Where = std::source_location;
using Steps = std::vector<string>;

// frmdipoli: the frequency is kept in single precision; 71.3 / f and 71 / f, two decimals.
Row dipole(const char* mhz, const char* arm, const char* vee, Where w = Where::current()) {
  return Row("frmdipoli", {string("txtfrequenza=") + mhz}, w)
      .why(mhz)
      .text("lblbraccio", string("LUNGHEZZA DEL BRACCIO in mt.: ") + arm)
      .text("lbllunghezza", string(arm) + " mt.")
      .text("lbllunghezzavert", vee)
      .shown({"lblbraccio", "lbllunghezza", "lbllunghezzavert"});
}

// frmdipoloripiegato: (1 + ln(2S/d1) / ln(2S/d2))^2 to one decimal, then 75 times that decimal.
Row folded(const char* d2, const char* d1, const char* s, const char* ratio, const char* ohm,
           const char* d1shown, Where w = Where::current()) {
  return Row("frmdipoloripiegato",
             {string("txtd2=") + d2, string("txtd1=") + d1, string("txts=") + s, "click:cmdcalcola"}, w)
      .text("lblrapporto", string("RAPPORTO DI TRASFORMAZIONE = ") + ratio)
      .text("lbloutputimpedenza", string("IMPEDENZA RISULTANTE OHM : ") + ohm)
      .text("lblimpedenza", string("Ohm ") + ohm)
      .text("lbld2", d2).text("lbld1", d1shown).text("lbls", s);
}

// 142.5 / f to two decimals, kept in single precision, shown without trailing zeros.
Row foldedLength(const string& steps, const char* metres, Where w = Where::current()) {
  return Row("frmdipoloripiegato", keys("txtfrequenza", steps), w)
      .text("lbllunghezza", string("LUNGHEZZA DEL DIPOLO mt : ") + metres)
      .text("lbllung", string(metres) + " mt.")
      .shown({"lbllunghezza", "lbllung"});
}

// frmantpresacalcolata: K / f with K = 144 or 288; the feed point at 0.33 of
// it, to two decimals, shown without trailing zeros.
Row windom(int option, const char* mhz, const char* length, const char* feed, Where w = Where::current()) {
  return Row("frmantpresacalcolata", {"click:Option1:" + std::to_string(option), string("txtfrequenza=") + mhz}, w)
      .why(string(mhz) + (option ? " full wave" : " half wave"))
      .text("lblm", string(length) + " mt.")
      .text("lblpresa", string(feed) + " mt.")
      .shown({"lblm", "lblpresa"});
}

// frmantg5rv: each version shows its data and excludes the others.
Row g5rv(Steps steps, const char* option, const char* arm, const char* line, const char* note,
         Where w = Where::current()) {
  Row r("frmantg5rv", steps, w);
  r.text("lblbraccio", arm).text("lbladattamento", line).text("Label1", note).focus(option);
  for (const char* o : {"Option1", "Option2", "Option3"}) r.selected(o, string(o) == option ? 0 : -1);
  return r;
}

// frmlungharmonica: 150 (N - 0.05) / f, two decimals.
Row harmonic(const char* mhz, const char* halves, const char* metres, Where w = Where::current()) {
  return Row("frmlungharmonica", {string("txtf=") + mhz, string("txtn=") + halves, "click:cmdcalcola"}, w)
      .text("lbllunghezza", string("L'ANTENNA E' LUNGA  ") + metres + " METRI");
}

// frmgradi, metres to degrees: 1.2 f x degrees to one decimal; the radians
// from that decimal with pi = 3.14159, two decimals, single precision.
// Degrees to metres: x / (1.2 f), two decimals; radians of x, two decimals.
Row degrees(int option, const char* input, const char* mhz, const char* out, const char* radians,
            Where w = Where::current()) {
  return Row("frmgradi",
             {"click:Option1:" + std::to_string(option), string("txtinput=") + input,
              string("txtfrequenza=") + mhz, "click:cmdcalcola"}, w)
      .text("lbloutput", string(option ? "CORRISPONDE A METRI  :  " : "CORRISPONDE A GRADI  :  ") + out)
      .text("lblradianti", string("CORRISPONDE A RADIANTI : ") + radians)
      .shown({"Frame2"});
}

// frmresradiazione: 2 (24 (L/2) / lambda)^2 to one decimal; L/2; 1.2 f L
// unrounded; lambda/2 to one decimal. frmresradiazionestilo: (24 h / lambda)^2
// to one decimal; h; 1.2 f h to two decimals; lambda/4 to two decimals.
Row radiation(const char* form, const char* metres, const char* mhz, const char* rr, const char* half,
              const char* deg, const char* resonant, Where w = Where::current()) {
  return Row(form, {string("txtlunghezza=") + metres, string("txtfrequenza=") + mhz, "click:cmdcalcola"}, w)
      .text("lblrr", string("RESISTENZA DI RADIAZIONE = OHM ") + rr)
      .text("lbllunghezza", string(half) + (string(form) == "frmresradiazionestilo" ? " mt" : ""))
      .text("lblgradi", string("corrisponde a gradi elettrici: ") + deg)
      .text("lblrisonanza", string("per risuonare dovrebbe essere lungo mt. ") + resonant);
}

// frmridimensiona: lengths to the centimetre by "#0.##" (a whole number keeps
// its separator); the change in cm by "##0.#" in single precision.
Row resize(int type, const char* present, const char* measured, const char* wanted, const char* metres,
           const char* change, Where w = Where::current()) {
  Steps steps = {"click:Option1:" + std::to_string(type)};
  if (type != 0) steps.push_back(string("txtoldlunghezza=") + present);
  return Row("frmridimensiona",
             steps + Steps{string("txtoldf=") + measured, string("txtnewf=") + wanted, "click:cmdcalcola"}, w)
      .text("lblnewlunghezza", string(" LA DIMENSIONE DEL RADIATORE DOVREBBE ESSERE DI mt. : ") + metres)
      .text("lblridimensiona", change);
}

// A loaded antenna without its present length (empty, zero, unreadable or
// negative) is missing data, never taken as a length that is already right.
Row loaded(int type, const char* present, Where w = Where::current()) {
  return Row("frmridimensiona",
             {"click:Option1:" + std::to_string(type), "txtoldlunghezza=5", "txtoldf=7.2", "txtnewf=7.0",
              "click:cmdcalcola", string("txtoldlunghezza=") + present, "click:cmdcalcola"}, w)
      .why(std::to_string(type) + " '" + present + "'")
      .message("MANCANO DATI|MESSAGGIO DI ERRORE")
      .focus("txtoldlunghezza")
      .text("lblnewlunghezza", " LA DIMENSIONE DEL RADIATORE DOVREBBE ESSERE DI mt. : 5,14")
      .text("lblridimensiona", " OCCORRE ALLUNGARE di cm. : 14");
}

// A warning with its focus, and nothing else changed by the click (the folded
// dipole writes the diameters on its drawing before it checks them).
Row warns(const char* form, Steps steps, const char* message, const char* focus, Where w = Where::current()) {
  return Row(form, std::move(steps), w).message(message).focus(focus).effects({}).unchanged({"lbld1", "lbld2", "lbls"});
}

const char* const kG5rvOriginal =
    "LA LUNGHEZZA DELLA LINEA DI ADATTAMENTO DIPENDE ANCHE DALLA TIPOLOGIA DI COSTRUZIONE E DALLA DISTANZA DEI "
    "CONDUTTORI. SE REALIZZATA IN PIATTINA TV (300 ohm) RIDURLA A CIRCA 9.2 m";
const Steps kRidimensionato = {"txtoldf=7.0", "txtnewf=7.1", "click:cmdcalcola"};
const char* const kPresentLength = "LUNGHEZZA ATTUALE DEL RADIATORE in mt. :";
const std::vector<string> kDipoleLengths = {"lblbraccio", "lbllunghezza", "lbllunghezzavert"};

const Row kDipoli[] = {
    dipole("1.85", "38,54", "38,38"),   dipole("3.65", "19,53", "19,45"),  dipole("5.355", "13,31", "13,26"),
    dipole("7.1", "10,04", "10,00"),    dipole("10.12", "7,05", "7,02"),   dipole("14.175", "5,03", "5,01"),
    dipole("18.12", "3,93", "3,92"),    dipole("21.2", "3,36", "3,35"),    dipole("24.94", "2,86", "2,85"),
    dipole("28.5", "2,50", "2,49"),     dipole("50.15", "1,42", "1,42"),   dipole("144.3", "0,49", "0,49"),
    dipole("432.2", "0,16", "0,16"),    dipole("0.1", "713,00", "710,00"), dipole("0.01", "7.130,00", "7.100,00"),
    // recomputed on every keystroke, hidden without a frequency
    Row("frmdipoli", {}).focus("txtfrequenza").hidden({"lblbraccio"}),
    Row("frmdipoli", keys("txtfrequenza", "7")).text("lbllunghezza", "10,19 mt.").text("lbllunghezzavert", "10,14"),
    Row("frmdipoli", keys("txtfrequenza", "7") + keys("txtfrequenza", "7.1")).text("lbllunghezza", "10,04 mt."),
    Row("frmdipoli", {"txtfrequenza=7.1", "txtfrequenza=7,1"}).why("a comma ends the number: 7,1 reads as 7")
        .text("lbllunghezza", "10,19 mt."),
    Row("frmdipoli", {"txtfrequenza=7.1", "txtfrequenza="}).hidden(kDipoleLengths),
    Row("frmdipoli", {"txtfrequenza=7.1", "txtfrequenza=0"}).hidden(kDipoleLengths),
    Row("frmdipoli", {"txtfrequenza=7.1", "txtfrequenza=-7"}).hidden(kDipoleLengths),
    Row("frmdipoli", {"txtfrequenza=7.1", "txtfrequenza=abc"}).hidden(kDipoleLengths),
    Row("frmdipoli", {"txtfrequenza=7.1", "txtfrequenza=1e39"}).hidden(kDipoleLengths),
};

const Row kDipoloRipiegato[] = {
    folded("10", "10", "50", "4,0", "300", "10"),   folded("2", "2", "30", "4,0", "300", "2"),
    folded("20", "10", "50", "5,9", "442,5", "10"), folded("4", "1.5", "40", "5,4", "405", "1,5"),
    folded("12", "3", "100", "6,2", "465", "3"),    folded("10", "6", "10", "7,5", "562,5", "6"),
    Row("frmdipoloripiegato", {}).why("the drawing shows its captions at load").focus("txtd2")
        .text("lbld1", "d1").text("lbld2", "d2").text("lbls", "S").text("lblrapporto", ""),
    Row("frmdipoloripiegato", {"txtd2=10", "txtd1=10", "txts=50", "click:cmdcalcola", "txts=-50", "click:cmdcalcola"})
        .why("a negative product does nothing").focus("cmdcalcola")
        .text("lblrapporto", "RAPPORTO DI TRASFORMAZIONE = 4,0").text("lblimpedenza", "Ohm 300"),
    // the product is positive and the comparisons pass, but the logarithms
    // fail: the window reports it and is left exactly as it was
    Row("frmdipoloripiegato", {"txtd2=-10", "txtd1=-20", "txts=50", "click:cmdcalcola"})
        .message("DATI NON VALIDI|MESSAGGIO DI ERRORE").text("lbld1", "d1").text("lblrapporto", ""),
    foldedLength("1.85", "77,03"),  foldedLength("3.65", "39,04"),   foldedLength("5.355", "26,61"),
    foldedLength("7.1", "20,07"),   foldedLength("10.12", "14,08"),  foldedLength("14.175", "10,05"),
    foldedLength("18.12", "7,86"),  foldedLength("21.2", "6,72"),    foldedLength("24.94", "5,71"),
    foldedLength("28.5", "5"),      foldedLength("50.15", "2,84"),   foldedLength("144.3", "0,99"),
    foldedLength("432.2", "0,33"),
    // the length follows the keys
    foldedLength("1", "142,5"),     foldedLength("14", "10,18"),     foldedLength("14.", "10,18"),
    foldedLength("14.1", "10,11"),  foldedLength("14.17", "10,06"),
    Row("frmdipoloripiegato", keys("txtfrequenza", "14.175") + Steps{"txtfrequenza="})
        .hidden({"lbllung", "lbllunghezza"}),
    Row("frmdipoloripiegato", keys("txtfrequenza", "14.175") + Steps{"txtfrequenza=", "txtfrequenza=-3"})
        .hidden({"lbllung"}),
};

const Row kPresaCalcolata[] = {
    windom(0, "1.85", "77,84", "25,69"),  windom(1, "1.85", "155,68", "51,37"), windom(0, "3.65", "39,45", "13,02"),
    windom(1, "3.65", "78,90", "26,04"),  windom(0, "5.355", "26,89", "8,87"),  windom(1, "5.355", "53,78", "17,75"),
    windom(0, "7", "20,57", "6,79"),      windom(1, "7", "41,14", "13,58"),     windom(0, "7.1", "20,28", "6,69"),
    windom(1, "7.1", "40,56", "13,39"),   windom(0, "10.12", "14,23", "4,7"),   windom(1, "10.12", "28,46", "9,39"),
    windom(0, "14.175", "10,16", "3,35"), windom(1, "14.175", "20,32", "6,7"),  windom(0, "18.12", "7,95", "2,62"),
    windom(1, "18.12", "15,89", "5,25"),  windom(0, "21.2", "6,79", "2,24"),    windom(1, "21.2", "13,58", "4,48"),
    windom(0, "24.94", "5,77", "1,91"),   windom(1, "24.94", "11,55", "3,81"),  windom(0, "28.5", "5,05", "1,67"),
    windom(1, "28.5", "10,11", "3,33"),   windom(0, "50.15", "2,87", "0,95"),   windom(1, "50.15", "5,74", "1,9"),
    windom(0, "144.3", "1,00", "0,33"),   windom(1, "144.3", "2,00", "0,66"),   windom(0, "432.2", "0,33", "0,11"),
    windom(1, "432.2", "0,67", "0,22"),
    Row("frmantpresacalcolata", {}).why("opens on the half wave by the focus rule").selected("Option1", 0)
        .focus("Option1(0)"),
    // typed at once, without a click: the half-wave constant is already chosen
    Row("frmantpresacalcolata", keys("txtfrequenza", "7")).text("lblm", "20,57 mt.").text("lblpresa", "6,79 mt."),
    Row("frmantpresacalcolata", {"txtfrequenza=7", "click:Option1:1"}).why("the option clears the frequency")
        .text("txtfrequenza", "").hidden({"lblm", "lblpresa"}),
    Row("frmantpresacalcolata", {"txtfrequenza=7", "click:Option1:1", "txtfrequenza=7"}).text("lblm", "41,14 mt."),
    Row("frmantpresacalcolata", {"txtfrequenza=7", "click:Option1:1", "txtfrequenza=7", "txtfrequenza=0"})
        .hidden({"lblm", "lblpresa"}),
};

const Row kG5rv[] = {
    Row("frmantg5rv", {}).why("opens with the original version")
        .selected("Option1", 0).selected("Option2", -1).selected("Option3", -1).focus("Option1")
        .text("lblbraccio", "15.55 m").text("lbladattamento", "10.35 m")
        .text("Label1", "LA LUNGHEZZA DELLA LINEA DI ADATTAMENTO DIPENDE ANCHE DALLA TIPOLOGIA DI COSTRUZIONE E DALLA "
                        "DISTANZA DEI CONDUTTORI. SE REALIZZATA IN PIATTINA TV  (300 ohm) RIDURLA A CIRCA 9.2 m"),
    g5rv({"click:Option2"}, "Option2", "13.75 m", " 12.2 m",
         "LA LUNGHEZZA DELLA LINEA DI ADATTAMENTO DIPENDE DALLA TIPOLOGIA DI COSTRUZIONE E DALLA DISTANZA DEI "
         "CONDUTTORI. SE REALIZZATA IN PIATTINA TV RIDURLA SPERIMENTALMENTE (10 % ca)"),
    g5rv({"click:Option2", "click:Option3"}, "Option3", "7.77 m", " 5.15 m",
         "LA LUNGHEZZA DELLA LINEA DI ADATTAMENTO DIPENDE ANCHE DALLA TIPOLOGIA DI COSTRUZIONE E DALLA DISTANZA DEI "
         "CONDUTTORI. SE REALIZZATA IN PIATTINA TV RIDURLA A CIRCA 4.58 m)"),
    // a click on the original version writes its texts with one blank each
    g5rv({"click:Option2", "click:Option3", "click:Option1"}, "Option1", "15.55 m", " 10.35 m", kG5rvOriginal),
};

const Row kLungHarmonica[] = {
    harmonic("1.85", "1", "77,03"),   harmonic("3.65", "2", "80,14"),   harmonic("5.355", "3", "82,63"),
    harmonic("7.1", "4", "83,45"),    harmonic("10.12", "5", "73,37"),  harmonic("14", "4", "42,32"),
    harmonic("14.175", "2", "20,63"), harmonic("18.12", "3", "24,42"),  harmonic("21.2", "4", "27,95"),
    harmonic("24.94", "5", "29,77"),  harmonic("28.5", "6", "31,32"),   harmonic("50.15", "7", "20,79"),
    harmonic("144.3", "8", "8,26"),   harmonic("432.2", "10", "3,45"),
    Row("frmlungharmonica", {"txtf=14", "txtn=4", "click:cmdcalcola", "txtf=7"}).why("typing leaves the result")
        .text("lbllunghezza", "L'ANTENNA E' LUNGA  42,32 METRI"),
};

const Row kGradi[] = {
    Row("frmgradi", {}).why("opens on metres to degrees").selected("Option1", 0).focus("Option1(0)")
        .text("lblinput", "LUNGHEZZA IN METRI").hidden({"Frame2"}),
    Row("frmgradi", {"txtinput=10", "txtfrequenza=7.5", "click:cmdcalcola"}).shown({"Frame2"}),
    Row("frmgradi", {"txtinput=10", "txtfrequenza=7.5", "click:cmdcalcola", "click:Option1:1"})
        .why("the option relabels, clears and hides")
        .text("lblinput", "GRADI").text("txtinput", "").text("txtfrequenza", "7.5").hidden({"Frame2"}),
    Row("frmgradi", {"txtinput=10", "txtfrequenza=7.5", "click:cmdcalcola", "click:Option1:1", "click:Option1:0"})
        .text("lblinput", "LUNGHEZZA IN METRI"),
    degrees(0, "40", "1.85", "88,8", "1,55"),   degrees(0, "20", "3.65", "87,6", "1,53"),
    degrees(0, "14", "5.355", "90,0", "1,57"),  degrees(0, "10", "7.1", "85,2", "1,49"),
    degrees(0, "10", "7.5", "90,0", "1,57"),    degrees(0, "7", "10.12", "85,0", "1,48"),
    degrees(0, "5", "14.175", "85,1", "1,49"),  degrees(0, "4", "18.12", "87,0", "1,52"),
    degrees(0, "3.5", "21.2", "89,0", "1,55"),  degrees(0, "3", "24.94", "89,8", "1,57"),
    degrees(0, "2.5", "28.5", "85,5", "1,49"),  degrees(0, "1.5", "50.15", "90,3", "1,58"),
    degrees(0, "0.5", "144.3", "86,6", "1,51"), degrees(0, "0.17", "432.2", "88,2", "1,54"),
    degrees(1, "90", "1.85", "40,54", "1,57"),  degrees(1, "180", "3.65", "41,10", "3,14"),
    degrees(1, "45", "5.355", "7,00", "0,79"),  degrees(1, "60", "7.1", "7,04", "1,05"),
    degrees(1, "120", "10.12", "9,88", "2,09"), degrees(1, "270", "14.175", "15,87", "4,71"),
    degrees(1, "360", "18.12", "16,56", "6,28"), degrees(1, "30", "21.2", "1,18", "0,52"),
    degrees(1, "90", "24.94", "3,01", "1,57"),  degrees(1, "90", "28.5", "2,63", "1,57"),
    degrees(1, "180", "50.15", "2,99", "3,14"), degrees(1, "90", "144.3", "0,52", "1,57"),
    degrees(1, "60", "432.2", "0,12", "1,05"),
    // more than a full turn is taken as one
    degrees(1, "400", "7.5", "40,00", "6,28").text("txtinput", "360"),
    Row("frmgradi", {"txtinput=-10", "txtfrequenza=7.5", "click:cmdcalcola"}).why("a negative product does nothing")
        .hidden({"Frame2"}),
};

const Row kResRadiazione[] = {
    radiation("frmresradiazione", "40", "1.85", "17,5", "20", "88,8", "81,1"),
    radiation("frmresradiazione", "20", "3.65", "17,1", "10", "87,6", "41,1"),
    radiation("frmresradiazione", "14", "5.355", "18", "7", "89,964", "28,0"),
    radiation("frmresradiazione", "10", "7", "15,7", "5", "84", "21,4"),
    radiation("frmresradiazione", "10", "7.1", "16,1", "5", "85,2", "21,1"),
    radiation("frmresradiazione", "7", "10.12", "16,1", "3,5", "85,008", "14,8"),
    radiation("frmresradiazione", "5", "14.175", "16,1", "2,5", "85,05", "10,6"),
    radiation("frmresradiazione", "4", "18.12", "16,8", "2", "86,976", "8,3"),
    radiation("frmresradiazione", "3.5", "21.2", "17,6", "1,75", "89,04", "7,1"),
    radiation("frmresradiazione", "3", "24.94", "17,9", "1,5", "89,784", "6,0"),
    radiation("frmresradiazione", "2.5", "28.5", "16,2", "1,25", "85,5", "5,3"),
    radiation("frmresradiazione", "1.5", "50.15", "18,1", "0,75", "90,27", "3,0"),
    radiation("frmresradiazione", "0.5", "144.3", "16,7", "0,25", "86,58", "1,0"),
    radiation("frmresradiazione", "0.17", "432.2", "17,3", "0,085", "88,1688", "0,3"),
    // a whole wave at 7 MHz: no message, the formula is simply applied
    Row("frmresradiazione", {"txtlunghezza=42.857", "txtfrequenza=7", "click:cmdcalcola"})
        .text("lblrr", "RESISTENZA DI RADIAZIONE = OHM 288"),
    radiation("frmresradiazionestilo", "20", "1.85", "8,8", "20", "44,40", "40,54"),
    radiation("frmresradiazionestilo", "10", "3.65", "8,5", "10", "43,80", "20,55"),
    radiation("frmresradiazionestilo", "7", "5.355", "9", "7", "44,98", "14,01"),
    radiation("frmresradiazionestilo", "5", "7.1", "8,1", "5", "42,60", "10,56"),
    radiation("frmresradiazionestilo", "10", "7.5", "36", "10", "90,00", "10,00"),
    radiation("frmresradiazionestilo", "3.5", "10.12", "8", "3,5", "42,50", "7,41"),
    radiation("frmresradiazionestilo", "2.5", "14.175", "8", "2,5", "42,53", "5,29"),
    radiation("frmresradiazionestilo", "2", "18.12", "8,4", "2", "43,49", "4,14"),
    radiation("frmresradiazionestilo", "1.75", "21.2", "8,8", "1,75", "44,52", "3,54"),
    radiation("frmresradiazionestilo", "1.5", "24.94", "9", "1,5", "44,89", "3,01"),
    radiation("frmresradiazionestilo", "1.25", "28.5", "8,1", "1,25", "42,75", "2,63"),
    radiation("frmresradiazionestilo", "0.75", "50.15", "9,1", "0,75", "45,14", "1,50"),
    radiation("frmresradiazionestilo", "0.25", "144.3", "8,3", "0,25", "43,29", "0,52"),
    radiation("frmresradiazionestilo", "0.08", "432.2", "7,7", "0,08", "41,49", "0,17"),
};

const Row kRidimensiona[] = {
    resize(0, "", "1.80", "1.85", "76,76", " OCCORRE ACCORCIARE di cm. : 213"),
    resize(0, "", "3.55", "3.65", "38,9", " OCCORRE ACCORCIARE di cm. : 110"),
    resize(0, "", "5.4", "5.355", "26,52", " OCCORRE ALLUNGARE di cm. : 22"),
    resize(0, "", "7.0", "7.1", "20,", " OCCORRE ACCORCIARE di cm. : 29"),
    resize(0, "", "10.2", "10.12", "14,03", " OCCORRE ALLUNGARE di cm. : 11"),
    resize(0, "", "14.0", "14.175", "10,02", " OCCORRE ACCORCIARE di cm. : 12"),
    resize(0, "", "18.2", "18.12", "7,84", " OCCORRE ALLUNGARE di cm. : 4"),
    resize(0, "", "21.0", "21.2", "6,7", " OCCORRE ACCORCIARE di cm. : 6"),
    resize(0, "", "25.1", "24.94", "5,69", " OCCORRE ALLUNGARE di cm. : 3"),
    resize(0, "", "28.2", "28.5", "4,98", " OCCORRE ACCORCIARE di cm. : 6"),
    resize(0, "", "51", "50.15", "2,83", " OCCORRE ALLUNGARE di cm. : 5"),
    resize(0, "", "145", "144.3", "0,98", " LA DIMENSIONE E' GIA' CORRETTA "),
    resize(0, "", "430", "432.2", "0,33", " LA DIMENSIONE E' GIA' CORRETTA "),
    resize(1, "30", "3.7", "3.65", "30,41", " OCCORRE ALLUNGARE di cm. : 41"),
    resize(1, "12.4", "7.2", "7.1", "12,57", " OCCORRE ALLUNGARE di cm. : 17"),
    resize(1, "6.2", "14.35", "14.175", "6,28", " OCCORRE ALLUNGARE di cm. : 8"),
    resize(1, "4.1", "28.9", "28.5", "4,16", " OCCORRE ALLUNGARE di cm. : 6"),
    resize(1, "10.555", "7.05", "7.1", "10,48", " OCCORRE ACCORCIARE di cm. : 7,5"),
    resize(1, "20", "7.1", "7.1", "20,", " LA DIMENSIONE E' GIA' CORRETTA "),
    resize(2, "5", "7.2", "7.0", "5,14", " OCCORRE ALLUNGARE di cm. : 14"),
    resize(2, "12", "1.9", "1.85", "12,32", " OCCORRE ALLUNGARE di cm. : 32"),
    resize(2, "2.3", "21.5", "21.2", "2,33", " OCCORRE ALLUNGARE di cm. : 3"),
    resize(2, "1.234", "7.2", "7.0", "1,27", " OCCORRE ALLUNGARE di cm. : 3,6"),
    resize(2, "1.2", "50.6", "50.15", "1,21", " OCCORRE ALLUNGARE di cm. : 1"),
    resize(2, "0.45", "145.2", "144.3", "0,45", " LA DIMENSIONE E' GIA' CORRETTA "),
    Row("frmridimensiona", {}).why("the half-wave dipole ignores the length box").selected("Option1", 0)
        .focus("Option1(0)").hidden({"txtoldlunghezza", "Label2"}),
    // a length typed for a loaded antenna stays in the hidden box and is not used
    Row("frmridimensiona", Steps{"click:Option1:2", "txtoldlunghezza=3", "click:Option1:0"} + kRidimensionato)
        .text("lblridimensiona", " OCCORRE ACCORCIARE di cm. : 29"),
    // the option shows the length box and empties the results
    Row("frmridimensiona", kRidimensionato + Steps{"click:Option1:1"}).shown({"txtoldlunghezza", "Label2"})
        .text("Label2", kPresentLength).text("lblnewlunghezza", "").text("lblridimensiona", "").text("txtoldf", "7.0"),
    Row("frmridimensiona", kRidimensionato + Steps{"click:Option1:1", "click:Option1:2"})
        .shown({"txtoldlunghezza", "Label2"}).text("Label2", kPresentLength)
        .text("lblnewlunghezza", "").text("lblridimensiona", "").text("txtoldf", "7.0"),
    Row("frmridimensiona", kRidimensionato + Steps{"click:Option1:1", "click:Option1:2", "click:Option1:0"})
        .hidden({"txtoldlunghezza", "Label2"}).text("Label2", kPresentLength)
        .text("lblnewlunghezza", "").text("lblridimensiona", "").text("txtoldf", "7.0"),
    Row("frmridimensiona", {"click:Option1:1", "txtoldlunghezza=5", "txtoldf=7.2", "txtnewf=7.0", "click:cmdcalcola"})
        .text("lblridimensiona", " OCCORRE ALLUNGARE di cm. : 14"),
    Row("frmridimensiona", {"click:Option1:2", "txtoldlunghezza=5", "txtoldf=7.2", "txtnewf=7.0", "click:cmdcalcola"})
        .text("lblridimensiona", " OCCORRE ALLUNGARE di cm. : 14"),
    loaded(1, ""), loaded(1, "0"), loaded(1, "abc"), loaded(1, "-5"),
    loaded(2, ""), loaded(2, "0"), loaded(2, "abc"), loaded(2, "-5"),
    Row("frmridimensiona", {"click:Option1:1", "txtnewf=7", "click:cmdcalcola"})
        .why("missing frequencies come before the missing length")
        .message("MANCANO DATI|MESSAGGIO DI ERRORE").focus("txtoldf"),
    Row("frmridimensiona", {"txtoldf=-7", "txtnewf=7.1", "click:cmdcalcola"}).why("a negative product does nothing")
        .text("lblnewlunghezza", "").focus("cmdcalcola"),
};

const Row kMessages[] = {
    warns("frmdipoloripiegato", {"txtd2=10", "txtd1=10", "click:cmdcalcola"}, "mancano dati|messaggio di errore",
          "txtd2"),
    warns("frmdipoloripiegato", {"click:cmdcalcola"}, "mancano dati|messaggio di errore", "txtd2"),
    warns("frmdipoloripiegato", {"txtd2=10", "txtd1=20", "txts=50", "click:cmdcalcola"},
          "MISURE NON COMPATIBILI|MESSAGGIO DI ERRORE", "txtd2"),
    warns("frmdipoloripiegato", {"txtd2=20", "txtd1=10", "txts=15", "click:cmdcalcola"},
          "MISURE NON COMPATIBILI|MESSAGGIO DI ERRORE", "txtd2"),
    warns("frmlungharmonica", {"txtn=4", "click:cmdcalcola"}, "MANCANO DATI|MESSAGGIO DI ERRORE", "txtf"),
    warns("frmlungharmonica", {"txtf=14", "click:cmdcalcola"}, "MANCANO DATI|MESSAGGIO DI ERRORE", "txtf"),
    // the not-positive test: a negative count is missing data too
    warns("frmlungharmonica", {"txtf=14", "txtn=-4", "click:cmdcalcola"}, "MANCANO DATI|MESSAGGIO DI ERRORE", "txtf"),
    warns("frmgradi", {"txtfrequenza=7.5", "click:cmdcalcola"}, "MANCANO DATI|MESSAGGIO DI ERRORE", "txtinput"),
    warns("frmgradi", {"txtinput=50", "txtfrequenza=7.5", "click:cmdcalcola"},
          "I METRI ECCEDONO LA LUNGHEZZA D'ONDA|MESSAGGIO DI ERRORE", "txtinput"),
    warns("frmgradi", {"txtinput=3", "txtfrequenza=144.3", "click:cmdcalcola"},
          "I METRI ECCEDONO LA LUNGHEZZA D'ONDA|MESSAGGIO DI ERRORE", "txtinput"),
    warns("frmresradiazione", {"txtfrequenza=7", "click:cmdcalcola"}, "MANCANO DATI|MESSAGGIO DI ERRORE",
          "txtlunghezza"),
    warns("frmresradiazione", {"txtlunghezza=10", "click:cmdcalcola"}, "MANCANO DATI|MESSAGGIO DI ERRORE",
          "txtlunghezza"),
    warns("frmresradiazionestilo", {"txtlunghezza=10", "click:cmdcalcola"}, "MANCANO DATI|MESSAGGIO DI ERRORE",
          "txtlunghezza"),
    warns("frmresradiazionestilo", {"txtlunghezza=10.01", "txtfrequenza=7.5", "click:cmdcalcola"},
          "FINO A 1/4 LAMBDA|MESSAGGIO DI ERRORE", "txtlunghezza"),
    warns("frmresradiazionestilo", {"txtlunghezza=0.6", "txtfrequenza=144.3", "click:cmdcalcola"},
          "FINO A 1/4 LAMBDA|MESSAGGIO DI ERRORE", "txtlunghezza"),
    warns("frmridimensiona", {"txtnewf=7.1", "click:cmdcalcola"}, "MANCANO DATI|MESSAGGIO DI ERRORE", "txtoldf"),
    warns("frmridimensiona", {"txtoldf=7", "click:cmdcalcola"}, "MANCANO DATI|MESSAGGIO DI ERRORE", "txtoldf"),
    warns("frmridimensiona",
          {"click:Option1:1", "txtoldlunghezza=45", "txtoldf=3.1", "txtnewf=3.65", "click:cmdcalcola"},
          "PIU' LUNGA 1/2 LAMBDA|MESSAGGIO DI ERRORE", "txtoldlunghezza"),
    warns("frmridimensiona",
          {"click:Option1:2", "txtoldlunghezza=11", "txtoldf=7.2", "txtnewf=7.1", "click:cmdcalcola"},
          "PIU' LUNGA 1/4 LAMBDA|MESSAGGIO DI ERRORE", "txtoldlunghezza"),
    // the mended fault: a loaded antenna needs its present length
    warns("frmridimensiona", {"click:Option1:1", "txtoldf=7.2", "txtnewf=7.0", "click:cmdcalcola"},
          "MANCANO DATI|MESSAGGIO DI ERRORE", "txtoldlunghezza"),
    warns("frmridimensiona",
          {"click:Option1:2", "txtoldlunghezza=0", "txtoldf=7.2", "txtnewf=7.0", "click:cmdcalcola"},
          "MANCANO DATI|MESSAGGIO DI ERRORE", "txtoldlunghezza"),
};

// Each window's caption, its close button, the value labels on its drawing and its tooltips.
const Row kWindows[] = {
    Row("frmdipoli", {"click:cmdesci"}).title("LUNGHEZZA DEL BRACCIO DEL DIPOLO").open(false).placed({"lbllunghezza"})
        .tooltip("txtfrequenza", "frequenza di risonanza dipolo").tooltip("lbllunghezza", "semidipolo 1/4 lambda"),
    Row("frmdipoloripiegato", {"click:cmdesci"}).title("DIPOLO RIPIEGATO MEZZO LAMBDA   -   FOLDED DIPOLE")
        .open(false).placed({"lbld1", "lbld2", "lbls", "lblimpedenza", "lbllung"})
        .tooltip("txtfrequenza", "frequenza di risonanza dipolo"),
    Row("frmantpresacalcolata", {"click:cmdchiudi"}).title("ANTENNA A PRESA CALCOLATA   -   WINDOM").open(false)
        .placed({"lblm", "lblpresa"}),
    Row("frmantg5rv", {"click:cmdesci"}).title("ANTENNA TIPO G5RV").open(false).placed({"lblbraccio", "lbladattamento"})
        .tooltip("lblbraccio", "semidipolo 1/4 lambda"),
    Row("frmlungharmonica", {"click:cmdesci"}).title("LUNGHEZZA DI UNA ANTENNA IN ARMONICA").open(false)
        .tooltip("cmdcalcola", "abilita il calcolo").tooltip("cmdesci", "chiude l'applicazione"),
    Row("frmgradi", {"click:cmdchiudi"}).title("CONVERSIONE TRA LUNGHEZZA FISICA DELL'ANTENNA E GRADI ELETTRICI")
        .open(false),
    Row("frmresradiazione", {"click:cmdesci"})
        .title("RESISTENZA DI RADIAZIONE APPROSSIMATIVA DI UN DIPOLO PIU' CORTO DI 1/2 LAMBDA").open(false)
        .placed({"lbllunghezza"}).tooltip("txtlunghezza", "frequenza di risonanza dipolo")
        .tooltip("txtfrequenza", "frequenza di risonanza dipolo"),
    Row("frmresradiazionestilo", {"click:cmdesci"}).title("RESISTENZA DI RADIAZIONE APPROSSIMATA DI UNO STILO ")
        .open(false).placed({"lbllunghezza"}).tooltip("txtlunghezza", "MAX 1/4 LAMBDA")
        .tooltip("txtfrequenza", "frequenza di lavoro"),
    Row("frmridimensiona", {"click:cmdesci"}).title("RIDIMENSIONAMENTO ANTENNA").open(false),
};

TEST(Antennas, Dipoli) { play(kDipoli); }
TEST(Antennas, DipoloRipiegato) { play(kDipoloRipiegato); }
TEST(Antennas, PresaCalcolata) { play(kPresaCalcolata); }
TEST(Antennas, G5rv) { play(kG5rv); }
TEST(Antennas, LungHarmonica) { play(kLungHarmonica); }
TEST(Antennas, Gradi) { play(kGradi); }
TEST(Antennas, ResRadiazione) { play(kResRadiazione); }
TEST(Antennas, Ridimensiona) { play(kRidimensiona); }
TEST(Antennas, MessagesWithTheirFocusAndNoResultChanged) { play(kMessages); }
TEST(Antennas, Windows) { play(kWindows); }

}  // namespace
}  // namespace vm::test
