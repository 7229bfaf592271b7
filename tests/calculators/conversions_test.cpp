// Decibel and level conversions: dB ratios with their worked example, dBW and
// dBm levels, dB-microvolt, power to rms voltage and dBm. Every expected text
// was worked out by hand from the formulas, in the Italian number format.
#include <string>
#include <vector>

#include "support/harness.h"

namespace vm::test {
namespace {

using Texts = std::vector<std::string>;

// Messages ("prompt|title", each checked to carry the warning icon) and
// window moves ("resize WxH", "move L,T") since the last look.
struct Seen {
  Texts messages;
  Texts geometry;
};

Seen look(Window& w) {
  Seen s;
  for (const auto& e : w.events()) {
    switch (e.type) {
      case HostEvent::Type::Message:
        EXPECT_EQ(e.icon, Icon::Warning) << e.prompt;
        s.messages.push_back(e.prompt + "|" + e.title);
        break;
      case HostEvent::Type::Resize:
        s.geometry.push_back("resize " + std::to_string(e.width) + "x" + std::to_string(e.height));
        break;
      case HostEvent::Type::Move:
        s.geometry.push_back("move " + std::to_string(e.left.value_or(-1)) + "," + std::to_string(e.top.value_or(-1)));
        break;
      default:
        s.geometry.push_back("other");
        break;
    }
  }
  return s;
}

const Texts kNormal = {"resize 7890x4900", "move 2100,2000"};
const Texts kEnlarged = {"resize 7890x6700", "move 2100,1000"};
const Texts kNone = {};

Color captionColor(Window& w, const std::string& group, int option) {
  int id = w.id(group);
  return w.form().state(id).captionColors.at(static_cast<std::size_t>(option - w.form().def(id).firstIndex));
}

std::string tooltip(Window& w, const std::string& name) { return w.form().state(w.id(name)).tooltip; }

// ------------------------------------------------------------------ frmdB

TEST(ConversionsDecibel, OpensInDecibelModeWithTheExampleBelowTheWindow) {
  Window w("frmdB", true);
  EXPECT_EQ(w.form().caption(), "CONVERSIONI TRA DECIBEL E VARIAZIONI DI SEGNALE");
  EXPECT_EQ(w.selected("Option1"), 0);
  EXPECT_EQ(w.focus(), "Option1(0)");
  EXPECT_EQ(w.caption("Option1", 0), "NOTI I DECIBEL TROVARE LA VARIAZIONE IN TENSIONE E IN POTENZA");
  EXPECT_EQ(w.caption("Option1", 1), "NOTE LE TENSIONI DI ENTRATA E USCITA TROVARE I DECIBEL");
  EXPECT_EQ(w.caption("Option1", 2), "NOTE LE POTENZE DI ENTRATA E USCITA TROVARE I DECIBEL");
  EXPECT_EQ(w.text("Frame1"), " Opzioni di calcolo ");
  EXPECT_EQ(w.text("lblinput1"), "DECIBEL");
  EXPECT_EQ(w.text("lbloutput1"), "RAPPORTO  in TENSIONE");
  EXPECT_EQ(w.text("lbloutput2"), "RAPPORTO in POTENZA");
  EXPECT_EQ(w.text("lblinput2"), "lblinput2");
  EXPECT_FALSE(w.visible("txtinput2"));
  EXPECT_FALSE(w.visible("lblinput2"));
  EXPECT_TRUE(w.visible("lblout2"));
  EXPECT_TRUE(w.visible("lbloutput2"));
  EXPECT_FALSE(w.visible("lblvariazione"));
  EXPECT_EQ(tooltip(w, "txtinput1"), "inserire i dati e cliccare \"Calcola\"");
  EXPECT_EQ(tooltip(w, "txtinput2"), "inserire i dati e cliccare \"Calcola\"");
  EXPECT_EQ(tooltip(w, "txtvoltesempio"), "IL CALCOLO E'  INDIPENDENTE DALL'UNITA' DI MISURA");
  EXPECT_EQ(w.text("cmdcalcola"), "CALCOLA");
  EXPECT_EQ(w.text("cmdesci"), "E S C I");
  EXPECT_EQ(w.text("Label11"), " dopo l'inserimento cliccare su CALCOLA  --->");
  EXPECT_EQ(w.text("Label2"), "per separare i decimali usare il punto");
  EXPECT_EQ(w.text("Label1"),
            "Il decibel (dB) è un'unità di misura logaritmica che indica il rapporto esistente tra il segnale "
            "applicato all'ingresso e il segnale prelevato all'uscita di un dispositivo. Il Decibel può esprimere "
            "un guadagno o una attenuazione.");
  // the example panel is part of the window; its height decides what is seen
  const std::pair<const char*, const char*> panel[] = {
      {"Label3", "  Facciamo un esempio "},
      {"Label4", "In un dispositivo che presenta un guadagno o una attenuazione di DB :"},
      {"Label5", "se si applica in ingresso una tensione di  :"},
      {"Label6", "si ottengono in uscita :"},
      {"Label7", "in guadagno  : "},
      {"Label8", " in attenuazione  : "},
  };
  for (const auto& [name, text] : panel) {
    EXPECT_EQ(w.text(name), text) << name;
    EXPECT_TRUE(w.visible(name)) << name;
  }
  for (const char* name : {"lbldbesempio", "txtvoltesempio", "Label9", "Label10", "lblout1", "lblout2"}) {
    EXPECT_EQ(w.text(name), "") << name;
    EXPECT_TRUE(w.visible(name)) << name;
  }
  const Geometry& g = w.form().geometry();
  EXPECT_EQ(g.left, 2100);
  EXPECT_EQ(g.top, 2000);
  EXPECT_EQ(g.width, 7890);
  EXPECT_EQ(g.height, 4900);
  Seen s = look(w);
  EXPECT_EQ(s.messages, kNone);
  EXPECT_EQ(s.geometry, kNormal);
}

TEST(ConversionsDecibel, DecibelsToVoltageAndPowerRatios) {
  struct Row {
    const char* db;
    const char* voltage;
    const char* power;
    const char* example;
  };
  const Row rows[] = {
      {"20", "10,", "100,", "20"},
      {"0", "1,", "1,", "0"},
      {"", "1,", "1,", "0"},
      {"6", "1,995", "3,981", "6"},  // squared before rounding: not 3,98
      {"3", "1,413", "1,995", "3"},
      {"0.5", "1,059", "1,122", "0,5"},
      {"13.5", "4,732", "22,387", "13,5"},
      {"40", "100,", "10.000,", "40"},
      {"60", "1.000,", "1.000.000,", "60"},
      {"70", "3.162,278", "10.000.000,", "70"},
      {"12,5", "3,981", "15,849", "12"},  // a comma ends the number
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.db);
    Window w("frmdB", true);
    look(w);
    w.type("txtinput1", r.db).click("cmdcalcola");
    EXPECT_EQ(w.text("lblout1"), r.voltage);
    EXPECT_EQ(w.text("lblout2"), r.power);
    EXPECT_EQ(w.text("lbldbesempio"), r.example);
    EXPECT_FALSE(w.visible("lblvariazione"));
    Seen s = look(w);
    EXPECT_EQ(s.messages, kNone);
    EXPECT_EQ(s.geometry, kEnlarged);
    EXPECT_EQ(w.form().geometry().height, 6700);
    EXPECT_EQ(w.form().geometry().top, 1000);
    EXPECT_EQ(w.focus(), "cmdcalcola");
  }
}

TEST(ConversionsDecibel, OptionCaptionsAndLayout) {
  struct Row {
    int option;
    const char* input1;
    const char* input2;
    const char* output1;
    bool secondInput;
  };
  const Row rows[] = {
      {1, "TENSIONE ENTRATA", "TENSIONE USCITA", "DECIBEL", true},
      {2, "POTENZA ENTRATA", "POTENZA USCITA", "DECIBEL", true},
      {0, "DECIBEL", "TENSIONE USCITA", "RAPPORTO  in TENSIONE", false},  // hidden, as it was
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.option);
    Window w("frmdB", true);
    if (r.option == 0) w.click("Option1", 1);  // back to 0 from another mode
    w.click("Option1", r.option);
    EXPECT_EQ(w.text("lblinput1"), r.input1);
    EXPECT_EQ(w.text("lbloutput1"), r.output1);
    EXPECT_EQ(w.visible("txtinput2"), r.secondInput);
    EXPECT_EQ(w.visible("lblinput2"), r.secondInput);
    EXPECT_EQ(w.visible("lbloutput2"), !r.secondInput);
    EXPECT_EQ(w.visible("lblout2"), !r.secondInput);
    EXPECT_FALSE(w.visible("lblvariazione"));
    EXPECT_EQ(w.text("lblinput2"), r.input2);
    EXPECT_EQ(w.text("lbloutput2"), "RAPPORTO in POTENZA");
  }
}

