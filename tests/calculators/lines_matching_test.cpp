// Matching networks, line transformers, stubs and baluns, driven as a radio
// amateur would: values typed with the decimal point, results read in the
// Italian number format, every message with the input that gets the focus.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <string>

#include "framework/numbers.h"
#include "support/harness.h"
#include "support/rows.h"

namespace vm::test {
namespace {

const std::string kMissing = "MANCANO DATI|MESSAGGIO DI ERRORE|warning";
const std::string kInvalid = "DATI NON VALIDI|MESSAGGIO DI ERRORE|warning";

// ------------------------------------------------------------ L networks

const std::vector<std::string> kLcFrame = {"lbldescrizione", "lblc1", "lbll1", "lblc2", "lbll2"};

const Row kLNetworkRows[] = {
    Row("frmadattatoriLC", {})
        .why("on opening the note shows and the ports read their design captions")
        .shown({"Label1", "Image1", "Image2"})
        .hidden({"Frame1", "Image3", "Image4"})
        .text("lblzin", "Zin")
        .text("lblzout1", "Zout")
        .focus("txtfrequenza"),
    Row("frmadattatoriLC", {"txtfrequenza=7", "txtinput=50", "txtoutput=200", "click:cmdcalcola"})
        .why("40 m, 50 to 200 ohm: step-up")
        .text("lbldescrizione", "  PASSA ALTO IN SALITA                             PASSA BASSO IN SALITA")
        .text("lblc1", "LA CAPACITA' E' 262,5 pF")
        .text("lbll1", "L'INDUTTANZA E' 2,63µH")
        .text("lblc2", "LA CAPACITA' E' 196,9 pF")
        .text("lbll2", "L'INDUTTANZA E' 1,97µH")
        .text("lblzin", "50")
        .text("lblzin1", "50")
        .text("lblzout", "200")
        .text("lblzout1", "200")
        .shown({"Frame1", "Image1", "Image2"})
        .hidden({"Label1", "Image3", "Image4"})
        .focus("cmdcalcola"),
    Row("frmadattatoriLC", {"txtfrequenza=14.2", "txtinput=200", "txtoutput=50", "click:cmdcalcola"})
        .why("20 m, 200 to 50 ohm: step-down, the other pair of pictures")
        .text("lbldescrizione", "  PASSA ALTO IN DISCESA                           PASSA BASSO IN DISCESA")
        .text("lblc1", "LA CAPACITA' E' 129,4 pF")
        .text("lbll1", "L'INDUTTANZA E' 1,29µH")
        .text("lblc2", "LA CAPACITA' E' 97,1 pF")
        .text("lbll2", "L'INDUTTANZA E' 0,97µH")
        .text("lblzin", "200")
        .text("lblzout", "50")
        .shown({"Frame1", "Image3", "Image4"})
        .hidden({"Image1", "Image2"}),
    Row("frmadattatoriLC", {"txtfrequenza=1.8", "txtinput=12.5", "txtoutput=50", "click:cmdcalcola"})
        .why("160 m, a short vertical of 12.5 ohm: capacitances grouped by thousands")
        .text("lblc1", "LA CAPACITA' E' 4.083,8 pF")
        .text("lbll1", "L'INDUTTANZA E' 2,55µH")
        .text("lblc2", "LA CAPACITA' E' 3.062,9 pF")
        .text("lbll2", "L'INDUTTANZA E' 1,92µH")
        .text("lblzin", "12,5"),
    Row("frmadattatoriLC", {"txtfrequenza=145", "txtinput=50", "txtoutput=300", "click:cmdcalcola"})
        .why("2 m, 50 to 300 ohm")
        .text("lblc1", "LA CAPACITA' E' 9,8 pF")
        .text("lbll1", "L'INDUTTANZA E' 0,15µH")
        .text("lblc2", "LA CAPACITA' E' 8,2 pF")
        .text("lbll2", "L'INDUTTANZA E' 0,12µH"),
    Row("frmadattatoriLC",
        {"txtfrequenza=7", "txtinput=50", "txtoutput=200", "click:cmdcalcola", "txtinput=75"})
        .why("typing hides the results, shows the note and lowers the port captions")
        .hidden({"Frame1"})
        .shown({"Label1"})
        .text("lblzin", "zin")
        .text("lblzin1", "zin")
        .text("lblzout", "zout")
        .text("lblzout1", "zout")
        .text("lblc1", "LA CAPACITA' E' 262,5 pF"),
    Row("frmadattatoriLC", {"txtinput=50", "txtoutput=200", "click:cmdcalcola"})
        .why("no frequency: its own missing-data prompt")
        .message("MANCANO UNO O PIU' DATI|MESSAGGIO DI ERRORE|warning")
        .hidden({"Frame1", "Label1"})
        .text("lblzin", "zin")
        .focus("txtfrequenza"),
    Row("frmadattatoriLC", {"txtfrequenza=7", "txtinput=-50", "txtoutput=200", "click:cmdcalcola"})
        .why("a negative product stops without a message")
        .hidden({"Frame1"})
        .text("lblzin", "zin")
        .focus("cmdcalcola"),
    Row("frmadattatoriLC", {"txtfrequenza=7", "txtinput=50", "txtoutput=200", "click:cmdcalcola", "txtoutput=50",
                            "click:cmdcalcola"})
        .why("equal impedances: the ports show them, the results frame goes")
        .message("NON OCCORRE ADATTAMENTO|AVVISO|warning")
        .hidden({"Frame1"})
        .text("lblzin", "50")
        .text("lblzout1", "50")
        .focus("txtinput"),
    Row("frmadattatoriLC", {"txtfrequenza=-7", "txtinput=-50", "txtoutput=200", "click:cmdcalcola"})
        .why("two negative factors pass the test but make no network")
        .message(kInvalid)
        .hidden({"Frame1"})
        .focus("cmdcalcola"),
    Row("frmadattatoriLC", {"click:cmdchiamabobine"}).effects({"move 180 180", "open frmbobine modeless 4100 3000"}),
};

TEST(LinesMatching, LNetworks) { play(kLNetworkRows); }

// The values shown transform the load to the source resistance: the
// network, built from the rounded values, presents Zin at its input.
double shownValue(const std::string& s) {
  // "LA CAPACITA' E' 4.083,8 pF" -> 4083.8
  std::string digits;
  for (char c : s) {
    if (c >= '0' && c <= '9') digits += c;
    else if (c == ',') digits += '.';
  }
  return readNumber(digits);
}

TEST(LinesMatching, LNetworksMatchTheirLoad) {
  struct Case {
    const char *f, *zin, *zout;
  };
  for (const Case& k : {Case{"7", "50", "200"}, Case{"3.6", "25", "50"}, Case{"21.2", "50", "450"},
                        Case{"14.2", "300", "50"}, Case{"1.85", "100", "12"}}) {
    SCOPED_TRACE(std::string(k.f) + " MHz " + k.zin + " -> " + k.zout);
    Window w("frmadattatoriLC");
    w.type("txtfrequenza", k.f).type("txtinput", k.zin).type("txtoutput", k.zout).click("cmdcalcola");
    const double omega = 2 * 3.14159265358979 * readNumber(k.f) * 1e6;
    const double zin = readNumber(k.zin), zout = readNumber(k.zout);
    const std::complex<double> j(0, 1);
    auto xc = [&](const std::string& label) { return -j / (omega * shownValue(w.text(label)) * 1e-12); };
    auto xl = [&](const std::string& label) { return j * omega * shownValue(w.text(label)) * 1e-6; };
    auto par = [](std::complex<double> a, std::complex<double> b) { return a * b / (a + b); };
    std::complex<double> high, low;
    if (zin < zout) {
      // the shunt element across the load, the series one toward the source
      high = xc("lblc1") + par(xl("lbll1"), zout);
      low = xl("lbll2") + par(xc("lblc2"), zout);
    } else {
      // the series element toward the load, the shunt one across the source
      high = par(xl("lbll1"), xc("lblc1") + zout);
      low = par(xc("lblc2"), xl("lbll2") + zout);
    }
    // within the rounding of the values shown
    EXPECT_NEAR(high.real(), zin, 0.03 * zin);
    EXPECT_NEAR(high.imag(), 0, 0.03 * zin);
    EXPECT_NEAR(low.real(), zin, 0.03 * zin);
    EXPECT_NEAR(low.imag(), 0, 0.03 * zin);
  }
}

// ------------------------------------------------------------ pi network

const Row kPiRows[] = {
    Row("frmpinetwork", {})
        .why("load-time texts")
        .text("txtout", "50")
        .text("txtq", "12.3")
        .text("lbll", "INDUTTANZA")
        .hidden({"Frame1"})
        .focus("txtinput"),
    Row("frmpinetwork", {"txtinput=2000", "txtfrequenza=7.1", "click:cmdcalcola"})
        .why("a valve tank on 40 m with the default Q")
        .text("lblprimoc", "IL PRIMO CONDENSATORE E' pF 137,73")
        .text("lblsecondoc", "IL SECONDO CONDENSATORE E' pF 750,43")
        .text("lblc1", "137,73 pF")
        .text("lblc2", "750,43 pF")
        .text("lblbobina", "L'INDUTTANZA E' 4,1  µHENRY")
        .text("lbll", "4,1µH")
        .text("lblzin", "2000 OHM")
        .text("lblzout", "50 OHM")
        .text("lblbw", "LA BANDA PASSANTE E'  KHz  577,2")
        .shown({"Frame1"}),
    Row("frmpinetwork", {"txtinput=3000", "txtfrequenza=3.6", "txtq=14", "click:cmdcalcola"})
        .why("80 m with Q = 14: grouped thousands in a capacitor")
        .text("lblsecondoc", "IL SECONDO CONDENSATORE E' pF 1.334,78")
        .text("lblprimoc", "IL PRIMO CONDENSATORE E' pF 206,11")
        .text("lblbobina", "L'INDUTTANZA E' 10,4  µHENRY")
        .text("lblbw", "LA BANDA PASSANTE E'  KHz  257,1"),
    Row("frmpinetwork", {"txtinput=1500", "txtfrequenza=28.5", "txtq=12", "click:cmdcalcola"})
        .why("10 m: a coil below 1 uH in whole nanohenry from the unrounded value")
        .text("lblbobina", "L'INDUTTANZA E' 806 nanoHENRY")
        .text("lbll", "806 nanoH")
        .text("lblbw", "LA BANDA PASSANTE E'  KHz  2375")
        .text("lblc1", "44,63 pF")
        .text("lblc2", "218,46 pF"),
    Row("frmpinetwork", {"txtinput=200", "txtfrequenza=145", "click:cmdcalcola"})
        .why("2 m: a 27 nH coil does not read as 0")
        .text("lblbobina", "L'INDUTTANZA E' 27 nanoHENRY")
        .text("lbll", "27 nanoH")
        .text("lblbw", "LA BANDA PASSANTE E'  KHz  11788,6"),
    Row("frmpinetwork", {"txtinput=300", "txtfrequenza=144", "txtq=4", "click:cmdcalcola"})
        .why("a 104 nH coil does not read as 100")
        .text("lblbobina", "L'INDUTTANZA E' 104 nanoHENRY")
        .text("lblc2", "29,90 pF"),
    Row("frmpinetwork", {"txtinput=600", "txtfrequenza=432", "click:cmdcalcola"})
        .why("70 cm")
        .text("lblbobina", "L'INDUTTANZA E' 23 nanoHENRY")
        .text("lblc1", "7,55 pF")
        .text("lblc2", "25,17 pF")
        .text("lblbw", "LA BANDA PASSANTE E'  KHz  35122"),
    Row("frmpinetwork", {"txtinput=50", "txtfrequenza=7", "click:cmdcalcola"})
        .why("equal impedances")
        .message("IMPEDENZA INPUT SEMPRE > IMPEDENZA OUT|MESSAGGIO DI ERRORE|warning")
        .hidden({"Frame1"})
        .focus("txtinput"),
    Row("frmpinetwork", {"txtinput=5000", "txtfrequenza=7", "txtq=8", "click:cmdcalcola"})
        .why("Q below sqrt(99)")
        .message("FATTORE DI MERITO Q TROPPO BASSO|MESSAGGIO DI ERRORE|warning")
        .hidden({"Frame1"})
        .focus("txtq"),
    Row("frmpinetwork", {"txtinput=250", "txtfrequenza=7", "txtq=2", "click:cmdcalcola"})
        .why("Q exactly at its minimum: nothing at all")
        .hidden({"Frame1"})
        .focus("cmdcalcola"),
    Row("frmpinetwork", {"txtinput=2000", "click:cmdcalcola"})
        .why("no frequency")
        .message(kMissing)
        .focus("txtinput"),
    Row("frmpinetwork", {"txtinput=2000", "txtfrequenza=-7.1", "click:cmdcalcola"})
        .why("a negative frequency is missing data")
        .message(kMissing)
        .focus("txtinput"),
    Row("frmpinetwork", {"txtinput=-10", "txtout=-50", "txtfrequenza=7", "click:cmdcalcola"})
        .why("two negative impedances have no real minimum Q")
        .message(kInvalid)
        .hidden({"Frame1"})
        .focus("cmdcalcola"),
    Row("frmpinetwork", {"txtinput=2000", "txtfrequenza=7.1", "click:cmdcalcola", "txtinput=50",
                         "click:cmdcalcola"})
        .why("a message leaves the earlier results in place")
        .message("IMPEDENZA INPUT SEMPRE > IMPEDENZA OUT|MESSAGGIO DI ERRORE|warning")
        .shown({"Frame1"})
        .text("lblc1", "137,73 pF"),
    Row("frmpinetwork", {"click:cmdchiamabobine"}).effects({"move 180 180", "open frmbobine modeless"}),
    Row("frmpinetwork", {"click:cmdchiamaimpanodica"}).effects({"move 180 180", "open frmimpanodica modeless"}),
    Row("frmpinetwork", {"click:cmdchiudi"}).effects({"close"}).open(false),
};

TEST(LinesMatching, PiNetwork) { play(kPiRows); }

// ------------------------------------------------------- tapped capacitor

const std::string kTapMissing = "MANCANO DATI|MESSAGGIO DI ERRORE|none";
const std::string kTapOrder = "Impedenza input sempre < impedenza output|MESSAGGIO DI ERRORE|none";
const std::string kResonance = " MHz QUINDI CONSIDERANDO LE CAPACITA' PARASSITE NELLA PRATICA DOVREBBE AVVICINARSI "
                               "AL VALORE IMPOSTATO";
const std::string kResonanceIs = "LA FREQUENZA TEORICA DI RISONANZA E' ";

const Row kTappedRows[] = {
    Row("frmtappedcapacitormanu", {"txtfrequenza=7", "txtin=50", "txtout=200", "txtinduttanza=2",
                                   "click:cmdcalcola"})
        .why("40 m with a 2 uH coil")
        .text("lblc1", "258,5 pF")
        .text("lblc2", "258 pF")
        .text("lblinduttanza", "2,00 µH")
        .text("lblfrequenzareale", kResonanceIs + "9,8943" + kResonance)
        .shown({"Label3"}),
    Row("frmtappedcapacitormanu", {"txtfrequenza=14.2", "txtin=50", "txtout=450", "txtinduttanza=1.5",
                                   "click:cmdcalcola"})
        .why("20 m, 50 to 450 ohm")
        .text("lblc1", "83,7 pF")
        .text("lblc2", "167 pF")
        .text("lblinduttanza", "1,50 µH")
        .text("lblfrequenzareale", kResonanceIs + "17,3856" + kResonance),
    Row("frmtappedcapacitormanu", {"txtfrequenza=3.6", "txtin=12.5", "txtout=50", "txtinduttanza=10",
                                   "click:cmdcalcola"})
        .why("80 m, 12.5 to 50 ohm")
        .text("lblc1", "195,4 pF")
        .text("lblc2", "195 pF")
        .text("lblinduttanza", "10,00 µH")
        .text("lblfrequenzareale", kResonanceIs + "5,0895" + kResonance),
    Row("frmtappedcapacitormanu", {"txtfrequenza=145", "txtin=50", "txtout=300", "txtinduttanza=0.1",
                                   "click:cmdcalcola"})
        .why("2 m with a 100 nH coil")
        .text("lblc1", "12,0 pF")
        .text("lblc2", "17 pF")
        .text("lblinduttanza", "0,10 µH")
        .text("lblfrequenzareale", kResonanceIs + "189,6354" + kResonance),
    Row("frmtappedcapacitormanu", {"txtfrequenza=7", "txtin=50", "txtout=200", "txtinduttanza=2",
                                   "click:cmdcalcola", "txtinduttanza=3"})
        .why("a new coil blanks the results; the note stays")
        .text("lblc1", "")
        .text("lblc2", "")
        .text("lblinduttanza", "")
        .text("lblfrequenzareale", "")
        .shown({"Label3"}),
    Row("frmtappedcapacitormanu", {"txtfrequenza=7", "txtin=50", "txtout=200", "txtinduttanza=2",
                                   "click:cmdcalcola", "txtin=60", "txtout=600"})
        .why("new impedances clear nothing")
        .text("lblc1", "258,5 pF"),
    Row("frmtappedcapacitormanu", {"txtfrequenza=7", "txtin=50", "txtout=200", "click:cmdcalcola"})
        .why("no coil")
        .message(kTapMissing)
        .hidden({"Label3"})
        .focus("txtin"),
    Row("frmtappedcapacitormanu", {"txtfrequenza=7", "txtin=-50", "txtout=200", "txtinduttanza=2",
                                   "click:cmdcalcola"})
        .why("a negative impedance is missing data, not a square root of a negative ratio")
        .message(kTapMissing)
        .text("lblc1", "")
        .focus("txtin"),
    Row("frmtappedcapacitormanu", {"txtfrequenza=-7", "txtin=-50", "txtout=200", "txtinduttanza=2",
                                   "click:cmdcalcola"})
        .why("two negative inputs are missing data too")
        .message(kTapMissing)
        .focus("txtin"),
    Row("frmtappedcapacitormanu", {"txtfrequenza=7", "txtin=200", "txtout=200", "txtinduttanza=2",
                                   "click:cmdcalcola"})
        .why("input impedance not below the output one")
        .message(kTapOrder)
        .focus("txtin"),
    Row("frmtappedcapacitormanu", {"txtfrequenza=7", "txtin=1000", "txtout=1005", "txtinduttanza=2",
                                   "click:cmdcalcola"})
        .why("no lower capacitor: no resonance to show")
        .message(kInvalid)
        .text("lblc1", "")
        .hidden({"Label3"})
        .focus("cmdcalcola"),
    Row("frmtappedcapacitormanu", {"click:cmdchiamaauto"})
        .why("switches to the automatic form")
        .effects({"close", "open frmtappedcapacitorauto modeless"})
        .open(false),

    Row("frmtappedcapacitorauto", {"txtfrequenza=7.5", "txtin=50", "txtout=450", "click:cmdcalcola"})
        .why("7.5 MHz: 50 pF and a 9.01 uH coil")
        .text("lblc1", "50 pF")
        .text("lblc2", "100 pF")
        .text("lblinduttanza", "9,01 µH")
        .text("lblfrequenzareale", kResonanceIs + "9,1772" + kResonance)
        .shown({"Label3"}),
    Row("frmtappedcapacitorauto", {"txtfrequenza=1.85", "txtin=50", "txtout=200", "click:cmdcalcola"})
        .why("160 m")
        .text("lblc1", "202 pF")
        .text("lblc2", "202 pF")
        .text("lblinduttanza", "36,51 µH")
        .text("lblfrequenzareale", kResonanceIs + "2,6183" + kResonance),
    Row("frmtappedcapacitorauto", {"txtfrequenza=28.5", "txtin=50", "txtout=300", "click:cmdcalcola"})
        .why("10 m")
        .text("lblc1", "13 pF")
        .text("lblc2", "19 pF")
        .text("lblinduttanza", "2,37 µH")
        .text("lblfrequenzareale", kResonanceIs + "37,1714" + kResonance),
    Row("frmtappedcapacitorauto", {"txtfrequenza=145", "txtin=50", "txtout=300", "click:cmdcalcola"})
        .why("2 m")
        .text("lblc1", "2 pF")
        .text("lblc2", "3 pF")
        .text("lblinduttanza", "0,47 µH")
        .text("lblfrequenzareale", kResonanceIs + "212,6613" + kResonance),
    Row("frmtappedcapacitorauto", {"txtfrequenza=7.5", "txtin=50", "txtout=450", "click:cmdcalcola",
                                   "txtfrequenza=7"})
        .why("a new frequency blanks the results")
        .text("lblc1", "")
        .text("lblfrequenzareale", ""),
    Row("frmtappedcapacitorauto", {"txtfrequenza=7.5", "txtin=50", "txtout=450", "click:cmdcalcola", "txtin=40"})
        .why("a new impedance clears nothing")
        .text("lblc1", "50 pF"),
    Row("frmtappedcapacitorauto", {"txtin=50", "txtout=450", "click:cmdcalcola"})
        .why("no frequency: the focus goes to it")
        .message(kTapMissing)
        .focus("txtfrequenza"),
    Row("frmtappedcapacitorauto", {"txtfrequenza=7.5", "txtin=-50", "txtout=450", "click:cmdcalcola"})
        .why("a negative product is missing data here")
        .message(kTapMissing)
        .focus("txtfrequenza"),
    Row("frmtappedcapacitorauto", {"txtfrequenza=7.5", "txtin=450", "txtout=50", "click:cmdcalcola"})
        .message(kTapOrder)
        .focus("txtin"),
    Row("frmtappedcapacitorauto", {"txtfrequenza=7.5", "txtin=50", "txtout=51", "click:cmdcalcola"})
        .why("a small ratio leaves no lower capacitor")
        .message(kInvalid)
        .focus("cmdcalcola"),
    Row("frmtappedcapacitorauto", {"click:cmdchiamamanu"})
        .effects({"close", "open frmtappedcapacitormanu modeless"})
        .open(false),
};

TEST(LinesMatching, TappedCapacitor) { play(kTappedRows); }

// ------------------------------------------------- short antenna L network

const Row kShortAntennaRows[] = {
    Row("frmreteadattamento", {"txtfrequenza=7.1", "txtresistenza=20", "txtreattanza=-150", "click:cmdcalcola"})
        .why("a short 40 m vertical; the minus sign of the reactance is dropped")
        .text("lbll", "µH  3,91")
        .text("lblc", "pF  548,5")
        .text("lblserie", "LA REATTANZA SERIE COMPLESSIVA E'+/- 174 OHM PARI A µHENRY 3,91")
        .text("lblparallelo", "LA REATTANZA PARALLELO E'+/- 40 OHM PARI A  pF 548,5"),
    Row("frmreteadattamento", {"txtfrequenza=7.1", "txtresistenza=20", "txtreattanza=150", "click:cmdcalcola"})
        .why("the same reactance without its sign")
        .text("lbll", "µH  3,91")
        .text("lblc", "pF  548,5"),
    Row("frmreteadattamento", {"txtfrequenza=3.6", "txtresistenza=10", "txtreattanza=300", "click:cmdcalcola"})
        .why("80 m: the capacitor is shown without grouping")
        .text("lbll", "µH  14,15")
        .text("lblc", "pF  1766,7")
        .text("lblparallelo", "LA REATTANZA PARALLELO E'+/- 25 OHM PARI A  pF 1766,7"),
    Row("frmreteadattamento", {"txtfrequenza=27.2", "txtresistenza=36", "click:cmdcalcola"})
        .why("no reactance at all")
        .text("lblserie", "LA REATTANZA SERIE COMPLESSIVA E'+/- 22 OHM PARI A µHENRY 0,13")
        .text("lblc", "pF  72,9"),
    Row("frmreteadattamento", {"txtfrequenza=1.85", "txtresistenza=-5", "txtreattanza=800", "click:cmdcalcola"})
        .why("160 m, the resistance sign dropped too")
        .text("lbll", "µH  70,15")
        .text("lblc", "pF  5156,8"),
    Row("frmreteadattamento", {"txtfrequenza=7.1", "txtresistenza=50", "click:cmdcalcola"})
        .message("MAX RESISTENZA 49 OHM|MESSAGGIO DI ERRORE|warning")
        .focus("txtresistenza"),
    Row("frmreteadattamento", {"txtresistenza=20", "click:cmdcalcola"})
        .message("DATI ERRATI O MANCANTI|MESSAGGIO DI ERRORE|warning")
        .focus("txtfrequenza"),
    Row("frmreteadattamento", {"txtfrequenza=-7.1", "txtresistenza=20", "click:cmdcalcola"})
        .why("a negative frequency")
        .message("DATI ERRATI O MANCANTI|MESSAGGIO DI ERRORE|warning")
        .text("lbll", "")
        .focus("txtfrequenza"),
    Row("frmreteadattamento", {"click:cmdchiamabobine"}).effects({"move 180 180", "open frmbobine modeless 4100 3000"}),
    Row("frmreteadattamento", {"click:cmdesci"}).effects({"close"}).open(false),
};

TEST(LinesMatching, ShortAntennaNetwork) { play(kShortAntennaRows); }

}  // namespace
}  // namespace vm::test
