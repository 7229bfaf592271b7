// Beams, loops, EH and dish antennas, driven as a radio amateur would: the
// amateur bands from 160 m to 70 cm, the windows that recompute on every
// keystroke typed character by character, every message with the input that
// gets the focus, and the companions opened beside.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/rows.h"

namespace vm::test {
namespace {

const std::string kMissing = "MANCANO DATI|MESSAGGIO DI ERRORE|warning";
const std::string kInvalid = "DATI NON VALIDI|MESSAGGIO DI ERRORE|warning";

std::string len(const std::string& what, const std::string& cm) { return what + " E' LUNGO  " + cm + " cm."; }

// ------------------------------------------------------------------ Yagis
// Element lengths stay within a few percent of the half-wave 15000 / f cm:
// the reflector at 0.99, the radiator at 0.94-0.95, the directors shorter.

const Row kYagi[] = {
    Row("frmyagi3", {}).why("nothing shown before a frequency").hidden({"Frame1", "lblspazriflettore", "lblspazdirettore"}).focus("txtfrequenza"),
    Row("frmyagi3", {"txtfrequenza=28"})
        .why("10 m: 530, 504, 479 cm, spaced 0.2 and 0.1 lambda")
        .text("lblriflettore", len("IL RIFLETTORE", "530"))
        .text("lblradiatore", len("IL RADIATORE", "504"))
        .text("lbldirettore", len("IL DIRETTORE", "479"))
        .text("lblspazriflettore", "214 cm.")
        .text("lblspazdirettore", "107 cm.")
        .shown({"Frame1", "lblspazriflettore", "lblspazdirettore"}),
    Row("frmyagi3", {"txtfrequenza=14"})
        .why("20 m: lengths grouped, the director spacing is not")
        .text("lblriflettore", len("IL RIFLETTORE", "1.061"))
        .text("lblradiatore", len("IL RADIATORE", "1.007"))
        .text("lbldirettore", len("IL DIRETTORE", "957"))
        .text("lblspazriflettore", "429 cm.")
        .text("lblspazdirettore", "214 cm."),
    Row("frmyagi3", {"txtfrequenza=1"})
        .why("grouping on the first spacing only")
        .text("lblspazriflettore", "6.000 cm.")
        .text("lblspazdirettore", "3000 cm."),
    Row("frmyagi3", {"txtfrequenza=5", "txtfrequenza=50"})
        .why("6 m, typed character by character")
        .text("lblriflettore", len("IL RIFLETTORE", "297"))
        .text("lblradiatore", len("IL RADIATORE", "282"))
        .text("lbldirettore", len("IL DIRETTORE", "268"))
        .text("lblspazriflettore", "120 cm.")
        .text("lblspazdirettore", "60 cm."),
    Row("frmyagi3", {"txtfrequenza=28", "txtfrequenza=-"})
        .why("a frequency that is not positive hides, never warns")
        .hidden({"Frame1", "lblspazriflettore", "lblspazdirettore"}),
    Row("frmyagi3", {"txtfrequenza=28", "txtfrequenza=1e-320"})
        .why("a length too large to show hides the results silently")
        .hidden({"Frame1", "lblspazriflettore", "lblspazdirettore"}),
    Row("frmyagi3", {"click:cmdgamma"})
        .why("the gamma match opens beside, far down on the right")
        .effects({"move 350 350", "open frmgammamatch modeless 8000 8000"}),
    Row("frmyagi5", {"txtfrequenza=50"})
        .why("6 m five elements: 300, 284, 266, 262, 258; 120, 60, 90, 120")
        .text("lblriflettore", len("IL RIFLETTORE", "300"))
        .text("lblradiatore", len("IL RADIATORE", "284"))
        .text("lbl1direttore", len("IL 1 DIRETTORE", "266"))
        .text("lbl2direttore", len("IL 2 DIRETTORE", "262"))
        .text("lbl3direttore", len("IL 3 DIRETTORE", "258"))
        .text("lblspazriflettore", "120 cm.")
        .text("lblspaz1direttore", "60 cm.")
        .text("lblspaz2direttore", "90 cm.")
        .text("lblspaz3direttore", "120 cm.")
        .shown({"Frame1", "lblspazriflettore", "lblspaz1direttore", "lblspaz2direttore", "lblspaz3direttore"}),
    Row("frmyagi5", {"txtfrequenza=1", "txtfrequenza=14", "txtfrequenza=144", "txtfrequenza=144.3"})
        .why("2 m, live")
        .text("lblriflettore", len("IL RIFLETTORE", "104"))
        .text("lblradiatore", len("IL RADIATORE", "98"))
        .text("lbl1direttore", len("IL 1 DIRETTORE", "92"))
        .text("lbl2direttore", len("IL 2 DIRETTORE", "91"))
        .text("lbl3direttore", len("IL 3 DIRETTORE", "89"))
        .text("lblspazriflettore", "42 cm.")
        .text("lblspaz1direttore", "21 cm.")
        .text("lblspaz2direttore", "31 cm.")
        .text("lblspaz3direttore", "42 cm."),
    Row("frmyagi5", {"txtfrequenza=10"})
        .why("the last director and the last spacing are not grouped")
        .text("lblriflettore", len("IL RIFLETTORE", "1.500"))
        .text("lbl2direttore", len("IL 2 DIRETTORE", "1.310"))
        .text("lbl3direttore", len("IL 3 DIRETTORE", "1290"))
        .text("lblspazriflettore", "600 cm.")
        .text("lblspaz3direttore", "600 cm."),
    Row("frmyagi5", {"txtfrequenza=28.5", "txtfrequenza=0"})
        .hidden({"Frame1", "lblspazriflettore", "lblspaz1direttore", "lblspaz2direttore", "lblspaz3direttore"}),
    Row("frmyagi5", {"click:cmdgamma"}).effects({"move 200 200", "open frmgammamatch modeless 8000 8000"}),
    Row("frmyagi5", {"click:cmdesci"}).effects({"close"}).open(false),
};

TEST(AntennasBeams, Yagi) { play(kYagi); }

// ------------------------------------------------------------------ HB9CV

const Row kHb9cv[] = {
    Row("frmhb9cv", {"txtfrequenza=1", "txtfrequenza=14", "txtfrequenza=14.", "txtfrequenza=14.2"})
        .why("20 m: 10.56, 9.79, 2.64, 1.52, 1.61 m and Int(112.7) pF")
        .text("lblriflettore", "10,56 m")
        .text("lblradiatore", "9,79 m")
        .text("lbldistanza", "2,64 m")
        .text("lblfeedpoint", "1,52 m")
        .text("lblphasingpoint", "1,61 m")
        .text("lblc", "112 pF")
        .shown({"lblc"}),
    Row("frmhb9cv", {"txtfrequenza=28.5"})
        .why("the phasing point drops its trailing zero, the feed point keeps it")
        .text("lblfeedpoint", "0,76 m")
        .text("lblphasingpoint", "0,8 m")
        .text("lblc", "56 pF"),
    Row("frmhb9cv", {"txtfrequenza=7.05"})
        .text("lblriflettore", "21,28 m")
        .text("lblradiatore", "19,72 m")
        .text("lbldistanza", "5,32 m")
        .text("lblc", "226 pF"),
    Row("frmhb9cv", {"txtfrequenza=14.2", "txtfrequenza="})
        .why("an empty box hides the capacitor only; the drawing keeps its last values")
        .hidden({"lblc"})
        .text("lblriflettore", "10,56 m"),
    Row("frmhb9cv", {}).text("lblriflettore", "RIFLETTORE").text("lblfeedpoint", "FeedPoint").text("lblc", ""),
};

TEST(AntennasBeams, Hb9cv) { play(kHb9cv); }

// ------------------------------------------------------------- quad loops

const Row kQuad[] = {
    Row("frmloopquadrato", {"txtfrequenza=14.2"})
        .why("20 m: side 5.393 m, perimeter of the side as shown, sections 0.66 and 0.8")
        .text("lbllato", "5,393 mt")
        .text("lblperimetro", "IL PERIMETRO E' DI 21,572 mt")
        .text("lblout066", "3,56")
        .text("lblout08", "4,31")
        .shown({"lbllato", "Label2", "Label3", "Label4", "lblperimetro", "lblout066", "lblout08"}),
    Row("frmloopquadrato", {"txtfrequenza=7", "txtfrequenza=7.1"})
        .text("lbllato", "10,786 mt")
        .text("lblperimetro", "IL PERIMETRO E' DI 43,144 mt")
        .text("lblout066", "7,12")
        .text("lblout08", "8,63"),
    Row("frmloopquadrato", {"txtfrequenza=144.3"})
        .text("lbllato", "0,531 mt")
        .text("lblperimetro", "IL PERIMETRO E' DI 2,124 mt")
        .text("lblout066", "0,35")
        .text("lblout08", "0,42"),
    Row("frmloopquadrato", {"txtfrequenza=21.2", "txtfrequenza=abc"})
        .hidden({"lbllato", "Label2", "Label3", "Label4", "lblperimetro", "lblout066", "lblout08"}),
    Row("frmloopquadrato", {"click:cmdadattatori"}).effects({"move 200 200", "open frmadattatori modeless"}),
    Row("frmquad2elementi", {"txtfrequenza=14"})
        .why("20 m: sides 75.85 / f and 79.1 / f, gamma from 299.793 / f")
        .text("lbllradiatore", "5,42 mt")
        .text("lbllriflettore", "5,65 mt")
        .text("lbls", "3,00 mt")
        .text("lbllunghezza", "LA LUNGHEZZA DEL GAMMA E' cm. 133,8")
        .text("lbldistanza", "LA DISTANZA DEL GAMMA E' cm 15,0")
        .text("lblpf", "OCCORRE UNA CAPACITA' DI CIRCA pF  150")
        .text("lblcavo", "USANDO IL CAVO RG 8 - 213 COME CONDENSATORE LA LUNGHEZZA E' CIRCA cm. 156")
        .text("lbldiametri", "IL DIAMETRO DEL GAMMA E' 1/2 - 1/4 IL DIAMETRO DEL RADIATORE")
        .text("lblstub", "OCCORRE PREVEDERE L'USO DI UNO STUB NEL RIFLETTORE DI CIRCA 89 cm PER OTTIMIZZARE IL "
                         "RAPPORTO A/R")
        .shown({"Frame1", "lbllradiatore", "lbllriflettore", "lbls"}),
    Row("frmquad2elementi", {"txtfrequenza=2", "txtfrequenza=28", "txtfrequenza=28.5"})
        .why("10 m: 73.68 pF rounds to 74, the cable 77.3 to 77")
        .text("lbllradiatore", "2,66 mt")
        .text("lbllriflettore", "2,78 mt")
        .text("lbls", "1,47 mt")
        .text("lbllunghezza", "LA LUNGHEZZA DEL GAMMA E' cm. 65,7")
        .text("lbldistanza", "LA DISTANZA DEL GAMMA E' cm 7,4")
        .text("lblpf", "OCCORRE UNA CAPACITA' DI CIRCA pF  74")
        .text("lblcavo", "USANDO IL CAVO RG 8 - 213 COME CONDENSATORE LA LUNGHEZZA E' CIRCA cm. 77")
        .text("lblstub", "OCCORRE PREVEDERE L'USO DI UNO STUB NEL RIFLETTORE DI CIRCA 44 cm PER OTTIMIZZARE IL "
                         "RAPPORTO A/R"),
    Row("frmquad2elementi", {"txtfrequenza=84"})
        .why("2100 / 84 = 25 exactly; the cable 26.77 rounds to 27")
        .text("lblpf", "OCCORRE UNA CAPACITA' DI CIRCA pF  25")
        .text("lblcavo", "USANDO IL CAVO RG 8 - 213 COME CONDENSATORE LA LUNGHEZZA E' CIRCA cm. 27"),
    Row("frmquad2elementi", {"txtfrequenza=14", "txtfrequenza=0.01"})
        .why("a capacitance past a 16-bit integer hides the results, no message")
        .hidden({"Frame1", "lbllradiatore", "lbllriflettore", "lbls"}),
    Row("frmquad2elementi", {"txtfrequenza=14", "txtfrequenza=-14"})
        .hidden({"Frame1", "lbllradiatore", "lbllriflettore", "lbls"}),
};

TEST(AntennasBeams, Quad) { play(kQuad); }

// ------------------------------------------------------------------ Moxon

const Row kMoxon[] = {
    Row("frmantennamoxon", {"txtfrequenza=28.4", "txtdiametro=2", "click:cmdcalcola"})
        .why("10 m with 2 mm wire: D1 = -3.72")
        .text("lbla", "3,8383 mt")
        .text("lblb", "0,5739 mt")
        .text("lblc", "0,1100 mt")
        .text("lbld", "0,7185 mt")
        .text("lble", "1,4024mt")
        .shown({"lblb", "lbld", "lble"}),
    Row("frmantennamoxon", {"txtfrequenza=14.15", "txtdiametro=4", "click:cmdcalcola"})
        .text("lbla", "7,7038 mt")
        .text("lblb", "1,1521 mt")
        .text("lblc", "0,2207 mt")
        .text("lbld", "1,4420 mt")
        .text("lble", "2,8148mt"),
    Row("frmantennamoxon", {"txtfrequenza=50.2", "txtdiametro=6", "click:cmdcalcola"})
        .text("lbla", "2,1550 mt")
        .text("lble", "0,7964mt"),
    Row("frmantennamoxon", {"txtfrequenza=28.4", "txtdiametro=2", "click:cmdcalcola", "txtdiametro=2.5"})
        .why("any change puts the drawing back")
        .text("lbla", "radiatore")
        .text("lblc", "separazione")
        .text("lblb", "")
        .text("lbld", "")
        .text("lble", ""),
    Row("frmantennamoxon", {"txtfrequenza=1.8", "txtdiametro=0.1", "click:cmdcalcola"})
        .why("D1 = -6.2")
        .message("CONDUTTORE TROPPO SOTTILE|MESSAGGIO DI ERRORE|warning")
        .focus("txtdiametro")
        .text("lbla", "radiatore")
        .hidden({"lblb"}),
    Row("frmantennamoxon", {"txtfrequenza=145", "txtdiametro=50", "click:cmdcalcola"})
        .why("D1 = -1.6")
        .message("CONDUTTORE TROPPO GROSSO|MESSAGGIO DI ERRORE|warning")
        .focus("txtdiametro"),
    Row("frmantennamoxon", {"txtdiametro=2", "click:cmdcalcola"}).message(kMissing).focus("txtfrequenza"),
    Row("frmantennamoxon", {"txtfrequenza=28.4", "txtdiametro=-2", "click:cmdcalcola"})
        .why("a negative product does nothing at all")
        .text("lbla", "radiatore")
        .hidden({"lblb"}),
};

TEST(AntennasBeams, Moxon) { play(kMoxon); }

// ---------------------------------------------------- delta and rectangle

const Row kLoops[] = {
    Row("frmdeltaloop", {"txtfrequenza=7"})
        .why("40 m: perimeter 0.97 x 306 / f")
        .text("lblper", "IL PERIMETRO MISURA 42,40 mt.")
        .text("lbll", "14,13 mt.")
        .text("lblalim", "10,60 mt.")
        .text("lbladatt", "7,21 mt.")
        .shown({"lblper", "lbll", "lblalim", "lbladatt"}),
    Row("frmdeltaloop", {"txtfrequenza=1", "txtfrequenza=1.", "txtfrequenza=1.8", "txtfrequenza=1.85"})
        .text("lblper", "IL PERIMETRO MISURA 160,44 mt.")
        .text("lbll", "53,48 mt.")
        .text("lblalim", "40,11 mt.")
        .text("lbladatt", "27,29 mt."),
    Row("frmdeltaloop", {"txtfrequenza=14.2"})
        .text("lblper", "IL PERIMETRO MISURA 20,90 mt.")
        .text("lbladatt", "3,56 mt."),
    Row("frmdeltaloop", {"txtfrequenza=7", "txtfrequenza=-0"}).hidden({"lblper", "lbll", "lblalim", "lbladatt"}),
    Row("frmlooprettangolare", {})
        .why("opening selects the 0.66 factor, whose reaction sends the focus to the frequency")
        .selected("Option1", 0)
        .focus("txtfrequenza")
        .hidden({"lblper", "lbll", "lblh", "lbladatt", "lblimp"}),
    Row("frmlooprettangolare", {"txtfrequenza=14.2"})
        .text("lblper", "IL PERIMETRO MISURA 21,13 mt.")
        .text("lbll", "2,64 mt.")
        .text("lblh", "7,92 mt.")
        .text("lbladatt", "3,49 mt.")
        .shown({"lblper", "lbll", "lblh", "lbladatt", "lblimp"}),
    Row("frmlooprettangolare", {"txtfrequenza=14.2", "click:Option1:1"})
        .why("choosing a factor empties the frequency and hides the results")
        .text("txtfrequenza", "")
        .hidden({"lblper", "lbll", "lblh", "lbladatt", "lblimp"})
        .focus("txtfrequenza"),
    Row("frmlooprettangolare", {"click:Option1:1", "txtfrequenza=7", "txtfrequenza=7.05"})
        .why("0.8 velocity factor")
        .text("lblper", "IL PERIMETRO MISURA 42,55 mt.")
        .text("lbll", "5,32 mt.")
        .text("lblh", "15,96 mt.")
        .text("lbladatt", "8,51 mt."),
    Row("frmlooprettangolare", {"click:Option1:1", "click:Option1:0", "txtfrequenza=7.05"})
        .text("lbladatt", "7,02 mt."),
};

TEST(AntennasBeams, Loops) { play(kLoops); }

// ---------------------------------------------------- HEN, discone, helix

const Row kOthers[] = {
    Row("frmhentenna", {"txtfrequenza=145"})
        .why("2 m: lambda / 6, / 2 and / 9 (23.0 shown as 23)")
        .text("lbllarghezza", "34,5 cm")
        .text("lblaltezza", "103,4 cm")
        .text("lblaccordo", "23 cm")
        .shown({"lbllarghezza", "lblaltezza", "lblaccordo"}),
    Row("frmhentenna", {"txtfrequenza=4", "txtfrequenza=43", "txtfrequenza=432"})
        .text("lbllarghezza", "11,6 cm")
        .text("lblaltezza", "34,7 cm")
        .text("lblaccordo", "7,7 cm"),
    Row("frmhentenna", {"txtfrequenza=28.5"})
        .text("lbllarghezza", "175,4 cm")
        .text("lblaltezza", "526,3 cm")
        .text("lblaccordo", "117 cm"),
    Row("frmhentenna", {"txtfrequenza=145", "txtfrequenza="}).hidden({"lbllarghezza", "lblaltezza", "lblaccordo"}),
    Row("frmantdiscone", {"txtfrequenza=75"})
        .why("a quarter wave of 100 cm exactly")
        .text("lbllato", "101 cm di lato")
        .text("lblbase", "85 cm")
        .text("lbldisco", "71 cm")
        .text("lblspaziatura", "8,4 cm")
        .shown({"lbldisco", "lbllato", "lblbase", "lblspaziatura"}),
    Row("frmantdiscone", {"txtfrequenza=1", "txtfrequenza=14", "txtfrequenza=145"})
        .text("lbllato", "52 cm di lato")
        .text("lblbase", "44 cm")
        .text("lbldisco", "37 cm")
        .text("lblspaziatura", "4,3 cm"),
    Row("frmantdiscone", {"txtfrequenza=30"})
        .why("a gap of 21.0 is shown as 21")
        .text("lbllato", "251 cm di lato")
        .text("lblspaziatura", "21 cm"),
    Row("frmantdiscone", {"txtfrequenza=75", "txtfrequenza=0"})
        .hidden({"lbldisco", "lbllato", "lblbase", "lblspaziatura"}),
    Row("frmantelicoidale", {"txtfrequenza=435", "txtspire=10", "click:cmdcalcola"})
        .why("70 cm, ten turns")
        .text("lbllambda", "LAMBDA = 69,0 cm.")
        .text("lbldd", "DIAMETRO DISCO 69 cm.")
        .text("lblds", "DIAMETRO INTERNO SPIRA = 22,0 cm.")
        .text("lblsp", "SPAZIATURA SPIRE = 13,8 cm.")
        .text("lbllobo", "LOBO D'IRRADIAZIONE 31,6 GRADI")
        .text("lblguadagno", "IL GUADAGNO E' CIRCA 7 dB")
        .text("lbldd1", "69 cm.")
        .text("lblds1", "22,0 cm.")
        .text("lblsp1", "13,8 cm.")
        .shown({"lbl1"}),
    Row("frmantelicoidale", {"txtfrequenza=1270", "txtspire=7", "click:cmdcalcola"})
        .text("lbllambda", "LAMBDA = 23,6 cm.")
        .text("lbldd", "DIAMETRO DISCO 24 cm.")
        .text("lbllobo", "LOBO D'IRRADIAZIONE 37,8 GRADI")
        .text("lblguadagno", "IL GUADAGNO E' CIRCA 5,5 dB"),
    Row("frmantelicoidale", {"txtfrequenza=430", "txtspire=6", "click:cmdcalcola"})
        .why("both lower limits are accepted")
        .text("lbllambda", "LAMBDA = 69,8 cm."),
    Row("frmantelicoidale", {"txtfrequenza=1500", "txtspire=22", "click:cmdcalcola"})
        .why("both upper limits are accepted")
        .text("lbllambda", "LAMBDA = 20,0 cm.")
        .text("lblguadagno", "IL GUADAGNO E' CIRCA 13 dB"),
    Row("frmantelicoidale", {"txtfrequenza=100", "txtspire=5", "click:cmdcalcola"})
        .why("the turns are judged before the frequency")
        .message("NUMERO SPIRE NON VALIDO|MESSAGGIO DI AVVISO|warning")
        .focus("txtspire")
        .hidden({"lbl1"})
        .text("lbllambda", ""),
    Row("frmantelicoidale", {"txtfrequenza=435", "txtspire=23", "click:cmdcalcola"})
        .message("NUMERO SPIRE NON VALIDO|MESSAGGIO DI AVVISO|warning")
        .focus("txtspire"),
    Row("frmantelicoidale", {"txtfrequenza=429.9", "txtspire=10", "click:cmdcalcola"})
        .message("FREQUENZA NON VALIDA|MESSAGGIO DI AVVISO|warning")
        .focus("txtfrequenza"),
    Row("frmantelicoidale", {"txtfrequenza=1500.1", "txtspire=10", "click:cmdcalcola"})
        .message("FREQUENZA NON VALIDA|MESSAGGIO DI AVVISO|warning")
        .focus("txtfrequenza"),
    Row("frmantelicoidale", {"txtfrequenza=435", "click:cmdcalcola"}).message(kMissing).focus("txtfrequenza"),
    Row("frmantelicoidale", {"txtfrequenza=-435", "txtspire=-10", "click:cmdcalcola"})
        .why("two negatives pass the product test and are caught by the turns")
        .message("NUMERO SPIRE NON VALIDO|MESSAGGIO DI AVVISO|warning")
        .focus("txtspire"),
};

TEST(AntennasBeams, Others) { play(kOthers); }

// ------------------------------------------------------------ EH antennas

const std::string kAttention = "MANCANO DATI|  ATTENZIONE|warning";

const Row kEH[] = {
    Row("frmEH", {"txtfrequenza=7.1", "txtdiametro=5", "txtlbobina=3", "click:cmdcalcola"})
        .why("40 m, 5 cm tube, 3 cm coils")
        .text("lblanticipo", "LA CORRENTE E' IN RITARDO SULLA TENSIONE DI GRADI : -88,44")
        .text("lbltensione1", "APPLICANDO 100 WATT LA TENSIONE SULLE BOBINE E'  1.256,1 Volt, IN OPPOSIZIONE AI 1.283,2 "
                              "Volt SUI COND.")
        .text("lblimpedenza1", "IMPEDENZA TOTALE DELLA RETE  L1/C1:  7,35 Ohm ")
        .text("lblc1", "IL CONDENSATORE  C 1 HA UNA CAPACITA' DI 64,5 pF")
        .text("lblc2", "IL CONDENSATORE  C 2 HA UNA CAPACITA' DI 65,8 pF")
        .text("lblhl1", "LA BOBINA  L 1  HA UN' INDUTTANZA DI 7,6 uH")
        .text("lblhl2", "LA BOBINA  L 2  HA UN' INDUTTANZA DI 7,8 uH")
        .text("lblxc1", "REATTANZA CAPACITIVA. di C1: 347,78")
        .text("lblxl1", "REATTANZA INDUTTIVA. di L1: 340,44")
        .text("lblcorrente", "APPLICANDO 100 WATT LA CORRENTE E' = 3,69 Amp.")
        .text("lblspireL1", "LA BOBINA L 1 E' COMPOSTA DA 12,7 SPIRE SU UNA LUNGHEZZA DI mm. 30 E UN DIAMETRO DI mm 50")
        .text("lblspireL2", "LA BOBINA L 2 E' COMPOSTA DA 12,9 SPIRE SU UNA LUNGHEZZA DI mm. 30 E UN DIAMETRO DI mm 50")
        .text("lbldiametro", "IL DIAMETRO DEL TUBO E' 5 cm.")
        .text("lbllunghezza", "LA LUNGHEZZA DI OGNI CILINDRO E' 15,7 cm.")
        .text("lbldistanza", "LA DISTANZA DEI DUE CILINDRI E' 5 cm.")
        .text("lbll", "15,7")
        .text("lbll2", "15,7")
        .text("lbld", "5")
        .text("lbldd", "5")
        .shown({"Label8", "Label10"}),
    Row("frmEH", {"txtfrequenza=3.65", "txtdiametro=4", "txtlbobina=2.5", "click:cmdcalcola"})
        .why("80 m: the networks scale with 1 / f only")
        .text("lblc1", "IL CONDENSATORE  C 1 HA UNA CAPACITA' DI 125,4 pF")
        .text("lblc2", "IL CONDENSATORE  C 2 HA UNA CAPACITA' DI 128,1 pF")
        .text("lblhl1", "LA BOBINA  L 1  HA UN' INDUTTANZA DI 14,8 uH")
        .text("lblhl2", "LA BOBINA  L 2  HA UN' INDUTTANZA DI 15,2 uH")
        .text("lblimpedenza1", "IMPEDENZA TOTALE DELLA RETE  L1/C1:  7,35 Ohm ")
        .text("lblspireL1", "LA BOBINA L 1 E' COMPOSTA DA 20,1 SPIRE SU UNA LUNGHEZZA DI mm. 25 E UN DIAMETRO DI mm 40")
        .text("lblspireL2", "LA BOBINA L 2 E' COMPOSTA DA 20,3 SPIRE SU UNA LUNGHEZZA DI mm. 25 E UN DIAMETRO DI mm 40")
        .text("lbllunghezza", "LA LUNGHEZZA DI OGNI CILINDRO E' 12,56 cm."),
    Row("frmEH", {"txtfrequenza=14.2", "txtdiametro=3", "txtlbobina=2", "click:cmdcalcola"})
        .why("20 m: 11.98 turns keep the pattern's bare decimal separator")
        .text("lblspireL1", "LA BOBINA L 1 E' COMPOSTA DA 12, SPIRE SU UNA LUNGHEZZA DI mm. 20 E UN DIAMETRO DI mm 30")
        .text("lblspireL2", "LA BOBINA L 2 E' COMPOSTA DA 12,1 SPIRE SU UNA LUNGHEZZA DI mm. 20 E UN DIAMETRO DI mm 30"),
    Row("frmEH", {"txtfrequenza=7.1", "txtdiametro=5", "click:cmdcalcola"})
        .message(kAttention)
        .focus("txtfrequenza")
        .hidden({"Label8", "Label10"})
        .text("lblc1", ""),
    Row("frmEH", {"txtfrequenza=7.1", "txtdiametro=-5", "txtlbobina=-3", "click:cmdcalcola"})
        .why("two negatives pass the product test, but no coil can be wound on a negative tube")
        .message(kInvalid)
        .text("lbldiametro", ""),
    Row("frmEH", {"txtfrequenza=7.1", "txtdiametro=5", "txtlbobina=3", "click:cmdcalcola", "txtfrequenza=14"})
        .why("typing changes nothing until the next computation")
        .text("lblhl1", "LA BOBINA  L 1  HA UN' INDUTTANZA DI 7,6 uH"),
    Row("frmEH", {"click:cmdstampa"}).effects({"print"}).shown({"cmdcalcola", "cmdesci", "cmdstampa"}),
    Row("frmEHstar", {})
        .why("the hint is shown where the frames will come")
        .shown({"lblfantasma"})
        .hidden({"Frame1", "Frame2", "Frame3", "Frame4", "Frame5", "Label5", "Label11"}),
    Row("frmEHstar", {"txtfrequenza=7.1", "txtdiametro=50", "txtratio=6", "txtsezfilo=2", "txtspaziatura=4",
                      "txtdiametrobobina=50", "click:cmdcalcola"})
        .why("40 m, 50 mm cylinders of ratio 6; the dB come from the 99,37 % shown")
        .text("lbllunghezza", "LA LUNGHEZZA DI OGNI CILINDRO E' 30,0 cm.")
        .text("lbldistanza", "LA DISTANZA TRA I CILINDRI E' UGUALE AL DIAMETRO")
        .text("lblxc", "LA REATTANZA CAPACITIVA DEI CILINDRI E'  2.135,2 Ohms")
        .text("lblc", "LA CAPACITA' TRA I CILINDRI E'  10,5 pF")
        .text("lblctot", "LA CAPACITA' TOTALE E'  20,9 pF")
        .text("lbllarghbanda", "BANDWIDTH  +/- 3 dB 399,0 KHz con un Q = 17,8")
        .text("lbluHtuning", "L'INDUTTANZA DELLA TUNING COIL E'  24,0 \u00b5H")
        .text("lblspiretuning", "LA TUNING COIL E' FORMATA DA  44,0 SPIRE")
        .text("lbllungbobina", "LA TUNING COIL E' LUNGA 176,1 mm")
        .text("lbllungfilo", "OCCORRONO 6,92 mt DI FILO")
        .text("lblresperdita", "LA RESISTENZA DI PERDITA E' 0,76  Ohms")
        .text("lblphasingcoil", "OCCORRONO 70,5 cm DI FILO PER 4,5 SPIRE SERRATE")
        .text("lblefficienza", "IL RENDIMENTO E' CIRCA DEL 99,37  % PARI A -0,027 dB")
        .text("lbll", "30,0")
        .text("lbll2", "30,0")
        .text("lbld", "5")
        .text("lbldd", "5 cm")
        .shown({"Frame1", "Frame2", "Frame3", "Frame4", "Frame5", "Label5", "Label11"})
        .hidden({"lblfantasma"}),
    Row("frmEHstar", {"txtfrequenza=14.2", "txtdiametro=30", "txtratio=8", "txtsezfilo=2.5", "txtspaziatura=5",
                      "txtdiametrobobina=40", "click:cmdcalcola"})
        .why("20 m")
        .text("lblxc", "LA REATTANZA CAPACITIVA DEI CILINDRI E'  1.477,0 Ohms")
        .text("lbllarghbanda", "BANDWIDTH  +/- 3 dB 1.153,7 KHz con un Q = 12,3")
        .text("lblctot", "LA CAPACITA' TOTALE E'  16,8 pF")
        .text("lbluHtuning", "L'INDUTTANZA DELLA TUNING COIL E'  7,5 \u00b5H")
        .text("lblspiretuning", "LA TUNING COIL E' FORMATA DA  27,0 SPIRE")
        .text("lbllungfilo", "OCCORRONO 3,39 mt DI FILO")
        .text("lblphasingcoil", "OCCORRONO 35,2 cm DI FILO PER 3,7 SPIRE SERRATE")
        .text("lblefficienza", "IL RENDIMENTO E' CIRCA DEL 99,65  % PARI A -0,015 dB")
        .text("lbldd", "3 cm"),
    Row("frmEHstar", {"txtfrequenza=3.6", "txtdiametro=80", "txtratio=10", "txtsezfilo=3", "txtspaziatura=6",
                      "txtdiametrobobina=70", "click:cmdcalcola"})
        .why("80 m")
        .text("lbllungbobina", "LA TUNING COIL E' LUNGA 326,2 mm")
        .text("lblresperdita", "LA RESISTENZA DI PERDITA E' 0,63  Ohms")
        .text("lblphasingcoil", "OCCORRONO 139,0 cm DI FILO PER 5,5 SPIRE SERRATE")
        .text("lblefficienza", "IL RENDIMENTO E' CIRCA DEL 99,48  % PARI A -0,023 dB")
        .text("lbll", "80,0")
        .text("lbld", "8"),
    Row("frmEHstar", {"txtfrequenza=7.1", "click:cmdcalcola"})
        .why("a missing field still brings up the empty frames")
        .message(kAttention)
        .focus("txtfrequenza")
        .shown({"Frame1", "Frame2", "Frame3", "Frame4", "Frame5"})
        .hidden({"lblfantasma", "Label5", "Label11"})
        .text("lblc", ""),
    Row("frmEHstar", {"txtfrequenza=7.1", "txtdiametro=2", "txtratio=6", "txtsezfilo=2", "txtspaziatura=4",
                      "txtdiametrobobina=50", "click:cmdcalcola"})
        .why("cylinders as thin as the wire: the stray capacitance has no value, the window is put back")
        .message(kInvalid)
        .shown({"lblfantasma"})
        .hidden({"Frame1"}),
    Row("frmEHstar", {"click:cmdawg"}).effects({"move 180 180", "open frmawg modeless 4100 2800"}),
    Row("frmEHstar", {"click:cmdstampa"}).effects({"print"}),
};

TEST(AntennasBeams, EH) { play(kEH); }

// ------------------------------------------------------------------ dishes

const Row kDishes[] = {
    Row("frmfuoco", {"txtdiametro=100", "txtprofondita=15", "click:cmdcalcola"})
        .why("10000 / 240 = 41.67, one decimal")
        .text("lblf", "41,7 cm.")
        .text("lblfuoco", "IL PUNTO FOCALE E' A CIRCA 41,7 cm.")
        .shown({"lblf", "lblfuoco"}),
    Row("frmfuoco", {"txtdiametro=120", "txtprofondita=20", "click:cmdcalcola"})
        .why("a whole focus shows no decimals")
        .text("lblfuoco", "IL PUNTO FOCALE E' A CIRCA 45 cm."),
    Row("frmfuoco", {"txtdiametro=60", "txtprofondita=8", "click:cmdcalcola"}).text("lblf", "28,1 cm."),
    Row("frmfuoco", {"txtdiametro=100", "click:cmdcalcola"}).message(kMissing).focus("txtdiametro").hidden({"lblf"}),
    Row("frmfuoco", {"txtdiametro=-100", "txtprofondita=15", "click:cmdcalcola"})
        .message(kMissing)
        .focus("txtdiametro"),
    Row("frmbarattolo", {"txtfrequenza=1000", "click:cmdcalcola"})
        .why("1000 MHz is accepted")
        .text("lblprofondita", "20,2 cm.circa ")
        .text("lbldiametro", "20,2 cm.circa ")
        .text("lbls", "7,49 cm.")
        .text("lblh", "6,34 cm.")
        .shown({"lblprofondita", "lbldiametro"}),
    Row("frmbarattolo", {"txtfrequenza=2400", "click:cmdcalcola"})
        .text("lbldiametro", "8,4 cm.circa ")
        .text("lbls", "3,12 cm.")
        .text("lblh", "2,64 cm."),
    Row("frmbarattolo", {"txtfrequenza=5760", "click:cmdcalcola"}).text("lbls", "1,30 cm.").text("lblh", "1,1 cm."),
    Row("frmbarattolo", {"txtfrequenza=999.9", "click:cmdcalcola"})
        .message("FREQUENZA TROPPO BASSA|MESSAGGIO DI AVVISO|warning")
        .focus("txtfrequenza")
        .hidden({"lbldiametro"}),
    Row("frmbarattolo", {"click:cmdcalcola"})
        .why("an empty box is too low as well")
        .message("FREQUENZA TROPPO BASSA|MESSAGGIO DI AVVISO|warning")
        .focus("txtfrequenza"),
    Row("frmparaboliche", {"txtfrequenza=10000", "txtdiametro=1.2", "click:cmdcalcola"})
        .why("1.2 m at 10 GHz: G = 8684.8")
        .text("lblguadagno", "IL GUADAGNO DELLA PARABOLA E'  39,39 dB")
        .text("lblgradi", "L'ANGOLO D'IRRADIAZIONE E'  1,8 GRADI"),
    Row("frmparaboliche", {"txtfrequenza=1000", "txtdiametro=1", "click:cmdcalcola"})
        .text("lblguadagno", "IL GUADAGNO DELLA PARABOLA E'  17,80 dB")
        .text("lblgradi", "L'ANGOLO D'IRRADIAZIONE E'  21,2 GRADI"),
    Row("frmparaboliche", {"txtfrequenza=1296", "txtdiametro=3", "click:cmdcalcola"})
        .text("lblguadagno", "IL GUADAGNO DELLA PARABOLA E'  29,60 dB")
        .text("lblgradi", "L'ANGOLO D'IRRADIAZIONE E'  5,5 GRADI"),
    Row("frmparaboliche", {"txtfrequenza=1000", "txtdiametro=1", "click:cmdcalcola", "txtdiametro=1."})
        .why("typing blanks both results")
        .text("lblguadagno", "")
        .text("lblgradi", ""),
    Row("frmparaboliche", {"txtfrequenza=432", "txtdiametro=1", "click:cmdcalcola"})
        .message("FREQUENZA TROPPO BASSA|AVVERTIMENTO|warning")
        .focus("txtfrequenza")
        .text("lblguadagno", ""),
    Row("frmparaboliche", {"txtfrequenza=10000", "click:cmdcalcola"}).message(kMissing).focus("txtfrequenza"),
    Row("frmparaboliche", {"txtfrequenza=-1000", "txtdiametro=-1", "click:cmdcalcola"})
        .why("two negatives pass the product and are caught as too low")
        .message("FREQUENZA TROPPO BASSA|AVVERTIMENTO|warning")
        .focus("txtfrequenza"),
};

TEST(AntennasBeams, Dishes) { play(kDishes); }

}  // namespace
}  // namespace vm::test
