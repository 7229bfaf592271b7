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
    Row("frmpinetwork", {"txtinput=1500", "txtfrequenza=23.7", "txtq=12", "click:cmdcalcola"})
        .why("a 0.97 uH coil rounds to 1.0 and stays in microhenry")
        .text("lblbobina", "L'INDUTTANZA E' 1,0  µHENRY")
        .text("lbll", "1,0µH"),
    Row("frmpinetwork", {"txtinput=1500", "txtfrequenza=24.5", "txtq=12", "click:cmdcalcola"})
        .why("a 0.94 uH coil rounds to 0.9 and goes to nanohenry")
        .text("lblbobina", "L'INDUTTANZA E' 938 nanoHENRY")
        .text("lbll", "938 nanoH"),
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

// -------------------------------------------- quarter-wave coaxial line

const Row kQuarterWaveRows[] = {
    Row("frmadattatori", {})
        .why("opens on the 52 ohm feed line")
        .selected("Option1", 0)
        .focus("Option1(0)")
        .text("lbllung", "1/4 LAMBDA"),
    Row("frmadattatori", {"txtf=14.2", "txtimpantenna=112", "click:cmdcalcola"})
        .why("20 m, 112 ohm antenna on 52 ohm cable")
        .text("lblimpadattatore", "IMPEDENZA DELL'ADATTATORE : OHM  76,3")
        .text("lbllunghezza", "LUNGHEZZA DELLO SPEZZONE : mt.  3,49")
        .text("lbllung", "3,49 mt.")
        .text("lblimpantenna", "112 Ohm")
        .text("lblimplinea", "52  Ohm"),
    Row("frmadattatori", {"click:Option1:1", "txtf=14.2", "txtimpantenna=52", "click:cmdcalcola"})
        .why("52 ohm antenna on 75 ohm cable")
        .text("lblimpadattatore", "IMPEDENZA DELL'ADATTATORE : OHM  62,4")
        .text("lbllunghezza", "LUNGHEZZA DELLO SPEZZONE : mt.  4,23")
        .text("lblimplinea", "75  Ohm"),
    Row("frmadattatori", {"click:Option1:1", "txtf=7.05", "txtimpantenna=300", "click:cmdcalcola"})
        .why("40 m folded dipole on 75 ohm: a whole impedance keeps its decimal")
        .text("lblimpadattatore", "IMPEDENZA DELL'ADATTATORE : OHM  150,0")
        .text("lbllung", "8,51 mt."),
    Row("frmadattatori", {"txtf=1.85", "txtimpantenna=25", "click:cmdcalcola"})
        .why("160 m")
        .text("lblimpadattatore", "IMPEDENZA DELL'ADATTATORE : OHM  36,1")
        .text("lbllung", "26,76 mt."),
    Row("frmadattatori", {"txtf=145", "txtimpantenna=200", "click:cmdcalcola"})
        .why("2 m")
        .text("lblimpadattatore", "IMPEDENZA DELL'ADATTATORE : OHM  102,0")
        .text("lbllung", "0,34 mt."),
    Row("frmadattatori", {"click:Option1:1", "txtf=432.5", "txtimpantenna=100", "click:cmdcalcola"})
        .why("70 cm")
        .text("lblimpadattatore", "IMPEDENZA DELL'ADATTATORE : OHM  86,6")
        .text("lbllung", "0,14 mt."),
    Row("frmadattatori", {"txtimpantenna=52", "click:cmdcalcola"})
        .why("no adapter needed, tested before the missing frequency")
        .message("NON OCCORRE ADATTATORE|MESSAGGIO DI AVVISO|warning")
        .focus("txtimpantenna"),
    Row("frmadattatori", {"txtimpantenna=112", "click:cmdcalcola"})
        .message(kMissing)
        .focus("txtf"),
    Row("frmadattatori", {"txtf=14.2", "txtimpantenna=-112", "click:cmdcalcola"})
        .why("a negative product does nothing")
        .text("lblimpadattatore", "")
        .focus("cmdcalcola"),
    Row("frmadattatori", {"txtf=-14.2", "txtimpantenna=-112", "click:cmdcalcola"})
        .why("two negative factors: no real adapter impedance")
        .message(kInvalid)
        .text("lblimpadattatore", "")
        .focus("cmdcalcola"),
    Row("frmadattatori", {"txtf=14.2", "txtimpantenna=112", "click:cmdcalcola", "txtf=21"})
        .why("a new frequency empties the length and the adapter, not the antenna end")
        .text("lblimpadattatore", "")
        .text("lbllunghezza", "")
        .text("lbllung", "")
        .text("lblimpantenna", "112 Ohm")
        .text("lblimplinea", "52  Ohm"),
    Row("frmadattatori", {"txtf=14.2", "txtimpantenna=112", "click:cmdcalcola", "txtimpantenna=100"})
        .why("a new antenna empties its end and keeps the piece's length")
        .text("lblimpadattatore", "")
        .text("lbllunghezza", "")
        .text("lblimpantenna", "")
        .text("lbllung", "3,49 mt."),
    Row("frmadattatori", {"txtf=14.2", "txtimpantenna=112", "click:cmdcalcola", "click:Option1:1"})
        .why("another cable empties the results; the piece keeps its length")
        .text("lblimpadattatore", "")
        .text("lbllunghezza", "")
        .text("lblimpantenna", "")
        .text("lblimplinea", "")
        .text("lbllung", "3,49 mt.")
        .text("txtf", "14.2"),
    Row("frmadattatori", {"click:cmdchiamacavi"}).effects({"open frmcaviRG modeless"}),
    Row("frmadattatori", {"click:cmdchiamaesempi"}).effects({"open frmesempiadattatori modeless"}),
};