TEST(ConversionsDecibel, VoltagesAndPowersToDecibels) {
  struct Row {
    int option;
    const char* in;
    const char* out;
    const char* decibels;
    const char* kind;
  };
  const Row rows[] = {
      {1, "1", "10", "20,", "DB di GUADAGNO"},
      {1, "10", "1", "20,", "DB di ATTENUAZIONE"},
      {1, "1", "3", "9,54", "DB di GUADAGNO"},
      {1, "5", "5", "0,", "DB di GUADAGNO"},  // equal inputs: a gain of 0 dB
      {1, "0.5", "12", "27,6", "DB di GUADAGNO"},
      {1, "2", "1", "6,02", "DB di ATTENUAZIONE"},
      {2, "1", "10", "10,", "DB di GUADAGNO"},
      {2, "10", "1", "10,", "DB di ATTENUAZIONE"},
      {2, "1", "3", "4,77", "DB di GUADAGNO"},
      {2, "2", "1", "3,01", "DB di ATTENUAZIONE"},
      {2, "5", "400", "19,03", "DB di GUADAGNO"},  // 5 W driving 400 W
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(std::to_string(r.option) + " " + r.in + " " + r.out);
    Window w("frmdB", true);
    w.click("Option1", r.option);
    look(w);
    w.type("txtinput1", r.in).type("txtinput2", r.out).click("cmdcalcola");
    EXPECT_EQ(w.text("lblout1"), r.decibels);
    EXPECT_EQ(w.text("lblvariazione"), r.kind);
    EXPECT_TRUE(w.visible("lblvariazione"));
    Seen s = look(w);
    EXPECT_EQ(s.messages, kNone);
    EXPECT_EQ(s.geometry, kNone);  // only the decibel mode shows the example
  }
}

TEST(ConversionsDecibel, RangeWarnings) {
  struct Row {
    int option;
    const char* in;
    const char* out;
    const char* message;
    const Texts& geometry;
  };
  const Row rows[] = {
      {0, "-3", "", "SOLO VALORI POSITIVI|MESSAGGIO DI ERRORE", kNone},
      {0, "70.1", "", "MASSIMO DB CALCOLABILE = 70|MESSAGGIO DI ERRORE", kEnlarged},
      {0, "1e3", "", "MASSIMO DB CALCOLABILE = 70|MESSAGGIO DI ERRORE", kEnlarged},
      {1, "-1", "5", "SOLO VALORI POSITIVI|MESSAGGIO DI ERRORE", kNone},
      {1, "1", "", "SOLO VALORI POSITIVI|MESSAGGIO DI ERRORE", kNone},  // not the missing-data warning
      {1, "0", "5", "SOLO VALORI POSITIVI|MESSAGGIO DI ERRORE", kNone},
      {1, "", "", "SOLO VALORI POSITIVI|MESSAGGIO DI ERRORE", kNone},
      {2, "4", "-2", "SOLO VALORI POSITIVI|MESSAGGIO DI ERRORE", kNone},
      {2, "4", "0", "SOLO VALORI POSITIVI|MESSAGGIO DI ERRORE", kNone},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(std::to_string(r.option) + " " + r.in + " " + r.out);
    Window w("frmdB", true);
    w.click("Option1", r.option);
    // a first good result, which the warning must leave alone
    if (r.option == 0) {
      w.type("txtinput1", "20").click("cmdcalcola");
    } else {
      w.type("txtinput1", "1").type("txtinput2", "10").click("cmdcalcola");
    }
    const std::string out1 = w.text("lblout1"), out2 = w.text("lblout2"), kind = w.text("lblvariazione");
    look(w);
    w.type("txtinput1", r.in);
    if (r.option != 0) w.type("txtinput2", r.out);
    w.click("cmdcalcola");
    Seen s = look(w);
    EXPECT_EQ(s.messages, Texts{r.message});
    EXPECT_EQ(s.geometry, r.geometry);
    EXPECT_EQ(w.focus(), "txtinput1");
    EXPECT_EQ(w.text("lblout1"), out1);
    EXPECT_EQ(w.text("lblout2"), out2);
    EXPECT_EQ(w.text("lblvariazione"), kind);
  }
}

