// The iron-powder toroid catalogue and the windows built on it: the core
// selector, the toroid tuning coils, the toroid and ferrite transformers and
// the broadband baluns. Expected texts were worked out by hand, in the
// Italian number format.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "calculators/inductors/toroid_cores.h"
#include "support/harness.h"
#include "support/rows.h"

namespace vm {
namespace {

using test::Row;

const std::string kMissing = "MANCANO DATI|MESSAGGIO DI ERRORE";

// ---------------------------------------------------------------- catalogue

// The AL values of the T series as the makers tabulate them: one row per
// size, one column per mix (0 1 2 3 6 7 10 12 15 17 26), "-" where the size
// has no such mix.
struct SizeRow {
  const char* size;
  const char* als;
  const char* text;
};
const SizeRow kSizeRows[] = {
    {"T-12", "3 48 20 60 17 18 12 7.5 50 7.5 -", "DIAMETRO ESTERNO 3,18 mm - ALTEZZA 1,27 mm"},
    {"T-16", "3 44 22 61 19 - 13 8 55 8 145", "DIAMETRO ESTERNO 4,06 mm - ALTEZZA 1,52 mm"},
    {"T-20", "3.5 52 27 76 22 24 16 10 65 10 180", "DIAMETRO ESTERNO 5,08 mm - ALTEZZA 1,78 mm"},
    {"T-25", "4.5 70 34 100 27 29 19 12 85 12 235", "DIAMETRO ESTERNO 6,35 mm - ALTEZZA 2,44 mm"},
    {"T-30", "6 85 43 140 36 37 25 16 93 16 325", "DIAMETRO ESTERNO 7,80 mm - ALTEZZA 3,25 mm"},
    {"T-37", "4.9 80 40 120 30 32 25 15 90 15 275", "DIAMETRO ESTERNO 9,53 mm - ALTEZZA 3,25 mm"},
    {"T-44", "6.5 105 52 180 42 46 33 18.5 160 18.5 360", "DIAMETRO ESTERNO 11,18 mm - ALTEZZA 4,04 mm"},
    {"T-50", "6.4 100 49 175 40 43 31 18 135 18 320", "DIAMETRO ESTERNO 12,70 mm - ALTEZZA 4,83 mm"},
    {"T-68", "7.5 115 57 195 47 52 32 21 180 21 420", "DIAMETRO ESTERNO 17,53 mm - ALTEZZA 4,83 mm"},
    {"T-80", "8.5 115 55 180 45 50 32 22 170 22 450", "DIAMETRO ESTERNO 20,20 mm - ALTEZZA 6,35 mm"},
    {"T-94", "10.6 160 84 248 70 - 58 32 200 - 590", "DIAMETRO ESTERNO 23,93 mm - ALTEZZA 7,92 mm"},
    {"T-106", "19 325 135 450 116 133 - - 345 - 900", "DIAMETRO ESTERNO 26,92 mm - ALTEZZA 11,1 mm"},
    {"T-130", "15 200 110 350 96 103 - - 250 - 785", "DIAMETRO ESTERNO 33,02 mm - ALTEZZA 11,1 mm"},
    {"T-157", "- 320 140 420 115 - - - 360 - 970", "DIAMETRO ESTERNO 39,88 mm - ALTEZZA 14,48 mm"},
    {"T-184", "- 500 240 720 195 - - - - - 1640", "DIAMETRO ESTERNO 46,74 mm - ALTEZZA 18,03 mm"},
    {"T-200", "- 250 120 425 100 105 - - - - 895", "DIAMETRO ESTERNO 50,8 mm - ALTEZZA 13,97 mm"},
    {"T-200A", "- - 218 460 180 - - - - - 1550", "DIAMETRO ESTERNO 50,8 mm - ALTEZZA 25,40 mm"},
    {"T-225", "- - 120 425 100 - - - - - 950", "DIAMETRO ESTERNO 57,15 mm - ALTEZZA 13,97 mm"},
    {"T-225A", "- - 215 - - - - - - - 1600", "DIAMETRO ESTERNO 57,15 mm - ALTEZZA 25,40 mm"},
    {"T-300", "- - 114 - - - - - - - 800", "DIAMETRO ESTERNO 76,20 mm - ALTEZZA 12,7 mm"},
    {"T-300A", "- - 228 - - - - - - - 1600", "DIAMETRO ESTERNO 76,20 mm - ALTEZZA 25,4 mm"},
    {"T-400", "- - 185 - - - - - - - 1300", "DIAMETRO ESTERNO 101,6 mm - ALTEZZA 16,51 mm"},
    {"T-400A", "- - 360 - - - - - - - 2600", "DIAMETRO ESTERNO 101,6 mm - ALTEZZA 25,4 mm"},
    {"T-520", "- - 207 - - - - - - - 1460", "DIAMETRO ESTERNO 132,08 mm - ALTEZZA 20,32 mm"},
};
const int kMixColumns[] = {0, 1, 2, 3, 6, 7, 10, 12, 15, 17, 26};
const char* const kColours[] = {
    "              MARRONE          GRIGIO             100 / 300",
    "                BLU                   GRIGIO              0.5 / 5",
    "               ROSSO              GRIGIO               2 / 30",
    "               GRIGIO             GRIGIO             0.05 / 0.5",
    "               GIALLO             GRIGIO              10 / 50",
    "               BIANCO              GRIGIO              3 / 35",
    "                NERO               GRIGIO              30 / 100",
    "                VERDE            BIANCO             50 / 200",
    "                ROSSO            BIANCO              0.1 / 2",
    "                BLU                GIALLO             20 / 200",
    "               GIALLO             BIANCO             50 HERTZ",
};

struct Expected {
  std::string name;
  double al;
  std::string colour;
  std::string size;
};

std::vector<Expected> expectedCores() {
  std::vector<Expected> out;
  for (const auto& row : kSizeRows) {
    std::istringstream in(row.als);
    for (int col = 0; col < 11; ++col) {
      std::string v;
      in >> v;
      if (v == "-") continue;
      const int mix = kMixColumns[col];
      std::string field = mix < 10 ? " " + std::to_string(mix) : std::to_string(mix);
      out.push_back({std::string(row.size) + "/" + field, std::stod(v), field + kColours[col], row.text});
    }
  }
  return out;
}

TEST(ToroidCatalogue, EveryCoreAsTabulated) {
  const auto expected = expectedCores();
  ASSERT_EQ(expected.size(), 170u);
  ASSERT_EQ(toroidCoreCatalogue.count(), 170);
  for (int i = 0; i < 170; ++i) {
    const auto& e = expected[static_cast<std::size_t>(i)];
    EXPECT_EQ(toroidCoreCatalogue.core(i).name, e.name) << "position " << i;
    EXPECT_EQ(toroidCoreCatalogue.core(i).al, e.al) << e.name;
    EXPECT_EQ(toroidCoreCatalogue.colourLine(i), e.colour) << e.name;
    EXPECT_EQ(toroidCoreCatalogue.sizeText(i), e.size) << e.name;
  }
}

TEST(ToroidCatalogue, EveryCoreListShowsTheCataloguesOrder) {
  std::vector<std::string> names;
  for (const auto& e : expectedCores()) names.push_back(e.name);
  for (const char* form : {"frmamidon", "frmsintoniatoro", "frmadattatoritoroidali"}) {
    test::Window w(form);
    EXPECT_EQ(w.form().state(w.id("cmbnucleo")).entries, names) << form;
    EXPECT_EQ(w.text("cmbnucleo"), "TOROIDI") << form;
  }
}

const std::string kHeading = " MISCELA     1° COLORE       2° COLORE       FREQ. MHz";
const std::string kMix2 = " 2               ROSSO              GRIGIO               2 / 30";
const std::string kT50 = "DIAMETRO ESTERNO 12,70 mm - ALTEZZA 4,83 mm";

// ---------------------------------------------------------------- frmamidon

const Row kAmidon[] = {
    Row("frmamidon", {})
        .why("opens on the core list alone")
        .focus("cmbnucleo")
        .hidden({"Frame1", "txtinduttanza", "cmdcalcola", "lblhelp2", "lblpunto"})
        .text("lbldimensioni", ""),
    Row("frmamidon", {"!txtinduttanza=10"}).why("no inductance before a core is chosen"),
    Row("frmamidon", {"pick:cmbnucleo=T-50/ 2", "txtinduttanza=10", "click:cmdcalcola"})
        .why("10 uH on a T-50 red core")
        .text("lblcolor", kHeading)
        .text("lblcolore", kMix2)
        .text("lbldimensioni", kT50)
        .text("lblspire", "OCCORRONO 45,2 SPIRE")
        .shown({"Frame1", "txtinduttanza", "cmdcalcola", "lblhelp2", "lblpunto"}),
    Row("frmamidon", {"pick:cmbnucleo:7", "txtinduttanza=1", "click:cmdcalcola"})
        .why("T-12/12 has an AL of 7.5")
        .text("cmbnucleo", "T-12/12")
        .text("lblcolore", "12                VERDE            BIANCO             50 / 200")
        .text("lblspire", "OCCORRONO 36,5 SPIRE"),
    Row("frmamidon", {"pick:cmbnucleo:90", "txtinduttanza=1.2", "click:cmdcalcola"})
        .why("a 40 m coil of 1.2 uH on a T-68 yellow core")
        .text("cmbnucleo", "T-68/ 6")
        .text("lbldimensioni", "DIAMETRO ESTERNO 17,53 mm - ALTEZZA 4,83 mm")
        .text("lblspire", "OCCORRONO 16,0 SPIRE"),
    Row("frmamidon", {"pick:cmbnucleo:19"})
        .why("the last core of a size shows its own size")
        .text("cmbnucleo", "T-16/26")
        .text("lbldimensioni", "DIAMETRO ESTERNO 4,06 mm - ALTEZZA 1,52 mm"),
    Row("frmamidon", {"pick:cmbnucleo:20"})
        .why("the first core of the next size shows the next size")
        .text("cmbnucleo", "T-20/ 0")
        .text("lblcolore", " 0              MARRONE          GRIGIO             100 / 300")
        .text("lbldimensioni", "DIAMETRO ESTERNO 5,08 mm - ALTEZZA 1,78 mm"),
    Row("frmamidon", {"pick:cmbnucleo:157", "txtinduttanza=5", "click:cmdcalcola"})
        .why("T-225/26: the mix 26 colours and an AL of 950")
        .text("cmbnucleo", "T-225/26")
        .text("lblcolore", "26               GIALLO             BIANCO             50 HERTZ")
        .text("lblspire", "OCCORRONO 7,3 SPIRE"),
    Row("frmamidon", {"pick:cmbnucleo:77", "click:cmdcalcola"})
        .why("no inductance: told in the window, no message")
        .text("lblspire", "INSERIRE INDUTTANZA")
        .focus("txtinduttanza"),
    Row("frmamidon", {"pick:cmbnucleo:77", "txtinduttanza=-10", "click:cmdcalcola"})
        .why("a negative inductance has no turns either")
        .text("lblspire", "INSERIRE INDUTTANZA")
        .focus("txtinduttanza"),
    Row("frmamidon", {"pick:cmbnucleo:77", "txtinduttanza=10", "click:cmdcalcola", "txtinduttanza=12"})
        .why("typing empties the result")
        .text("lblspire", ""),
    Row("frmamidon", {"pick:cmbnucleo:77", "txtinduttanza=10", "click:cmdcalcola", "pick:cmbnucleo:78"})
        .why("another core empties the result and keeps the inductance")
        .text("lblspire", "")
        .text("txtinduttanza", "10"),
    Row("frmamidon", {"click:cmdesci"}).effects({"close"}).open(false),
};

TEST(Toroids, Amidon) { test::play(kAmidon); }

// ---------------------------------------------------------- frmsintoniatoro

const Row kSintonia[] = {
    Row("frmsintoniatoro", {})
        .why("opens on the core list alone, no option chosen")
        .focus("cmbnucleo")
        .selected("Option1", -1)
        .hidden({"Frame1", "Frame2", "txtinput1", "txtinput2", "cmdcalcola", "lblhelp2", "lblpunto"}),
    Row("frmsintoniatoro", {"pick:cmbnucleo:77"})
        .why("a core shows its data and the choice of known values, not yet the inputs")
        .text("lblcolor", kHeading)
        .text("lblcolore", kMix2)
        .text("lbldimensioni", kT50)
        .shown({"Frame1", "Frame2"})
        .hidden({"txtinput1", "txtinput2", "cmdcalcola"})
        .selected("Option1", -1),
    Row("frmsintoniatoro", {"pick:cmbnucleo:77", "click:Option1:0", "txtinput1=1", "txtinput2=100",
                            "click:cmdcalcola"})
        .why("1 uH and 100 pF on a T-50/2")
        .text("lblinput(0)", "INDUTTANZA :")
        .text("lblumisura(0)", " microH")
        .text("lblinput(1)", "CAPACITA' :")
        .text("lblumisura(1)", " pF")
        .text("lblinput(2)", "FREQUENZA :")
        .text("lblumisura(2)", " MHz")
        .text("cmdcalcola", "CALCOLA LA FREQUENZA E LE SPIRE")
        .text("lblinput(3)", "15,900")
        .text("lblspire", "OCCORRONO 14,3 SPIRE")
        .shown({"txtinput1", "txtinput2", "cmdcalcola", "lblhelp2", "lblpunto"}),
    Row("frmsintoniatoro", {"pick:cmbnucleo:77", "click:Option1:1", "txtinput1=7", "txtinput2=5",
                            "click:cmdcalcola"})
        .why("40 m with 5 uH: the capacitance, and the turns of the 5 uH")
        .text("lblinput(0)", "FREQUENZA :")
        .text("lblinput(1)", "INDUTTANZA :")
        .text("lblinput(2)", "CAPACITA' :")
        .text("cmdcalcola", "CALCOLA LA CAPACITA' E LE SPIRE")
        .text("lblinput(3)", "103,265")
        .text("lblspire", "OCCORRONO 31,9 SPIRE"),
    Row("frmsintoniatoro", {"pick:cmbnucleo:77", "click:Option1:2", "txtinput1=7", "txtinput2=103.265",
                            "click:cmdcalcola"})
        .why("the capacitance found gives back the 5 uH")
        .text("lblinput(2)", "INDUTTANZA :")
        .text("lblumisura(2)", " microH")
        .text("cmdcalcola", "CALCOLA L'INDUTTANZA E LE SPIRE")
        .text("lblinput(3)", "5,000")
        .text("lblspire", "OCCORRONO 31,9 SPIRE"),
    Row("frmsintoniatoro", {"pick:cmbnucleo:57", "click:Option1:2", "txtinput1=14.2", "txtinput2=100",
                            "click:cmdcalcola"})
        .why("20 m with 100 pF on a T-37/6")
        .text("lblinput(3)", "1,255")
        .text("lblspire", "OCCORRONO 20,5 SPIRE"),
    Row("frmsintoniatoro", {"pick:cmbnucleo:7", "click:Option1:1", "txtinput1=145", "txtinput2=0.1",
                            "click:cmdcalcola"})
        .why("2 m on a T-12/12, AL 7.5")
        .text("lblinput(3)", "12,033")
        .text("lblspire", "OCCORRONO 11,5 SPIRE"),
    Row("frmsintoniatoro", {"pick:cmbnucleo:77", "click:Option1:0", "txtinput1=1", "txtinput2=100",
                            "click:cmdcalcola", "pick:cmbnucleo:78"})
        .why("another core empties the results, keeps the option and the inputs")
        .text("lblinput(3)", "")
        .text("lblspire", "")
        .selected("Option1", 0)
        .text("txtinput1", "1")
        .shown({"txtinput1", "cmdcalcola"}),
    Row("frmsintoniatoro", {"pick:cmbnucleo:77", "click:Option1:0", "txtinput1=1", "txtinput2=100",
                            "click:cmdcalcola", "txtinput1=2"})
        .why("typing leaves the results alone")
        .text("lblinput(3)", "15,900"),
    Row("frmsintoniatoro", {"pick:cmbnucleo:77", "click:Option1:0", "txtinput1=1", "txtinput2=100",
                            "click:cmdcalcola", "click:Option1:1"})
        .why("an option click empties the results")
        .text("lblinput(3)", "")
        .text("lblspire", ""),
    Row("frmsintoniatoro", {"pick:cmbnucleo:77", "click:Option1:0", "txtinput2=100", "click:cmdcalcola"})
        .why("a missing inductance")
        .message(kMissing)
        .focus("txtinput1"),
    Row("frmsintoniatoro", {"pick:cmbnucleo:77", "click:Option1:0", "txtinput1=1", "txtinput2=-100",
                            "click:cmdcalcola"})
        .why("a negative value makes no tuned circuit")
        .message(kMissing)
        .focus("txtinput1")
        .text("lblinput(3)", ""),
    Row("frmsintoniatoro", {"pick:cmbnucleo:77", "click:Option1:0", "txtinput1=-1", "txtinput2=-100",
                            "click:cmdcalcola"})
        .why("two negative values alike")
        .message(kMissing)
        .focus("txtinput1"),
};

TEST(Toroids, Sintonia) { test::play(kSintonia); }

TEST(Toroids, SintoniaColoursTheChosenPair) {
  test::Window w("frmsintoniatoro");
  w.choose("cmbnucleo", 77).click("Option1", 1);
  EXPECT_EQ(w.form().state(w.id("Option1")).captionColors, (std::vector<Color>{kDefaultColor, 0x0000FF, kDefaultColor}));
  w.click("Option1", 2);
  EXPECT_EQ(w.form().state(w.id("Option1")).captionColors, (std::vector<Color>{kDefaultColor, kDefaultColor, 0x0000FF}));
}

// --------------------------------------------------- frmadattatoritoroidali

const Row kAdattatori[] = {
    Row("frmadattatoritoroidali", {})
        .why("opens with the advice and the core list")
        .focus("cmbnucleo")
        .shown({"lblhelp"})
        .hidden({"Frame1", "txtfrequenza", "txtimpantenna", "txtimpcavo", "Label2", "Label3", "Label4", "cmdcalcola",
                 "lblpunto"}),
    Row("frmadattatoritoroidali", {"pick:cmbnucleo:77"})
        .why("a core shows the inputs, the cable at 50 ohm")
        .hidden({"lblhelp"})
        .shown({"Frame1", "txtfrequenza", "txtimpantenna", "txtimpcavo", "Label2", "Label3", "Label4", "cmdcalcola",
                "lblpunto"})
        .text("txtimpcavo", "50")
        .text("lblcolore", kMix2)
        .text("lbldimensioni", kT50),
    Row("frmadattatoritoroidali", {"pick:cmbnucleo:77", "txtfrequenza=7", "txtimpantenna=200", "click:cmdcalcola"})
        .why("a 200 ohm antenna on 40 m, T-50/2")
        .text("lblspireprimario", "OCCORRONO 68,1 SPIRE VERSO L'ANTENNA")
        .text("lblspiresecondario", "INTERCALATE CON 34,1 SPIRE VERSO IL CAVO"),
    Row("frmadattatoritoroidali", {"pick:cmbnucleo:83", "txtfrequenza=7", "txtimpantenna=200", "click:cmdcalcola"})
        .why("T-50/15 has an AL of 135")
        .text("lblspireprimario", "OCCORRONO 41,0 SPIRE VERSO L'ANTENNA")
        .text("lblspiresecondario", "INTERCALATE CON 20,5 SPIRE VERSO IL CAVO"),
    Row("frmadattatoritoroidali", {"pick:cmbnucleo:57", "txtfrequenza=14.2", "txtimpantenna=450",
                                   "click:cmdcalcola"})
        .why("a 450 ohm line on 20 m, T-37/6")
        .text("lblspireprimario", "OCCORRONO 91,7 SPIRE VERSO L'ANTENNA")
        .text("lblspiresecondario", "INTERCALATE CON 30,6 SPIRE VERSO IL CAVO"),
    Row("frmadattatoritoroidali", {"pick:cmbnucleo:77", "txtfrequenza=7", "txtimpantenna=200", "click:cmdcalcola",
                                   "txtimpcavo=75"})
        .why("typing empties both lines")
        .text("lblspireprimario", "")
        .text("lblspiresecondario", ""),
    Row("frmadattatoritoroidali", {"pick:cmbnucleo:77", "txtfrequenza=7", "txtimpantenna=200", "click:cmdcalcola",
                                   "pick:cmbnucleo:78"})
        .why("another core empties both lines")
        .text("lblspireprimario", "")
        .text("txtfrequenza", "7"),
    Row("frmadattatoritoroidali", {"pick:cmbnucleo:77", "txtimpantenna=200", "click:cmdcalcola"})
        .why("no frequency")
        .message(kMissing)
        .focus("txtfrequenza"),
    Row("frmadattatoritoroidali", {"pick:cmbnucleo:77", "txtfrequenza=7", "txtimpantenna=-200",
                                   "click:cmdcalcola"})
        .why("one negative value: nothing at all")
        .text("lblspireprimario", "")
        .focus("cmdcalcola"),
    Row("frmadattatoritoroidali", {"pick:cmbnucleo:77", "txtfrequenza=7", "txtimpantenna=-200", "txtimpcavo=-50",
                                   "click:cmdcalcola"})
        .why("two negative values make no transformer")
        .message(kMissing)
        .focus("txtfrequenza")
        .text("lblspireprimario", ""),
};

TEST(Toroids, Adattatori) { test::play(kAdattatori); }

// -------------------------------------------------------- frmtrasferroxcube

const Row kFerroxcube[] = {
    Row("frmtrasferroxcube", {"txtf=1", "txtimpinput=50", "txtimpoutput=200", "click:cmdcalcola"})
        .why("50 to 200 ohm at 1 MHz")
        .text("lblspire1", "L'ENTRATA E' FORMATA DA 39 - 63 SPIRE")
        .text("lblspire2", "L'USCITA E' FORMATA DA 79 - 126 SPIRE")
        .shown({"lblh"}),
    Row("frmtrasferroxcube", {"txtf=1.8", "txtimpinput=600", "txtimpoutput=50", "click:cmdcalcola"})
        .why("600 to 50 ohm on 160 m")
        .text("lblspire1", "L'ENTRATA E' FORMATA DA 103 - 162 SPIRE")
        .text("lblspire2", "L'USCITA E' FORMATA DA 29 - 47 SPIRE"),
    Row("frmtrasferroxcube", {"txtf=7", "txtimpinput=50", "txtimpoutput=200", "click:cmdcalcola"})
        .why("above the 3 MHz of the tooltip it still computes")
        .text("lblspire1", "L'ENTRATA E' FORMATA DA 15 - 23 SPIRE")
        .text("lblspire2", "L'USCITA E' FORMATA DA 30 - 47 SPIRE"),
    Row("frmtrasferroxcube", {"txtf=0.1", "txtimpinput=50", "txtimpoutput=50", "click:cmdcalcola"})
        .why("0.1 MHz is accepted")
        .text("lblspire1", "L'ENTRATA E' FORMATA DA 126 - 199 SPIRE")
        .text("lblspire2", "L'USCITA E' FORMATA DA 126 - 199 SPIRE"),
    Row("frmtrasferroxcube", {"txtf=0.05", "txtimpinput=50", "txtimpoutput=200", "click:cmdcalcola"})
        .why("below 0.1 MHz")
        .message("FREQUENZA NON COMPATIBILE|MESSAGGIO DI AVVISO|warning")
        .focus("txtf")
        .text("lblspire1", "")
        .hidden({"lblh"}),
    Row("frmtrasferroxcube", {"txtimpinput=50", "txtimpoutput=200", "click:cmdcalcola"})
        .why("no frequency")
        .message(kMissing)
        .focus("txtf"),
    Row("frmtrasferroxcube", {"txtf=1", "txtimpinput=-50", "txtimpoutput=200", "click:cmdcalcola"})
        .why("a negative impedance")
        .message(kMissing)
        .focus("txtf"),
    Row("frmtrasferroxcube", {"txtf=1", "txtimpinput=-50", "txtimpoutput=-200", "click:cmdcalcola"})
        .why("two negative impedances")
        .message(kMissing)
        .focus("txtf")
        .hidden({"lblh"}),
    Row("frmtrasferroxcube", {"txtf=1", "txtimpinput=50", "txtimpoutput=200", "click:cmdcalcola", "txtf=2"})
        .why("typing empties the turns; the note stays")
        .text("lblspire1", "")
        .text("lblspire2", "")
        .shown({"lblh"}),
    Row("frmtrasferroxcube", {"click:cmdesci"}).effects({"close"}).open(false),
};

TEST(Toroids, Ferroxcube) { test::play(kFerroxcube); }

// ------------------------------------------------------------- frmBalunUnUn

const Row kBalun[] = {
    Row("frmBalunUnUn", {})
        .why("opens on the T 80 - 2")
        .selected("Option1", 0)
        .focus("Option1(0)")
        .text("lblspire", "25 SPIRE BIFILARI   POTENZA 60 WATTS"),
    Row("frmBalunUnUn", {"click:Option1:1"}).text("lblspire", "16 SPIRE BIFILARI   POTENZA 100 WATTS"),
    Row("frmBalunUnUn", {"click:Option1:2"}).text("lblspire", "18 SPIRE BIFILARI   POTENZA 150 WATTS"),
    Row("frmBalunUnUn", {"click:Option1:3"}).text("lblspire", "16 SPIRE BIFILARI   POTENZA 250 WATTS"),
    Row("frmBalunUnUn", {"click:Option1:4"}).text("lblspire", "17 SPIRE BIFILARI   POTENZA 400 WATTS"),
    Row("frmBalunUnUn", {"click:Option1:5"}).text("lblspire", "13 SPIRE BIFILARI   POTENZA 400 WATTS"),
    Row("frmBalunUnUn", {"click:Option1:6", "click:Option1:0"})
        .why("back to the first core")
        .text("lblspire", "25 SPIRE BIFILARI   POTENZA 60 WATTS"),
    Row("frmBalunUnUn", {"click:Option1:6"}).text("lblspire", "14 SPIRE BIFILARI   POTENZA 1000 WATTS"),
};

TEST(Toroids, BalunUnUn) { test::play(kBalun); }

}  // namespace
}  // namespace vm