TEST(LinesMatching, QuarterWaveLine) { play(kQuarterWaveRows); }

const std::vector<std::string> kExampleLengths = {"lbllunghezza1", "lbllunghezza2", "lbllunghezza3"};

const Row kExampleRows[] = {
    Row("frmesempiadattatori", {})
        .why("opens on the 52 ohm cable; the pieces show their design caption")
        .selected("Option1", 0)
        .text("lbllunghezza1", "1/4 LAMBDA")
        .shown(kExampleLengths)
        .hidden({"Frame2"}),
    Row("frmesempiadattatori", {"click:Option1:1", "txtfrequenza=28"})
        .why("75 ohm cable on 10 m")
        .text("lbllunghezza1", "2,14 mt.")
        .text("lbllunghezza2", "2,14 mt.")
        .text("lbllunghezza3", "2,14 mt.")
        .text("lblzant1", "27 OHM")
        .text("lblzant2", "432 OHM")
        .text("lblzant3", "27 OHM")
        .shown({"Frame2", "lbllunghezza1", "lbllunghezza2", "lbllunghezza3"}),
    Row("frmesempiadattatori", {"txtfrequenza=14.2"})
        .why("52 ohm cable on 20 m")
        .text("lbllunghezza2", "3,49 mt.")
        .text("lblzant1", "13 OHM")
        .text("lblzant2", "208 OHM")
        .text("lblzant3", "13 OHM"),
    Row("frmesempiadattatori", {"click:Option1:1", "txtfrequenza=145"})
        .why("2 m")
        .text("lbllunghezza3", "0,41 mt."),
    Row("frmesempiadattatori", {"txtfrequenza=.5"})
        .why("a whole length shows no decimals")
        .text("lbllunghezza1", "99 mt."),
    Row("frmesempiadattatori", {"txtfrequenza=7", "txtfrequenza=7.", "txtfrequenza=7.1"})
        .why("live, keystroke by keystroke")
        .text("lbllunghezza1", "6,97 mt."),
    Row("frmesempiadattatori", {"txtfrequenza=7.1", "txtfrequenza="})
        .why("emptying the frequency hides every result")
        .hidden({"Frame2", "lbllunghezza1", "lbllunghezza2", "lbllunghezza3"}),
    Row("frmesempiadattatori", {"txtfrequenza=-7"})
        .hidden({"Frame2", "lbllunghezza1"}),
    Row("frmesempiadattatori", {"txtfrequenza=7.1", "click:Option1:1"})
        .why("another cable empties the frequency and hides the results")
        .text("txtfrequenza", "")
        .hidden({"Frame2", "lbllunghezza1", "lbllunghezza2", "lbllunghezza3"})
        .selected("Option1", 1),
    Row("frmesempiadattatori", {"txtfrequenza=abc"})
        .why("what is not a number reads as 0")
        .hidden({"Frame2", "lbllunghezza2"}),
    Row("frmesempiadattatori", {"click:cmdchiamacavi"}).effects({"open frmcaviRG modeless"}),
};