// A refused level enlarges the window but leaves the example as it was: the
// example's label and its kept ratio never speak of a level that was refused.
TEST(ConversionsDecibel, RefusedLevelLeavesTheExampleAsItWas) {
  Window w("frmdB", true);
  w.type("txtinput1", "20").click("cmdcalcola");
  w.type("txtvoltesempio", "2");
  EXPECT_EQ(w.text("lbldbesempio"), "20");
  EXPECT_EQ(w.text("Label9"), "20,");
  EXPECT_EQ(w.text("Label10"), "0,2");

  w.type("txtinput1", "70.1");
  EXPECT_EQ(w.text("lbldbesempio"), "");
  EXPECT_EQ(w.text("txtvoltesempio"), "");
  look(w);
  w.click("cmdcalcola");
  Seen s = look(w);
  EXPECT_EQ(s.messages, Texts{"MASSIMO DB CALCOLABILE = 70|MESSAGGIO DI ERRORE"});
  EXPECT_EQ(s.geometry, kEnlarged);
  EXPECT_EQ(w.focus(), "txtinput1");
  EXPECT_EQ(w.text("lbldbesempio"), "");  // never "70,1"
  EXPECT_EQ(w.text("lblout1"), "10,");
  EXPECT_EQ(w.text("lblout2"), "100,");
  // the example still works with the ratio of 20 dB
  w.type("txtvoltesempio", "3");
  EXPECT_EQ(w.text("Label9"), "30,");
  EXPECT_EQ(w.text("Label10"), "0,3");

  // 70 dB is the last level accepted, and it does reach the example
  w.type("txtinput1", "70").click("cmdcalcola");
  EXPECT_EQ(look(w).messages, kNone);
  EXPECT_EQ(w.text("lbldbesempio"), "70");
  w.type("txtvoltesempio", "1");
  EXPECT_EQ(w.text("Label9"), "3.162,278");
  EXPECT_EQ(w.text("Label10"), "0,");
}

TEST(ConversionsDecibel, ExampleBeforeAnyRatioShowsNothing) {
  Window w("frmdB", true);
  w.type("txtinput1", "80").click("cmdcalcola");
  Seen s = look(w);
  EXPECT_EQ(s.messages, Texts{"MASSIMO DB CALCOLABILE = 70|MESSAGGIO DI ERRORE"});
  EXPECT_EQ(w.form().geometry().height, 6700);
  EXPECT_EQ(w.text("lbldbesempio"), "");
  w.keys("txtvoltesempio", "2.5");
  EXPECT_EQ(w.text("Label9"), "");
  EXPECT_EQ(w.text("Label10"), "");
  EXPECT_EQ(look(w).messages, kNone);
}

TEST(ConversionsDecibel, ExampleFollowsEveryKeystroke) {
  struct Step {
    const char* typed;
    const char* gain;
    const char* loss;
  };
  struct Row {
    const char* db;
    std::vector<Step> steps;
  };
  const Row rows[] = {
      {"6",
       {{"-", "0,", "0,"},
        {"-4", "-7,98", "-2,005"},
        {"-47", "-93,765", "-23,559"},
        {"2", "3,99", "1,003"},
        {"0.1", "0,2", "0,05"},
        // the example voltage is single precision: 3.3 is a hair below,
        // so 1,995 x 3.3 gives 6,583 and not 6,584
        {"3.3", "6,583", "1,654"},
        {"", "0,", "0,"}}},
      {"20", {{"2", "20,", "0,2"}, {"0.1", "1,", "0,01"}, {"-47", "-470,", "-4,7"}}},
      {"0", {{"16777217", "16.777.216,", "16.777.216,"}, {"3.3", "3,3", "3,3"}}},
      {"60", {{"1", "1.000,", "0,001"}, {"1e300", "", ""}}},  // too large for single precision: nothing
  };
  for (const auto& r : rows) {
    Window w("frmdB", true);
    w.type("txtinput1", r.db).click("cmdcalcola");
    look(w);
    for (const auto& st : r.steps) {
      SCOPED_TRACE(std::string(r.db) + " dB, example " + st.typed);
      w.type("txtvoltesempio", st.typed);
      EXPECT_EQ(w.text("Label9"), st.gain);
      EXPECT_EQ(w.text("Label10"), st.loss);
      EXPECT_EQ(look(w).messages, kNone);
      EXPECT_EQ(w.focus(), "txtvoltesempio");
    }
  }
}

TEST(ConversionsDecibel, TypingDecibelsBlanksTheExample) {
  Window w("frmdB", true);
  w.type("txtinput1", "6").click("cmdcalcola").type("txtvoltesempio", "2");
  EXPECT_EQ(w.text("Label9"), "3,99");
  w.keys("txtinput1", "-4");
  EXPECT_EQ(w.text("txtvoltesempio"), "");
  EXPECT_EQ(w.text("lbldbesempio"), "");
  // clearing the example voltage recomputes it once, from 0
  EXPECT_EQ(w.text("Label9"), "0,");
  EXPECT_EQ(w.text("Label10"), "0,");
  EXPECT_EQ(w.text("lblout1"), "1,995");  // results are not blanked
  EXPECT_EQ(look(w).messages, kNone);     // no warning while typing
}

