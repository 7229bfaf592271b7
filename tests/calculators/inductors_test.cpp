// The single-layer air-coil windows, driven headless as a user would drive
// them. Expected texts were worked out by hand from the coil formulas, in the
// Italian number format.
#include <string>
#include <vector>

#include "support/harness.h"

namespace vm {
namespace {

using test::Window;

const std::string kMissing = "MANCANO DATI|MESSAGGIO DI ERRORE";
const std::string kInvalid = "DATI NON VALIDI|MESSAGGIO DI ERRORE";
const std::string kHint = "SEPARARE GLI EVENTUALI DECIMALI CON IL PUNTO";

using Texts = std::vector<std::pair<std::string, std::string>>;

// Every named control shows exactly the given text.
void expectTexts(Window& w, const Texts& texts) {
  for (const auto& [name, text] : texts) EXPECT_EQ(w.text(name), text) << name;
}

std::string tooltip(Window& w, const std::string& name) { return w.form().state(w.id(name)).tooltip; }

// The label sits on the drawing, at a point inside it.
void expectOnDrawing(Window& w, const std::string& label, const std::string& drawing) {
  const ControlDef& d = w.form().def(w.id(label));
  const ControlDef& art = w.form().def(w.id(drawing));
  ASSERT_EQ(d.drawing, w.id(drawing)) << label;
  ASSERT_TRUE(art.art) << drawing;
  EXPECT_GE(d.anchorX, 0) << label;
  EXPECT_LE(d.anchorX, art.art->width) << label;
  EXPECT_GE(d.anchorY, 0) << label;
  EXPECT_LE(d.anchorY, art.art->height) << label;
  EXPECT_FALSE(art.art->shapes.empty()) << drawing;
}

// The static texts of a window, in order.
std::vector<std::string> staticTexts(Window& w) {
  std::vector<std::string> out;
  for (int i = 1;; ++i) {
    int id = w.form().find("lbltesto" + std::to_string(i));
    if (id < 0) break;
    out.push_back(w.form().state(id).text);
  }
  return out;
}

void expectCompanion(const HostEvent& e, const std::string& form, OpenHow how, std::optional<int> left = {},
                     std::optional<int> top = {}) {
  EXPECT_EQ(e.type, HostEvent::Type::Open);
  EXPECT_EQ(e.form, form);
  EXPECT_EQ(e.how, how);
  EXPECT_EQ(e.left, left);
  EXPECT_EQ(e.top, top);
}

void expectMove(const HostEvent& e, int left, int top) {
  EXPECT_EQ(e.type, HostEvent::Type::Move);
  EXPECT_EQ(e.left, left);
  EXPECT_EQ(e.top, top);
}

void expectClosesWith(const std::string& form, const std::string& button) {
  Window w(form);
  w.click(button);
  auto ev = w.events();
  ASSERT_EQ(ev.size(), 1u);
  EXPECT_EQ(ev[0].type, HostEvent::Type::Close);
  EXPECT_FALSE(w.form().isOpen());
}

// ------------------------------------------------------------------ frmbobine

TEST(InductorsBobine, OpensWithTurnsSelected) {
  Window w("frmbobine");
  EXPECT_EQ(w.form().caption(), "CALCOLO BOBINE  HF  MONOSTRATO IN ARIA      FORMULA DI WHEELER - BENZ");
  EXPECT_EQ(w.focus(), "Option1(0)");
  EXPECT_EQ(w.selected("Option1"), 0);
  EXPECT_EQ(w.caption("Option1", 0), "Trovare il numero delle spire");
  EXPECT_EQ(w.caption("Option1", 1), "Trovare il valore dell'Induttanza");
  expectTexts(w, {{"lblinput", "induttanza in \u00b5H :"},
                  {"lbldiametro", "diametro interno bobina in millimetri"},
                  {"lbllunghezza", "lunghezza bobina  in millimetri"},
                  {"cmdcalcola", "CALCOLA"},
                  {"cmdesci", "E X I T"},
                  {"lbloutput", ""},
                  {"lbllunghezzafilo", ""},
                  {"lbll", "L"},
                  {"lbld", " D "},
                  {"cmdaprevhf", "per bobine VHF clicca qui   \"Costr.Bobine VHF \""},
                  {"cmdchiamaawg", "CONVERSIONI AWG"},
                  {"txtinput", ""},
                  {"txtdiametro", ""},
                  {"txtlunghezza", ""}});
  EXPECT_FALSE(w.visible("lbloutput"));
  EXPECT_FALSE(w.visible("lbllunghezzafilo"));
  EXPECT_EQ(tooltip(w, "txtdiametro"), "diametro del supporto");
  EXPECT_EQ(tooltip(w, "lbldiametro"), "calcolato al centro spira");
  EXPECT_EQ(tooltip(w, "txtlunghezza"), "digitare un dato compatibile con la sezione del filo");
  expectOnDrawing(w, "lbll", "drwbobina");
  expectOnDrawing(w, "lbld", "drwbobina");
  EXPECT_EQ(staticTexts(w),
            (std::vector<std::string>{
                "Le bobine si intendono monostrato senza schermo e senza nucleo. I valori ottenuti sono teorici e si "
                "discosteranno sempre di più da quelli reali con l'aumentare della frequenza, in particolare oltre "
                "i 30/40 MHz.",
                "La formula adottata è quella di Wheeler- Benz proposta dal \"The Radio Amateur's Hand Book ARRL\" "
                ", è indipendente dal diametro del filo e per bobine in aria non molto lunghe (L>=0.4d) l'errore è "
                "minimo",
                "La lungh. della bobina è fissata a priori per cui il diametro del filo dovrà essere compatibile con "
                "il numero delle spire ottenuto.  E' preferibile partire dalla lunghezza della bobina (Handbook) e "
                "non dalla sez. del filo perchè così è anche più comodo realizzare bobine spaziate",
                "SEPARARE GLI EVENTUALI DECIMALI CON IL PUNTO",
                "ALCUNI AUTORI AFFERMANO CHE IL RAPPORTO OTTIMALE DI \"Q\" SI OTTIENE CON D = 2 L,  ALTRI CON D = "
                "L"}));
  EXPECT_TRUE(w.events().empty());
}

struct BobineRow {
  int line;
  int option;
  std::string input, diameter, length;
  std::string output, wire, l, d;
};

TEST(InductorsBobine, Computes) {
  const BobineRow rows[] = {
      // N = sqrt(1.45 * 1000 / 20) = 8.51 -> 8.5; 20 / 8.5 = 2.35; 8.5 * 3.14 * 2 = 53.38
      {__LINE__, 0, "1", "20", "20", "8,5 spire in aria, filo con diametro massimo di mm. 2,35",
       "lunghezza del conduttore : 53 cm.", "20 mm", "20 mm "},
      // 20 * 8.5^2 / 1450 = 0.9966
      {__LINE__, 1, "8.5", "20", "20", "\u00b5Henry :   1,00",
       "lunghezza del conduttore 53 cm. con diametro max mm. 2,35", "20 mm", "20 mm "},
      {__LINE__, 0, "4.7", "25", "40", "19,6 spire in aria, filo con diametro massimo di mm. 2,04",
       "lunghezza del conduttore : 153 cm.", "40 mm", "25 mm "},
      {__LINE__, 0, "0.33", "12.5", "30", "8,7 spire in aria, filo con diametro massimo di mm. 3,45",
       "lunghezza del conduttore : 34 cm.", "30 mm", "12,5 mm "},
      // the wire diameter is a rounded number, shown without trailing zeros
      {__LINE__, 0, "120", "50", "100", "76,7 spire in aria, filo con diametro massimo di mm. 1,3",
       "lunghezza del conduttore : 1204 cm.", "100 mm", "50 mm "},
      {__LINE__, 0, "0.05", "8", "12", "3,5 spire in aria, filo con diametro massimo di mm. 3,43",
       "lunghezza del conduttore : 8 cm.", "12 mm", "8 mm "},
      {__LINE__, 1, "22", "30", "15", "\u00b5Henry :   15,28",
       "lunghezza del conduttore 207 cm. con diametro max mm. 0,68", "15 mm", "30 mm "},
      {__LINE__, 1, "2", "10", "50", "\u00b5Henry :   0,01", "lunghezza del conduttore 6 cm. con diametro max mm. 25",
       "50 mm", "10 mm "},
      // grouping in the fixed inductance, none in the conductor length
      {__LINE__, 1, "200", "100", "10", "\u00b5Henry :   7.272,73",
       "lunghezza del conduttore 6280 cm. con diametro max mm. 0,05", "10 mm", "100 mm "},
      // what follows a comma is ignored: 20,7 reads as 20
      {__LINE__, 0, "1", "20,7", "20.0", "8,5 spire in aria, filo con diametro massimo di mm. 2,35",
       "lunghezza del conduttore : 53 cm.", "20 mm", "20 mm "},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE("row at line " + std::to_string(r.line));
    Window w("frmbobine");
    if (r.option != 0) w.click("Option1", r.option);
    w.type("txtinput", r.input).type("txtdiametro", r.diameter).type("txtlunghezza", r.length).click("cmdcalcola");
    EXPECT_TRUE(w.messages().empty());
    expectTexts(w, {{"lbloutput", r.output}, {"lbllunghezzafilo", r.wire}, {"lbll", r.l}, {"lbld", r.d}});
    EXPECT_TRUE(w.visible("lbloutput"));
    EXPECT_TRUE(w.visible("lbllunghezzafilo"));
  }
}

TEST(InductorsBobine, OptionRelabelsAndHides) {
  Window w("frmbobine");
  w.type("txtinput", "1").type("txtdiametro", "20").type("txtlunghezza", "20").click("cmdcalcola");
  ASSERT_TRUE(w.visible("lbloutput"));
  w.click("Option1", 1);
  EXPECT_EQ(w.text("lblinput"), "numero di spire :");
  EXPECT_FALSE(w.visible("lbloutput"));
  EXPECT_FALSE(w.visible("lbllunghezzafilo"));
  EXPECT_EQ(w.text("lbll"), "L");
  EXPECT_EQ(w.text("lbld"), " D ");
  // the inputs keep their texts: the same numbers now mean one turn
  EXPECT_EQ(w.text("txtinput"), "1");
  w.click("cmdcalcola");
  EXPECT_EQ(w.text("lbloutput"), "\u00b5Henry :   0,01");
  w.click("Option1", 0);
  EXPECT_EQ(w.text("lblinput"), "induttanza in \u00b5H :");
  EXPECT_FALSE(w.visible("lbloutput"));
}

TEST(InductorsBobine, TypingHidesResultsAndResetsDrawing) {
  for (const std::string input : {"txtinput", "txtdiametro", "txtlunghezza"}) {
    SCOPED_TRACE(input);
    Window w("frmbobine");
    w.type("txtinput", "1").type("txtdiametro", "20").type("txtlunghezza", "20").click("cmdcalcola");
    ASSERT_EQ(w.text("lbll"), "20 mm");
    w.keys(input, "3");
    EXPECT_FALSE(w.visible("lbloutput"));
    EXPECT_FALSE(w.visible("lbllunghezzafilo"));
    EXPECT_EQ(w.text("lbll"), "L");
    EXPECT_EQ(w.text("lbld"), " D ");
    // hidden, not emptied
    EXPECT_EQ(w.text("lbloutput"), "8,5 spire in aria, filo con diametro massimo di mm. 2,35");
  }
}

TEST(InductorsBobine, MissingDataFocusesTheInput) {
  struct Row {
    int line;
    int option;
    std::string input, diameter, length;
  } rows[] = {
      {__LINE__, 0, "", "20", "20"},   {__LINE__, 0, "1", "", "20"},    {__LINE__, 0, "1", "20", ""},
      {__LINE__, 1, "8", "", "20"},    {__LINE__, 0, "-1", "20", "20"}, {__LINE__, 1, "8", "20", "-5"},
      {__LINE__, 0, "abc", "20", "20"}, {__LINE__, 0, ",5", "20", "20"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE("row at line " + std::to_string(r.line));
    Window w("frmbobine");
    if (r.option != 0) w.click("Option1", r.option);
    w.type("txtinput", r.input).type("txtdiametro", r.diameter).type("txtlunghezza", r.length).click("cmdcalcola");
    EXPECT_EQ(w.messages(), std::vector<std::string>{kMissing});
    EXPECT_EQ(w.focus(), "txtinput");
    EXPECT_FALSE(w.visible("lbloutput"));
    EXPECT_EQ(w.text("lbloutput"), "");
    EXPECT_EQ(w.text("lbll"), "L");
  }
}

TEST(InductorsBobine, WarningChangesNothing) {
  Window w("frmbobine");
  w.type("txtinput", "1").type("txtdiametro", "20").type("txtlunghezza", "20").click("cmdcalcola");
  w.type("txtdiametro", "0").click("cmdcalcola");
  EXPECT_EQ(w.messages(), std::vector<std::string>{kMissing});
  EXPECT_EQ(w.focus(), "txtinput");
  expectTexts(w, {{"lbloutput", "8,5 spire in aria, filo con diametro massimo di mm. 2,35"},
                  {"lbllunghezzafilo", "lunghezza del conduttore : 53 cm."},
                  {"lbll", "L"},
                  {"lbld", " D "},
                  {"txtdiametro", "0"}});
  EXPECT_FALSE(w.visible("lbloutput"));
}

// Two negative sizes pass the product but make no coil: refused as missing data,
// even where the formula would give a finite (and meaningless) answer.
TEST(InductorsBobine, TwoNegativeSizesAreMissingData) {
  const char* rows[][3] = {{"1", "-20", "-20"}, {"-1", "-20", "20"}, {"-1", "20", "-20"}};
  for (auto& r : rows) {
    for (int option : {0, 1}) {
      Window w("frmbobine");
      w.click("Option1", option);
      w.type("txtinput", r[0]).type("txtdiametro", r[1]).type("txtlunghezza", r[2]).click("cmdcalcola");
      EXPECT_EQ(w.messages(), std::vector<std::string>{"MANCANO DATI|MESSAGGIO DI ERRORE"}) << r[0] << r[1] << r[2];
      EXPECT_EQ(w.focus(), "txtinput");
      EXPECT_FALSE(w.visible("lbloutput"));
    }
  }
}

TEST(InductorsBobine, ImpossibleNumbersAreRefused) {
  struct Row {
    int line;
    int option;
    std::string input, diameter, length;
  } rows[] = {
      // sqrt(1.45 * 1000 * 0.00001 / 20) = 0.027 rounds to 0,0 turns: the wire diameter divides by it
      {__LINE__, 0, "0.00001", "20", "20"},
      // a value too large to show
      {__LINE__, 1, "1e200", "1e200", "1e200"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE("row at line " + std::to_string(r.line));
    Window w("frmbobine");
    if (r.option != 0) w.click("Option1", r.option);
    w.type("txtinput", "1").type("txtdiametro", "20").type("txtlunghezza", "20").click("cmdcalcola");
    const std::string before = w.text("lbloutput"), wire = w.text("lbllunghezzafilo");
    w.type("txtinput", r.input).type("txtdiametro", r.diameter).type("txtlunghezza", r.length).click("cmdcalcola");
    EXPECT_EQ(w.messages(), std::vector<std::string>{kInvalid});
    EXPECT_EQ(w.focus(), "cmdcalcola");
    EXPECT_EQ(w.text("lbloutput"), before);
    EXPECT_EQ(w.text("lbllunghezzafilo"), wire);
    EXPECT_FALSE(w.visible("lbloutput"));
    EXPECT_EQ(w.text("lbll"), "L");
    EXPECT_EQ(w.text("lbld"), " D ");
    // still usable afterwards
    w.type("txtinput", r.option == 0 ? "1" : "8.5").type("txtdiametro", "20").type("txtlunghezza", "20");
    w.click("cmdcalcola");
    EXPECT_TRUE(w.messages().empty());
    EXPECT_TRUE(w.visible("lbloutput"));
  }
}

TEST(InductorsBobine, Companions) {
  {
    Window w("frmbobine");
    w.click("cmdaprevhf");
    auto ev = w.events();
    ASSERT_EQ(ev.size(), 1u);
    expectCompanion(ev[0], "frmmicrobobine", OpenHow::Modeless);
  }
  {
    Window w("frmbobine");
    w.click("cmdchiamaawg");
    auto ev = w.events();
    ASSERT_EQ(ev.size(), 2u);
    expectMove(ev[0], 180, 180);
    expectCompanion(ev[1], "frmawg", OpenHow::Modeless, 4100, 3000);
    EXPECT_EQ(w.form().geometry().left, 180);
    EXPECT_EQ(w.form().geometry().top, 180);
  }
  {
    // opened modal by another window: its companions open modal too
    Window w("frmbobine", true);
    w.click("cmdaprevhf").click("cmdchiamaawg");
    auto ev = w.events();
    ASSERT_EQ(ev.size(), 3u);
    expectCompanion(ev[0], "frmmicrobobine", OpenHow::Modal);
    expectCompanion(ev[2], "frmawg", OpenHow::Modal, 4100, 3000);
  }
  expectClosesWith("frmbobine", "cmdesci");
}

// ------------------------------------------------------------- frmmicrobobine

TEST(InductorsMicrobobine, OpensWithTurnsSelected) {
  Window w("frmmicrobobine");
  EXPECT_EQ(w.form().caption(), "CALCOLO BOBINE   V H F   DI PICCOLE DIMENSIONI IN ARIA");
  EXPECT_EQ(w.focus(), "Option1(0)");
  EXPECT_EQ(w.selected("Option1"), 0);
  EXPECT_EQ(w.caption("Option1", 0), "Trovare il numero delle spire");
  EXPECT_EQ(w.caption("Option1", 1), "Trovare il valore dell'Induttanza");
  // the option's reaction has run: the spacing label is in lower case
  expectTexts(w, {{"lblinput", "induttanza in \u00b5H :"},
                  {"lbldiametrobobina", "diametro bobina in millimetri  (D)"},
                  {"lbldiametrofilo", "diametro filo in millimetri"},
                  {"lblspazio", "spazio spira/spira in millimetri  (Sp)"},
                  {"cmdcalcola", "CALCOLA"},
                  {"cmdesci", "E X I T"},
                  {"lbloutput", ""},
                  {"lbllungbobina", ""},
                  {"lbllunghezzafilo", ""},
                  {"lbld", " D "},
                  {"lbls", "sp"},
                  {"cmdaprebobineHF", "COSTRUZIONE  BOBINE HF"},
                  {"cmdchiamaawg", "CONVERSIONI AWG"}});
  EXPECT_EQ(tooltip(w, "txtdiametrobobina"), "diametro del supporto");
  EXPECT_EQ(tooltip(w, "lbldiametrobobina"), "calcolato al centro spira");
  EXPECT_EQ(tooltip(w, "txtdiametrofilo"), "digitare un dato compatibile con la sezione del filo");
  expectOnDrawing(w, "lbld", "drwbobina");
  expectOnDrawing(w, "lbls", "drwbobina");
  EXPECT_EQ(staticTexts(w),
            (std::vector<std::string>{
                "Le bobine si intendono monostrato senza schermo e senza nucleo. I valori ottenuti sono teorici e "
                "sono stati ottimizzati per induttanze di piccolo valore dell'ordine di pochi micro Henry",
                "In alta frequenza, per ridurre la capacità parassita, le spire delle bobine vengono di solito "
                "spaziate. La formula utilizzata tiene particolare conto di questa spaziatura",
                "Per bobine in bande decametriche HF può risultare più pratico utilizzare l'altra scheda \"costr. "
                "bobine per HF \"",
                "SEPARARE GLI EVENTUALI DECIMALI CON IL PUNTO"}));
}

struct MicroRow {
  int line;
  int option;
  std::string input, coil, wire, spacing;
  std::string output, coilLength, wireLength, s, d;
};

TEST(InductorsMicrobobine, Computes) {
  const MicroRow rows[] = {
      // P = 2/25.4, M = 11/25.4: N = (1000 * P^0.7 / (17 * M^1.7))^(1/1.3) = 17.4625 -> 17,46
      {__LINE__, 0, "1", "10", "1", "1", "17,46 spire in aria ", "lunghezza della bobina : 33,9 mm",
       "lunghezza del conduttore : 54,82 cm.", "1 mm", "10 mm "},
      {__LINE__, 0, "0.1", "6", "0.8", "0.5", "4,42 spire in aria ", "lunghezza della bobina : 5,2 mm",
       "lunghezza del conduttore : 8,33 cm.", "0,5 mm", "6 mm "},
      {__LINE__, 0, "2.5", "5", "0.6", "0.3", "55,58 spire in aria ", "lunghezza della bobina : 49,7 mm",
       "lunghezza del conduttore : 87,26 cm.", "0,3 mm", "5 mm "},
      {__LINE__, 0, "0.25", "5", "0.8", "0.4", "10,54 spire in aria ", "lunghezza della bobina : 12,2 mm",
       "lunghezza del conduttore : 16,55 cm.", "0,4 mm", "5 mm "},
      // below 1 uH: in nanohenry, from the inductance rounded to 6 decimals
      {__LINE__, 1, "4", "8", "1", "1", "nano Henry :   104,661", "lunghezza della bobina : 7 mm",
       "lunghezza del conduttore : 10,05 cm.", "1 mm", "8 mm "},
      {__LINE__, 1, "12", "10", "1.5", "2", "nano Henry :   447,599", "lunghezza della bobina : 40 mm",
       "lunghezza del conduttore : 37,68 cm.", "2 mm", "10 mm "},
      // above 1 uH: six decimals
      {__LINE__, 1, "30", "15", "1", "1", "\u00b5Henry :   3,820813", "lunghezza della bobina : 59 mm",
       "lunghezza del conduttore : 141,30 cm.", "1 mm", "15 mm "},
      {__LINE__, 1, "20", "20", "1.2", "0.8", "\u00b5Henry :   3,639185", "lunghezza della bobina : 39,2 mm",
       "lunghezza del conduttore : 125,60 cm.", "0,8 mm", "20 mm "},
      // 1.00000027 uH rounds to exactly 1, which is not above 1
      {__LINE__, 1, "17.4625", "10", "1", "1", "nano Henry :   1000", "lunghezza della bobina : 33,9 mm",
       "lunghezza del conduttore : 54,83 cm.", "1 mm", "10 mm "},
      {__LINE__, 1, "17.463", "10", "1", "1", "\u00b5Henry :   1,000037", "lunghezza della bobina : 33,9 mm",
       "lunghezza del conduttore : 54,83 cm.", "1 mm", "10 mm "},
      {__LINE__, 1, "17.46", "10", "1", "1", "nano Henry :   999,814", "lunghezza della bobina : 33,9 mm",
       "lunghezza del conduttore : 54,82 cm.", "1 mm", "10 mm "},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE("row at line " + std::to_string(r.line));
    Window w("frmmicrobobine");
    if (r.option != 0) w.click("Option1", r.option);
    w.type("txtinput", r.input).type("txtdiametrobobina", r.coil).type("txtdiametrofilo", r.wire);
    w.type("txtspazio", r.spacing).click("cmdcalcola");
    EXPECT_TRUE(w.messages().empty());
    expectTexts(w, {{"lbloutput", r.output},
                    {"lbllungbobina", r.coilLength},
                    {"lbllunghezzafilo", r.wireLength},
                    {"lbls", r.s},
                    {"lbld", r.d}});
    for (const char* result : {"lbloutput", "lbllungbobina", "lbllunghezzafilo"}) EXPECT_TRUE(w.visible(result));
  }
}

TEST(InductorsMicrobobine, TypingAndOptionsRelabelTheDrawing) {
  struct Row {
    int line;
    std::string input;  // "" for a click on option 1
    std::string s;
  } rows[] = {
      {__LINE__, "txtdiametrobobina", "S"}, {__LINE__, "txtinput", "Sp"}, {__LINE__, "txtdiametrofilo", "Sp"},
      {__LINE__, "txtspazio", "Sp"},        {__LINE__, "", "sp"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE("row at line " + std::to_string(r.line));
    Window w("frmmicrobobine");
    w.type("txtinput", "1").type("txtdiametrobobina", "10").type("txtdiametrofilo", "1").type("txtspazio", "1");
    w.click("cmdcalcola");
    ASSERT_EQ(w.text("lbls"), "1 mm");
    ASSERT_EQ(w.text("lbld"), "10 mm ");
    if (r.input.empty()) {
      w.click("Option1", 1);
      EXPECT_EQ(w.text("lblinput"), "numero di spire :");
    } else {
      w.keys(r.input, "2");
    }
    EXPECT_EQ(w.text("lbls"), r.s);
    EXPECT_EQ(w.text("lbld"), " D ");
    for (const char* result : {"lbloutput", "lbllungbobina", "lbllunghezzafilo"}) EXPECT_FALSE(w.visible(result));
    EXPECT_EQ(w.text("lbloutput"), "17,46 spire in aria ");
  }
}

TEST(InductorsMicrobobine, MissingDataFocusesTheInput) {
  struct Row {
    int line;
    std::string input, coil, wire, spacing;
  } rows[] = {
      // a close-wound coil (no spacing) cannot be entered
      {__LINE__, "1", "10", "1", ""},  {__LINE__, "1", "10", "1", "0"}, {__LINE__, "", "10", "1", "1"},
      {__LINE__, "1", "", "1", "1"},   {__LINE__, "1", "10", "", "1"},  {__LINE__, "1", "10", "1", "-1"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE("row at line " + std::to_string(r.line));
    Window w("frmmicrobobine");
    w.type("txtinput", r.input).type("txtdiametrobobina", r.coil).type("txtdiametrofilo", r.wire);
    w.type("txtspazio", r.spacing).click("cmdcalcola");
    EXPECT_EQ(w.messages(), std::vector<std::string>{kMissing});
    EXPECT_EQ(w.focus(), "txtinput");
    EXPECT_FALSE(w.visible("lbloutput"));
    EXPECT_EQ(w.text("lbloutput"), "");
    EXPECT_EQ(w.text("lbls"), "Sp");
  }
}

TEST(InductorsMicrobobine, ImpossibleNumbersAreRefused) {
  // two negatives pass the product but make no coil: missing data
  Window w("frmmicrobobine");
  w.type("txtinput", "-1").type("txtdiametrobobina", "-10").type("txtdiametrofilo", "1").type("txtspazio", "1");
  w.click("cmdcalcola");
  EXPECT_EQ(w.messages(), std::vector<std::string>{"MANCANO DATI|MESSAGGIO DI ERRORE"});
  EXPECT_EQ(w.focus(), "txtinput");
  EXPECT_FALSE(w.visible("lbloutput"));
  EXPECT_EQ(w.text("lbls"), "Sp");
  w.click("Option1", 1).click("cmdcalcola");
  EXPECT_EQ(w.messages(), std::vector<std::string>{"MANCANO DATI|MESSAGGIO DI ERRORE"});
  EXPECT_EQ(w.text("lbloutput"), "");
  // a value too large to show is refused by the guard
  w.type("txtinput", "1e300").type("txtdiametrobobina", "1e300").click("cmdcalcola");
  EXPECT_EQ(w.messages(), std::vector<std::string>{kInvalid});
}

TEST(InductorsMicrobobine, Companions) {
  {
    Window w("frmmicrobobine");
    w.click("cmdaprebobineHF");
    auto ev = w.events();
    ASSERT_EQ(ev.size(), 1u);
    expectCompanion(ev[0], "frmbobine", OpenHow::Modeless);
  }
  {
    Window w("frmmicrobobine");
    w.click("cmdchiamaawg");
    auto ev = w.events();
    ASSERT_EQ(ev.size(), 2u);
    expectMove(ev[0], 180, 180);
    expectCompanion(ev[1], "frmawg", OpenHow::Modeless, 4100, 3000);
  }
  expectClosesWith("frmmicrobobine", "cmdesci");
}

// --------------------------------------------------------------- frmbobineuhf

TEST(InductorsBobineUhf, Opens) {
  Window w("frmbobineuhf", true);
  EXPECT_EQ(w.form().caption(), "Bobine adatte per  uso in VHF - UHF");
  EXPECT_EQ(w.focus(), "txtdiametro");
  expectTexts(w, {{"Frame1", "Inserimento dati"},
                  {"Label2(0)", "Diametro del conduttore in mm."},
                  {"Label2(1)", "Lunghezza del conduttore in mm."},
                  {"Label2(2)", "Distanza dal piano di terra in mm."},
                  {"ccmdcalcola", "CALCOLA"},
                  {"cmdesci", "E S C I"},
                  {"lblinduttanza", ""},
                  {"lbllunghezza", "lung"},
                  {"lbldistanza", "distanza"}});
  for (const char* input : {"txtdiametro", "txtlunghezza", "txtdistanza"})
    EXPECT_EQ(w.form().def(w.id(input)).parent, w.id("Frame1")) << input;
  expectOnDrawing(w, "lbllunghezza", "drwconduttore");
  expectOnDrawing(w, "lbldistanza", "drwconduttore");
  EXPECT_EQ(staticTexts(w), std::vector<std::string>{"A frequenza VHF -  UHF possono essere realizzati induttori "
                                                     "costituiti da un conduttore parallelo al piano di terra al "
                                                     "quale sono collegati tramite una  estremità"});
}

struct UhfRow {
  int line;
  std::string diameter, length, height;
  std::string output, l, h;
};

TEST(InductorsBobineUhf, Computes) {
  const UhfRow rows[] = {
      // r = 0.5: 0.4605 * 20 * log10(20) * (20 + 20.006) / (20 + 22.361) + 0.0002 * (...)
      {__LINE__, "1", "20", "5", "Induttanza in nanoHenry : = 11,316", "20 mm", "5 mm"},
      {__LINE__, "0.5", "10", "1.3", "Induttanza in nanoHenry : = 4,608", "10 mm", "1,3 mm"},
      {__LINE__, "1.5", "50", "3.7", "Induttanza in nanoHenry : = 22,769", "50 mm", "3,7 mm"},
      // the distance is held in single precision: 7 significant digits
      {__LINE__, "3", "100", "12.345678", "Induttanza in nanoHenry : = 55,193", "100 mm", "12,34568 mm"},
      // a conductor nearer the plane than its radius: the logarithm goes negative
      {__LINE__, "2", "30", "0.1", "Induttanza in nanoHenry : = -9,657", "30 mm", "0,1 mm"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE("row at line " + std::to_string(r.line));
    Window w("frmbobineuhf", true);
    w.type("txtdiametro", r.diameter).type("txtlunghezza", r.length).type("txtdistanza", r.height);
    w.click("ccmdcalcola");
    EXPECT_TRUE(w.messages().empty());
    expectTexts(w, {{"lblinduttanza", r.output}, {"lbllunghezza", r.l}, {"lbldistanza", r.h}});
  }
}

TEST(InductorsBobineUhf, TypingClearsOnlyTheInductance) {
  for (const char* input : {"txtdiametro", "txtlunghezza", "txtdistanza"}) {
    SCOPED_TRACE(input);
    Window w("frmbobineuhf", true);
    w.type("txtdiametro", "1").type("txtlunghezza", "20").type("txtdistanza", "5").click("ccmdcalcola");
    ASSERT_EQ(w.text("lblinduttanza"), "Induttanza in nanoHenry : = 11,316");
    w.keys(input, "7");
    expectTexts(w, {{"lblinduttanza", ""}, {"lbllunghezza", "20 mm"}, {"lbldistanza", "5 mm"}});
    EXPECT_TRUE(w.visible("lblinduttanza"));
  }
}

TEST(InductorsBobineUhf, OnlyAZeroProductIsMissingData) {
  struct Row {
    int line;
    std::string diameter, length, height;
    std::vector<std::string> messages;
  } rows[] = {
      {__LINE__, "", "20", "5", {kMissing}},
      {__LINE__, "1", "", "5", {kMissing}},
      {__LINE__, "0", "0", "", {kMissing}},
      // a negative product: nothing at all
      {__LINE__, "-1", "20", "5", {}},
      {__LINE__, "1", "-20", "5", {}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE("row at line " + std::to_string(r.line));
    Window w("frmbobineuhf", true);
    w.type("txtdiametro", "1").type("txtlunghezza", "20").type("txtdistanza", "5").click("ccmdcalcola");
    w.type("txtdiametro", r.diameter).type("txtlunghezza", r.length).type("txtdistanza", r.height);
    w.click("ccmdcalcola");
    EXPECT_EQ(w.messages(), r.messages);
    EXPECT_EQ(w.focus(), r.messages.empty() ? "ccmdcalcola" : "txtdiametro");
    expectTexts(w, {{"lblinduttanza", ""}, {"lbllunghezza", "20 mm"}, {"lbldistanza", "5 mm"}});
  }
}

TEST(InductorsBobineUhf, ImpossibleDistancesAreRefused) {
  // the distance is not tested: zero (logarithm of 0), negative (of a negative), too large for single precision
  for (const char* height : {"", "0", "-3", "1e39"}) {
    SCOPED_TRACE(height);
    Window w("frmbobineuhf", true);
    w.type("txtdiametro", "1").type("txtlunghezza", "20").type("txtdistanza", "5").click("ccmdcalcola");
    w.type("txtdistanza", height).click("ccmdcalcola");
    EXPECT_EQ(w.messages(), std::vector<std::string>{kInvalid});
    EXPECT_EQ(w.focus(), "ccmdcalcola");
    expectTexts(w, {{"lblinduttanza", ""}, {"lbllunghezza", "20 mm"}, {"lbldistanza", "5 mm"}});
  }
}

TEST(InductorsBobineUhf, Closes) { expectClosesWith("frmbobineuhf", "cmdesci"); }

// ------------------------------------------------------------ frmbobinepiatte

TEST(InductorsBobinePiatte, Opens) {
  Window w("frmbobinepiatte", true);
  EXPECT_EQ(w.form().caption(), "BOBINE SU CIRCUITO STAMPATO");
  EXPECT_EQ(w.focus(), "txtlp");
  expectTexts(w, {{"lbllp", "LARGHEZZA PISTA in mm"},
                  {"lblls", "DISTANZA PISTE in mm"},
                  {"lbln", "NUMERO SPIRE"},
                  {"cmdcalcola", "CALCOLA"},
                  {"cmdesci", "E S C I"},
                  {"lblinduttanza", ""},
                  {"Label1", "LATO ESTERNO"},
                  {"Label2", "LATO INTERNO"},
                  {"Label3", "LARG. PISTA"},
                  {"Label4", "DIST.PISTA"}});
  for (const char* label : {"Label1", "Label2", "Label3", "Label4"}) expectOnDrawing(w, label, "drwspirale");
  EXPECT_EQ(staticTexts(w), std::vector<std::string>{"IMPOSTATA LA LARGHEZZA E LA DISTANZA DELLE PISTE NONCHE'  IL "
                                                     "NR. DELLE SPIRE SI OTTENGONO LE DIMENSIONI DELLA BOBINA E "
                                                     "L'INDUTTANZA APPROSSIMATIVA"});
}

struct PiatteRow {
  int line;
  std::string width, gap, turns;
  std::string output, outer, inner, w, g;
};

TEST(InductorsBobinePiatte, Computes) {
  const PiatteRow rows[] = {
      // a = 1 * 4 + 1 * 5 = 9: 5.6568 * 9 * 5^(5/3) * (log10 9 + 0.9031) = 1378 nH
      {__LINE__, "1", "1", "5", "L'INDUTTANZA E' \u00b5HENRY 1,38", "27,0 mm", "9,0 mm", "1 mm", "1 mm"},
      {__LINE__, "0.5", "0.3", "10", "L'INDUTTANZA E' \u00b5HENRY 3,62", "23,1 mm", "7,7 mm", "0,5 mm", "0,3 mm"},
      {__LINE__, "0.2", "0.2", "3", "L'INDUTTANZA E' \u00b5HENRY 0,03", "3,0 mm", "1,0 mm", "0,2 mm", "0,2 mm"},
      {__LINE__, "2", "1", "1", "L'INDUTTANZA E' \u00b5HENRY 0,01", "6,0 mm", "2,0 mm", "2 mm", "1 mm"},
      {__LINE__, "0.3", "0.25", "7.5", "L'INDUTTANZA E' \u00b5HENRY 0,94", "11,6 mm", "3,9 mm", "0,3 mm", "0,25 mm"},
      // 1996.77 nH rounds to 2.00 uH, shown without trailing zeros
      {__LINE__, "0.3", "0.2", "10", "L'INDUTTANZA E' \u00b5HENRY 2", "14,4 mm", "4,8 mm", "0,3 mm", "0,2 mm"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE("row at line " + std::to_string(r.line));
    Window w("frmbobinepiatte", true);
    w.type("txtlp", r.width).type("txtls", r.gap).type("txtn", r.turns).click("cmdcalcola");
    EXPECT_TRUE(w.messages().empty());
    expectTexts(w, {{"lblinduttanza", r.output},
                    {"Label1", r.outer},
                    {"Label2", r.inner},
                    {"Label3", r.w},
                    {"Label4", r.g}});
  }
}

TEST(InductorsBobinePiatte, TypingClearsOnlyTheInductance) {
  for (const char* input : {"txtlp", "txtls", "txtn"}) {
    SCOPED_TRACE(input);
    Window w("frmbobinepiatte", true);
    w.type("txtlp", "1").type("txtls", "1").type("txtn", "5").click("cmdcalcola");
    w.keys(input, "12");
    expectTexts(w, {{"lblinduttanza", ""},
                    {"Label1", "27,0 mm"},
                    {"Label2", "9,0 mm"},
                    {"Label3", "1 mm"},
                    {"Label4", "1 mm"}});
  }
}

TEST(InductorsBobinePiatte, MissingDataIsSingular) {
  struct Row {
    int line;
    std::string width, gap, turns;
  } rows[] = {
      {__LINE__, "", "1", "5"}, {__LINE__, "1", "", "5"}, {__LINE__, "1", "1", ""}, {__LINE__, "1", "-1", "5"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE("row at line " + std::to_string(r.line));
    Window w("frmbobinepiatte", true);
    w.type("txtlp", r.width).type("txtls", r.gap).type("txtn", r.turns).click("cmdcalcola");
    auto ev = w.events();
    ASSERT_EQ(ev.size(), 1u);
    EXPECT_EQ(ev[0].prompt, "MANCA DATO");
    EXPECT_EQ(ev[0].title, "MESSAGGIO DI ERRORE");
    EXPECT_EQ(ev[0].icon, Icon::Warning);
    EXPECT_EQ(w.focus(), "txtlp");
    expectTexts(w, {{"lblinduttanza", ""}, {"Label1", "LATO ESTERNO"}, {"Label2", "LATO INTERNO"}});
  }
}

TEST(InductorsBobinePiatte, ImpossibleNumbersAreRefused) {
  // two negatives pass the product but make no spiral: refused like a missing value
  Window w("frmbobinepiatte", true);
  w.type("txtlp", "1").type("txtls", "1").type("txtn", "5").click("cmdcalcola");
  w.type("txtlp", "-1").type("txtls", "-1").click("cmdcalcola");
  EXPECT_EQ(w.messages(), std::vector<std::string>{"MANCA DATO|MESSAGGIO DI ERRORE"});
  EXPECT_EQ(w.focus(), "txtlp");
  expectTexts(w, {{"lblinduttanza", ""}, {"Label1", "27,0 mm"}, {"Label2", "9,0 mm"}, {"Label3", "1 mm"}});
}

TEST(InductorsBobinePiatte, Closes) { expectClosesWith("frmbobinepiatte", "cmdesci"); }

// --------------------------------------------------- frminduttanzafilodiritto

TEST(InductorsFiloDiritto, Opens) {
  Window w("frminduttanzafilodiritto");
  EXPECT_EQ(w.form().caption(), "CALCOLO DELL' INDUTTANZA DI UN CONDUTTORE RETTILINEO");
  EXPECT_EQ(w.focus(), "txtlunghezza");
  expectTexts(w, {{"lbllunghezza", "LUNGHEZZA DEL CONDUTTORE IN METRI"},
                  {"lbldiametro", "DIAMETRO DEL CONDUTTORE IN MILLIMETRI"},
                  {"cmdcalcola", "CALCOLA"},
                  {"cdmesci", "E S C I"},
                  {"lblinduttanza", kHint}});
}

TEST(InductorsFiloDiritto, Computes) {
  struct Row {
    int line;
    std::string length, diameter, output;
  } rows[] = {
      // a = 0.05 cm, l = 100 cm: 0.002 * 100 * (ln 4000 - 0.75) = 1.5088
      {__LINE__, "1", "1", "L'INDUTTANZA DEL FILO E' microHenry 1,509"},
      {__LINE__, "0.5", "2", "L'INDUTTANZA DEL FILO E' nanoHenry 615,776"},
      {__LINE__, "2.5", "0.8", "L'INDUTTANZA DEL FILO E' microHenry 4,342"},
      {__LINE__, "10", "3", "L'INDUTTANZA DEL FILO E' microHenry 17,496"},
      {__LINE__, "0.05", "1", "L'INDUTTANZA DEL FILO E' nanoHenry 45,483"},
      // exactly 1 uH is shown in microhenry
      {__LINE__, "0.6961925938624669", "1", "L'INDUTTANZA DEL FILO E' microHenry 1,000"},
      // the next number below: 0.9999999999999999 uH, in nanohenry
      {__LINE__, "0.6961925938624668", "1", "L'INDUTTANZA DEL FILO E' nanoHenry 1.000,000"},
      // 0.999 uH
      {__LINE__, "0.69558146", "1", "L'INDUTTANZA DEL FILO E' nanoHenry 999,000"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE("row at line " + std::to_string(r.line));
    Window w("frminduttanzafilodiritto");
    w.type("txtlunghezza", r.length).type("txtdiametro", r.diameter).click("cmdcalcola");
    EXPECT_TRUE(w.messages().empty());
    EXPECT_EQ(w.text("lblinduttanza"), r.output);
  }
}

TEST(InductorsFiloDiritto, TypingBringsBackTheHint) {
  for (const char* input : {"txtlunghezza", "txtdiametro"}) {
    SCOPED_TRACE(input);
    Window w("frminduttanzafilodiritto");
    w.type("txtlunghezza", "1").type("txtdiametro", "1").click("cmdcalcola");
    ASSERT_NE(w.text("lblinduttanza"), kHint);
    w.keys(input, "5");
    EXPECT_EQ(w.text("lblinduttanza"), kHint);
  }
}

TEST(InductorsFiloDiritto, MissingDataFocusesTheLength) {
  struct Row {
    int line;
    std::string length, diameter;
  } rows[] = {
      {__LINE__, "", "1"}, {__LINE__, "1", ""}, {__LINE__, "-1", "1"}, {__LINE__, "1", "0"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE("row at line " + std::to_string(r.line));
    Window w("frminduttanzafilodiritto");
    w.type("txtdiametro", r.diameter).type("txtlunghezza", r.length).click("cmdcalcola");
    EXPECT_EQ(w.messages(), std::vector<std::string>{kMissing});
    EXPECT_EQ(w.focus(), "txtlunghezza");
    EXPECT_EQ(w.text("lblinduttanza"), kHint);
  }
}

TEST(InductorsFiloDiritto, ImpossibleNumbersAreRefused) {
  // a ratio of length to radius beyond any number: the logarithm of infinity
  Window w("frminduttanzafilodiritto");
  w.type("txtlunghezza", "1").type("txtdiametro", "1").click("cmdcalcola");
  w.type("txtlunghezza", "1e300").type("txtdiametro", "1e-300").click("cmdcalcola");
  EXPECT_EQ(w.messages(), std::vector<std::string>{kInvalid});
  EXPECT_EQ(w.text("lblinduttanza"), kHint);
  // a negative length and diameter would give a negative inductance: missing data
  w.type("txtlunghezza", "-1").type("txtdiametro", "-1").click("cmdcalcola");
  EXPECT_EQ(w.messages(), std::vector<std::string>{"MANCANO DATI|MESSAGGIO DI ERRORE"});
  EXPECT_EQ(w.focus(), "txtlunghezza");
  EXPECT_EQ(w.text("lblinduttanza"), kHint);
}

TEST(InductorsFiloDiritto, Closes) { expectClosesWith("frminduttanzafilodiritto", "cdmesci"); }

// -------------------------------------------------------------- all of them

TEST(InductorsFamily, Registered) {
  for (const char* form :
       {"frmbobine", "frmmicrobobine", "frmbobineuhf", "frmbobinepiatte", "frminduttanzafilodiritto"}) {
    int found = 0;
    for (const auto& e : calculators())
      if (e.form == form) ++found;
    EXPECT_EQ(found, 1) << form;
    auto f = makeForm(form);
    ASSERT_NE(f, nullptr) << form;
    EXPECT_EQ(f->name(), form);
  }
}

}  // namespace
}  // namespace vm