TEST(LinesMatching, WorkedExamples) { play(kExampleRows); }

// ------------------------------------------------------- concentric tubes

const Row kTubeRows[] = {
    Row("frmtrasformatubi", {"txtzant=200", "txtfrequenza=432", "click:cmdcalcola"})
        .why("70 cm, 200 ohm antenna")
        .text("lblimprichiesta", " L'IMPEDENZA RICHIESTA DAL TRASFORMATORE E' 100,0 OHM"),
    Row("frmtrasformatubi", {"txtzant=200", "txtfrequenza=432", "click:cmdcalcola", "txtd1=20", "txtd2=3.8",
                             "click:cmdcalcola1"})
        .why("the tubes of the example")
        .text("lblimpottenuta", "L'IMPEDENZA OTTENUTA E' 99,5 OHM")
        .text("lbllunghezza", "IL TRASFORMATORE E' LUNGO cm. 17,3")
        .text("lbld1", "20 mm")
        .text("lbld2", "3,8 mm")
        .text("lbllung", "17,3 cm"),
    Row("frmtrasformatubi", {"txtzant=300", "txtfrequenza=145", "click:cmdcalcola", "txtd1=30", "txtd2=4",
                             "click:cmdcalcola1"})
        .why("2 m")
        .text("lblimprichiesta", " L'IMPEDENZA RICHIESTA DAL TRASFORMATORE E' 122,5 OHM")
        .text("lblimpottenuta", "L'IMPEDENZA OTTENUTA E' 120,8 OHM")
        .text("lbllung", "51,7 cm"),
    Row("frmtrasformatubi", {"txtzant=100", "txtfrequenza=1296", "click:cmdcalcola", "txtd1=12", "txtd2=5",
                             "click:cmdcalcola1"})
        .why("23 cm")
        .text("lblimprichiesta", " L'IMPEDENZA RICHIESTA DAL TRASFORMATORE E' 70,7 OHM")
        .text("lblimpottenuta", "L'IMPEDENZA OTTENUTA E' 52,5 OHM")
        .text("lbllunghezza", "IL TRASFORMATORE E' LUNGO cm. 5,8"),
    Row("frmtrasformatubi", {"txtzant=200", "txtfrequenza=432", "click:cmdcalcola", "txtfrequenza=145",
                             "txtd1=20", "txtd2=3.8", "click:cmdcalcola1"})
        .why("the second step keeps the frequency of the first")
        .text("lbllunghezza", "IL TRASFORMATORE E' LUNGO cm. 17,3")
        .text("lblimprichiesta", " L'IMPEDENZA RICHIESTA DAL TRASFORMATORE E' 100,0 OHM"),
    Row("frmtrasformatubi", {"txtzant=200", "txtfrequenza=432", "txtd1=20", "txtd2=3.8", "click:cmdcalcola1"})
        .why("the second step first: nothing kept yet")
        .message(kMissing)
        .text("lblimpottenuta", "")
        .focus("txtzant"),
    Row("frmtrasformatubi", {"txtzant=200", "txtfrequenza=432", "click:cmdcalcola", "txtd1=20", "txtd2=20",
                             "click:cmdcalcola1"})
        .message("DIAMETRI NON CORRETTI|MESSAGGIO DI ERRORE|warning")
        .focus("txtd1"),
    Row("frmtrasformatubi", {"txtzant=200", "txtfrequenza=432", "click:cmdcalcola", "txtd1=3.8", "txtd2=20",
                             "click:cmdcalcola1"})
        .why("the inner tube wider than the outer")
        .message("DIAMETRI NON CORRETTI|MESSAGGIO DI ERRORE|warning")
        .focus("txtd1"),
    Row("frmtrasformatubi", {"txtzant=200", "click:cmdcalcola"})
        .message(kMissing)
        .focus("txtzant"),
    Row("frmtrasformatubi", {"txtzant=200", "txtfrequenza=432", "click:cmdcalcola", "txtfrequenza=",
                             "click:cmdcalcola", "txtd1=20", "txtd2=3.8", "click:cmdcalcola1"})
        .why("a first step stopped at its message still keeps what it read")
        .message(kMissing)
        .message(kMissing)
        .text("lblimprichiesta", " L'IMPEDENZA RICHIESTA DAL TRASFORMATORE E' 100,0 OHM")
        .text("lblimpottenuta", ""),
    Row("frmtrasformatubi", {"txtzant=-200", "txtfrequenza=-432", "click:cmdcalcola"})
        .why("two negative factors: no real impedance")
        .message(kInvalid)
        .text("lblimprichiesta", ""),
    Row("frmtrasformatubi", {"txtzant=200", "txtfrequenza=-432", "click:cmdcalcola", "txtzant=200",
                             "txtfrequenza=432", "txtd1=20", "txtd2=-3.8", "click:cmdcalcola1"})
        .why("a negative d2 with the negative frequency kept by the first step: no real impedance")
        .message(kMissing)
        .message(kInvalid)
        .text("lblimpottenuta", "")
        .text("lbld2", "d2")
        .focus("cmdcalcola1"),
};