TEST(ConversionsDecibel, OptionClickRestoresTheNormalWindowAndKeepsValues) {
  Window w("frmdB", true);
  w.type("txtinput1", "20").click("cmdcalcola");
  look(w);
  w.click("Option1", 1);
  EXPECT_EQ(look(w).geometry, kNormal);
  EXPECT_EQ(w.form().geometry().height, 4900);
  EXPECT_EQ(w.text("txtinput1"), "20");
  EXPECT_EQ(w.text("lblout1"), "10,");
  EXPECT_EQ(w.text("lblout2"), "100,");
  w.click("Option1", 0);
  EXPECT_EQ(look(w).geometry, kNormal);
  EXPECT_EQ(w.text("lblout2"), "100,");
  EXPECT_TRUE(w.visible("lblout2"));
}

TEST(ConversionsDecibel, ImpossibleRatioChangesNothing) {
  Window w("frmdB", true);
  w.click("Option1", 1);
  w.type("txtinput1", "1").type("txtinput2", "10").click("cmdcalcola");
  look(w);
  w.type("txtinput1", "1e-300").type("txtinput2", "1e300").click("cmdcalcola");
  EXPECT_EQ(look(w).messages, Texts{"DATI NON VALIDI|MESSAGGIO DI ERRORE"});
  EXPECT_EQ(w.text("lblout1"), "20,");
  EXPECT_EQ(w.text("lblvariazione"), "DB di GUADAGNO");
}

// ------------------------------------------------------------------ frmdBW

constexpr Color kBlue = 0x0000C0;

TEST(ConversionsDbw, OpensOnDbwWithTheResultsHidden) {
  Window w("frmdBW", true);
  EXPECT_EQ(w.form().caption(), "Conversioni dBWatt - dBmilliWatt in Watt - Volt");
  EXPECT_EQ(w.selected("Option1"), 0);
  EXPECT_EQ(w.focus(), "Option1(0)");
  EXPECT_EQ(w.caption("Option1", 0), "Da dBW a Watt");
  EXPECT_EQ(w.caption("Option1", 1), "Da dBm a Watt, Volt e dBuV");
  EXPECT_EQ(w.caption("Option1", 2), "Da Watt a dBW");
  for (int i = 0; i < 3; ++i) EXPECT_EQ(captionColor(w, "Option1", i), kDefaultColor) << i;
  EXPECT_EQ(w.text("Frame1"), " Opzioni ");
  EXPECT_EQ(w.text("lblinput"), "dBW");
  EXPECT_EQ(tooltip(w, "txtinput"), "inserisci il valore");
  EXPECT_EQ(w.text("lblnota"), "");
  EXPECT_FALSE(w.visible("Frameoutput"));
  for (const char* name : {"lbloutput1", "lblout1", "lbloutput2", "lblout2", "lblout50", "lblvolt50", "lblout75",
                           "lblvolt75", "lbloutdbuv", "lbldbuv"})
    EXPECT_EQ(w.text(name), "") << name;
  EXPECT_EQ(w.text("cmdesci"), "E S C I");
  EXPECT_EQ(w.text("lblpuntovirgola"), "SEPARARE I DECIMALI CON IL PUNTO");
  EXPECT_EQ(w.text("Label3"),
            "IL dBW E' USATO DI SOLITO PER POTENZE SUPERIORI AL WATT     0 dBW = 1 WATT    IL dBm  E' USATO DI "
            "SOLITO PER POTENZE INFERIORI  AL WATT     0 dBm = 1 milliWatt");
  EXPECT_EQ(w.text("Label1"),
            "Quando si devono trattare entità molto piccole, al posto dei dB e dei uV, conviene usare i dBm "
            "(dBmilliWatt) o i dBuVolt (dBmicroVolt) che rappresentano un reale valore di potenza o tensione in "
            "quanto calcolati prendendo come riferimento una reale unità di misura: il milliWatt o il microVolt.");
  EXPECT_TRUE(w.events().empty());
}

TEST(ConversionsDbw, OptionClickClearsTheInputHidesTheResultsAndColoursTheChoice) {
  struct Row {
    int option;
    const char* input;
    const char* output1;
    const char* output2;
    const char* note;
    const char* dbuvCaption;  // written by the computation that clearing the input runs
    const char* dbuv;
  };
  const Row rows[] = {
      {1, "dBm", "dBW", "Watt", "calcolabili da -120 a +80 dBm  (da 1 femtoWatt a 100 kiloWatt)", "dBµV su 50 ohm",
       "107"},
      {2, "Watt", "dBW", "dBm", "calcolabili da 0.1 mWatt a 100.000 Watt", "", ""},
      {0, "dBW", "dBm", "Watt", "calcolabili da -30 dBWatt a + 50 dBWatt", "", ""},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.option);
    Window w("frmdBW", true);
    w.click("Option1", 1).type("txtinput", "10");  // a level in dBµV to be cleared
    EXPECT_TRUE(w.visible("Frameoutput"));
    w.click("Option1", r.option);
    EXPECT_EQ(w.text("txtinput"), "");
    EXPECT_FALSE(w.visible("Frameoutput"));
    EXPECT_EQ(w.text("lblinput"), r.input);
    EXPECT_EQ(w.text("lbloutput1"), r.output1);
    EXPECT_EQ(w.text("lbloutput2"), r.output2);
    EXPECT_EQ(w.text("lblnota"), r.note);
    EXPECT_EQ(w.text("lbloutdbuv"), r.dbuvCaption);
    EXPECT_EQ(w.text("lbldbuv"), r.dbuv);
    for (int i = 0; i < 3; ++i)
      EXPECT_EQ(captionColor(w, "Option1", i), i == r.option ? kBlue : kDefaultColor) << i;
    EXPECT_EQ(look(w).messages, kNone);
  }
}

