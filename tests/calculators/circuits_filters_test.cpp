// L-C filter sections for radio frequencies and R-C sections for audio,
// driven as a radio amateur would, results read in the Italian format; the
// designed sections are checked against their own definition too.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calculators/registry.h"
#include "framework/headless.h"
#include "support/rows.h"

namespace vm {
namespace {

using test::Row;

const std::string kMissing = "MANCANO DATI|MESSAGGIO DI ERRORE|warning";
const std::string kInverted = "FREQUENZE INVERTITE|MESSAGGIO DI ERRORE|warning";
const std::string kQ = "Q ECCESSIVO (MAX 10)     BANDA PASSANTE TROPPO STRETTA IN RELAZIONE ALLA FREQUENZA";

const Row kLowHigh[] = {
    // ---------------------------------------------------------- frmpassaalto
    Row("frmpassaalto", {})
        .why("only the two sections and the instruction show at first")
        .shown({"Image1", "Image2", "lblpigreco", "lblT", "lblistruzione"})
        .hidden({"lblfrequenza", "lblimpedenza", "txtfrequenza", "txtimpedenza", "lblinduttanza", "lblcapacità",
                 "cmdcalcola", "cmdbobine", "lblnota"})
        .focus("cmdesci"),
    Row("frmpassaalto", {"click:Image1"})
        .why("the pi section chosen: the T one disappears, the inputs show")
        .shown({"Image1", "lblpigreco", "txtfrequenza", "txtimpedenza", "lblfrequenza", "lblimpedenza", "cmdcalcola",
                "cmdbobine"})
        .hidden({"Image2", "lblT", "lblistruzione", "lblinduttanza", "lblnota"})
        .text("txtimpedenza", "50")
        .focus("txtfrequenza"),
    Row("frmpassaalto", {"click:Image2", "!click:Image1"})
        .why("once the T section is chosen the pi one cannot be clicked")
        .shown({"Image2", "lblT"})
        .hidden({"Image1", "lblpigreco"})
        .focus("txtfrequenza"),
    Row("frmpassaalto", {"click:Image2", "txtfrequenza=1", "click:cmdcalcola"})
        .why("T section, 50 ohm, 1 MHz: the window's own example")
        .text("lblinduttanza", "INDUTTANZA in microHENRY di L : 3,98")
        .text("lblcapacità", "CAPACITA' in picoFARAD di C : 3180")
        .shown({"lblinduttanza", "lblcapacità", "lblnota"}),
    Row("frmpassaalto", {"click:Image1", "txtfrequenza=7", "click:cmdcalcola"})
        .why("pi section above the 40 m band")
        .text("lblinduttanza", "INDUTTANZA in microHENRY di L : 1,14")
        .text("lblcapacità", "CAPACITA' in picoFARAD di C : 227,4"),
    Row("frmpassaalto", {"click:Image2", "txtfrequenza=0.137", "click:cmdcalcola"})
        .why("T section at 137 kHz: the capacitance shows without grouping")
        .text("lblinduttanza", "INDUTTANZA in microHENRY di L : 29,05")
        .text("lblcapacità", "CAPACITA' in picoFARAD di C : 23211,7"),
    Row("frmpassaalto", {"click:Image1", "txtfrequenza=7", "click:cmdcalcola", "txtfrequenza=3.5"})
        .why("typing leaves the results as they were")
        .text("lblcapacità", "CAPACITA' in picoFARAD di C : 227,4"),
    Row("frmpassaalto", {"click:Image1", "click:cmdcalcola"})
        .message(kMissing)
        .hidden({"lblinduttanza", "lblnota"})
        .focus("txtfrequenza"),
    Row("frmpassaalto", {"click:Image1", "txtfrequenza=7", "txtimpedenza=-50", "click:cmdcalcola"})
        .why("a negative product does nothing")
        .hidden({"lblinduttanza", "lblnota"}),
    Row("frmpassaalto", {"click:Image1", "click:cmdbobine"})
        .effects({"move 180 180", "open frmbobine modeless 4100 2800"}),

    // --------------------------------------------------------- frmpassabasso
    Row("frmpassabasso", {"click:Image1", "txtfrequenza=10", "click:cmdcalcola"})
        .why("pi section, 50 ohm, 10 MHz: the window's own example")
        .text("lblinduttanza", "INDUTTANZA in microHENRY di L : 1,59")
        .text("lblcapacità", "CAPACITA' in picoFARAD di C : 318")
        .shown({"lblnota"}),
    Row("frmpassabasso", {"click:Image1", "txtfrequenza=30", "click:cmdcalcola"})
        .why("an HF transmitter's harmonic filter")
        .text("lblinduttanza", "INDUTTANZA in microHENRY di L : 0,53")
        .text("lblcapacità", "CAPACITA' in picoFARAD di C : 106"),
    Row("frmpassabasso", {"click:Image1", "txtfrequenza=0.5", "txtimpedenza=75", "click:cmdcalcola"})
        .text("lblinduttanza", "INDUTTANZA in microHENRY di L : 47,7")
        .text("lblcapacità", "CAPACITA' in picoFARAD di C : 4240"),
    Row("frmpassabasso", {"click:Image2", "txtfrequenza=1.8", "click:cmdcalcola"})
        .why("T section for 160 m")
        .text("lblinduttanza", "INDUTTANZA in microHENRY di L : 4,42")
        .text("lblcapacità", "CAPACITA' in picoFARAD di C : 3533,3")
        .hidden({"Image1"}),
    Row("frmpassabasso", {"click:Image1", "txtfrequenza=145", "click:cmdcalcola"})
        .why("2 m")
        .text("lblinduttanza", "INDUTTANZA in microHENRY di L : 0,11")
        .text("lblcapacità", "CAPACITA' in picoFARAD di C : 21,9"),
    Row("frmpassabasso", {"click:Image2", "txtimpedenza=", "txtfrequenza=7", "click:cmdcalcola"})
        .message(kMissing)
        .focus("txtfrequenza"),

    // -------------------------------------------------------- frmpassabasso2
    Row("frmpassabasso2", {"txtf=7", "click:cmdcalcola"})
        .why("50 ohm at 7 MHz: the window's own example")
        .text("lbll", "0,682 µH")
        .text("lblc1", "245,7 pF")
        .text("lblc2a", "273 pF")
        .text("lblc2b", "273 pF")
        .text("lblzin", "50 OHM")
        .text("lblzout", "50 OHM"),
    Row("frmpassabasso2", {"txtf=0.5", "txtimpedenza=75", "click:cmdcalcola"})
        .why("the capacitor across the coil is grouped, the end ones are not")
        .text("lbll", "14,331 µH")
        .text("lblc1", "2.293,0 pF")
        .text("lblc2a", "2547,8 pF")
        .text("lblzin", "75 OHM"),
    Row("frmpassabasso2", {"txtf=1.8", "click:cmdcalcola"})
        .text("lbll", "2,654 µH")
        .text("lblc1", "955,4 pF")
        .text("lblc2b", "1061,6 pF"),
    Row("frmpassabasso2", {})
        .why("the terminals are named until the first computation")
        .text("lblzin", "INPUT")
        .text("lblzout", "OUTPUT")
        .focus("txtimpedenza"),
    Row("frmpassabasso2", {"txtf=7", "txtimpedenza=", "click:cmdcalcola"})
        .message(kMissing)
        .text("lblzin", "INPUT")
        .focus("txtimpedenza"),
    Row("frmpassabasso2", {"txtimpedenza=50", "click:cmdcalcola"}).message(kMissing).focus("txtimpedenza"),
    Row("frmpassabasso2", {"txtf=-7", "click:cmdcalcola"}).text("lbll", ""),
    Row("frmpassabasso2", {"click:cmdstampa"}).why("printing asks nothing").effects({"print"}),
    Row("frmpassabasso2", {"click:cmdchiamabobine"}).effects({"open frmbobine modeless"}),
};

TEST(CircuitsLowHighPassSections, Rows) { test::play(kLowHigh); }

const Row kBandNotch[] = {
    // ------------------------------------------------ frmpassabandakcostante
    Row("frmpassabandakcostante", {"txtimpedenza=50", "txtf1=7", "txtf2=7.2", "click:cmdcalcola"})
        .why("40 m: a Q of 35.5 is reported as too high")
        .text("lbll1", "79,6 µH")
        .text("lblc1", "6,3 pF")
        .text("lbll2", "0,016 µH")
        .text("lblc2", "31.847,1 pF")
        .text("lblc2a", "15923,55 pF")
        .text("lblc2b", "15923,55 pF")
        .text("lbll2a", "2 x 0,032 µH")
        .text("lblc1a", "12,6 pF")
        .text("lblc1b", "12,6 pF")
        .text("lbll1a", "2 x 39,8 µH")
        .text("lblzin", "50 OHM")
        .text("lblzout2", "50 OHM")
        .text("lblfc", "LA FREQUENZA DI CENTRO BANDA E' 7,1 MHz")
        .text("lblbw", "LA BANDA PASSANTE E' 0,200 MHz")
        .text("lblq", "IL FATTORE DI MERITO TEORICO E' 35,500")
        .text("lblfattoreq", kQ)
        .shown({"Frame1"}),
    Row("frmpassabandakcostante", {"txtimpedenza=50", "txtf1=6", "txtf2=8", "click:cmdcalcola"})
        .why("a wide band: no Q warning")
        .text("lbll1", "8,0 µH")
        .text("lblc1", "66,3 pF")
        .text("lbll2", "0,166 µH")
        .text("lblc2", "3.184,7 pF")
        .text("lblc2a", "1592,35 pF")
        .text("lbll2a", "2 x 0,332 µH")
        .text("lblc1a", "132,6 pF")
        .text("lbll1a", "2 x 4 µH")
        .text("lblfc", "LA FREQUENZA DI CENTRO BANDA E' 7 MHz")
        .text("lblbw", "LA BANDA PASSANTE E' 2,000 MHz")
        .text("lblq", "IL FATTORE DI MERITO TEORICO E' 3,500")
        .text("lblfattoreq", ""),
    Row("frmpassabandakcostante",
        {"txtimpedenza=50", "txtf1=7", "txtf2=7.2", "click:cmdcalcola", "txtf1=1.8", "txtf2=2", "click:cmdcalcola"})
        .why("160 m after 40 m: the Q warning goes away")
        .text("lblc1a", "177 pF")
        .text("lblq", "IL FATTORE DI MERITO TEORICO E' 9,500")
        .text("lblfattoreq", ""),
    Row("frmpassabandakcostante", {}).hidden({"Frame1"}).text("lblzin", "INPUT").text("lblzout2", "OUTPUT"),
    Row("frmpassabandakcostante", {"txtf1=7", "txtf2=7.2", "click:cmdcalcola"})
        .message(kMissing)
        .hidden({"Frame1"})
        .focus("txtimpedenza"),
    Row("frmpassabandakcostante", {"txtimpedenza=50", "txtf1=-7", "txtf2=7.2", "click:cmdcalcola"})
        .why("a negative product does nothing")
        .hidden({"Frame1"}),
    Row("frmpassabandakcostante", {"txtimpedenza=50", "txtf1=7.2", "txtf2=7", "click:cmdcalcola"})
        .why("inverted frequencies are refused, nothing else changes")
        .message(kInverted)
        .hidden({"Frame1"})
        .text("lbll1", "")
        .text("lblzin", "INPUT")
        .focus("txtf1"),
    Row("frmpassabandakcostante",
        {"txtimpedenza=50", "txtf1=6", "txtf2=8", "click:cmdcalcola", "txtf2=6", "click:cmdcalcola"})
        .why("equal frequencies too; the results shown stay")
        .message(kInverted)
        .text("lbll1", "8,0 µH")
        .shown({"Frame1"})
        .focus("txtf1"),
    Row("frmpassabandakcostante", {"click:Command1"}).effects({"print"}),
    Row("frmpassabandakcostante", {"click:cmdchiamabobine"}).effects({"open frmbobine modeless"}),

    // ------------------------------------------------------------ frmnotchaf
    Row("frmnotchaf", {"txtf1=450", "txtf2=460", "click:cmdcalcola"})
        .why("a notch on a 455 kHz intermediate frequency")
        .text("lbltl1", "0,38 µH x 2")
        .text("lbltl2", "398,1 µH")
        .text("lbltc1(0)", "318.471,34 pF")
        .text("lbltc1(1)", "318.471,34 pF")
        .text("lbltc2", "307,70 pF")
        .text("lblpl1", "0,77 µH")
        .text("lblpl2(0)", "796,18 µH x 2")
        .text("lblpc1", "159.235,67 pF")
        .text("lblpc2(0)", "153,85 pF x 2"),
    Row("frmnotchaf", {"txtr=600", "txtf1=10", "txtf2=20", "click:cmdcalcola"})
        .text("lbltl1", "4.777,07 µH x 2")
        .text("lbltl2", "4.777,1 µH")
        .text("lblpc2(0)", "13.269,64 pF x 2"),
    Row("frmnotchaf", {"txtf1=455", "txtf2=455", "click:cmdcalcola"})
        .why("equal frequencies are inverted ones")
        .message(kInverted)
        .text("lbltl1", "")
        .focus("txtf1"),
    Row("frmnotchaf", {"txtf1=460", "txtf2=450", "click:cmdcalcola"}).message(kInverted).focus("txtf1"),
    Row("frmnotchaf", {"txtf2=460", "click:cmdcalcola"}).message(kMissing).focus("txtf1"),
    Row("frmnotchaf", {"txtr=-50", "txtf1=450", "txtf2=460", "click:cmdcalcola"})
        .why("a negative product warns here")
        .message(kMissing)
        .focus("txtf1"),
    Row("frmnotchaf", {"click:cmdchiamabobine"}).effects({"move 180 250", "open frmbobine modeless 8000 6250"}),

    // ------------------------------------------------------------ frmnotchbf
    Row("frmnotchbf", {"txtr=600", "txtf1=900", "txtf2=1100", "click:cmdcalcola"})
        .why("a notch around 1 kHz on a 600 ohm audio line")
        .text("lbltl1", "19.301,29 µH  x 2")
        .text("lbltl2", "238,85 mH")
        .text("lbltc1(0)", "1,33 µF")
        .text("lbltc1(1)", "1,33 µF")
        .text("lbltc2", "107.229,41 pF")
        .text("lblpl1", "38.602,6 µH")
        .text("lblpl2", "477,71 mH x 2")
        .text("lblpc1", "0,66 µF")
        .text("lblpc2", "53.614,7 pF x 2"),
    Row("frmnotchbf", {"txtf1=50", "txtf2=60", "click:cmdcalcola"})
        .why("mains hum at 50 ohm")
        .text("lbltc2", "21.231.422,51 pF")
        .text("lblpc2", "10.615.711,3 pF x 2"),
    Row("frmnotchbf", {"txtf1=1000", "txtf2=900", "click:cmdcalcola"}).message(kInverted).focus("txtf1"),
    Row("frmnotchbf", {"txtr=", "txtf1=900", "txtf2=1100", "click:cmdcalcola"}).message(kMissing).focus("txtf1"),
    Row("frmnotchbf", {"click:cmdchiamabobine"}).effects({"move 180 250", "open frmbobine modeless 8000 6250"}),

    // ----------------------------------------------------------- frmfiltriBF
    Row("frmfiltriBF", {"click:cmdcalcola"})
        .why("an empty field becomes 10 Hz: 72,4 kohm by the formula")
        .text("txtfrequenza", "10")
        .text("lblC1", "220 nF")
        .text("lblC2", "220 nF")
        .text("lblR1", "72,4 Kohm")
        .text("lblR2", "72,4 Kohm"),
    Row("frmfiltriBF", {"txtfrequenza=1000", "click:cmdcalcola"})
        .text("lblC1", "4,7 nF")
        .text("lblR2", "33,9 Kohm")
        .text("txtfrequenza", "1000"),
    Row("frmfiltriBF", {"txtfrequenza=200000", "click:cmdcalcola"})
        .why("above 100 kHz the field is rewritten")
        .text("txtfrequenza", "100000")
        .text("lblC2", "0,66 nF")
        .text("lblR1", "2,4 Kohm"),
    Row("frmfiltriBF", {"txtfrequenza=50000", "click:cmdcalcola"}).text("lblC1", "0,66 nF").text("lblR1", "4,8 Kohm"),
    Row("frmfiltriBF", {"txtfrequenza=49999", "click:cmdcalcola"})
        .why("a whole value keeps the separator of its pattern")
        .text("lblC1", "0,8 nF")
        .text("lblR1", "4, Kohm"),
    Row("frmfiltriBF", {"txtfrequenza=9999", "click:cmdcalcola"}).text("lblC1", "1,5 nF").text("lblR1", "10,6 Kohm"),
    Row("frmfiltriBF", {"txtfrequenza=4999", "click:cmdcalcola"}).text("lblC1", "4,7 nF").text("lblR1", "6,8 Kohm"),
    Row("frmfiltriBF", {"txtfrequenza=999", "click:cmdcalcola"}).text("lblC1", "15 nF").text("lblR1", "10,6 Kohm"),
    Row("frmfiltriBF", {"txtfrequenza=499", "click:cmdcalcola"}).text("lblC1", "56 nF").text("lblR1", "5,7 Kohm"),
    Row("frmfiltriBF", {"txtfrequenza=99", "click:cmdcalcola"}).text("lblC1", "220 nF").text("lblR1", "7,3 Kohm"),
    Row("frmfiltriBF", {"txtfrequenza=-5", "click:cmdcalcola"}).text("txtfrequenza", "10").text("lblR1", "72,4 Kohm"),
    Row("frmfiltriBF", {"txtfrequenza=1000", "click:cmdcalcola", "txtfrequenza=1"})
        .why("typing empties the four labels, letters included")
        .text("lblC1", "")
        .text("lblR1", "")
        .text("lblC2", "")
        .text("lblR2", ""),
    Row("frmfiltriBF", {}).text("lblC1", "C").text("lblR2", "R"),

    // -------------------------------------------------------- frmfiltronotch
    Row("frmfiltronotch", {"txtfrequenza=50", "click:cmdcalcola"})
        .why("a 50 Hz hum notch")
        .text("lblr1", "14,5 Kohm")
        .text("lblr2", "14,5 Kohm")
        .text("lblR3", "14,5 Kohm")
        .text("lblc1", "220 nF")
        .text("lblc2", "220 nF")
        .text("lblc3", "220 nF"),
    Row("frmfiltronotch", {"txtfrequenza=1750", "click:cmdcalcola"})
        .why("a 1750 Hz tone")
        .text("lblR3", "19,4 Kohm")
        .text("lblc3", "4,7 nF"),
    Row("frmfiltronotch", {"txtfrequenza=1e6", "click:cmdcalcola"}).text("txtfrequenza", "100000").text("lblc1", "0,66 nF"),
    Row("frmfiltronotch", {"txtfrequenza=1750", "click:cmdcalcola", "txtfrequenza=17"})
        .text("lblr1", "")
        .text("lblR3", "")
        .text("lblc2", ""),
};

TEST(CircuitsBandPassNotch, Rows) { test::play(kBandNotch); }

// --------------------------------------------- sections against their definition

// The number at the start of a shown value ("2 x " skipped), Italian format.
double shown(const Form& f, const std::string& name, int index = -1) {
  std::string s = f.state(f.find(name, index)).text;
  if (s.rfind("2 x ", 0) == 0) s = s.substr(4);
  std::string plain;
  for (char c : s) {
    if (c == '.') continue;
    if (c == ' ') break;
    plain += c == ',' ? '.' : c;
  }
  return std::stod(plain);
}

std::unique_ptr<Form> computed(const char* form, std::initializer_list<std::pair<const char*, const char*>> in,
                               HeadlessHost& host) {
  auto f = makeForm(form);
  f->open(host, Regional::italian(), false);
  for (auto [name, text] : in) f->type(f->find(name), text);
  f->click(f->find("cmdcalcola"));
  return f;
}

// MHz from microhenry and picofarad.
double resonance(double uH, double pF) { return 159.155 / std::sqrt(uH * pF); }

TEST(CircuitsBandPassNotch, BandPassResonatorsTuneToTheCentre) {
  struct Band { const char* z; const char* f1; const char* f2; };
  for (Band band : {Band{"50", "3.5", "3.8"}, Band{"50", "1.8", "2"}, Band{"50", "6", "8"}, Band{"50", "14", "14.35"}}) {
    HeadlessHost host;
    auto f = computed("frmpassabandakcostante", {{"txtimpedenza", band.z}, {"txtf1", band.f1}, {"txtf2", band.f2}}, host);
    const double centre = std::sqrt(readNumber(band.f1) * readNumber(band.f2));
    // pi form: the series pair and the end pairs; T form: the end pairs and the shunt pair
    EXPECT_NEAR(resonance(shown(*f, "lbll1"), shown(*f, "lblc1")), centre, 0.01 * centre) << band.f1;
    EXPECT_NEAR(resonance(shown(*f, "lbll2a"), shown(*f, "lblc2a")), centre, 0.01 * centre) << band.f1;
    EXPECT_NEAR(resonance(shown(*f, "lbll1a"), shown(*f, "lblc1a")), centre, 0.01 * centre) << band.f1;
    EXPECT_NEAR(resonance(shown(*f, "lbll2"), shown(*f, "lblc2")), centre, 0.01 * centre) << band.f1;
  }
}

TEST(CircuitsBandPassNotch, NotchResonatorsTuneToTheNotch) {
  HeadlessHost host;
  auto f = computed("frmnotchaf", {{"txtf1", "440"}, {"txtf2", "470"}}, host);
  const double centre = std::sqrt(0.44 * 0.47);
  EXPECT_NEAR(resonance(shown(*f, "lblpl1"), shown(*f, "lblpc1")), centre, 0.01 * centre);
  EXPECT_NEAR(resonance(shown(*f, "lblpl2", 0), shown(*f, "lblpc2", 0)), centre, 0.01 * centre);
  EXPECT_NEAR(resonance(shown(*f, "lbltl1"), shown(*f, "lbltc1", 0)), centre, 0.01 * centre);
  EXPECT_NEAR(resonance(shown(*f, "lbltl2"), shown(*f, "lbltc2")), centre, 0.01 * centre);
}

}  // namespace
}  // namespace vm