TEST(LinesMatching, ConcentricTubes) { play(kTubeRows); }

// -------------------------------------------------------------- gamma match

const Row kGammaRows[] = {
    Row("frmgammamatch", {"txtfrequenza=7.1", "click:cmdcalcola"})
        .why("40 m")
        .text("lbllunghezza", "cm. 263,9")
        .text("lbldistanza", "spaziatura cm 29,6")
        .text("lbllambda", "VALORE DI LAMBDA = mt. 42,2")
        .text("lblpf", "CONDENSATORE = pF  296")
        .text("lblcavo", "USANDO L'RG 8/213 COME CONDENSATORE LA LUNGHEZZA E' cm. 306")
        .text("lbldiametri", "IL DIAMETRO DELLO STUB E' 1/2 - 1/4 IL DIAMETRO DEL RADIATORE")
        .text("lblc", "296 pF"),
    Row("frmgammamatch", {"txtfrequenza=14.2", "click:cmdcalcola"})
        .why("20 m: a whole rod keeps the separator of its pattern")
        .text("lbllunghezza", "cm. 132,")
        .text("lbldistanza", "spaziatura cm 14,8")
        .text("lbllambda", "VALORE DI LAMBDA = mt. 21,1")
        .text("lblpf", "CONDENSATORE = pF  148")
        .text("lblcavo", "USANDO L'RG 8/213 COME CONDENSATORE LA LUNGHEZZA E' cm. 154"),
    Row("frmgammamatch", {"txtfrequenza=28.5", "click:cmdcalcola"})
        .why("10 m")
        .text("lbllunghezza", "cm. 65,7")
        .text("lbldistanza", "spaziatura cm 7,4")
        .text("lblc", "74 pF")
        .text("lblcavo", "USANDO L'RG 8/213 COME CONDENSATORE LA LUNGHEZZA E' cm. 77"),
    Row("frmgammamatch", {"txtfrequenza=144.3", "click:cmdcalcola"})
        .why("2 m")
        .text("lbllunghezza", "cm. 13,")
        .text("lbldistanza", "spaziatura cm 1,5")
        .text("lbllambda", "VALORE DI LAMBDA = mt. 2,1")
        .text("lblpf", "CONDENSATORE = pF  15")
        .text("lblcavo", "USANDO L'RG 8/213 COME CONDENSATORE LA LUNGHEZZA E' cm. 16"),
    Row("frmgammamatch", {"txtfrequenza=1.85", "click:cmdcalcola"})
        .why("160 m: no grouping in the pattern")
        .text("lbllunghezza", "cm. 1012,8")
        .text("lblpf", "CONDENSATORE = pF  1135")
        .text("lblcavo", "USANDO L'RG 8/213 COME CONDENSATORE LA LUNGHEZZA E' cm. 1171"),
    Row("frmgammamatch", {"txtfrequenza=840", "click:cmdcalcola"})
        .why("2.5 pF rounds to the even 2")
        .text("lblpf", "CONDENSATORE = pF  2")
        .text("lblcavo", "USANDO L'RG 8/213 COME CONDENSATORE LA LUNGHEZZA E' cm. 3")
        .text("lbllambda", "VALORE DI LAMBDA = mt. 0,4"),
    Row("frmgammamatch", {"txtfrequenza=600", "click:cmdcalcola"})
        .why("3.5 pF rounds to the even 4")
        .text("lblpf", "CONDENSATORE = pF  4")
        .text("lblcavo", "USANDO L'RG 8/213 COME CONDENSATORE LA LUNGHEZZA E' cm. 5"),
    Row("frmgammamatch", {"click:cmdcalcola"})
        .message("MANCA INPUT|MESSAGGIO DI ERRORE|warning")
        .text("lbllunghezza", "STUB")
        .focus("txtfrequenza"),
    Row("frmgammamatch", {"txtfrequenza=7.1", "click:cmdcalcola", "txtfrequenza=-7", "click:cmdcalcola"})
        .why("a refused frequency keeps the earlier results")
        .message("MANCA INPUT|MESSAGGIO DI ERRORE|warning")
        .text("lblc", "296 pF")
        .focus("txtfrequenza"),
    Row("frmgammamatch", {"txtfrequenza=7.1", "click:cmdcalcola", "txtfrequenza=14"})
        .why("typing changes no result")
        .text("lblc", "296 pF"),
};