TEST(ConversionsDbw, DbwToWatts) {
  struct Row {
    const char* dbw;
    const char* dbm;
    const char* unit;
    const char* power;
    const char* v50;
    const char* v75;
  };
  const Row rows[] = {
      {"0", "30,000", "Watt", "1,000", "7,07", "8,66"},
      {"-30", "0,000", "milliWatt", "1", "0,22", "0,27"},
      {"-25", "5,000", "milliWatt", "3", "0,39", "0,47"},  // 3,162 mW kept as 0,003 W
      {"-7", "23,000", "milliWatt", "200", "3,16", "3,87"},  // QRP
      {"-0.5", "29,500", "milliWatt", "891", "6,67", "8,17"},
      {"3.5", "33,500", "Watt", "2,239", "10,58", "12,96"},
      {"10", "40,000", "Watt", "10,000", "22,36", "27,39"},
      {"30", "60,000", "Watt", "1.000,000", "223,61", "273,86"},  // a kilowatt
      {"50", "80,000", "Watt", "100.000,000", "2.236,07", "2.738,61"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.dbw);
    Window w("frmdBW", true);
    w.type("txtinput", r.dbw);
    EXPECT_TRUE(w.visible("Frameoutput"));
    EXPECT_EQ(w.text("lbloutput1"), "dBm");
    EXPECT_EQ(w.text("lblout1"), r.dbm);
    EXPECT_EQ(w.text("lbloutput2"), r.unit);
    EXPECT_EQ(w.text("lblout2"), r.power);
    EXPECT_EQ(w.text("lblout50"), "Volt su 50 ohm");
    EXPECT_EQ(w.text("lblvolt50"), r.v50);
    EXPECT_EQ(w.text("lblout75"), "Volt su 75 ohm");
    EXPECT_EQ(w.text("lblvolt75"), r.v75);
    EXPECT_EQ(w.text("lbldbuv"), "");
    EXPECT_EQ(look(w).messages, kNone);
  }
}

TEST(ConversionsDbw, DbmToWattsVoltsAndDbmicrovolt) {
  struct Row {
    const char* dbm;
    const char* dbw;
    const char* unit;
    const char* power;
    const char* volts;  // "milliVolt" for "milliVolt su 50 ohm" and "milliVolt su 75 ohm"
    const char* v50;
    const char* v75;
    const char* dbuv;
  };
  const Row rows[] = {
      {"-120", "-150,00", "femtoWatt", "1,00", "microVolt", "0,22", "0,27", "-13"},
      {"-107", "-137,00", "femtoWatt", "19,95", "microVolt", "1,00", "1,22", "0"},
      {"-100", "-130,00", "femtoWatt", "100,00", "microVolt", "2,24", "2,74", "7"},
      {"-90", "-120,00", "picoWatt", "1,00", "microVolt", "7,07", "8,66", "17"},
      {"-73", "-103,00", "picoWatt", "50,12", "microVolt", "50,06", "61,31", "34"},  // S9
      {"-60", "-90,00", "nanoWatt", "1,00", "milliVolt", "0,22", "0,27", "47"},
      {"-47.5", "-77,50", "nanoWatt", "17,78", "milliVolt", "0,94", "1,15", "59,5"},
      // the power follows from the dBW as shown: 19,41 and not 19,40
      {"-47.123", "-77,12", "nanoWatt", "19,41", "milliVolt", "0,99", "1,21", "59,877"},
      {"-30", "-60,00", "microWatt", "1,00", "milliVolt", "7,07", "8,66", "77"},
      {"-4", "-34,00", "microWatt", "398,11", "milliVolt", "141,09", "172,79", "103"},
      {"0", "-30,00", "milliWatt", "1,00", "milliVolt", "223,61", "273,86", "107"},
      {"13", "-17,00", "milliWatt", "19,95", "milliVolt", "998,81", "1.223,29", "120"},
      {"14", "-16,00", "milliWatt", "25,12", "Volt", "1,12", "1,37", "121"},
      {"27", "-3,00", "milliWatt", "501,19", "Volt", "5,01", "6,13", "134"},
      {"30", "0,00", "Watt", "1,00", "Volt", "7,07", "8,66", "137"},
      {"60", "30,00", "Watt", "1.000,00", "Volt", "223,61", "273,86", "167"},
      {"80", "50,00", "Watt", "100.000,00", "Volt", "2.236,07", "2.738,61", "187"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.dbm);
    Window w("frmdBW", true);
    w.click("Option1", 1).type("txtinput", r.dbm);
    EXPECT_TRUE(w.visible("Frameoutput"));
    EXPECT_EQ(w.text("lbloutput1"), "dBW");
    EXPECT_EQ(w.text("lblout1"), r.dbw);
    EXPECT_EQ(w.text("lbloutput2"), r.unit);
    EXPECT_EQ(w.text("lblout2"), r.power);
    EXPECT_EQ(w.text("lblout50"), std::string(r.volts) + " su 50 ohm");
    EXPECT_EQ(w.text("lblvolt50"), r.v50);
    EXPECT_EQ(w.text("lblout75"), std::string(r.volts) + " su 75 ohm");
    EXPECT_EQ(w.text("lblvolt75"), r.v75);
    EXPECT_EQ(w.text("lbloutdbuv"), "dBµV su 50 ohm");
    EXPECT_EQ(w.text("lbldbuv"), r.dbuv);
    EXPECT_EQ(look(w).messages, kNone);
  }
}

TEST(ConversionsDbw, WattsToDbwAndDbm) {
  struct Row {
    const char* watts;
    const char* dbw;
    const char* dbm;
    const char* v50;
    const char* v75;
  };
  const Row rows[] = {
      {"0.0001", "-40,00", "-10,00", "0,07", "0,09"},
      {"0.2", "-6,99", "23,01", "3,16", "3,87"},
      {"1", "0,00", "30,00", "7,07", "8,66"},
      {"5", "6,99", "36,99", "15,81", "19,36"},
      {"100", "20,00", "50,00", "70,71", "86,60"},
      {"1000", "30,00", "60,00", "223,61", "273,86"},
      {"1500", "31,76", "61,76", "273,86", "335,41"},
      {"100000", "50,00", "80,00", "2.236,07", "2.738,61"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.watts);
    Window w("frmdBW", true);
    w.click("Option1", 2).type("txtinput", r.watts);
    EXPECT_TRUE(w.visible("Frameoutput"));
    EXPECT_EQ(w.text("lbloutput1"), "dBW");
    EXPECT_EQ(w.text("lblout1"), r.dbw);
    EXPECT_EQ(w.text("lbloutput2"), "dBm");
    EXPECT_EQ(w.text("lblout2"), r.dbm);
    EXPECT_EQ(w.text("lblout50"), "Volt su 50 ohm");
    EXPECT_EQ(w.text("lblvolt50"), r.v50);
    EXPECT_EQ(w.text("lblout75"), "Volt su 75 ohm");
    EXPECT_EQ(w.text("lblvolt75"), r.v75);
    EXPECT_EQ(w.text("lbldbuv"), "");
    EXPECT_EQ(look(w).messages, kNone);
  }
}

