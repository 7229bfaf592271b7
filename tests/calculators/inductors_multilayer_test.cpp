// The multilayer and spiral coils and the tuning, reactance and
// self-resonance windows, driven as a radio amateur would. Expected texts
// were worked out by hand from the coil formulas, in the Italian format.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/harness.h"
#include "support/rows.h"

namespace vm {
namespace {

using test::Row;

const std::string kMissing = "MANCANO DATI|MESSAGGIO DI ERRORE";
const std::string kInvalid = "DATI NON VALIDI|MESSAGGIO DI ERRORE";

// ------------------------------------------------- frmbobinamulticircolare

const Row kMultiCircolare[] = {
    Row("frmbobinamulticircolare", {})
        .why("opens on the turns, with the results hidden")
        .selected("Option1", 0)
        .focus("Option1(0)")
        .text("lblinput", "induttanza in µH :")
        .hidden({"Frame2"}),
    Row("frmbobinamulticircolare", {"click:Option1:1", "txtinput=100", "txtraggiobobina=20", "txtraggionucleo=10",
                                    "txtlarghezza=20", "click:cmdcalcola"})
        .why("100 turns on a 20 mm bobbin between radii of 10 and 20 mm")
        .text("lblinput", "numero di spire :")
        .text("lbloutput", "µHenry :   191,55")
        .text("lbllunghezzafilo", "la lunghezza del filo è 9,42 metri circa")
        .text("lbldiametrofilo", "il diametro del filo è  1,41 mm")
        .text("lblspirestrato", "le spire per strato sono 14,1")
        .text("lblstratispire", "gli strati sono 7,1")
        .text("lblresistenza", "la resistenza alla DC è Ohm 0,11")
        .text("lblr1", "1 cm ")
        .text("lblr2", "2 cm")
        .text("lbllarg", "2 cm")
        .text("lblspessore", "1 cm")
        .shown({"Frame2"})
        .focus("cmdcalcola"),
    Row("frmbobinamulticircolare", {"txtinput=191.55", "txtraggiobobina=20", "txtraggionucleo=10",
                                    "txtlarghezza=20", "click:cmdcalcola"})
        .why("the turns for 191.55 uH come back as 100, rounded before the wire")
        .text("lbloutput", "il numero delle spire in aria è  100,0")
        .text("lbllunghezzafilo", "la lunghezza del filo è 9,42 metri circa")
        .text("lbldiametrofilo", "il diametro del filo è  1,41 mm")
        .shown({"Frame2"}),
    Row("frmbobinamulticircolare", {"click:Option1:1", "txtinput=300", "txtraggiobobina=30", "txtraggionucleo=10",
                                    "txtlarghezza=20", "click:cmdcalcola"})
        .why("above 1000 uH the inductance is shown in millihenry")
        .text("lbloutput", "milli Henry :   2,268")
        .text("lbllunghezzafilo", "la lunghezza del filo è 37,68 metri circa")
        .text("lbldiametrofilo", "il diametro del filo è  1,15 mm")
        .text("lblspirestrato", "le spire per strato sono 17,3")
        .text("lblstratispire", "gli strati sono 17,3")
        .text("lblresistenza", "la resistenza alla DC è Ohm 0,65"),
    Row("frmbobinamulticircolare", {"txtraggiobobina=20", "txtraggionucleo=10", "txtlarghezza=20",
                                    "click:cmdcalcola"})
        .why("no inductance: the warning, focus back on it")
        .message(kMissing)
        .focus("txtinput")
        .hidden({"Frame2"}),
    Row("frmbobinamulticircolare", {"txtinput=10", "txtraggiobobina=-20", "txtraggionucleo=-10",
                                    "txtlarghezza=20", "click:cmdcalcola"})
        .why("two negative radii pass the product but make no coil")
        .message(kMissing)
        .focus("txtinput")
        .hidden({"Frame2"}),
    Row("frmbobinamulticircolare", {"txtinput=10", "txtraggiobobina=10", "txtraggionucleo=10", "txtlarghezza=20",
                                    "click:cmdcalcola"})
        .why("equal radii leave no room for the wire: refused, nothing shown")
        .message(kInvalid)
        .hidden({"Frame2"})
        .text("lblr1", "r"),
    Row("frmbobinamulticircolare", {"click:Option1:1", "txtinput=100", "txtraggiobobina=20", "txtraggionucleo=10",
                                    "txtlarghezza=20", "click:cmdcalcola", "txtinput=10"})
        .why("typing the turns hides the results and resets the drawing, with a blank before Spessore")
        .hidden({"Frame2"})
        .text("lblr1", "r")
        .text("lblr2", " R ")
        .text("lbllarg", "larghezza")
        .text("lblspessore", " Spessore"),
    Row("frmbobinamulticircolare", {"click:Option1:1", "txtinput=100", "txtraggiobobina=20", "txtraggionucleo=10",
                                    "txtlarghezza=20", "click:cmdcalcola", "txtlarghezza=21"})
        .why("typing a size resets Spessore without the blank")
        .hidden({"Frame2"})
        .text("lblspessore", "Spessore"),
    Row("frmbobinamulticircolare", {"click:Option1:1", "txtinput=100", "txtraggiobobina=20", "txtraggionucleo=10",
                                    "txtlarghezza=20", "click:cmdcalcola", "click:Option1:0"})
        .why("an option click hides the results and resets three marks, not the depth")
        .hidden({"Frame2"})
        .text("lblr2", " R ")
        .text("lblspessore", "1 cm")
        .text("lblinput", "induttanza in µH :"),
    Row("frmbobinamulticircolare", {"click:cmdchiamaawg"}).effects({"move 180 180", "open frmawg modeless 4100 3000"}),
};

TEST(InductorsMultilayer, MultiCircolare) { test::play(kMultiCircolare); }

// ------------------------------------------------------- frmmultilayercoil

const Row kMultilayer[] = {
    Row("frmmultilayercoil", {"txtdiametrofilo=1", "txtraggionucleo=10", "txtlarghezza=20", "txtspire=100",
                              "click:cmdcalcola"})
        .why("100 turns of 1 mm wire: 20 per layer, 5 layers")
        .text("lblhenry", "L'INDUTTANZA E' µHenry :   161,37")
        .text("lbllunghezzafilo", "L'AVVOLGIMENTO E' LUNGO CIRCA METRI 7,85")
        .text("lblnspirestrato", "LE SPIRE PER STRATO SONO 20,0")
        .text("lblnstrati", "GLI STRATI SONO  5,0")
        .text("lblrdc", "LA RESISTENZA ALLA CORRENTE CONTINUA E' 0,18 OHMS")
        .text("lblr1", "1 cm ")
        .text("lblr2", "1,5 cm")
        .text("lbllarg", "2 cm")
        .text("lblspessore", "0,50 cm")
        .shown({"Frame1", "lbltesto"}),
    Row("frmmultilayercoil", {"txtdiametrofilo=0.3", "txtraggionucleo=8", "txtlarghezza=15", "txtspire=1000",
                              "click:cmdcalcola"})
        .why("a thousand turns of 0.3 mm wire: millihenry")
        .text("lblhenry", "L'INDUTTANZA E' milli Henry :   14,60345")
        .text("lbllunghezzafilo", "L'AVVOLGIMENTO E' LUNGO CIRCA METRI 69,08")
        .text("lblnspirestrato", "LE SPIRE PER STRATO SONO 50,0")
        .text("lblnstrati", "GLI STRATI SONO  20,0")
        .text("lblrdc", "LA RESISTENZA ALLA CORRENTE CONTINUA E' 17,59 OHMS")
        .text("lblr2", "1,4 cm")
        .text("lblspessore", "0,60 cm"),
    Row("frmmultilayercoil", {"txtdiametrofilo=1", "txtraggionucleo=10", "txtlarghezza=20", "click:cmdcalcola"})
        .why("no turns: warning, focus on the wire")
        .message(kMissing)
        .focus("txtdiametrofilo")
        .hidden({"Frame1", "lbltesto"}),
    Row("frmmultilayercoil", {"txtdiametrofilo=-1", "txtraggionucleo=-10", "txtlarghezza=20", "txtspire=100",
                              "click:cmdcalcola"})
        .why("two negative sizes make no coil")
        .message(kMissing)
        .focus("txtdiametrofilo"),
    Row("frmmultilayercoil", {"txtdiametrofilo=1", "txtraggionucleo=10", "txtlarghezza=20", "txtspire=100",
                              "click:cmdcalcola", "txtspire=90"})
        .why("typing hides the results but the note stays")
        .hidden({"Frame1"})
        .shown({"lbltesto"})
        .text("lblr1", "r")
        .text("lblr2", " R ")
        .text("lblspessore", " Spessore"),
    Row("frmmultilayercoil", {"click:cmdchiamaawg"}).effects({"move 180 180", "open frmawg modeless 4100 3000"}),
};

TEST(InductorsMultilayer, Multilayer) { test::play(kMultilayer); }

// --------------------------------------------------- frmbobinarettangolare

const Row kRettangolare[] = {
    Row("frmbobinarettangolare", {"txtspire=200", "txtaltezza=10", "txtlarghezza=10", "txtspessore=5",
                                  "txtlunghezza=20", "click:cmdcalcola"})
        .why("200 turns on a 10 by 10 mm core")
        .text("lblinduttanza", "L'INDUTTANZA E' 0,223  milliHENRY")
        .text("lblsezionefilo", "IL DIAMETRO DEL FILO E' mm 0,69")
        .text("lbllunghezzafilo", "LA LUNGHEZZA DEL FILO E' CIRCA METRI  12,00")
        .text("lblresistenza", "LA RESISTENZA DEL FILO E' CIRCA OHMS 0,55")
        .text("lblspirestrato", "SPIRE PER STRATO nr 27,6")
        .text("lblnrstrati", "GLI STRATI SONO 7,3")
        .shown({"Frame1"}),
    Row("frmbobinarettangolare", {"txtspire=1000", "txtaltezza=20", "txtlarghezza=15", "txtspessore=10",
                                  "txtlunghezza=30", "click:cmdcalcola"})
        .why("a thousand turns on a 20 by 15 mm core")
        .text("lblinduttanza", "L'INDUTTANZA E' 11,337  milliHENRY")
        .text("lblsezionefilo", "IL DIAMETRO DEL FILO E' mm 0,53")
        .text("lbllunghezzafilo", "LA LUNGHEZZA DEL FILO E' CIRCA METRI  110,00")
        .text("lblresistenza", "LA RESISTENZA DEL FILO E' CIRCA OHMS 8,47")
        .text("lblspirestrato", "SPIRE PER STRATO nr 53,4")
        .text("lblnrstrati", "GLI STRATI SONO 18,7"),
    Row("frmbobinarettangolare", {"txtaltezza=10", "txtlarghezza=10", "txtspessore=5", "txtlunghezza=20",
                                  "click:cmdcalcola"})
        .why("no turns: the warning instead of a division by zero")
        .message(kMissing)
        .focus("txtspire")
        .hidden({"Frame1"}),
    Row("frmbobinarettangolare", {"txtspire=200", "txtaltezza=10", "txtlarghezza=10", "txtlunghezza=20",
                                  "click:cmdcalcola"})
        .why("no winding thickness gives no wire: the first empty field gets the focus")
        .message(kMissing)
        .focus("txtspessore"),
    Row("frmbobinarettangolare", {"txtspire=200", "txtaltezza=10", "txtlarghezza=10", "txtspessore=-5",
                                  "txtlunghezza=-20", "click:cmdcalcola"})
        .why("two negative sizes make no coil")
        .message(kMissing)
        .focus("txtspessore")
        .hidden({"Frame1"}),
    Row("frmbobinarettangolare", {"txtspire=200", "txtaltezza=10", "txtlarghezza=10", "txtspessore=5",
                                  "txtlunghezza=20", "click:cmdcalcola", "txtaltezza=11"})
        .why("any change hides the results")
        .hidden({"Frame1"}),
};

TEST(InductorsMultilayer, Rettangolare) { test::play(kRettangolare); }

// ---------------------------------------------------- frminduttanzaspirale

const Row kSpirale[] = {
    Row("frminduttanzaspirale", {"txtnr=10", "txtr1=10", "txtr2=30", "click:cmdcalcola"})
        .why("ten turns between radii of 10 and 30 mm")
        .text("lblinduttanza", "l'induttanza è µhenry    4,17")
        .text("lblmedio", "20 mm")
        .text("lblspessore", "20 mm")
        .text("lblraggioesterno", "30 mm")
        .shown({"lblinduttanza"}),
    Row("frminduttanzaspirale", {"txtnr=20", "txtr1=5", "txtr2=25.5", "click:cmdcalcola"})
        .why("twenty turns, a fractional outer radius")
        .text("lblinduttanza", "l'induttanza è µhenry    10,58")
        .text("lblmedio", "15,25 mm")
        .text("lblspessore", "20,5 mm")
        .text("lblraggioesterno", "25,5 mm"),
    Row("frminduttanzaspirale", {"txtnr=5", "txtr1=20", "txtr2=20", "click:cmdcalcola"})
        .why("equal radii are accepted")
        .text("lblinduttanza", "l'induttanza è µhenry    2,5")
        .text("lblspessore", "0 mm"),
    Row("frminduttanzaspirale", {"txtnr=5", "txtr1=30", "txtr2=20", "click:cmdcalcola"})
        .why("an inner radius larger than the outer one")
        .message("IL RAGGIO ESTERNO E' SEMPRE MAGGIORE|MESSAGGIO DI ERRORE|warning")
        .focus("txtr1")
        .text("lblinduttanza", "")
        .text("lblmedio", "RAGGIO MEDIO"),
    Row("frminduttanzaspirale", {"txtr1=10", "txtr2=30", "click:cmdcalcola"})
        .why("no turns")
        .message(kMissing)
        .focus("txtnr"),
    Row("frminduttanzaspirale", {"txtnr=10", "txtr1=-30", "txtr2=-10", "click:cmdcalcola"})
        .why("two negative radii make no spiral")
        .message(kMissing)
        .focus("txtnr"),
    Row("frminduttanzaspirale", {"txtnr=10", "txtr1=10", "txtr2=30", "click:cmdcalcola", "txtnr=11"})
        .why("typing hides the result and resets two marks; the outer radius stays")
        .hidden({"lblinduttanza"})
        .text("lblmedio", "RAGGIO MEDIO")
        .text("lblspessore", "SPESSORE")
        .text("lblraggioesterno", "30 mm"),
};

TEST(InductorsMultilayer, Spirale) { test::play(kSpirale); }

// -------------------------------------------------------- frmvalinduttanza

const Row kValInduttanza[] = {
    Row("frmvalinduttanza", {})
        .why("opens on inductance and capacitance known")
        .selected("Option1", 0)
        .focus("Option1(0)")
        .text("lblinput(0)", "INDUTTANZA :")
        .text("lblumisura(0)", " microH")
        .text("lblinput(1)", "CAPACITA' :")
        .text("lblumisura(1)", " pF")
        .text("lblinput(2)", "FREQUENZA :")
        .text("lblumisura(2)", " MHz"),
    Row("frmvalinduttanza", {"txtinput1=1", "txtinput2=100", "click:cmdcalcola"})
        .why("1 uH with 100 pF")
        .text("lblinput(3)", "15,9"),
    Row("frmvalinduttanza", {"txtinput1=0.1", "txtinput2=22.5", "click:cmdcalcola"})
        .why("a 2 m tank: a whole result keeps the separator of the pattern")
        .text("lblinput(3)", "106,"),
    Row("frmvalinduttanza", {"click:Option1:1", "txtinput1=7", "txtinput2=5", "click:cmdcalcola"})
        .why("40 m, 5 uH: the capacitance")
        .text("lblinput(0)", "FREQUENZA :")
        .text("lblinput(1)", "INDUTTANZA :")
        .text("lblumisura(1)", " microH")
        .text("lblinput(2)", "CAPACITA' :")
        .text("lblumisura(2)", " pF")
        .text("lblinput(3)", "103,265"),
    Row("frmvalinduttanza", {"click:Option1:1", "txtinput1=1.85", "txtinput2=150", "click:cmdcalcola"})
        .why("160 m, 150 uH")
        .text("lblinput(3)", "49,282"),
    Row("frmvalinduttanza", {"click:Option1:1", "txtinput1=0.1", "txtinput2=0.3", "click:cmdcalcola"})
        .why("the second input is held in single precision, which shows in a large result")
        .text("lblinput(3)", "8.433.332,998"),
    Row("frmvalinduttanza", {"click:Option1:2", "txtinput1=3.6", "txtinput2=470", "click:cmdcalcola"})
        .why("80 m with 470 pF: the inductance")
        .text("lblinput(2)", "INDUTTANZA :")
        .text("lblumisura(2)", " microH")
        .text("lblinput(3)", "4,154"),
    Row("frmvalinduttanza", {"click:Option1:2", "txtinput1=7", "txtinput2=103.265", "click:cmdcalcola"})
        .why("the capacitance found above gives back the 5 uH")
        .text("lblinput(3)", "5,"),
    Row("frmvalinduttanza", {"txtinput1=1", "txtinput2=100", "click:cmdcalcola", "txtinput1=2"})
        .why("typing leaves the result alone")
        .text("lblinput(3)", "15,9"),
    Row("frmvalinduttanza", {"txtinput1=1", "txtinput2=100", "click:cmdcalcola", "click:Option1:2"})
        .why("an option click empties the result")
        .text("lblinput(3)", ""),
    Row("frmvalinduttanza", {"txtinput2=100", "click:cmdcalcola"})
        .why("an empty inductance")
        .message(kMissing)
        .focus("txtinput1"),
    Row("frmvalinduttanza", {"txtinput1=-1", "txtinput2=100", "click:cmdcalcola"})
        .why("one negative value: a negative product does nothing")
        .text("lblinput(3)", "")
        .focus("cmdcalcola"),
    Row("frmvalinduttanza", {"txtinput1=-1", "txtinput2=-100", "click:cmdcalcola"})
        .why("two negative values tune nothing")
        .message(kMissing)
        .focus("txtinput1")
        .text("lblinput(3)", ""),
    Row("frmvalinduttanza", {"click:cmdchiamabobine"}).effects({"move 180 180", "open frmbobine modeless 4100 3000"}),
    Row("frmvalinduttanza", {"click:cmdchiamatoroidi"}).effects({"move 180 180", "open frmamidon modeless"}),
};

TEST(InductorsTuning, ValInduttanza) { test::play(kValInduttanza); }

// ------------------------------------------------------------ frmreattanza

const Row kReattanza[] = {
    Row("frmreattanza", {})
        .why("opens on the inductive reactance")
        .selected("Option1", 0)
        .focus("Option1(0)")
        .text("lblfantasma", "XL in Ohm = 6,28 x Mhz x induttanza in µH")
        .text("lblinput(0)", "Mhz")
        .text("lblinput(1)", "microH")
        .text("lblinput(2)", "XL Ohm"),
    Row("frmreattanza", {"txtinput(0)=7", "txtinput(1)=5", "click:cmdcalcola"})
        .why("5 uH at 7 MHz")
        .text("lblinput(3)", "219,800"),
    Row("frmreattanza", {"txtinput(0)=14.2", "txtinput(1)=1.8", "click:cmdcalcola"})
        .why("1.8 uH on 20 m")
        .text("lblinput(3)", "160,517"),
    Row("frmreattanza", {"click:Option1:1", "txtinput(0)=7", "txtinput(1)=100", "click:cmdcalcola"})
        .why("100 pF at 7 MHz")
        .text("lblfantasma", "XC in Ohm = 159.000 : (Mhz x pF)")
        .text("lblinput(1)", "picoF")
        .text("lblinput(2)", "XC Ohm")
        .text("lblinput(3)", "227,143"),
    Row("frmreattanza", {"click:Option1:1", "txtinput(0)=0.435", "txtinput(1)=430", "click:cmdcalcola"})
        .why("430 pF at 435 kHz, with grouping")
        .text("lblinput(3)", "850,040"),
    Row("frmreattanza", {"txtinput(0)=7", "txtinput(1)=5", "click:cmdcalcola", "txtinput(1)=6"})
        .why("typing empties the result")
        .text("lblinput(3)", ""),
    Row("frmreattanza", {"txtinput(0)=7", "txtinput(1)=5", "click:cmdcalcola", "click:Option1:1"})
        .why("an option click empties the result")
        .text("lblinput(3)", ""),
    Row("frmreattanza", {"txtinput(1)=5", "click:cmdcalcola"})
        .why("no frequency")
        .message(kMissing)
        .focus("txtinput(0)"),
    Row("frmreattanza", {"txtinput(0)=-7", "txtinput(1)=5", "click:cmdcalcola"})
        .why("a negative frequency")
        .message(kMissing)
        .focus("txtinput(0)"),
    Row("frmreattanza", {"txtinput(0)=-7", "txtinput(1)=-5", "click:cmdcalcola"})
        .why("two negative values")
        .message(kMissing)
        .focus("txtinput(0)")
        .text("lblinput(3)", ""),
    Row("frmreattanza", {"click:cmdchiamabobine"}).effects({"move 180 180", "open frmbobine modeless 4100 2800"}),
    Row("frmreattanza", {"click:cmnesci"}).effects({"close"}).open(false),
};

TEST(InductorsTuning, Reattanza) { test::play(kReattanza); }

TEST(InductorsTuning, ReattanzaColoursTheChosenKind) {
  test::Window w("frmreattanza");
  const auto& colours = [&] { return w.form().state(w.id("Option1")).captionColors; };
  EXPECT_EQ(colours(), (std::vector<Color>{0xFF0000, 0x000000}));
  w.click("Option1", 1);
  EXPECT_EQ(colours(), (std::vector<Color>{0x000000, 0xFF0000}));
}

// -------------------------------------------------------- frmautorisonanza

const Row kAutoRisonanza[] = {
    Row("frmautorisonanza", {"txtnr=10", "txtdiametro=20", "txtlunghezza=20", "click:cmdcalcola"})
        .why("ten turns 20 mm by 20 mm")
        .text("lblinduttanza", "l'induttanza è µHenry    1,38")
        .text("lbllunghezzafilo", "il conduttore è lungo cm.  62")
        .text("lblcp", "la capacità parassita è pF  0,93")
        .text("lblf", "la frequenza di autorisonanza è MHz  140,488013")
        .text("lbll", "20 mm")
        .text("lbld", "20 mm ")
        .shown({"Frame1"}),
    Row("frmautorisonanza", {"txtnr=18", "txtdiametro=25", "txtlunghezza=40", "click:cmdcalcola"})
        .why("a 20 m coil, 18 turns on 25 mm")
        .text("lblinduttanza", "l'induttanza è µHenry    3,95")
        .text("lbllunghezzafilo", "il conduttore è lungo cm.  141")
        .text("lblcp", "la capacità parassita è pF  1,18")
        .text("lblf", "la frequenza di autorisonanza è MHz  73,719221"),
    Row("frmautorisonanza", {"txtnr=10", "txtdiametro=20", "txtlunghezza=2", "click:cmdcalcola"})
        .why("a length of exactly a tenth of the diameter is accepted")
        .text("lblcp", "la capacità parassita è pF  1,89")
        .text("lblf", "la frequenza di autorisonanza è MHz  60,679039")
        .shown({"Frame1"}),
    Row("frmautorisonanza", {"txtnr=300", "txtdiametro=10", "txtlunghezza=500", "click:cmdcalcola"})
        .why("fifty times the diameter is accepted")
        .text("lblinduttanza", "l'induttanza è µHenry    17,84")
        .text("lblf", "la frequenza di autorisonanza è MHz  15,714079"),
    Row("frmautorisonanza", {"txtnr=10", "txtdiametro=20", "txtlunghezza=1.8", "click:cmdcalcola"})
        .why("0.09 is refused; the first lines are written but stay hidden")
        .message("RAPPORTO DIAMETRO LUNGHEZZA ASSURDO|MESSAGGIO DI ERRORE|warning")
        .focus("txtnr")
        .hidden({"Frame1"})
        .text("lblinduttanza", "l'induttanza è µHenry    3,70")
        .text("lblcp", "")
        .text("lbll", "L"),
    Row("frmautorisonanza", {"txtdiametro=20", "txtlunghezza=20", "click:cmdcalcola"})
        .why("no turns")
        .message(kMissing)
        .focus("txtnr"),
    Row("frmautorisonanza", {"txtnr=10", "txtdiametro=-20", "txtlunghezza=-20", "click:cmdcalcola"})
        .why("two negative sizes")
        .message(kMissing)
        .focus("txtnr"),
    Row("frmautorisonanza", {"txtnr=10", "txtdiametro=20", "txtlunghezza=20", "click:cmdcalcola", "txtnr=12"})
        .why("typing hides the results and resets the drawing")
        .hidden({"Frame1"})
        .text("lbll", "L")
        .text("lbld", " D "),
    Row("frmautorisonanza", {"click:cmdchiamaawg"}).effects({"move 180 180", "open frmawg modeless 4100 3000"}),
};

TEST(InductorsTuning, AutoRisonanza) { test::play(kAutoRisonanza); }

}  // namespace
}  // namespace vm