TEST(LinesMatching, GammaMatch) { play(kGammaRows); }

// ----------------------------------------------------------------- hairpin

const Row kHairpinRows[] = {
    Row("frmhairpin", {})
        .text("txtRA", "30")
        .text("txtdistanza", "37")
        .text("txtdiametro", "6")
        .text("lbllung", "lunghezza")
        .hidden({"Frame1"})
        .focus("txtfrequenza"),
    Row("frmhairpin", {"txtfrequenza=14.2", "txtRS=50", "click:cmdcalcola"})
        .why("the design values on 20 m")
        .text("lbld", "6 mm")
        .text("lbls", "37")
        .text("lbllung", "636,7 mm")
        .text("lblxl", "L'HAIRPIN DOVRA' AVERE UNA REATTANZA DI OHM 61,2")
        .text("lblz", "L'HAIRPIN HA UNA IMPEDENZA DI OHM 301,1")
        .text("lbllunghezza", "L'HAIRPIN DOVRA' AVERE UNA LUNGHEZZA DI cm 63,67")
        .shown({"Frame1"}),
    Row("frmhairpin", {"txtfrequenza=28.5", "txtRA=25", "txtRS=50", "click:cmdcalcola"})
        .why("10 m")
        .text("lbllung", "259,0 mm")
        .text("lblxl", "L'HAIRPIN DOVRA' AVERE UNA REATTANZA DI OHM 50,0")
        .text("lbllunghezza", "L'HAIRPIN DOVRA' AVERE UNA LUNGHEZZA DI cm 25,90"),
    Row("frmhairpin", {"txtfrequenza=50.15", "txtRS=50", "txtdistanza=20", "txtdiametro=4", "click:cmdcalcola"})
        .why("6 m")
        .text("lbllung", "196,7 mm")
        .text("lblz", "L'HAIRPIN HA UNA IMPEDENZA DI OHM 276,0")
        .text("lbls", "20")
        .text("lbld", "4 mm"),
    Row("frmhairpin", {"txtfrequenza=7.1", "txtRA=35", "txtRS=75", "txtdistanza=50", "txtdiametro=10",
                       "click:cmdcalcola"})
        .why("40 m: a long hairpin grouped by thousands")
        .text("lbllung", "1.591,7 mm")
        .text("lblxl", "L'HAIRPIN DOVRA' AVERE UNA REATTANZA DI OHM 70,2")
        .text("lbllunghezza", "L'HAIRPIN DOVRA' AVERE UNA LUNGHEZZA DI cm 159,17"),
    Row("frmhairpin", {"txtfrequenza=14.2", "txtRS=30", "click:cmdcalcola"})
        .message("RES.RADIAZIONE SEMPRE < IMP.LINEA|MESSAGGIO DI ERRORE|warning")
        .hidden({"Frame1"})
        .focus("txtRA"),
    Row("frmhairpin", {"txtfrequenza=14.2", "click:cmdcalcola"})
        .message(kMissing)
        .focus("txtfrequenza"),
    Row("frmhairpin", {"txtfrequenza=14.2", "txtRS=50", "txtdiametro=-6", "click:cmdcalcola"})
        .why("a negative diameter is missing data")
        .message(kMissing)
        .focus("txtfrequenza"),
    Row("frmhairpin", {"txtfrequenza=14.2", "txtRS=50", "click:cmdcalcola", "txtRS=30", "click:cmdcalcola"})
        .why("a later message leaves the results and the frame in place")
        .message("RES.RADIAZIONE SEMPRE < IMP.LINEA|MESSAGGIO DI ERRORE|warning")
        .shown({"Frame1"})
        .text("lbllung", "636,7 mm"),
    Row("frmhairpin", {"txtfrequenza=14.2", "txtRA=-50", "txtRS=-30", "click:cmdcalcola"})
        .why("two negative resistances: no real reactance")
        .message(kInvalid)
        .hidden({"Frame1"})
        .text("lbllung", "lunghezza"),
};