// Typing one character at a time: the computation and its warnings follow
// every keystroke; a warning leaves the results as they were and shows them.
TEST(ConversionsDbw, KeystrokesAndRangeWarnings) {
  struct Step {
    const char* typed;
    const char* message;  // "" for none
    const char* first;    // lblout1 afterwards
    bool shown;           // Frameoutput afterwards
  };
  struct Row {
    int option;
    std::vector<Step> steps;
  };
  const char* dbwRange = "VALORI da:  - 30 a + 50|MESSAGGIO DI AVVISO";
  const char* dbmRange = "VALORI DA: - 120 a + 80|MESSAGGIO DI AVVISO";
  const Row rows[] = {
      {0, {{"-", "", "30,000", true}, {"-4", "", "26,000", true}, {"-47", dbwRange, "26,000", true}}},
      {0, {{"5", "", "35,000", true}, {"50", "", "80,000", true}, {"50.", "", "80,000", true},
           {"50.5", dbwRange, "80,000", true}}},
      {0, {{"-3", "", "27,000", true}, {"-30", "", "0,000", true}, {"-30.", "", "0,000", true},
           {"-30.1", dbwRange, "0,000", true}}},
      {1, {{"-", "", "-30,00", true}, {"-4", "", "-34,00", true}, {"-47", "", "-77,00", true}}},
      {1, {{"-1", "", "-31,00", true}, {"-12", "", "-42,00", true}, {"-121", dbmRange, "-42,00", true}}},
      {1, {{"8", "", "-22,00", true}, {"81", dbmRange, "-22,00", true}, {"8", "", "-22,00", true}}},
      {2, {{"-", "", "", false}, {"-1", "NON ESISTONO WATT NEGATIVI|MESSAGGIO DI ERRORE", "", true},
           {"", "", "", false}}},
      {2, {{"1", "", "0,00", true}, {"10", "", "10,00", true}, {"100", "", "20,00", true},
           {"1000", "", "30,00", true}, {"10000", "", "40,00", true}, {"100000", "", "50,00", true},
           {"100001", "VALORE ECCESSIVO|MESSAGGIO DI AVVISO", "50,00", true},
           {"", "", "50,00", false}}},  // clearing the input hides the results
  };
  for (const auto& r : rows) {
    Window w("frmdBW", true);
    if (r.option != 0) w.click("Option1", r.option);
    look(w);
    for (const auto& st : r.steps) {
      SCOPED_TRACE(std::to_string(r.option) + ": \"" + st.typed + "\"");
      w.type("txtinput", st.typed);
      Seen s = look(w);
      EXPECT_EQ(s.messages, *st.message ? Texts{st.message} : kNone);
      EXPECT_EQ(w.text("lblout1"), st.first);
      EXPECT_EQ(w.visible("Frameoutput"), st.shown);
      EXPECT_EQ(w.focus(), "txtinput");
    }
  }
}

// ------------------------------------------------------------------ frmdBmicrovolt

TEST(ConversionsDbMicrovolt, OpensConvertingMicrovoltsToDecibels) {
  Window w("frmdBmicrovolt", true);
  EXPECT_EQ(w.form().caption(), "dBmicrovolt RIFERITO AD IMPEDENZE DI 75 Ohm");
  EXPECT_EQ(w.selected("Option1"), 0);
  EXPECT_EQ(w.focus(), "Option1(0)");
  EXPECT_EQ(w.caption("Option1", 0), "da microvolt a dBmicrovolt");
  EXPECT_EQ(w.caption("Option1", 1), "da dBmicroV a microvolt");
  EXPECT_EQ(w.text("Frame1"), " Opzioni di calcolo  ");
  EXPECT_EQ(w.text("lblinput"), "DIGITARE I microvolt");
  EXPECT_EQ(w.text("lbloutput"), "CORRISPONDE A dBmicrovolt : ");
  EXPECT_TRUE(w.visible("lbloutput"));
  EXPECT_EQ(w.text("txtin"), "");
  EXPECT_EQ(w.text("lblout"), "0");  // the empty input reads as 1 µV
  EXPECT_EQ(w.text("cmdesci"), "E S C I");
  EXPECT_EQ(w.text("Label2"), "usare il punto del tastierino numerico per i decimali");
  EXPECT_EQ(w.text("Label1"),
            "Il dB microvolt E' UNA UNITA' DI MISURA, USATA IN CAMPO TELEVISIVO, CHE ESPRIME IL GUADAGNO O L' "
            "ATTENUAZIONE IN TENSIONE SU DI UN CARICO DA 75 OHM.");
  EXPECT_EQ(look(w).messages, kNone);
}

TEST(ConversionsDbMicrovolt, OptionClickClearsTheInputAndRelabels) {
  Window w("frmdBmicrovolt", true);
  w.type("txtin", "1000");
  EXPECT_EQ(w.text("lblout"), "60");
  w.click("Option1", 1);
  EXPECT_EQ(w.text("txtin"), "");
  EXPECT_EQ(w.text("lblout"), "1");
  EXPECT_EQ(w.text("lblinput"), "DIGITARE I dBmicrovolt");
  EXPECT_EQ(w.text("lbloutput"), "CORRISPONDE A microvolt");
  w.type("txtin", "60");
  w.click("Option1", 0);
  EXPECT_EQ(w.text("txtin"), "");
  EXPECT_EQ(w.text("lblout"), "0");
  EXPECT_EQ(w.text("lblinput"), "DIGITARE I microvolt");
  EXPECT_EQ(w.text("lbloutput"), "CORRISPONDE A dBmicrovolt : ");
  EXPECT_EQ(look(w).messages, kNone);
}

