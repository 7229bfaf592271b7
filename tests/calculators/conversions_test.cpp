// Decibel and level conversions: dB ratios with their worked example, dBW and
// dBm levels, dB-microvolt, power to rms voltage and dBm. Every expected text
// was worked out by hand from the formulas, in the Italian number format.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/rows.h"

namespace vm::test {
namespace {

using std::string;
using Steps = std::vector<string>;
using Where = std::source_location;

// frmdB moves and resizes itself: its normal size, and enlarged to show the example.
const Steps kNormal = {"resize 7890 4900", "move 2100 2000"};
const Steps kEnlarged = {"resize 7890 6700", "move 2100 1000"};
const Steps kCalcola = {"click:cmdcalcola"};
constexpr Color kBlue = 0x0000C0;

Steps typed(const string& input, const Steps& texts) {
  Steps out;
  for (const auto& t : texts) out.push_back(input + "=" + t);
  return out;
}
Steps first(const Steps& steps, std::size_t n) { return Steps(steps.begin(), steps.begin() + static_cast<long>(n)); }
Steps option(int i) { return {"click:Option1:" + std::to_string(i)}; }

// ------------------------------------------------------------------ frmdB

Row ratio(const char* db, const char* voltage, const char* power, const char* example, Where w = Where::current()) {
  return Row("frmdB", {string("txtinput1=") + db, "click:cmdcalcola"}, w).modal().why(db)
      .text("lblout1", voltage).text("lblout2", power).text("lbldbesempio", example).hidden({"lblvariazione"})
      .effects(kNormal + kEnlarged).geometry(2100, 1000, 7890, 6700).focus("cmdcalcola");
}

Row layout(int opt, const char* input1, const char* input2, const char* output1, bool second,
           Where w = Where::current()) {
  Row r("frmdB", opt == 0 ? option(1) + option(0) : option(opt), w);  // back to 0 from another mode
  r.modal().text("lblinput1", input1).text("lbloutput1", output1).hidden({"lblvariazione"})
      .text("lblinput2", input2).text("lbloutput2", "RAPPORTO in POTENZA");
  if (second) r.shown({"txtinput2", "lblinput2"}).hidden({"lbloutput2", "lblout2"});
  else r.hidden({"txtinput2", "lblinput2"}).shown({"lbloutput2", "lblout2"});
  return r;
}

// Only the decibel mode shows the example: no resizing after the option's own.
Row decibels(int opt, const char* in, const char* out, const char* db, const char* kind, Where w = Where::current()) {
  return Row("frmdB", option(opt) + Steps{string("txtinput1=") + in, string("txtinput2=") + out} + kCalcola, w)
      .modal().why(std::to_string(opt) + " " + in + " " + out)
      .text("lblout1", db).text("lblvariazione", kind).shown({"lblvariazione"}).effects(kNormal + kNormal);
}

// A warning after a first good result leaves that result alone.
Row range(int opt, const char* in, const char* out, const char* message, const Steps& geometry,
          Where w = Where::current()) {
  const Steps good = option(opt) + (opt == 0 ? Steps{"txtinput1=20"} : Steps{"txtinput1=1", "txtinput2=10"}) + kCalcola;
  Steps bad = {string("txtinput1=") + in};
  if (opt != 0) bad.push_back(string("txtinput2=") + out);
  return Row("frmdB", good + bad + kCalcola, w).modal().why(std::to_string(opt) + " " + in + " " + out)
      .message(message).focus("txtinput1").effects(kNormal + kNormal + (opt == 0 ? kEnlarged : Steps{}) + geometry)
      // typing the decibels blanks the example
      .unchanged({"txtinput1", "txtinput2", "lbldbesempio", "txtvoltesempio", "Label9", "Label10"}).since(good.size());
}

Row example(const char* db, const Steps& voltages, std::size_t n, const char* gain, const char* loss,
            Where w = Where::current()) {
  return Row("frmdB", Steps{string("txtinput1=") + db} + kCalcola + typed("txtvoltesempio", first(voltages, n)), w)
      .modal().why(string(db) + " dB, example " + voltages[n - 1])
      .text("Label9", gain).text("Label10", loss).focus("txtvoltesempio");
}

const char* const kMaxDb = "MASSIMO DB CALCOLABILE = 70|MESSAGGIO DI ERRORE";
const char* const kPositive = "SOLO VALORI POSITIVI|MESSAGGIO DI ERRORE";
const Steps kRefused = {"txtinput1=20", "click:cmdcalcola", "txtvoltesempio=2", "txtinput1=70.1", "click:cmdcalcola"};
const Steps kSix = {"-", "-4", "-47", "2", "0.1", "3.3", ""};
const Steps kTwenty = {"2", "0.1", "-47"};
const Steps kZero = {"16777217", "3.3"};
const Steps kSixty = {"1", "1e300"};

const Row kDecibel[] = {
    Row("frmdB", {}).modal().why("opens in decibel mode with the example below the window")
        .title("CONVERSIONI TRA DECIBEL E VARIAZIONI DI SEGNALE").selected("Option1", 0).focus("Option1(0)")
        .caption("Option1", 0, "NOTI I DECIBEL TROVARE LA VARIAZIONE IN TENSIONE E IN POTENZA")
        .caption("Option1", 1, "NOTE LE TENSIONI DI ENTRATA E USCITA TROVARE I DECIBEL")
        .caption("Option1", 2, "NOTE LE POTENZE DI ENTRATA E USCITA TROVARE I DECIBEL")
        .text("Frame1", " Opzioni di calcolo ").text("lblinput1", "DECIBEL").text("lbloutput1", "RAPPORTO  in TENSIONE")
        .text("lbloutput2", "RAPPORTO in POTENZA").text("lblinput2", "lblinput2")
        .hidden({"txtinput2", "lblinput2", "lblvariazione"}).shown({"lblout2", "lbloutput2"})
        .tooltip("txtinput1", "inserire i dati e cliccare \"Calcola\"")
        .tooltip("txtinput2", "inserire i dati e cliccare \"Calcola\"")
        .tooltip("txtvoltesempio", "IL CALCOLO E'  INDIPENDENTE DALL'UNITA' DI MISURA")
        .text("cmdcalcola", "CALCOLA").text("cmdesci", "E S C I")
        .text("Label11", " dopo l'inserimento cliccare su CALCOLA  --->")
        .text("Label2", "per separare i decimali usare il punto")
        .text("Label1", "Il decibel (dB) è un'unità di misura logaritmica che indica il rapporto esistente tra il "
                        "segnale applicato all'ingresso e il segnale prelevato all'uscita di un dispositivo. Il "
                        "Decibel può esprimere un guadagno o una attenuazione.")
        // the example panel is part of the window; its height decides what is seen
        .text("Label3", "  Facciamo un esempio ")
        .text("Label4", "In un dispositivo che presenta un guadagno o una attenuazione di DB :")
        .text("Label5", "se si applica in ingresso una tensione di  :").text("Label6", "si ottengono in uscita :")
        .text("Label7", "in guadagno  : ").text("Label8", " in attenuazione  : ")
        .shown({"Label3", "Label4", "Label5", "Label6", "Label7", "Label8"})
        .text("lbldbesempio", "").text("txtvoltesempio", "").text("Label9", "").text("Label10", "")
        .text("lblout1", "").text("lblout2", "")
        .shown({"lbldbesempio", "txtvoltesempio", "Label9", "Label10", "lblout1", "lblout2"})
        .geometry(2100, 2000, 7890, 4900).effects(kNormal),
    ratio("20", "10,", "100,", "20"),
    ratio("0", "1,", "1,", "0"),
    ratio("", "1,", "1,", "0"),
    ratio("6", "1,995", "3,981", "6"),  // squared before rounding: not 3,98
    ratio("3", "1,413", "1,995", "3"),
    ratio("0.5", "1,059", "1,122", "0,5"),
    ratio("13.5", "4,732", "22,387", "13,5"),
    ratio("40", "100,", "10.000,", "40"),
    ratio("60", "1.000,", "1.000.000,", "60"),
    ratio("70", "3.162,278", "10.000.000,", "70"),
    ratio("12,5", "3,981", "15,849", "12"),  // a comma ends the number
    layout(1, "TENSIONE ENTRATA", "TENSIONE USCITA", "DECIBEL", true),
    layout(2, "POTENZA ENTRATA", "POTENZA USCITA", "DECIBEL", true),
    layout(0, "DECIBEL", "TENSIONE USCITA", "RAPPORTO  in TENSIONE", false),  // hidden, as it was
    decibels(1, "1", "10", "20,", "DB di GUADAGNO"),
    decibels(1, "10", "1", "20,", "DB di ATTENUAZIONE"),
    decibels(1, "1", "3", "9,54", "DB di GUADAGNO"),
    decibels(1, "5", "5", "0,", "DB di GUADAGNO"),  // equal inputs: a gain of 0 dB
    decibels(1, "0.5", "12", "27,6", "DB di GUADAGNO"),
    decibels(1, "2", "1", "6,02", "DB di ATTENUAZIONE"),
    decibels(2, "1", "10", "10,", "DB di GUADAGNO"),
    decibels(2, "10", "1", "10,", "DB di ATTENUAZIONE"),
    decibels(2, "1", "3", "4,77", "DB di GUADAGNO"),
    decibels(2, "2", "1", "3,01", "DB di ATTENUAZIONE"),
    decibels(2, "5", "400", "19,03", "DB di GUADAGNO"),  // 5 W driving 400 W
    range(0, "-3", "", kPositive, {}),
    range(0, "70.1", "", kMaxDb, kEnlarged),
    range(0, "1e3", "", kMaxDb, kEnlarged),
    range(1, "-1", "5", kPositive, {}),
    range(1, "1", "", kPositive, {}),  // not the missing-data warning
    range(1, "0", "5", kPositive, {}),
    range(1, "", "", kPositive, {}),
    range(2, "4", "-2", kPositive, {}),
    range(2, "4", "0", kPositive, {}),
    // a refused level enlarges the window but leaves the example as it was: the
    // example's label and its kept ratio never speak of a level that was refused
    Row("frmdB", first(kRefused, 3)).modal().text("lbldbesempio", "20").text("Label9", "20,").text("Label10", "0,2"),
    Row("frmdB", first(kRefused, 4)).modal().text("lbldbesempio", "").text("txtvoltesempio", ""),
    Row("frmdB", kRefused).modal().message(kMaxDb).effects(kNormal + kEnlarged + kEnlarged).focus("txtinput1")
        .text("lbldbesempio", "").text("lblout1", "10,").text("lblout2", "100,"),  // never "70,1"
    // the example still works with the ratio of 20 dB
    Row("frmdB", kRefused + Steps{"txtvoltesempio=3"}).modal().message(kMaxDb)
        .text("Label9", "30,").text("Label10", "0,3"),
    // 70 dB is the last level accepted, and it does reach the example
    Row("frmdB", kRefused + Steps{"txtvoltesempio=3", "txtinput1=70", "click:cmdcalcola"}).modal().message(kMaxDb)
        .text("lbldbesempio", "70"),
    Row("frmdB", kRefused + Steps{"txtvoltesempio=3", "txtinput1=70", "click:cmdcalcola", "txtvoltesempio=1"})
        .modal().message(kMaxDb).text("Label9", "3.162,278").text("Label10", "0,"),
    // the example before any ratio shows nothing
    Row("frmdB", {"txtinput1=80", "click:cmdcalcola"}).modal().message(kMaxDb).geometry(2100, 1000, 7890, 6700)
        .text("lbldbesempio", ""),
    Row("frmdB", Steps{"txtinput1=80", "click:cmdcalcola"} + keys("txtvoltesempio", "2.5")).modal().message(kMaxDb)
        .text("Label9", "").text("Label10", ""),
    // the example follows every keystroke
    example("6", kSix, 1, "0,", "0,"),            example("6", kSix, 2, "-7,98", "-2,005"),
    example("6", kSix, 3, "-93,765", "-23,559"),  example("6", kSix, 4, "3,99", "1,003"),
    example("6", kSix, 5, "0,2", "0,05"),
    // the example voltage is single precision: 3.3 is a hair below, so 1,995 x 3.3 gives 6,583 and not 6,584
    example("6", kSix, 6, "6,583", "1,654"),      example("6", kSix, 7, "0,", "0,"),
    example("20", kTwenty, 1, "20,", "0,2"),      example("20", kTwenty, 2, "1,", "0,01"),
    example("20", kTwenty, 3, "-470,", "-4,7"),
    example("0", kZero, 1, "16.777.216,", "16.777.216,"), example("0", kZero, 2, "3,3", "3,3"),
    example("60", kSixty, 1, "1.000,", "0,001"),
    example("60", kSixty, 2, "", ""),  // too large for single precision: nothing
    // typing decibels blanks the example
    Row("frmdB", {"txtinput1=6", "click:cmdcalcola", "txtvoltesempio=2"}).modal().text("Label9", "3,99"),
    Row("frmdB", Steps{"txtinput1=6", "click:cmdcalcola", "txtvoltesempio=2"} + keys("txtinput1", "-4")).modal()
        .text("txtvoltesempio", "").text("lbldbesempio", "")
        // clearing the example voltage recomputes it once, from 0; the results are not blanked
        .text("Label9", "0,").text("Label10", "0,").text("lblout1", "1,995"),
    // an option click restores the normal window and keeps the values
    Row("frmdB", Steps{"txtinput1=20", "click:cmdcalcola"} + option(1)).modal()
        .effects(kNormal + kEnlarged + kNormal).geometry(2100, 2000, 7890, 4900)
        .text("txtinput1", "20").text("lblout1", "10,").text("lblout2", "100,"),
    Row("frmdB", Steps{"txtinput1=20", "click:cmdcalcola"} + option(1) + option(0)).modal()
        .effects(kNormal + kEnlarged + kNormal + kNormal).text("lblout2", "100,").shown({"lblout2"}),
    // an impossible ratio changes nothing
    Row("frmdB", option(1) + Steps{"txtinput1=1", "txtinput2=10", "click:cmdcalcola", "txtinput1=1e-300",
                                   "txtinput2=1e300", "click:cmdcalcola"})
        .modal().message("DATI NON VALIDI|MESSAGGIO DI ERRORE").text("lblout1", "20,")
        .text("lblvariazione", "DB di GUADAGNO"),
};

TEST(Conversions, Decibel) { play(kDecibel); }

// ------------------------------------------------------------------ frmdBW

Row dbwOption(int opt, const char* input, const char* output1, const char* output2, const char* note,
              const char* dbuvCaption, const char* dbuv, Where w = Where::current()) {
  // the input holds a level to be cleared; clearing it runs the computation,
  // which writes the dBµV caption of the dBm mode
  Row r("frmdBW", option(1) + Steps{"txtinput=10"} + option(opt), w);
  r.modal().why(std::to_string(opt)).text("txtinput", "").hidden({"Frameoutput"}).text("lblinput", input)
      .text("lbloutput1", output1).text("lbloutput2", output2).text("lblnota", note)
      .text("lbloutdbuv", dbuvCaption).text("lbldbuv", dbuv);
  for (int i = 0; i < 3; ++i) r.captionColor("Option1", i, i == opt ? kBlue : kDefaultColor);
  return r;
}

Row dbw(const char* level, const char* dbm, const char* unit, const char* power, const char* v50, const char* v75,
        Where w = Where::current()) {
  return Row("frmdBW", {string("txtinput=") + level}, w).modal().why(level).shown({"Frameoutput"})
      .text("lbloutput1", "dBm").text("lblout1", dbm).text("lbloutput2", unit).text("lblout2", power)
      .text("lblout50", "Volt su 50 ohm").text("lblvolt50", v50).text("lblout75", "Volt su 75 ohm")
      .text("lblvolt75", v75).text("lbldbuv", "");
}

// volts: "milliVolt" for "milliVolt su 50 ohm" and "milliVolt su 75 ohm"
Row dbm(const char* level, const char* dbwText, const char* unit, const char* power, const char* volts,
        const char* v50, const char* v75, const char* dbuv, Where w = Where::current()) {
  return Row("frmdBW", option(1) + Steps{string("txtinput=") + level}, w).modal().why(level).shown({"Frameoutput"})
      .text("lbloutput1", "dBW").text("lblout1", dbwText).text("lbloutput2", unit).text("lblout2", power)
      .text("lblout50", string(volts) + " su 50 ohm").text("lblvolt50", v50)
      .text("lblout75", string(volts) + " su 75 ohm").text("lblvolt75", v75)
      .text("lbloutdbuv", "dBµV su 50 ohm").text("lbldbuv", dbuv);
}

Row watts(const char* level, const char* dbwText, const char* dbmText, const char* v50, const char* v75,
          Where w = Where::current()) {
  return Row("frmdBW", option(2) + Steps{string("txtinput=") + level}, w).modal().why(level).shown({"Frameoutput"})
      .text("lbloutput1", "dBW").text("lblout1", dbwText).text("lbloutput2", "dBm").text("lblout2", dbmText)
      .text("lblout50", "Volt su 50 ohm").text("lblvolt50", v50).text("lblout75", "Volt su 75 ohm")
      .text("lblvolt75", v75).text("lbldbuv", "");
}

// Typing one character at a time: the computation and its warnings follow
// every keystroke; a warning leaves the results as they were and shows them.
// The row types the first n texts and expects all the messages so far.
Row dbwKeys(int opt, const Steps& texts, std::size_t n, Steps messages, const char* out1, bool shown,
            Where w = Where::current()) {
  Row r("frmdBW", (opt != 0 ? option(opt) : Steps{}) + typed("txtinput", first(texts, n)), w);
  r.modal().why(std::to_string(opt) + ": \"" + texts[n - 1] + "\"").text("lblout1", out1).focus("txtinput");
  for (auto& m : messages) r.message(m);
  if (shown) r.shown({"Frameoutput"});
  else r.hidden({"Frameoutput"});
  return r;
}

const char* const kDbwRange = "VALORI da:  - 30 a + 50|MESSAGGIO DI AVVISO";
const char* const kDbmRange = "VALORI DA: - 120 a + 80|MESSAGGIO DI AVVISO";
const char* const kNegativeWatts = "NON ESISTONO WATT NEGATIVI|MESSAGGIO DI ERRORE";
const char* const kTooMuch = "VALORE ECCESSIVO|MESSAGGIO DI AVVISO";
const Steps kDbwA = {"-", "-4", "-47"}, kDbwB = {"5", "50", "50.", "50.5"}, kDbwC = {"-3", "-30", "-30.", "-30.1"};
const Steps kDbmA = {"-", "-4", "-47"}, kDbmB = {"-1", "-12", "-121"}, kDbmC = {"8", "81", "8"};
const Steps kWattA = {"-", "-1", ""}, kWattB = {"1", "10", "100", "1000", "10000", "100000", "100001", ""};

const Row kDbw[] = {
    Row("frmdBW", {}).modal().why("opens on dBW with the results hidden")
        .title("Conversioni dBWatt - dBmilliWatt in Watt - Volt").selected("Option1", 0).focus("Option1(0)")
        .caption("Option1", 0, "Da dBW a Watt").caption("Option1", 1, "Da dBm a Watt, Volt e dBuV")
        .caption("Option1", 2, "Da Watt a dBW").captionColor("Option1", 0, kDefaultColor)
        .captionColor("Option1", 1, kDefaultColor).captionColor("Option1", 2, kDefaultColor)
        .text("Frame1", " Opzioni ").text("lblinput", "dBW").tooltip("txtinput", "inserisci il valore")
        .text("lblnota", "").hidden({"Frameoutput"})
        .text("lbloutput1", "").text("lblout1", "").text("lbloutput2", "").text("lblout2", "").text("lblout50", "")
        .text("lblvolt50", "").text("lblout75", "").text("lblvolt75", "").text("lbloutdbuv", "").text("lbldbuv", "")
        .text("cmdesci", "E S C I").text("lblpuntovirgola", "SEPARARE I DECIMALI CON IL PUNTO")
        .text("Label3", "IL dBW E' USATO DI SOLITO PER POTENZE SUPERIORI AL WATT     0 dBW = 1 WATT    IL dBm  E' "
                        "USATO DI SOLITO PER POTENZE INFERIORI  AL WATT     0 dBm = 1 milliWatt")
        .text("Label1", "Quando si devono trattare entità molto piccole, al posto dei dB e dei uV, conviene usare "
                        "i dBm (dBmilliWatt) o i dBuVolt (dBmicroVolt) che rappresentano un reale valore di potenza "
                        "o tensione in quanto calcolati prendendo come riferimento una reale unità di misura: il "
                        "milliWatt o il microVolt.")
        .effects({}),
    Row("frmdBW", option(1) + Steps{"txtinput=10"}).modal().shown({"Frameoutput"}),
    dbwOption(1, "dBm", "dBW", "Watt", "calcolabili da -120 a +80 dBm  (da 1 femtoWatt a 100 kiloWatt)",
              "dBµV su 50 ohm", "107"),
    dbwOption(2, "Watt", "dBW", "dBm", "calcolabili da 0.1 mWatt a 100.000 Watt", "", ""),
    dbwOption(0, "dBW", "dBm", "Watt", "calcolabili da -30 dBWatt a + 50 dBWatt", "", ""),
    dbw("0", "30,000", "Watt", "1,000", "7,07", "8,66"),
    dbw("-30", "0,000", "milliWatt", "1", "0,22", "0,27"),
    dbw("-25", "5,000", "milliWatt", "3", "0,39", "0,47"),    // 3,162 mW kept as 0,003 W
    dbw("-7", "23,000", "milliWatt", "200", "3,16", "3,87"),  // QRP
    dbw("-0.5", "29,500", "milliWatt", "891", "6,67", "8,17"),
    dbw("3.5", "33,500", "Watt", "2,239", "10,58", "12,96"),
    dbw("10", "40,000", "Watt", "10,000", "22,36", "27,39"),
    dbw("30", "60,000", "Watt", "1.000,000", "223,61", "273,86"),  // a kilowatt
    dbw("50", "80,000", "Watt", "100.000,000", "2.236,07", "2.738,61"),
    dbm("-120", "-150,00", "femtoWatt", "1,00", "microVolt", "0,22", "0,27", "-13"),
    dbm("-107", "-137,00", "femtoWatt", "19,95", "microVolt", "1,00", "1,22", "0"),
    dbm("-100", "-130,00", "femtoWatt", "100,00", "microVolt", "2,24", "2,74", "7"),
    dbm("-90", "-120,00", "picoWatt", "1,00", "microVolt", "7,07", "8,66", "17"),
    dbm("-73", "-103,00", "picoWatt", "50,12", "microVolt", "50,06", "61,31", "34"),  // S9
    dbm("-60", "-90,00", "nanoWatt", "1,00", "milliVolt", "0,22", "0,27", "47"),
    dbm("-47.5", "-77,50", "nanoWatt", "17,78", "milliVolt", "0,94", "1,15", "59,5"),
    // the power follows from the dBW as shown: 19,41 and not 19,40
    dbm("-47.123", "-77,12", "nanoWatt", "19,41", "milliVolt", "0,99", "1,21", "59,877"),
    dbm("-30", "-60,00", "microWatt", "1,00", "milliVolt", "7,07", "8,66", "77"),
    dbm("-4", "-34,00", "microWatt", "398,11", "milliVolt", "141,09", "172,79", "103"),
    dbm("0", "-30,00", "milliWatt", "1,00", "milliVolt", "223,61", "273,86", "107"),
    dbm("13", "-17,00", "milliWatt", "19,95", "milliVolt", "998,81", "1.223,29", "120"),
    dbm("14", "-16,00", "milliWatt", "25,12", "Volt", "1,12", "1,37", "121"),
    dbm("27", "-3,00", "milliWatt", "501,19", "Volt", "5,01", "6,13", "134"),
    dbm("30", "0,00", "Watt", "1,00", "Volt", "7,07", "8,66", "137"),
    dbm("60", "30,00", "Watt", "1.000,00", "Volt", "223,61", "273,86", "167"),
    dbm("80", "50,00", "Watt", "100.000,00", "Volt", "2.236,07", "2.738,61", "187"),
    watts("0.0001", "-40,00", "-10,00", "0,07", "0,09"),
    watts("0.2", "-6,99", "23,01", "3,16", "3,87"),
    watts("1", "0,00", "30,00", "7,07", "8,66"),
    watts("5", "6,99", "36,99", "15,81", "19,36"),
    watts("100", "20,00", "50,00", "70,71", "86,60"),
    watts("1000", "30,00", "60,00", "223,61", "273,86"),
    watts("1500", "31,76", "61,76", "273,86", "335,41"),
    watts("100000", "50,00", "80,00", "2.236,07", "2.738,61"),
    dbwKeys(0, kDbwA, 1, {}, "30,000", true),  dbwKeys(0, kDbwA, 2, {}, "26,000", true),
    dbwKeys(0, kDbwA, 3, {kDbwRange}, "26,000", true),
    dbwKeys(0, kDbwB, 1, {}, "35,000", true),  dbwKeys(0, kDbwB, 2, {}, "80,000", true),
    dbwKeys(0, kDbwB, 3, {}, "80,000", true),  dbwKeys(0, kDbwB, 4, {kDbwRange}, "80,000", true),
    dbwKeys(0, kDbwC, 1, {}, "27,000", true),  dbwKeys(0, kDbwC, 2, {}, "0,000", true),
    dbwKeys(0, kDbwC, 3, {}, "0,000", true),   dbwKeys(0, kDbwC, 4, {kDbwRange}, "0,000", true),
    dbwKeys(1, kDbmA, 1, {}, "-30,00", true),  dbwKeys(1, kDbmA, 2, {}, "-34,00", true),
    dbwKeys(1, kDbmA, 3, {}, "-77,00", true),
    dbwKeys(1, kDbmB, 1, {}, "-31,00", true),  dbwKeys(1, kDbmB, 2, {}, "-42,00", true),
    dbwKeys(1, kDbmB, 3, {kDbmRange}, "-42,00", true),
    dbwKeys(1, kDbmC, 1, {}, "-22,00", true),  dbwKeys(1, kDbmC, 2, {kDbmRange}, "-22,00", true),
    dbwKeys(1, kDbmC, 3, {kDbmRange}, "-22,00", true),
    dbwKeys(2, kWattA, 1, {}, "", false),      dbwKeys(2, kWattA, 2, {kNegativeWatts}, "", true),
    dbwKeys(2, kWattA, 3, {kNegativeWatts}, "", false),
    dbwKeys(2, kWattB, 1, {}, "0,00", true),   dbwKeys(2, kWattB, 2, {}, "10,00", true),
    dbwKeys(2, kWattB, 3, {}, "20,00", true),  dbwKeys(2, kWattB, 4, {}, "30,00", true),
    dbwKeys(2, kWattB, 5, {}, "40,00", true),  dbwKeys(2, kWattB, 6, {}, "50,00", true),
    dbwKeys(2, kWattB, 7, {kTooMuch}, "50,00", true),
    dbwKeys(2, kWattB, 8, {kTooMuch}, "50,00", false),  // clearing the input hides the results
};

TEST(Conversions, Dbw) { play(kDbw); }

// ------------------------------------------------------------------ frmdBmicrovolt

Row level(int opt, const char* text, const char* shown, Where w = Where::current()) {
  return Row("frmdBmicrovolt", (opt == 1 ? option(1) : Steps{}) + Steps{string("txtin=") + text}, w).modal()
      .why(std::to_string(opt) + " " + text).text("lblout", shown).shown({"lbloutput"});
}

Row levelKeys(int opt, const Steps& texts, std::size_t n, Steps messages, const char* shown,
              Where w = Where::current()) {
  Row r("frmdBmicrovolt", (opt == 1 ? option(1) : Steps{}) + typed("txtin", first(texts, n)), w);
  r.modal().why(std::to_string(opt) + ": \"" + texts[n - 1] + "\"").text("lblout", shown).shown({"lbloutput"})
      .focus("txtin");
  for (auto& m : messages) r.message(m);
  return r;
}

const char* const kNegative = "NON ESISTONO VALORI NEGATIVI|MESSAGGIO DI ERRORE";
const char* const kTooHigh = "dBmicroV max = 120|MESSAGGIO DI ERRORE";
const Steps kUvA = {"-", "-4", "-47", "47"}, kUvB = {"1", "10", "100", "-100"};
const Steps kDbuvA = {"-", "-4", "-47"}, kDbuvB = {"1", "12", "121", "12", "120", "1200"};

const Row kDbMicrovolt[] = {
    Row("frmdBmicrovolt", {}).modal().why("opens converting microvolts to decibels")
        .title("dBmicrovolt RIFERITO AD IMPEDENZE DI 75 Ohm").selected("Option1", 0).focus("Option1(0)")
        .caption("Option1", 0, "da microvolt a dBmicrovolt").caption("Option1", 1, "da dBmicroV a microvolt")
        .text("Frame1", " Opzioni di calcolo  ").text("lblinput", "DIGITARE I microvolt")
        .text("lbloutput", "CORRISPONDE A dBmicrovolt : ").shown({"lbloutput"}).text("txtin", "")
        .text("lblout", "0")  // the empty input reads as 1 µV
        .text("cmdesci", "E S C I").text("Label2", "usare il punto del tastierino numerico per i decimali")
        .text("Label1", "Il dB microvolt E' UNA UNITA' DI MISURA, USATA IN CAMPO TELEVISIVO, CHE ESPRIME IL "
                        "GUADAGNO O L' ATTENUAZIONE IN TENSIONE SU DI UN CARICO DA 75 OHM."),
    // an option click clears the input and relabels
    Row("frmdBmicrovolt", {"txtin=1000"}).modal().text("lblout", "60"),
    Row("frmdBmicrovolt", Steps{"txtin=1000"} + option(1)).modal().text("txtin", "").text("lblout", "1")
        .text("lblinput", "DIGITARE I dBmicrovolt").text("lbloutput", "CORRISPONDE A microvolt"),
    Row("frmdBmicrovolt", Steps{"txtin=1000"} + option(1) + Steps{"txtin=60"} + option(0)).modal()
        .text("txtin", "").text("lblout", "0").text("lblinput", "DIGITARE I microvolt")
        .text("lbloutput", "CORRISPONDE A dBmicrovolt : "),
    level(0, "1", "0"),        level(0, "0", "0"),      level(0, "10", "20"),      level(0, "1000", "60"),
    level(0, "1000000", "120"), level(0, "0.5", "-6,02"), level(0, "0.001", "-60"), level(0, "2.5", "7,96"),
    level(0, "3", "9,54"),     level(0, "7", "16,9"),
    level(0, "50", "33,98"),  // S9 on 50 ohm, in µV
    level(1, "0", "1"),        level(1, "0.3", "1,04"), level(1, "6", "2"),        level(1, "20", "10"),
    level(1, "34", "50,12"),   level(1, "60", "1000"),  level(1, "87.3", "23173,95"),
    // single precision: 7 significant digits
    level(1, "100.5", "105925,4"), level(1, "107", "223872,1"), level(1, "120", "1000000"),
    // a negative voltage is reported, then taken as 1 µV
    levelKeys(0, kUvA, 1, {}, "0"),                   levelKeys(0, kUvA, 2, {kNegative}, "0"),
    levelKeys(0, kUvA, 3, {kNegative, kNegative}, "0"), levelKeys(0, kUvA, 4, {kNegative, kNegative}, "33,44"),
    levelKeys(0, kUvB, 1, {}, "0"),                   levelKeys(0, kUvB, 2, {}, "20"),
    levelKeys(0, kUvB, 3, {}, "40"),                  levelKeys(0, kUvB, 4, {kNegative}, "0"),
    // above 120 and below 0 the previous result stays
    levelKeys(1, kDbuvA, 1, {}, "1"),                 levelKeys(1, kDbuvA, 2, {kNegative}, "1"),
    levelKeys(1, kDbuvA, 3, {kNegative, kNegative}, "1"),
    levelKeys(1, kDbuvB, 1, {}, "1,12"),              levelKeys(1, kDbuvB, 2, {}, "3,98"),
    levelKeys(1, kDbuvB, 3, {kTooHigh}, "3,98"),      levelKeys(1, kDbuvB, 4, {kTooHigh}, "3,98"),
    levelKeys(1, kDbuvB, 5, {kTooHigh}, "1000000"),   levelKeys(1, kDbuvB, 6, {kTooHigh, kTooHigh}, "1000000"),
    Row("frmdBmicrovolt", {"txtin=1000", "txtin=1e400"}).modal().why("beyond any double").text("lblout", ""),
};

TEST(Conversions, DbMicrovolt) { play(kDbMicrovolt); }

// ------------------------------------------------------------------ frmvoltwatt

Row power(int opt, const char* watts, const char* ohm, const char* volts, const char* dbmText,
          Where w = Where::current()) {
  return Row("frmvoltwatt",
             (opt != 1 ? option(opt) : Steps{}) + Steps{string("txtinput=") + watts, string("txtohm=") + ohm} +
                 kCalcola, w)
      .why(std::to_string(opt) + " " + watts + " W on " + ohm).text("lbloutput", volts).text("lbldbm", dbmText);
}

// An option click relabels and blanks the results; the input stays.
Row unit(int opt, const char* name, Where w = Where::current()) {
  return Row("frmvoltwatt", Steps{"txtinput=1", "click:cmdcalcola"} + (opt == 1 ? option(2) : Steps{}) + option(opt), w)
      .why(std::to_string(opt)).text("lblinput", name).text("lbloutput", "").text("lbldbm", "").text("txtinput", "1");
}

Row missingData(const char* watts, const char* ohm, Where w = Where::current()) {
  return Row("frmvoltwatt", {string("txtinput=") + watts, string("txtohm=") + ohm, "click:cmdcalcola"}, w)
      .why(string(watts) + " / " + ohm).message("MANCANO DATI|MESSAGGIO DI ERRORE").focus("txtohm")
      .text("lbloutput", "").text("lbldbm", "");
}

const Row kVoltWatt[] = {
    Row("frmvoltwatt", {}).why("opens on watts").title("VALORE IN dBm  IN RAPPORTO ALLA POTENZA E ALL' IMPEDENZA")
        .selected("Option1", 1).focus("Option1(1)")
        .caption("Option1", 1, "DA WATT A VOLT E dBm").caption("Option1", 2, "DA MILLIWATT A MILLIVOLT E dBm")
        .caption("Option1", 3, "DA MICROWATT A MILLIVOLT E dBm").caption("Option1", 4, "DA NANOWATT A MILLIVOLT E dBm")
        .caption("Option1", 5, "DA NANOWATT A MICROVOLT E dBm").caption("Option1", 6, "DA PICOWATT A MICROVOLT E dBm")
        .caption("Option1", 7, "DA FEMTOWATT A MICROVOLT E dBm")
        .text("lblinput", "WATT").text("Label1", "OHM").text("txtohm", "50").text("txtinput", "")
        .text("lbloutput", "").text("lbldbm", "").text("cmdcalcola", "CALCOLA").text("cmdesci", "E S C I")
        .text("Label2", "SEPARARE GLI EVENTUALI DECIMALI CON IL PUNTO"),
    power(1, "1", "50", "7,071 VOLT rms", "PARI A  30 dBm"),
    power(1, "5", "50", "15,811 VOLT rms", "PARI A  37 dBm"),  // QRP
    power(1, "0.3", "50", "3,873 VOLT rms", "PARI A  24,8 dBm"),
    power(1, "0.5", "75", "6,124 VOLT rms", "PARI A  27 dBm"),
    power(1, "100", "50", "70,711 VOLT rms", "PARI A  50 dBm"),
    power(1, "1000", "50", "223,607 VOLT rms", "PARI A  60 dBm"),  // a kilowatt
    power(2, "1", "50", "223,608 MILLIVOLT rms", "PARI A  0 dBm"),  // 31.623, not the root of 1000
    power(2, "0.2", "50", "100,001 MILLIVOLT rms", "PARI A  -7 dBm"),
    power(3, "1", "50", "7,071 MILLIVOLT rms", "PARI A  -30 dBm"),
    power(3, "2.5", "50", "11,180 MILLIVOLT rms", "PARI A  -26 dBm"),
    power(4, "1", "50", "0,223 MILLIVOLT rms", "PARI A  -60 dBm"),
    power(5, "1", "50", "223,608 MICROVOLT rms", "PARI A  -60 dBm"),
    power(6, "1", "50", "7,071 MICROVOLT rms", "PARI A  -90 dBm"),
    power(6, "47", "75", "59,372 MICROVOLT rms", "PARI A  -73,3 dBm"),
    power(7, "1", "50", "0,223 MICROVOLT rms", "PARI A  -120 dBm"),
    power(7, "5", "50", "0,500 MICROVOLT rms", "PARI A  -113 dBm"),
    Row("frmvoltwatt", {"txtinput=1", "click:cmdcalcola"}).text("lbloutput", "7,071 VOLT rms")
        .text("lbldbm", "PARI A  30 dBm"),
    unit(7, "femtoWATT"), unit(6, "picoWATT"),  unit(5, "nanoWatt"),  unit(4, "nanoWATT"),
    unit(3, "microWATT"), unit(2, "milliWATT"), unit(1, "WATT"),
    // typing blanks the results
    Row("frmvoltwatt", Steps{"txtinput=1", "click:cmdcalcola"} + keys("txtinput", "7")).text("lbloutput", "")
        .text("lbldbm", ""),
    Row("frmvoltwatt", Steps{"txtinput=1", "click:cmdcalcola"} + keys("txtohm", "7")).text("lbloutput", "")
        .text("lbldbm", ""),
    // missing data puts the focus on the resistance
    missingData("1", ""), missingData("", "50"), missingData("1", "0"), missingData("-1", "50"),
    missingData("1", "-50"), missingData("abc", "50"),
    // a result too large to show: the typing blanked the results, the failed computation leaves them so
    Row("frmvoltwatt", {"txtinput=1", "click:cmdcalcola", "txtinput=1e300", "txtohm=1e300", "click:cmdcalcola"})
        .message("DATI NON VALIDI|MESSAGGIO DI ERRORE").text("lbloutput", "").text("lbldbm", ""),
};

TEST(Conversions, VoltWatt) { play(kVoltWatt); }

// ------------------------------------------------------------------ the family

// A result shown, then the close button closes; the window opens again afresh.
const Row kFamily[] = {
    Row("frmdB", {"txtinput1=20", "click:cmdcalcola"}).text("lblout1", "10,"),
    Row("frmdB", {"txtinput1=20", "click:cmdcalcola", "click:cmdesci"}).open(false)
        .effects(kNormal + kEnlarged + Steps{"close"}),
    Row("frmdB", {}).text("txtinput1", "").text("lblout1", ""),
    Row("frmdBW", {"txtinput=20"}).text("lblout1", "50,000"),
    Row("frmdBW", {"txtinput=20", "click:cmdesci"}).open(false).effects({"close"}),
    Row("frmdBW", {}).text("txtinput", "").text("lblout1", ""),
    Row("frmdBmicrovolt", {"txtin=20"}).text("lblout", "26,02"),
    Row("frmdBmicrovolt", {"txtin=20", "click:cmdesci"}).open(false).effects({"close"}),
    Row("frmdBmicrovolt", {}).text("txtin", "").text("lblout", "0"),
    Row("frmvoltwatt", {"txtinput=20", "click:cmdcalcola"}).text("lbloutput", "31,623 VOLT rms"),
    Row("frmvoltwatt", {"txtinput=20", "click:cmdcalcola", "click:cmdesci"}).open(false).effects({"close"}),
    Row("frmvoltwatt", {}).text("txtinput", "").text("lbloutput", ""),
};

TEST(Conversions, Family) { play(kFamily); }

}  // namespace
}  // namespace vm::test