TEST(LinesMatching, Hairpin) { play(kHairpinRows); }

// ------------------------------------------------------------ coaxial baluns

const Row kBalunRows[] = {
    Row("frmbaluncoax1quarto", {})
        .why("opens on the 50 ohm cable with the design caption")
        .selected("Option1", 0)
        .text("lbllunghezza", "1/4 LAMBDA")
        .shown({"lbllunghezza"}),
    Row("frmbaluncoax1quarto", {"txtfrequenza=14.2"}).text("lbllunghezza", "3,49 mt."),
    Row("frmbaluncoax1quarto", {"txtfrequenza=3.65"}).why("80 m").text("lbllunghezza", "13,56 mt."),
    Row("frmbaluncoax1quarto", {"click:Option1:1", "txtfrequenza=7.1"}).why("75 ohm cable").text("lbllunghezza",
                                                                                                 "8,45 mt."),
    Row("frmbaluncoax1quarto", {"txtfrequenza=1", "txtfrequenza=14", "txtfrequenza=145"})
        .why("live, keystroke by keystroke")
        .text("lbllunghezza", "0,34 mt."),
    Row("frmbaluncoax1quarto", {"txtfrequenza=14.2", "txtfrequenza="}).hidden({"lbllunghezza"}),
    Row("frmbaluncoax1quarto", {"txtfrequenza=14.2", "click:Option1:1"})
        .why("another cable empties the frequency and hides the length")
        .text("txtfrequenza", "")
        .hidden({"lbllunghezza"}),
    Row("frmbaluncoax1quarto", {"click:cmdchiamacavi"}).effects({"open frmcaviRG modeless"}),

    Row("frmbaluncoax3quarti", {})
        .text("lbllunghezza", "1/4 LAMBDA")
        .text("lbllunghezza1", "3/4 LAMBDA")
        .shown({"lbllunghezza", "lbllunghezza1"}),
    Row("frmbaluncoax3quarti", {"txtfrequenza=14.2"})
        .why("the example: three times the rounded quarter wave")
        .text("lbllunghezza", "3,49 mt.")
        .text("lbllunghezza1", "10,47 mt."),
    Row("frmbaluncoax3quarti", {"click:Option1:1", "txtfrequenza=28.5"})
        .text("lbllunghezza", "2,11 mt.")
        .text("lbllunghezza1", "6,33 mt."),
    Row("frmbaluncoax3quarti", {"txtfrequenza=1.85"})
        .why("160 m")
        .text("lbllunghezza", "26,76 mt.")
        .text("lbllunghezza1", "80,28 mt."),
    Row("frmbaluncoax3quarti", {"txtfrequenza=145"}).text("lbllunghezza1", "1,02 mt."),
    Row("frmbaluncoax3quarti", {"txtfrequenza=14.2", "txtfrequenza="}).hidden({"lbllunghezza", "lbllunghezza1"}),
    Row("frmbaluncoax3quarti", {"txtfrequenza=14.2", "click:Option1:1"})
        .text("txtfrequenza", "")
        .hidden({"lbllunghezza", "lbllunghezza1"}),
    Row("frmbaluncoax3quarti", {"click:cdmesci"}).effects({"close"}).open(false),
};

TEST(LinesMatching, CoaxialBaluns) { play(kBalunRows); }

}  // namespace
}  // namespace vm::test