TEST(ConversionsDbMicrovolt, Levels) {
  struct Row {
    int option;
    const char* typed;
    const char* shown;
  };
  const Row rows[] = {
      {0, "1", "0"},
      {0, "0", "0"},
      {0, "10", "20"},
      {0, "1000", "60"},
      {0, "1000000", "120"},
      {0, "0.5", "-6,02"},
      {0, "0.001", "-60"},
      {0, "2.5", "7,96"},
      {0, "3", "9,54"},
      {0, "7", "16,9"},
      {0, "50", "33,98"},  // S9 on 50 ohm, in µV
      {1, "0", "1"},
      {1, "0.3", "1,04"},
      {1, "6", "2"},
      {1, "20", "10"},
      {1, "34", "50,12"},
      {1, "60", "1000"},
      {1, "87.3", "23173,95"},
      // single precision: 7 significant digits
      {1, "100.5", "105925,4"},
      {1, "107", "223872,1"},
      {1, "120", "1000000"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(std::to_string(r.option) + " " + r.typed);
    Window w("frmdBmicrovolt", true);
    if (r.option == 1) w.click("Option1", 1);
    w.type("txtin", r.typed);
    EXPECT_EQ(w.text("lblout"), r.shown);
    EXPECT_TRUE(w.visible("lbloutput"));
    EXPECT_EQ(look(w).messages, kNone);
  }
}

TEST(ConversionsDbMicrovolt, KeystrokesAndWarnings) {
  struct Step {
    const char* typed;
    const char* message;
    const char* shown;
  };
  struct Row {
    int option;
    std::vector<Step> steps;
  };
  const char* negative = "NON ESISTONO VALORI NEGATIVI|MESSAGGIO DI ERRORE";
  const char* tooHigh = "dBmicroV max = 120|MESSAGGIO DI ERRORE";
  const Row rows[] = {
      // a negative voltage is reported, then taken as 1 µV
      {0, {{"-", "", "0"}, {"-4", negative, "0"}, {"-47", negative, "0"}, {"47", "", "33,44"}}},
      {0, {{"1", "", "0"}, {"10", "", "20"}, {"100", "", "40"}, {"-100", negative, "0"}}},
      // above 120 and below 0 the previous result stays
      {1, {{"-", "", "1"}, {"-4", negative, "1"}, {"-47", negative, "1"}}},
      {1, {{"1", "", "1,12"}, {"12", "", "3,98"}, {"121", tooHigh, "3,98"}, {"12", "", "3,98"},
           {"120", "", "1000000"}, {"1200", tooHigh, "1000000"}}},
  };
  for (const auto& r : rows) {
    Window w("frmdBmicrovolt", true);
    if (r.option == 1) w.click("Option1", 1);
    look(w);
    for (const auto& st : r.steps) {
      SCOPED_TRACE(std::to_string(r.option) + ": \"" + st.typed + "\"");
      w.type("txtin", st.typed);
      Seen s = look(w);
      EXPECT_EQ(s.messages, *st.message ? Texts{st.message} : kNone);
      EXPECT_EQ(w.text("lblout"), st.shown);
      EXPECT_TRUE(w.visible("lbloutput"));
      EXPECT_EQ(w.focus(), "txtin");
    }
  }
}

TEST(ConversionsDbMicrovolt, UnreadableLevelShowsNothing) {
  Window w("frmdBmicrovolt", true);
  w.type("txtin", "1000").type("txtin", "1e400");  // beyond any double
  EXPECT_EQ(w.text("lblout"), "");
  EXPECT_EQ(look(w).messages, kNone);
}

// ------------------------------------------------------------------ frmvoltwatt

TEST(ConversionsVoltWatt, OpensOnWatts) {
  Window w("frmvoltwatt");
  EXPECT_EQ(w.form().caption(), "VALORE IN dBm  IN RAPPORTO ALLA POTENZA E ALL' IMPEDENZA");
  EXPECT_EQ(w.selected("Option1"), 1);
  EXPECT_EQ(w.focus(), "Option1(1)");
  const char* captions[] = {"DA WATT A VOLT E dBm",          "DA MILLIWATT A MILLIVOLT E dBm",
                            "DA MICROWATT A MILLIVOLT E dBm", "DA NANOWATT A MILLIVOLT E dBm",
                            "DA NANOWATT A MICROVOLT E dBm",  "DA PICOWATT A MICROVOLT E dBm",
                            "DA FEMTOWATT A MICROVOLT E dBm"};
  for (int i = 1; i <= 7; ++i) EXPECT_EQ(w.caption("Option1", i), captions[i - 1]) << i;
  EXPECT_EQ(w.text("lblinput"), "WATT");
  EXPECT_EQ(w.text("Label1"), "OHM");
  EXPECT_EQ(w.text("txtohm"), "50");
  EXPECT_EQ(w.text("txtinput"), "");
  EXPECT_EQ(w.text("lbloutput"), "");
  EXPECT_EQ(w.text("lbldbm"), "");
  EXPECT_EQ(w.text("cmdcalcola"), "CALCOLA");
  EXPECT_EQ(w.text("cmdesci"), "E S C I");
  EXPECT_EQ(w.text("Label2"), "SEPARARE GLI EVENTUALI DECIMALI CON IL PUNTO");
  EXPECT_EQ(look(w).messages, kNone);
}

TEST(ConversionsVoltWatt, PowerToRmsVoltageAndDbm) {
  struct Row {
    int option;
    const char* power;
    const char* ohm;
    const char* volts;
    const char* dbm;
  };
  const Row rows[] = {
      {1, "1", "50", "7,071 VOLT rms", "PARI A  30 dBm"},
      {1, "5", "50", "15,811 VOLT rms", "PARI A  37 dBm"},  // QRP
      {1, "0.3", "50", "3,873 VOLT rms", "PARI A  24,8 dBm"},
      {1, "0.5", "75", "6,124 VOLT rms", "PARI A  27 dBm"},
      {1, "100", "50", "70,711 VOLT rms", "PARI A  50 dBm"},
      {1, "1000", "50", "223,607 VOLT rms", "PARI A  60 dBm"},  // a kilowatt
      {2, "1", "50", "223,608 MILLIVOLT rms", "PARI A  0 dBm"},  // 31.623, not the root of 1000
      {2, "0.2", "50", "100,001 MILLIVOLT rms", "PARI A  -7 dBm"},
      {3, "1", "50", "7,071 MILLIVOLT rms", "PARI A  -30 dBm"},
      {3, "2.5", "50", "11,180 MILLIVOLT rms", "PARI A  -26 dBm"},
      {4, "1", "50", "0,223 MILLIVOLT rms", "PARI A  -60 dBm"},
      {5, "1", "50", "223,608 MICROVOLT rms", "PARI A  -60 dBm"},
      {6, "1", "50", "7,071 MICROVOLT rms", "PARI A  -90 dBm"},
      {6, "47", "75", "59,372 MICROVOLT rms", "PARI A  -73,3 dBm"},
      {7, "1", "50", "0,223 MICROVOLT rms", "PARI A  -120 dBm"},
      {7, "5", "50", "0,500 MICROVOLT rms", "PARI A  -113 dBm"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(std::to_string(r.option) + " " + r.power + " W on " + r.ohm);
    Window w("frmvoltwatt");
    if (r.option != 1) w.click("Option1", r.option);
    w.type("txtinput", r.power).type("txtohm", r.ohm).click("cmdcalcola");
    EXPECT_EQ(w.text("lbloutput"), r.volts);
    EXPECT_EQ(w.text("lbldbm"), r.dbm);
    EXPECT_EQ(look(w).messages, kNone);
  }
}

TEST(ConversionsVoltWatt, OptionClickRelabelsAndBlanks) {
  const char* units[] = {"WATT", "milliWATT", "microWATT", "nanoWATT", "nanoWatt", "picoWATT", "femtoWATT"};
  for (int i = 7; i >= 1; --i) {
    SCOPED_TRACE(i);
    Window w("frmvoltwatt");
    w.type("txtinput", "1").click("cmdcalcola");
    EXPECT_EQ(w.text("lbloutput"), "7,071 VOLT rms");
    if (i == 1) w.click("Option1", 2);
    w.click("Option1", i);
    EXPECT_EQ(w.text("lblinput"), units[i - 1]);
    EXPECT_EQ(w.text("lbloutput"), "");
    EXPECT_EQ(w.text("lbldbm"), "");
    EXPECT_EQ(w.text("txtinput"), "1");  // the input stays
  }
}

TEST(ConversionsVoltWatt, TypingBlanksTheResults) {
  for (const char* input : {"txtinput", "txtohm"}) {
    SCOPED_TRACE(input);
    Window w("frmvoltwatt");
    w.type("txtinput", "1").click("cmdcalcola");
    EXPECT_EQ(w.text("lbldbm"), "PARI A  30 dBm");
    w.keys(input, "7");
    EXPECT_EQ(w.text("lbloutput"), "");
    EXPECT_EQ(w.text("lbldbm"), "");
    EXPECT_EQ(look(w).messages, kNone);
  }
}

TEST(ConversionsVoltWatt, MissingDataPutsTheFocusOnTheResistance) {
  struct Row {
    const char* power;
    const char* ohm;
  };
  const Row rows[] = {{"1", ""}, {"", "50"}, {"1", "0"}, {"-1", "50"}, {"1", "-50"}, {"abc", "50"}};
  for (const auto& r : rows) {
    SCOPED_TRACE(std::string(r.power) + " / " + r.ohm);
    Window w("frmvoltwatt");
    w.type("txtinput", r.power).type("txtohm", r.ohm).click("cmdcalcola");
    EXPECT_EQ(look(w).messages, Texts{"MANCANO DATI|MESSAGGIO DI ERRORE"});
    EXPECT_EQ(w.focus(), "txtohm");
    EXPECT_EQ(w.text("lbloutput"), "");
    EXPECT_EQ(w.text("lbldbm"), "");
  }
}

TEST(ConversionsVoltWatt, ImpossibleVoltageChangesNothing) {
  Window w("frmvoltwatt");
  w.type("txtinput", "1").click("cmdcalcola");
  // a result too large to show: the typing blanked the results, the failed
  // computation leaves them so
  w.type("txtinput", "1e300").type("txtohm", "1e300").click("cmdcalcola");
  EXPECT_EQ(look(w).messages, Texts{"DATI NON VALIDI|MESSAGGIO DI ERRORE"});
  EXPECT_EQ(w.text("lbloutput"), "");
  EXPECT_EQ(w.text("lbldbm"), "");
}

// ------------------------------------------------------------------ the family

TEST(ConversionsFamily, CloseButtonClosesAndReopeningStartsAfresh) {
  struct Row {
    const char* form;
    const char* input;
    const char* result;
    const char* loaded;  // the result as the window opens
  };
  const Row rows[] = {
      {"frmdB", "txtinput1", "lblout1", ""},
      {"frmdBW", "txtinput", "lblout1", ""},
      {"frmdBmicrovolt", "txtin", "lblout", "0"},
      {"frmvoltwatt", "txtinput", "lbloutput", ""},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.form);
    {
      Window w(r.form);
      w.type(r.input, "20");
      if (w.form().find("cmdcalcola") >= 0) w.click("cmdcalcola");
      EXPECT_NE(w.text(r.result), r.loaded);
      look(w);
      w.click("cmdesci");
      EXPECT_FALSE(w.form().isOpen());
      auto events = w.events();
      ASSERT_EQ(events.size(), 1u);
      EXPECT_EQ(events[0].type, HostEvent::Type::Close);
    }
    Window again(r.form);
    EXPECT_EQ(again.text(r.input), "");
    EXPECT_EQ(again.text(r.result), r.loaded);
  }
}

}  // namespace
}  // namespace vm::test
