// The resistor, attenuator and capacitor windows, driven as a radio amateur
// would: real component values typed with the decimal point, results read in
// the Italian number format, every message with the input that gets the focus.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "calculators/passives/tpi_pads.h"
#include "support/harness.h"
#include "support/rows.h"

namespace vm::test {
namespace {

const std::string kMissing = "MANCANO DATI|MESSAGGIO DI ERRORE|warning";
const std::string kInvalid = "DATI NON VALIDI|MESSAGGIO DI ERRORE|warning";

// ------------------------------------------------------------ resistors

const Row kResistors[] = {
    Row("frmresistenze", {"txtr1=2200", "txtr2=3300", "click:cmdcalcola"})
        .why("2k2 and 3k3: both results in kiloohm with one decimal")
        .text("lblserie", "OHM SERIE =  5,5  KiloOhm")
        .text("lblparallelo", "OHM PARALLELO =  1,3  KiloOhm"),
    Row("frmresistenze", {"txtr1=500.4", "txtr2=500.4", "click:cmdcalcola"})
        .why("1000.8 ohm stays in ohm: the kiloohm starts at 1001")
        .text("lblserie", "OHM SERIE =  1.000,8  Ohm")
        .text("lblparallelo", "OHM PARALLELO =  250,2  Ohm"),
    Row("frmresistenze", {"txtr1=600", "txtr2=600", "click:cmdcalcola"})
        .text("lblserie", "OHM SERIE =  1,2  KiloOhm")
        .text("lblparallelo", "OHM PARALLELO =  300,0  Ohm"),
    Row("frmresistenze", {"txtr1=1000000", "txtr2=0.5", "click:cmdcalcola"})
        .why("1000000.5 ohm is still kiloohm: the megaohm starts at 1000001")
        .text("lblserie", "OHM SERIE =  1.000,0  KiloOhm")
        .text("lblparallelo", "OHM PARALLELO =  0,5  Ohm"),
    Row("frmresistenze", {"txtr1=1000000", "txtr2=1000000", "click:cmdcalcola"})
        .text("lblserie", "OHM SERIE =  2,00  MegaOhm")
        .text("lblparallelo", "OHM PARALLELO =  500,0  KiloOhm"),
    Row("frmresistenze", {"txtr1=-100", "txtr2=100", "click:cmdcalcola"})
        .why("a negative resistor is missing data")
        .message(kMissing)
        .text("lblserie", "")
        .focus("txtr1"),
    Row("frmresistenze", {"txtr2=100", "click:cmdcalcola"}).message(kMissing).focus("txtr1"),
    Row("frmresistenze", {"txtRA=1000", "txtrt=680", "click:cmdesegui"})
        .why("1k brought down to 680 ohm needs 2125 ohm in parallel")
        .text("lblresrichiesta", "LA RESISTENZA DA PORRE IN PARALLELO E' DI Ohm 2125")
        .shown({"lblresrichiesta"}),
    Row("frmresistenze", {"txtRA=47", "txtrt=33", "click:cmdesegui"})
        .why("47 to 33 ohm: 110,79 rounded to whole ohm")
        .text("lblresrichiesta", "LA RESISTENZA DA PORRE IN PARALLELO E' DI Ohm 111"),
    Row("frmresistenze", {"txtRA=1000", "txtrt=1000", "click:cmdesegui"})
        .message("la resistenza desiderata è sempre inferiore|MESSAGGIO DI ERRORE|warning")
        .hidden({"lblresrichiesta"})
        .focus("txtRA"),
    Row("frmresistenze", {"txtRA=1000", "click:cmdesegui"}).message(kMissing).focus("txtRA"),
    Row("frmresistenze", {"click:cmdExit"}).open(false),
    Row("frmresistenze", {"click:cmdesci"}).open(false),

    Row("frmpartitori", {"txtV=12", "txtr1=1000", "txtr2=2000", "click:cmdcalcola"})
        .why("12 V over 1k and 2k: 4 and 8 V, 4 mA")
        .text("lblv1", "Volt 4,00")
        .text("lblv2", "Volt 8,00")
        .text("lblcorrente", "LA CORRENTE E' :  4  milliAmp.")
        .text("lblV", "V. 12"),
    Row("frmpartitori", {"txtV=-12", "txtr1=1000", "txtr2=2000", "click:cmdcalcola"})
        .why("a negative supply is divided; the current is shown as its size")
        .text("lblv1", "Volt -4,00")
        .text("lblv2", "Volt -8,00")
        .text("lblcorrente", "LA CORRENTE E' :  4  milliAmp.")
        .text("lblV", "V. -12"),
    Row("frmpartitori", {"txtV=13.8", "txtr1=1000", "txtr2=470", "click:cmdcalcola"})
        .why("13.8 V supply: the current is rounded to 0.1 mA")
        .text("lblv1", "Volt 9,39")
        .text("lblv2", "Volt 4,41")
        .text("lblcorrente", "LA CORRENTE E' :  9,4  milliAmp.")
        .text("lblV", "V. 13,8"),
    Row("frmpartitori", {"txtV=12", "txtr1=4", "txtr2=8", "click:cmdcalcola"})
        .why("one ampere and more is shown in ampere")
        .text("lblcorrente", "LA CORRENTE E' :  1  Amp."),
    Row("frmpartitori", {"txtV=12", "txtr1=100", "txtr2=-100", "click:cmdcalcola"})
        .why("resistances summing to zero: refused, the window unchanged")
        .message(kInvalid)
        .text("lblV", "Volt")
        .text("lblv1", ""),
    Row("frmpartitori", {"txtr1=1000", "txtr2=2000", "click:cmdcalcola"})
        .message(kMissing)
        .text("lblV", "Volt")
        .focus("txtV"),

    Row("frmcorresistenza", {}).selected("Option1", 0).focus("Option1(0)"),
    Row("frmcorresistenza", {"txtohm=100", "click:cmdcalcola"})
        .why("a quarter watt 100 ohm resistor carries 50 mA")
        .text("lblmaxcorr", "LA CORRRENTE MASSIMA E' DI AMPERE 0,05")
        .shown({"lblmaxcorr"}),
    Row("frmcorresistenza", {"click:Option1:3", "txtohm=47", "click:cmdcalcola"})
        .text("lblmaxcorr", "LA CORRRENTE MASSIMA E' DI AMPERE 0,206"),
    Row("frmcorresistenza", {"click:Option1:10", "txtohm=2.2", "click:cmdcalcola"})
        .text("lblmaxcorr", "LA CORRRENTE MASSIMA E' DI AMPERE 3,015"),
    Row("frmcorresistenza", {"txtohm=100", "click:cmdcalcola", "click:Option1:2"})
        .why("another rating hides the result")
        .hidden({"lblmaxcorr"}),
    Row("frmcorresistenza", {"txtohm=100", "click:cmdcalcola", "txtohm=10"}).hidden({"lblmaxcorr"}),
    Row("frmcorresistenza", {"txtohm=100", "click:cmdcalcola", "txtohm=10", "click:cmdcalcola"})
        .text("lblmaxcorr", "LA CORRRENTE MASSIMA E' DI AMPERE 0,158")
        .shown({"lblmaxcorr"}),
    Row("frmcorresistenza", {"txtohm=-5", "click:cmdcalcola"})
        .message("INSERIRE UN VALORE|messaggio di errore|warning")
        .focus("txtohm"),

    Row("frmresgeneratore", {}).text("txtrcarico", "50"),
    Row("frmresgeneratore", {"txtv1=10", "txtv2=8", "click:cmdcalcola"})
        .text("lblrgeneratore", "LA RESISTENZA INTERNA DEL GENERATORE E' OHM 12,5"),
    Row("frmresgeneratore", {"txtv1=10", "txtv2=10", "click:cmdcalcola"})
        .text("lblrgeneratore", "LA RESISTENZA INTERNA DEL GENERATORE E' OHM 0"),
    Row("frmresgeneratore", {"txtv1=14.1", "txtv2=6.3", "txtrcarico=75", "click:cmdcalcola"})
        .why("92,857 rounded to one decimal")
        .text("lblrgeneratore", "LA RESISTENZA INTERNA DEL GENERATORE E' OHM 92,9"),
    Row("frmresgeneratore", {"txtv1=8", "txtv2=10", "click:cmdcalcola"})
        .message("LETTURE ERRATE|MESSAGGIO DI ERRORE|warning")
        .text("lblrgeneratore", "")
        .focus("txtv1"),
    Row("frmresgeneratore", {"txtv1=10", "txtv2=8", "txtrcarico=", "click:cmdcalcola"})
        .message(kMissing)
        .focus("txtv1"),

    Row("frmshunt", {"txtRM=100", "txtnr=10", "click:cmdcalcola"})
        .text("lblRS", "resistenza SHUNT in Ohm  =  11,11"),
    Row("frmshunt", {"txtRM=100", "txtnr=1", "click:cmdcalcola"})
        .why("a factor of 1 is taken as 1.1")
        .text("lblRS", "resistenza SHUNT in Ohm  =  1000"),
    Row("frmshunt", {"txtRM=100", "txtnr=0.5", "click:cmdcalcola"}).text("lblRS", "resistenza SHUNT in Ohm  =  1000"),
    Row("frmshunt", {"txtRM=50", "txtnr=20", "click:cmdcalcola"}).text("lblRS", "resistenza SHUNT in Ohm  =  2,63"),
    Row("frmshunt", {"txtRM=100", "txtnr=-2", "click:cmdcalcola"})
        .why("a negative product does nothing at all")
        .text("lblRS", ""),
    Row("frmshunt", {"txtnr=10", "click:cmdcalcola"}).message(kMissing).focus("txtRM"),

    Row("frmvoltmetro", {"txtRM=100", "txtnr=10", "click:cdmcalcola"})
        .text("lbloutput", "resistenza in Ohm da inserire in serie allo strumento =  900"),
    Row("frmvoltmetro", {"txtRM=100", "txtnr=0.5", "click:cdmcalcola"})
        .text("lbloutput", "resistenza in Ohm da inserire in serie allo strumento =  0"),
    Row("frmvoltmetro", {"txtRM=2000", "txtnr=7.5", "click:cdmcalcola"})
        .text("lbloutput", "resistenza in Ohm da inserire in serie allo strumento =  13000"),
    Row("frmvoltmetro", {"txtRM=-100", "txtnr=10", "click:cdmcalcola"}).text("lbloutput", ""),
    Row("frmvoltmetro", {"txtRM=100", "click:cdmcalcola"}).message(kMissing).focus("txtRM"),
};

TEST(PassivesResistors, Rows) { play(kResistors); }

// ------------------------------------------------------------ pads

const std::string kLOrder = "L'impedenza IN deve essere maggiore dell'impedenza OUT|messaggio di errore|warning";
const std::string kTOrder = "IMPEDENZA IN < IMPEDENZA OUT|messaggio di errore|warning";
const std::string kIncongruous = "DATI NON CONGRUI|messaggio di errore|warning";

const Row kPads[] = {
    Row("frmretiadL", {"txtRH=75", "txtRL=50", "click:cmdcalcola"})
        .why("75 to 50 ohm: the minimum-loss L pad")
        .text("lblR1", "43,3")
        .text("lblR2", "86,6")
        .text("lblperdita", "L'ATTENUAZIONE E' 5,72 dB"),
    Row("frmretiadL", {"txtRH=300", "txtRL=50", "click:cmdcalcola"})
        .why("a 300 ohm line down to 50 ohm")
        .text("lblR1", "273,9")
        .text("lblR2", "54,8")
        .text("lblperdita", "L'ATTENUAZIONE E' 13,42 dB"),
    Row("frmretiadL", {"txtRH=50", "txtRL=50", "click:cmdcalcola"})
        .why("equal impedances are refused, not a zero network")
        .message(kLOrder)
        .text("lblR1", "R1")
        .focus("txtRH"),
    Row("frmretiadL", {"txtRH=50", "txtRL=75", "click:cmdcalcola"}).message(kLOrder).focus("txtRH"),
    Row("frmretiadL", {"txtRH=75", "click:cmdcalcola"}).message(kMissing).focus("txtRH"),
    Row("frmretiadLbilanciata", {"txtRH=75", "txtRL=50", "click:cmdcalcola"})
        .why("the series resistor halved in each line; the loss of the whole pad")
        .text("lblR1", "21,7")
        .text("lblR1a", "21,7")
        .text("lblR2", "86,6")
        .text("lblperdita", "L'ATTENUAZIONE E' 5,72 dB"),
    Row("frmretiadLbilanciata", {"txtRH=600", "txtRL=75", "click:cmdcalcola"})
        .text("lblR1", "280,6")
        .text("lblR1a", "280,6")
        .text("lblR2", "80,2")
        .text("lblperdita", "L'ATTENUAZIONE E' 14,77 dB"),
    Row("frmretiadLbilanciata", {"txtRH=75", "txtRL=75", "click:cmdcalcola"}).message(kLOrder).focus("txtRH"),

    Row("frmretiaTePgreco", {"txtZI=50", "txtZO=50", "txtLD=10", "click:cmdcalcola"})
        .why("a 10 dB pad for 50 ohm")
        .text("lblR1T", "25,97")
        .text("lblR2T", "25,97")
        .text("lblR3T", "35,14")
        .text("lblR1P", "96,25")
        .text("lblR2P", "96,25")
        .text("lblR3P", "71,15")
        .text("lblperdita", "PERDITA D'INSERZIONE 0 dB"),
    Row("frmretiaTePgreco", {"txtZI=50", "txtZO=50", "txtLD=20", "click:cmdcalcola"})
        .text("lblR1T", "40,91")
        .text("lblR3T", "10,1")
        .text("lblR1P", "61,11")
        .text("lblR3P", "247,5"),
    Row("frmretiaTePgreco", {"txtZI=75", "txtZO=50", "txtLD=6", "click:cmdcalcola"})
        .why("75 to 50 ohm: the minimum loss is 5,72 dB, so 6 dB is a pad")
        .text("lblR1T", "43,34")
        .text("lblR2T", "1,57")
        .text("lblR3T", "81,97")
        .text("lblR1P", "2386,21")
        .text("lblR2P", "86,52")
        .text("lblR3P", "45,75")
        .text("lblperdita", "PERDITA D'INSERZIONE 5,72 dB"),
    Row("frmretiaTePgreco", {"txtZI=600", "txtZO=50", "txtLD=20", "click:cmdcalcola"})
        .text("lblR1T", "577,13")
        .text("lblR2T", "16,02")
        .text("lblR3T", "34,99")
        .text("lblR1P", "1872,76")
        .text("lblR2P", "51,98")
        .text("lblR3P", "857,37")
        .text("lblperdita", "PERDITA D'INSERZIONE 16,63 dB"),
    Row("frmretiaTePgreco", {"txtZI=75", "txtZO=50", "txtLD=5", "click:cmdcalcola"})
        .why("below the minimum loss of 75 to 50 ohm")
        .message(kIncongruous)
        .text("lblR1T", "R1")
        .text("lblperdita", "")
        .focus("txtLD"),
    Row("frmretiaTePgreco", {"txtZI=50", "txtZO=75", "txtLD=10", "click:cmdcalcola"})
        .message(kTOrder)
        .focus("txtZI"),
    Row("frmretiaTePgreco", {"txtZI=50", "txtZO=50", "click:cmdcalcola"}).message(kMissing).focus("txtZI"),
    Row("frmretiaTePgreco",
        {"txtZI=50", "txtZO=50", "txtLD=10", "click:cmdcalcola", "txtLD=0", "click:cmdcalcola"})
        .why("after a message the previous pad stays")
        .message(kMissing)
        .text("lblR3T", "35,14"),
    Row("frmretiaTePgrecobilanciate", {"txtZI=75", "txtZO=50", "txtLD=6", "click:cmdcalcola"})
        .why("balanced: the series arms halved after rounding")
        .text("lblR1T", "21,67")
        .text("lblR1Ta", "21,67")
        .text("lblR2T", "0,785")
        .text("lblR2Ta", "0,785")
        .text("lblR3T", "81,97")
        .text("lblR1P", "2386,21")
        .text("lblR2P", "86,52")
        .text("lblR3P", "22,875")
        .text("lblR3Pa", "22,875")
        .text("lblperdita", "PERDITA D'INSERZIONE 5,72 dB"),
    Row("frmretiaTePgrecobilanciate", {"txtZI=50", "txtZO=50", "txtLD=10", "click:cmdcalcola"})
        .text("lblR1T", "12,985")
        .text("lblR2Ta", "12,985")
        .text("lblR3T", "35,14")
        .text("lblR1P", "96,25")
        .text("lblR3P", "35,575"),
    Row("frmretiaTePgrecobilanciate", {"txtZI=75", "txtZO=50", "txtLD=5", "click:cmdcalcola"})
        .message(kIncongruous)
        .focus("txtLD"),
    Row("frmretiaTePgrecobilanciate", {"txtZI=50", "txtZO=600", "txtLD=20", "click:cmdcalcola"})
        .message(kTOrder)
        .focus("txtZI"),
    Row("frmretiaTePgrecobilanciate", {"txtZO=50", "txtLD=20", "click:cmdcalcola"}).message(kMissing).focus("txtZI"),

    Row("frmretiaTponte", {"txtR0=50", "txtattenuazione=10", "click:cmdcalcola"})
        .text("lblR1", "50,0")
        .text("lblR1a", "50,0")
        .text("lblR2", "23,1")
        .text("lblR3", "108,1"),
    Row("frmretiaTponte", {"txtR0=75", "txtattenuazione=20", "click:cmdcalcola"})
        .text("lblR2", "8,3")
        .text("lblR3", "675,0"),
    Row("frmretiaTponte", {"txtR0=600", "txtattenuazione=3", "click:cmdcalcola"})
        .text("lblR2", "1.454,4")
        .text("lblR3", "247,5"),
    Row("frmretiaTponte", {"txtR0=50", "txtattenuazione=1e-9", "click:cmdcalcola"})
        .why("a ratio that rounds to 1 in single precision has no shunt")
        .message(kInvalid)
        .text("lblR2", "R2"),
    Row("frmretiaTponte", {"txtR0=50", "click:cmdcalcola"}).message(kMissing).focus("txtR0"),

    Row("frmattimpcost", {}).text("txtimpedenza", "50"),
    Row("frmattimpcost", {"txtdb1=1", "txtdb2=2", "txtdb3=3", "txtdb4=6", "click:cmdcalcola"})
        .why("a 1-2-3-6 dB step attenuator for 50 ohm")
        .text("lblr11t", "2,9")
        .text("lblr21t", "2,9")
        .text("lblr31t", "433,3")
        .text("lblr11p", "869,5")
        .text("lblr21p", "869,5")
        .text("lblr31p", "5,8")
        .text("lblr12t", "5,7")
        .text("lblr32t", "215,2")
        .text("lblr12p", "436,2")
        .text("lblr32p", "11,6")
        .text("lblr13t", "8,5")
        .text("lblr33t", "141,9")
        .text("lblr23p", "292,4")
        .text("lblr33p", "17,6")
        .text("lblr14t", "16,6")
        .text("lblr24t", "16,6")
        .text("lblr34t", "66,9")
        .text("lblr14p", "150,5")
        .text("lblr34p", "37,4")
        .text("lbldb", "L'ATTENUAZIONE TOTALE E' 12 dB"),
    Row("frmattimpcost", {"txtdb1=1.5", "txtdb2=2", "txtdb3=3", "txtdb4=20", "click:cmdcalcola"})
        .why("the last cell shows its R3 without a trailing zero")
        .text("lblr34t", "10,1")
        .text("lblr34p", "247,5")
        .text("lbldb", "L'ATTENUAZIONE TOTALE E' 26,5 dB"),
    Row("frmattimpcost", {"txtimpedenza=75", "txtdb1=10", "txtdb2=10", "txtdb3=10", "txtdb4=10", "click:cmdcalcola"})
        .text("lblr11t", "39,0")
        .text("lblr33t", "52,7")
        .text("lblr13p", "144,4")
        .text("lblr33p", "106,7")
        .text("lblr34p", "106,7"),
    Row("frmattimpcost", {"txtdb1=1", "txtdb2=2", "txtdb3=3", "click:cmdcalcola"})
        .why("an empty cell is missing data, with the lower-case title")
        .message("MANCANO DATI|messaggio di errore|warning")
        .text("lbldb", "")
        .focus("txtimpedenza"),
    Row("frmattimpcost", {"txtimpedenza=-50", "txtdb1=1", "txtdb2=2", "txtdb3=3", "txtdb4=4", "click:cmdcalcola"})
        .message("MANCANO DATI|messaggio di errore|warning")
        .focus("txtimpedenza"),
};

TEST(PassivesPads, Rows) { play(kPads); }

// A designed pad, terminated by its output impedance, shows its input
// impedance within the rounding of the arms.
TEST(PassivesPads, InputResistanceIsZi) {
  struct Case {
    double zi, zo, db;
  };
  for (const Case c : {Case{50, 50, 3}, Case{50, 50, 10}, Case{75, 50, 6}, Case{75, 50, 10}, Case{300, 75, 20},
                       Case{600, 50, 20}, Case{50, 50, 40}}) {
    const pads::TPiPad p = pads::designTPi(c.zi, c.zo, c.db);
    const auto par = [](double a, double b) { return a * b / (a + b); };
    const double tIn = p.r1t + par(p.r3t, p.r2t + c.zo);
    const double piIn = par(p.r1p, p.r3p + par(p.r2p, c.zo));
    EXPECT_NEAR(tIn, c.zi, 0.02 * (1 + c.zi / 100)) << c.zi << " " << c.zo << " " << c.db;
    EXPECT_NEAR(piIn, c.zi, 0.02 * (1 + c.zi / 100)) << c.zi << " " << c.zo << " " << c.db;
    // and the output side sees Zo when the input is terminated by Zi
    EXPECT_NEAR(p.r2t + par(p.r3t, p.r1t + c.zi), c.zo, 0.02 * (1 + c.zo / 100));
  }
  EXPECT_NEAR(pads::minimumLoss(75, 50), 5.7195, 1e-4);
}

// A balanced pad is its unbalanced twin with each series arm split in two:
// both halves read alike, and the shunt arms and the loss are the twin's.
TEST(PassivesPads, BalancedPadsHalveTheSeriesArmsOfTheirTwins) {
  // a value as the window shows it, in the Italian format
  const auto value = [](std::string s) {
    EXPECT_FALSE(s.empty()) << "no value shown";
    if (s.empty()) return 0.0;
    std::erase(s, '.');
    std::replace(s.begin(), s.end(), ',', '.');
    return std::stod(s);
  };
  struct Case {
    const char *zi, *zo, *db;
  };
  for (const Case c : {Case{"50", "50", "3"}, Case{"75", "50", "6"}, Case{"600", "50", "20"}, Case{"300", "75", "40"},
                       Case{"50.5", "50", "1.5"}, Case{"1e3", "1", "60"}}) {
    SCOPED_TRACE(std::string(c.zi) + " " + c.zo + " " + c.db);
    auto design = [&](const char* form) {
      auto w = std::make_unique<test::Window>(form);
      w->type("txtZI", c.zi).type("txtZO", c.zo).type("txtLD", c.db).click("cmdcalcola");
      return w;
    };
    const auto single = design("frmretiaTePgreco");
    const auto both = design("frmretiaTePgrecobilanciate");
    EXPECT_EQ(both->text("lblR1T"), both->text("lblR1Ta"));
    EXPECT_EQ(both->text("lblR2T"), both->text("lblR2Ta"));
    EXPECT_EQ(both->text("lblR3P"), both->text("lblR3Pa"));
    for (const char* same : {"lblR3T", "lblR1P", "lblR2P", "lblperdita"}) EXPECT_EQ(both->text(same), single->text(same));
    // a half is half the twin's arm (the twin rounds its arm, the half may show one more decimal)
    const double whole = value(single->text("lblR1T"));
    EXPECT_NEAR(value(both->text("lblR1T")), whole / 2, 0.01 + whole * 1e-6);
  }
  for (const auto& [rh, rl] : std::vector<std::pair<const char*, const char*>>{
           {"600", "50"}, {"75", "50"}, {"1e4", "0.3"}, {"300", "299.9"}}) {
    SCOPED_TRACE(std::string(rh) + " " + rl);
    test::Window single("frmretiadL"), both("frmretiadLbilanciata");
    for (test::Window* w : {&single, &both}) w->type("txtRH", rh).type("txtRL", rl).click("cmdcalcola");
    EXPECT_EQ(both.text("lblR1"), both.text("lblR1a"));
    EXPECT_EQ(both.text("lblR2"), single.text("lblR2"));
    EXPECT_EQ(both.text("lblperdita"), single.text("lblperdita"));
    const double whole = value(single.text("lblR1"));
    EXPECT_NEAR(value(both.text("lblR1")), whole / 2, 0.051 + whole * 1e-6);
  }
}

// ------------------------------------------------------------ capacitors

const std::string kEnergy = "L'ENERGIA POTENZIALE O ELETTROSTATICA E'  ";

const Row kCapacitors[] = {
    Row("frmcondensatori", {"txtc1=100", "txtc2=100", "click:cmdcalcola"})
        .text("lblserie", "TOTALE SERIE =  50,0  picoF")
        .text("lblparallelo", "TOTALE PARALLELO =  200,0  picoF"),
    Row("frmcondensatori", {"txtc1=10000", "txtc2=4700", "click:cmdcalcola"})
        .why("10 nF with 4.7 nF: nanofarad with two decimals")
        .text("lblserie", "TOTALE SERIE =  3,20  nanoF")
        .text("lblparallelo", "TOTALE PARALLELO =  14,70  nanoF"),
    Row("frmcondensatori", {"txtc1=1000", "txtc2=0.5", "click:cmdcalcola"})
        .why("1000.5 pF stays in picofarad")
        .text("lblserie", "TOTALE SERIE =  0,5  picoF")
        .text("lblparallelo", "TOTALE PARALLELO =  1.000,5  picoF"),
    Row("frmcondensatori", {"txtc1=1000000", "txtc2=1000000", "click:cmdcalcola"})
        .text("lblserie", "TOTALE SERIE =  500,00  nanoF")
        .text("lblparallelo", "TOTALE PARALLELO =  2,00  microF"),
    Row("frmcondensatori", {"txtc1=100", "txtc2=-100", "click:cmdcalcola"}).message(kMissing).focus("txtc1"),
    Row("frmcondensatori", {"txtc1=100", "txtc2=100", "click:cmdcalcola", "txtc1=200"})
        .why("typing leaves the result until the next computation")
        .text("lblserie", "TOTALE SERIE =  50,0  picoF"),

    Row("frmriduzcondensatori", {"txtc1=3300", "txtc2=1000", "click:cmdcalcola"})
        .text("lblriduzione", "CAPACITA' DA APPLICARE IN SERIE =  1,4  nanoF"),
    Row("frmriduzcondensatori", {"txtc1=1000", "txtc2=500", "click:cmdcalcola"})
        .text("lblriduzione", "CAPACITA' DA APPLICARE IN SERIE =  1.000,0  picoF"),
    Row("frmriduzcondensatori", {"txtc1=470", "txtc2=100", "click:cmdcalcola"})
        .text("lblriduzione", "CAPACITA' DA APPLICARE IN SERIE =  127,0  picoF"),
    Row("frmriduzcondensatori", {"txtc1=1000", "txtc2=1000", "click:cmdcalcola"})
        .message("IL PRIMO COND.RE HA SEMPRE LA CAPACITA' MAGGIORE|STAI ATTENTO|warning")
        .text("lblriduzione", "")
        .focus("txtc1"),
    Row("frmriduzcondensatori", {"txtc2=1000", "click:cmdcalcola"}).message(kMissing).focus("txtc1"),

    Row("frmtensmincond", {"txtpotenza=100"}).text("lbltensione", "LA TENSIONE DI LAVORO MINIMA E' VOLT 199"),
    Row("frmtensmincond", {"txtpotenza=1000"}).text("lbltensione", "LA TENSIONE DI LAVORO MINIMA E' VOLT 632"),
    Row("frmtensmincond", {"txtpotenza=1"}).text("lbltensione", "LA TENSIONE DI LAVORO MINIMA E' VOLT 19"),
    Row("frmtensmincond", {"txtpotenza=1", "txtpotenza=10"})
        .why("every keystroke recomputes")
        .text("lbltensione", "LA TENSIONE DI LAVORO MINIMA E' VOLT 63"),
    Row("frmtensmincond", {"txtpotenza=5"}).text("lbltensione", "LA TENSIONE DI LAVORO MINIMA E' VOLT 44"),
    Row("frmtensmincond", {"txtpotenza=100", "txtpotenza="}).text("lbltensione", ""),
    Row("frmtensmincond", {"txtpotenza=100", "txtpotenza=-"})
        .why("a lone sign reads as zero")
        .text("lbltensione", ""),
    Row("frmtensmincond", {"txtpotenza=100", "txtpotenza=-5"})
        .why("a negative power blanks the result silently")
        .text("lbltensione", ""),

    Row("frmcostruzionecondensatori", {}).selected("Option1", 0).focus("Option1(0)"),
    Row("frmcostruzionecondensatori", {"txtsuperficie=100", "txtdistanza=1", "click:cmdcalcola"})
        .why("100 cm2 of air 1 mm apart")
        .text("lblcapacità", "LA CAPACITA' DEL CONDENSATORE E' CIRCA : 88,5  pF"),
    Row("frmcostruzionecondensatori", {"click:Option1:1", "txtsuperficie=100", "txtdistanza=1", "click:cmdcalcola"})
        .text("lblcapacità", "LA CAPACITA' DEL CONDENSATORE E' CIRCA : 477,9  pF"),
    Row("frmcostruzionecondensatori", {"click:Option1:4", "txtsuperficie=25", "txtdistanza=1.6", "click:cmdcalcola"})
        .why("a square of 5 cm of 1.6 mm glass-epoxy board")
        .text("lblcapacità", "LA CAPACITA' DEL CONDENSATORE E' CIRCA : 63,6  pF"),
    Row("frmcostruzionecondensatori", {"txtsuperficie=100", "txtdistanza=1", "click:cmdcalcola", "click:Option1:7"})
        .why("another dielectric empties the result")
        .text("lblcapacità", ""),
    Row("frmcostruzionecondensatori", {"txtsuperficie=100", "click:cmdcalcola"}).message(kMissing).focus("txtsuperficie"),

    Row("frmcapcondcilindrico", {}).selected("Option1", 0).focus("Option1(0)"),
    Row("frmcapcondcilindrico", {"txtr1=1", "txtr2=2", "txtl=100", "click:cmdcalcola"})
        .text("lblcapacità", "LA CAPACITA' DEL CONDENSATORE E' CIRCA : 90,6  pF"),
    Row("frmcapcondcilindrico", {"click:Option1:3", "txtr1=0.5", "txtr2=1.5", "txtl=30", "click:cmdcalcola"})
        .text("lblcapacità", "LA CAPACITA' DEL CONDENSATORE E' CIRCA : 96,0  pF"),
    Row("frmcapcondcilindrico", {"txtr1=1", "txtr2=1", "txtl=100", "click:cmdcalcola"})
        .why("equal radii change nothing")
        .text("lblcapacità", ""),
    Row("frmcapcondcilindrico", {"txtr1=2", "txtr2=1", "txtl=100", "click:cmdcalcola"})
        .message("IL CILINDRO INTERNO DEVE ESSERE MINORE|MESSAGGIO DI ERRORE|warning")
        .focus("txtr1"),
    Row("frmcapcondcilindrico", {"txtr1=1", "txtr2=2", "click:cmdcalcola"}).message(kMissing).focus("txtr1"),
    Row("frmcapcondcilindrico", {"txtr1=1", "txtr2=2", "txtl=100", "click:cmdcalcola", "txtl=50"})
        .text("lblcapacità", ""),
    Row("frmcapcondcilindrico", {"txtr1=1", "txtr2=2", "txtl=100", "click:cmdcalcola", "click:Option1:1"})
        .text("lblcapacità", ""),

    Row("frmenergiapotenziale", {"txttensione=250", "txtcapacità=100", "click:cmdcalcola"})
        .text("lbloutput", kEnergy + "3,13 JOULE")
        .text("lblavviso", "VALORE PERICOLOSO")
        .shown({"lblavviso"}),
    Row("frmenergiapotenziale", {"txttensione=400", "txtcapacità=100", "click:cmdcalcola"})
        .text("lbloutput", kEnergy + "8,00 JOULE")
        .text("lblavviso", "VALORE PERICOLOSO"),
    Row("frmenergiapotenziale", {"txttensione=450", "txtcapacità=100", "click:cmdcalcola"})
        .text("lbloutput", kEnergy + "10,13 JOULE")
        .text("lblavviso", "VALORE ESTREMAMENTE PERICOLOSO")
        .shown({"lblavviso"}),
    Row("frmenergiapotenziale", {"txttensione=100", "txtcapacità=100", "click:cmdcalcola"})
        .text("lbloutput", kEnergy + "0,50 JOULE")
        .hidden({"lblavviso"}),
    Row("frmenergiapotenziale", {"txttensione=450", "txtcapacità=100", "click:cmdcalcola", "txtcapacità=10"})
        .why("typing empties the result and hides the warning")
        .text("lbloutput", "")
        .hidden({"lblavviso"}),
    Row("frmenergiapotenziale", {"txttensione=-450", "txtcapacità=100", "click:cmdcalcola"})
        .why("a negative product does nothing")
        .text("lbloutput", ""),
    Row("frmenergiapotenziale", {"txtcapacità=100", "click:cmdcalcola"}).message(kMissing).focus("txttensione"),
    Row("frmenergiapotenziale", {"click:cdmesci"}).open(false),
};

TEST(PassivesCapacitors, Rows) { play(kCapacitors); }

}  // namespace
}  // namespace vm::test
