// The transmission-line windows, driven as a radio amateur would: coaxial
// and open-wire lines of real cables, the amateur bands from 160 m to 70 cm,
// every message with the input that gets the focus, the windows that
// recompute on every keystroke, and the cable catalogue entry by entry.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/rows.h"

namespace vm::test {
namespace {

const std::string kMissing = "MANCANO DATI|MESSAGGIO DI ERRORE|warning";
const std::string kInvalid = "DATI NON VALIDI|MESSAGGIO DI ERRORE|warning";

std::string coaxC(const std::string& pf) { return "LA CAPACITA' E' DI  " + pf + " pF METRO"; }
std::string coaxZ(const std::string& ohm) { return "L'IMPEDENZA E' DI    " + ohm + "  OHM"; }
std::string lineZ(const std::string& ohm) { return "L'IMPEDENZA E' DI  :  " + ohm + "  OHM"; }

// ------------------------------------------------------------ coaxial line

const Row kCoaxial[] = {
    Row("frmimpedenza", {}).why("opening selects air").selected("Option1", 0).focus("Option1(0)"),
    Row("frmimpedenza", {"click:Option1:2", "txtd1=2.95", "txtd2=0.9", "click:cmdcalcola"})
        .why("solid polyethylene, 2.95 over 0.9 mm: 47,02 ohm by the formula")
        .text("lblc", coaxC("107,5"))
        .text("lblimpedenza", coaxZ("47,02"))
        .focus("cmdcalcola"),
    Row("frmimpedenza", {"txtd1=2.3", "txtd2=1", "click:cmdcalcola"})
        .why("an air line of diameter ratio 2.3 is the textbook 50 ohm")
        .text("lblc", coaxC("66,9"))
        .text("lblimpedenza", coaxZ("49,90")),
    Row("frmimpedenza", {"click:Option1:2", "txtd1=7.24", "txtd2=2.26", "click:cmdcalcola"})
        .why("RG 213 sizes with solid polyethylene")
        .text("lblc", coaxC("109,6"))
        .text("lblimpedenza", coaxZ("46,11")),
    Row("frmimpedenza", {"click:Option1:4", "txtd1=7.24", "txtd2=2.26", "click:cmdcalcola"})
        .why("the same sizes with foam")
        .text("lblc", coaxC("75,6"))
        .text("lblimpedenza", coaxZ("55,51")),
    Row("frmimpedenza", {"click:Option1:5", "txtd1=3", "txtd2=1", "click:cmdcalcola"})
        .why("teflon")
        .text("lblc", coaxC("103,5"))
        .text("lblimpedenza", coaxZ("46,09")),
    Row("frmimpedenza", {"click:Option1:6", "txtd1=10", "txtd2=1", "click:cmdcalcola"})
        .why("PVC, ratio 10")
        .text("lblc", coaxC("72,6"))
        .text("lblimpedenza", coaxZ("79,67")),
    Row("frmimpedenza", {"txtd1=2.3", "txtd2=1", "click:cmdcalcola", "click:Option1:1"})
        .why("another dielectric empties both results")
        .text("lblc", "")
        .text("lblimpedenza", "")
        .selected("Option1", 1),
    Row("frmimpedenza", {"txtd1=2.3", "txtd2=1", "click:cmdcalcola", "txtd2=1.1"})
        .why("typing empties both results")
        .text("lblc", "")
        .text("lblimpedenza", ""),
    Row("frmimpedenza", {"txtd2=1", "click:cmdcalcola"})
        .why("no outer diameter")
        .message(kMissing)
        .focus("txtd1"),
    Row("frmimpedenza", {"txtd1=2", "txtd2=2", "click:cmdcalcola"})
        .why("equal diameters")
        .message("DIAMETRO ESTERNO TROPPO PICCOLO|MESSAGGIO DI ERRORE|warning")
        .text("lblimpedenza", "")
        .focus("txtd1"),
    Row("frmimpedenza", {"txtd1=2.3", "txtd2=1", "click:cmdcalcola", "txtd1=1", "txtd2=2.3", "click:cmdcalcola"})
        .why("the centre conductor larger than the outer one")
        .message("DIAMETRO ESTERNO TROPPO PICCOLO|MESSAGGIO DI ERRORE|warning")
        .focus("txtd1"),
    Row("frmimpedenza", {"txtd1=-3", "txtd2=1", "click:cmdcalcola"})
        .why("a negative product does nothing at all")
        .text("lblimpedenza", "")
        .focus("cmdcalcola"),
    Row("frmimpedenza", {"txtd1=-1", "txtd2=-3", "click:cmdcalcola"})
        .why("two negative diameters pass the checks but give a negative impedance")
        .message(kInvalid)
        .text("lblc", "")
        .text("lblimpedenza", "")
        .focus("cmdcalcola"),
};

TEST(LinesCoaxial, Rows) { play(kCoaxial); }

// ------------------------------------------------ wire and strip geometries

const Row kGeometries[] = {
    // open two-wire line
    Row("frmbifilareaperta", {"txtd=1", "txtdistanza=6.1", "click:cmdcalcola"})
        .why("1 mm wires 6.1 mm apart: the textbook 300 ohm twin lead")
        .text("lblimpedenza", lineZ("299,8"))
        .focus("cmdcalcola"),
    Row("frmbifilareaperta", {"txtd=2", "txtdistanza=12.5", "click:cmdcalcola"})
        .text("lblimpedenza", lineZ("302,7")),
    Row("frmbifilareaperta", {"txtd=0.8", "txtdistanza=10", "click:cmdcalcola"})
        .why("one decimal in this window")
        .text("lblimpedenza", lineZ("385,8")),
    Row("frmbifilareaperta", {"txtd=1", "txtdistanza=6.1", "click:cmdcalcola", "txtd=2"})
        .why("typing empties the impedance")
        .text("lblimpedenza", ""),
    Row("frmbifilareaperta", {"txtd=1", "click:cmdcalcola"}).message(kMissing).focus("txtd"),
    Row("frmbifilareaperta", {"txtd=-1", "txtdistanza=6", "click:cmdcalcola"})
        .why("a negative product is missing data here")
        .message(kMissing)
        .focus("txtd"),
    Row("frmbifilareaperta", {"txtd=1", "txtdistanza=6.1", "click:cmdcalcola", "txtdistanza=0.5", "click:cmdcalcola"})
        .why("spacing half the diameter: no impedance, the previous result is kept")
        .message(kInvalid)
        .text("lblimpedenza", "")
        .focus("cmdcalcola"),
    Row("frmbifilareaperta", {"txtd=1", "txtdistanza=0.4", "click:cmdcalcola"})
        .why("a negative impedance is refused")
        .message(kInvalid)
        .text("lblimpedenza", ""),
    Row("frmbifilareaperta", {"txtd=-1", "txtdistanza=-2", "click:cmdcalcola"})
        .why("two negative sizes make no line")
        .message(kInvalid)
        .text("lblimpedenza", ""),

    // two wires over a ground plane
    Row("frmbifilareterra", {"txtd=1", "txts=10", "txth=20", "click:cmdcalcola"})
        .text("lblimpedenza", lineZ("348,36")),
    Row("frmbifilareterra", {"txtd=2", "txts=20", "txth=10", "click:cmdcalcola"})
        .text("lblimpedenza", lineZ("253,91")),
    Row("frmbifilareterra", {"txtd=1", "txts=1", "txth=1", "click:cmdcalcola"})
        .why("the limits themselves are allowed")
        .text("lblimpedenza", lineZ("74,31")),
    Row("frmbifilareterra", {"txtd=2", "txts=1", "txth=10", "click:cmdcalcola"})
        .message("d < s   -   d < h|MESSAGGIO DI ERRORE|warning")
        .focus("txtd"),
    Row("frmbifilareterra", {"txtd=2", "txts=10", "txth=1", "click:cmdcalcola"})
        .message("d < s   -   d < h|MESSAGGIO DI ERRORE|warning")
        .focus("txtd"),
    Row("frmbifilareterra", {"txtd=1", "txts=10", "click:cmdcalcola"}).message(kMissing).focus("txtd"),
    Row("frmbifilareterra", {"txtd=-1", "txts=-1", "txth=20", "click:cmdcalcola"})
        .why("two negative sizes pass the product test and the comparisons")
        .message(kInvalid)
        .text("lblimpedenza", "")
        .focus("cmdcalcola"),

    // balanced line between two planes
    Row("frmbilanciataduepiani", {"txtd=1", "txth=10", "click:cmdcalcola"})
        .text("lblimpedenza", lineZ("221,87")),
    Row("frmbilanciataduepiani", {"txtd=1", "txth=4", "click:cmdcalcola"})
        .why("h = 4 d is allowed")
        .text("lblimpedenza", lineZ("112,04")),
    Row("frmbilanciataduepiani", {"txtd=1", "txth=3.9", "click:cmdcalcola"})
        .message("deve essere : h > 4 d|MESSAGGIO DI ERRORE|warning")
        .focus("txtd"),
    Row("frmbilanciataduepiani", {"txth=10", "click:cmdcalcola"}).message(kMissing).focus("txtd"),

    // balanced shielded line
    Row("frmbilanciataschermata", {"txtd1=20", "txtd2=2", "txtdistanza=6", "click:cmdcalcola"})
        .text("lblimpedenza", lineZ("140,57")),
    Row("frmbilanciataschermata", {"txtd1=30", "txtd2=3", "txtdistanza=10", "click:cmdcalcola"})
        .text("lblimpedenza", lineZ("144,31")),
    Row("frmbilanciataschermata", {"txtd1=20", "txtd2=2", "txtdistanza=16", "click:cmdcalcola"})
        .why("the wires would touch the screen")
        .message("distanza eccessiva|MESSAGGIO DI ERRORE|warning")
        .focus("txtd1"),
    Row("frmbilanciataschermata", {"txtd1=20", "txtd2=3", "txtdistanza=2", "click:cmdcalcola"})
        .message("deve essere h > di d  e  D > di  h |MESSAGGIO DI ERRORE|warning")
        .focus("txtd1"),
    Row("frmbilanciataschermata", {"txtd1=20", "txtd2=2", "click:cmdcalcola"}).message(kMissing).focus("txtd1"),

    // single wire in a square guide
    Row("frmguidachiusa", {"txtd=2", "txts=10", "click:cmdcalcola"}).text("lblimpedenza", lineZ("99,99")),
    Row("frmguidachiusa", {"txtd=3", "txts=20", "click:cmdcalcola"}).text("lblimpedenza", lineZ("117,24")),
    Row("frmguidachiusa", {"txtd=1", "txts=2", "click:cmdcalcola"})
        .why("S = 2 d is allowed")
        .text("lblimpedenza", lineZ("44,96")),
    Row("frmguidachiusa", {"txtd=1", "txts=1.9", "click:cmdcalcola"})
        .message("d è sempre < di S/2|MESSAGGIO DI ERRORE|warning")
        .focus("txtd"),
    Row("frmguidachiusa", {"txts=10", "click:cmdcalcola"}).message(kMissing).focus("txtd"),

    // single wire between two planes
    Row("frmsingoladuepiani", {"txtd=1", "txth=10", "click:cmdcalcola"}).text("lblimpedenza", lineZ("152,51")),
    Row("frmsingoladuepiani", {"txtd=2", "txth=6", "click:cmdcalcola"}).text("lblimpedenza", lineZ("80,35")),
    Row("frmsingoladuepiani", {"txtd=1", "txth=1.5", "click:cmdcalcola"}).text("lblimpedenza", lineZ("38,81")),
    Row("frmsingoladuepiani", {"txtd=0.5", "txth=1.5", "click:cmdcalcola"})
        .why("a product below 1 is refused although both sizes are positive")
        .message(kInvalid)
        .focus("txtd"),
    Row("frmsingoladuepiani", {"click:cmdcalcola"}).message(kInvalid).focus("txtd"),
    Row("frmsingoladuepiani", {"txtd=3", "txth=4", "click:cmdcalcola"})
        .message("h deve essere > 4/3 d|MESSAGGIO DI ERRORE|warning")
        .focus("txtd"),
    Row("frmsingoladuepiani", {"txtd=-3", "txth=-3", "click:cmdcalcola"})
        .why("two negative sizes pass both checks")
        .message(kInvalid)
        .focus("cmdcalcola"),

    // parallel strips
    Row("frmstrip", {"txtd=1", "txts=10", "click:cmdcalcola"}).text("lblimpedenza", lineZ("37,7")),
    Row("frmstrip", {"txtd=0.5", "txts=20", "click:cmdcalcola"}).text("lblimpedenza", lineZ("9,43")),
    Row("frmstrip", {"txtd=1.6", "txts=30", "click:cmdcalcola"})
        .why("strips on 1.6 mm board")
        .text("lblimpedenza", lineZ("20,11")),
    Row("frmstrip", {"txtd=1", "txts=9.9", "click:cmdcalcola"})
        .message("S > =  10 d |MESSAGGIO DI ERRORE|warning")
        .focus("txtd"),
    Row("frmstrip", {"txtd=1", "click:cmdcalcola"}).message(kMissing).focus("txtd"),
    Row("frmstrip", {"txtd=1", "txts=10", "click:cmdcalcola", "txts=11"}).text("lblimpedenza", ""),
};

TEST(LinesGeometries, Rows) { play(kGeometries); }

// ----------------------------------------------------------- line constants

std::string cap1(const std::string& pf) { return "LA CAPACITA' DELLA LINEA E'  " + pf + " pF PER METRO"; }
std::string ind1(const std::string& uh) { return "L'INDUTTANZA DELLA LINEA E'  " + uh + " µH PER METRO"; }

const Row kConstants[] = {
    Row("frmlineaunifilare", {"txtd=2", "txth=10", "click:cmdcalcola"})
        .why("a 2 mm wire 10 m up")
        .text("lblcap", cap1("5,6"))
        .text("lblind", ind1("4,1")),
    Row("frmlineaunifilare", {"txtd=1.5", "txth=6", "click:cmdcalcola"})
        .why("the inductance shows no trailing zero")
        .text("lblcap", cap1("5,8"))
        .text("lblind", ind1("4")),
    Row("frmlineaunifilare", {"txtd=3000", "txth=1", "click:cmdcalcola"})
        .text("lblcap", cap1("193,7"))
        .text("lblind", ind1("0,2")),
    Row("frmlineaunifilare", {"txtd=2", "txth=10", "click:cmdcalcola", "txth=11"})
        .text("lblcap", "")
        .text("lblind", ""),
    Row("frmlineaunifilare", {"txtd=2", "click:cmdcalcola"})
        .message("DATI MANCANTI O NEGATIVI|MESSAGGIO DI ERRORE|warning")
        .focus("txtd"),
    Row("frmlineaunifilare", {"txtd=-2", "txth=10", "click:cmdcalcola"})
        .message("DATI MANCANTI O NEGATIVI|MESSAGGIO DI ERRORE|warning")
        .focus("txtd"),
    Row("frmlineaunifilare", {"txtd=4000", "txth=1", "click:cmdcalcola"})
        .why("d = 4h: the logarithm is zero")
        .message(kInvalid)
        .text("lblcap", "")
        .focus("cmdcalcola"),
    Row("frmlineaunifilare", {"txtd=2", "txth=10", "click:cmdcalcola", "txtd=5000", "txth=1", "click:cmdcalcola"})
        .why("d above 4h gives a negative capacitance")
        .message(kInvalid)
        .text("lblcap", "")
        .focus("cmdcalcola"),

    Row("frmlineabifilare", {"txtd=2", "txtdistanza=100", "txth=10", "click:cmdcalcola"})
        .why("2 mm wires 10 cm apart, 10 m up")
        .text("lblcd", "LA CAPACITA' TRA I DUE FILI E'  6,1 pF PER METRO")
        .text("lblct", "LA CAPACITA' VERSO TERRA E'  5,6 pF PER METRO")
        .text("lblc", "LA CAPACITA' RISULTANTE E'  8,9 pF PER METRO")
        .text("lblind", "L'INDUTTANZA TRA I FILI E'  1,94 µH PER METRO"),
    Row("frmlineabifilare", {"txtd=1.5", "txtdistanza=150", "txth=6", "click:cmdcalcola"})
        .text("lblcd", "LA CAPACITA' TRA I DUE FILI E'  5,3 pF PER METRO")
        .text("lblct", "LA CAPACITA' VERSO TERRA E'  5,8 pF PER METRO")
        .text("lblc", "LA CAPACITA' RISULTANTE E'  8,2 pF PER METRO")
        .text("lblind", "L'INDUTTANZA TRA I FILI E'  2,22 µH PER METRO"),
    Row("frmlineabifilare", {"txtd=2", "txtdistanza=20", "txth=5", "click:cmdcalcola"})
        .why("the total is worked from the two capacitances as shown")
        .text("lblcd", "LA CAPACITA' TRA I DUE FILI E'  9,3 pF PER METRO")
        .text("lblct", "LA CAPACITA' VERSO TERRA E'  6,1 pF PER METRO")
        .text("lblc", "LA CAPACITA' RISULTANTE E'  12,35 pF PER METRO")
        .text("lblind", "L'INDUTTANZA TRA I FILI E'  1,3 µH PER METRO"),
    Row("frmlineabifilare", {"txtd=2", "txtdistanza=20", "click:cmdcalcola"}).message(kMissing).focus("txtd"),
    Row("frmlineabifilare", {"txtd=2", "txtdistanza=-20", "txth=5", "click:cmdcalcola"})
        .why("a negative product does nothing at all")
        .text("lblc", "")
        .focus("cmdcalcola"),
    Row("frmlineabifilare", {"txtd=10", "txtdistanza=5", "txth=10", "click:cmdcalcola"})
        .why("d = 2D")
        .message(kInvalid)
        .text("lblcd", ""),
    Row("frmlineabifilare", {"txtd=4", "txtdistanza=50", "txth=0.001", "click:cmdcalcola"})
        .why("d = 4h")
        .message(kInvalid)
        .text("lblct", ""),
    Row("frmlineabifilare", {"txtd=2", "txtdistanza=100", "txth=10", "click:cmdcalcola", "txtdistanza=101"})
        .text("lblcd", "")
        .text("lblct", "")
        .text("lblc", "")
        .text("lblind", ""),

    Row("frmfiloverticale", {"txtd=2", "txtl=10", "click:cmdcalcola"})
        .why("a 10 m vertical of 2 mm wire")
        .text("lblc", "LA CAPACITA' DEL CONDUTTORE E'  32,17 pF"),
    Row("frmfiloverticale", {"txtd=10", "txtl=40", "click:cmdcalcola"})
        .text("lblc", "LA CAPACITA' DEL CONDUTTORE E'  132,08 pF"),
    Row("frmfiloverticale", {"txtd=1.5", "txtl=5", "click:cmdcalcola"})
        .text("lblc", "LA CAPACITA' DEL CONDUTTORE E'  16,87 pF"),
    Row("frmfiloverticale", {"txtd=2", "click:cmdcalcola"}).message(kMissing).focus("txtd"),
    Row("frmfiloverticale", {"txtd=-2", "txtl=10", "click:cmdcalcola"}).message(kMissing).focus("txtd"),
    Row("frmfiloverticale", {"txtd=2000", "txtl=1.732051", "click:cmdcalcola"})
        .why("1.732051 d = 2 l: the logarithm is zero")
        .message(kInvalid)
        .text("lblc", "")
        .focus("cmdcalcola"),
    Row("frmfiloverticale", {"txtd=-2", "txtl=-10", "click:cmdcalcola"})
        .why("two negative sizes pass the product test")
        .message(kInvalid)
        .text("lblc", ""),
    Row("frmfiloverticale", {"txtd=2", "txtl=10", "click:cmdcalcola", "txtl=1"}).text("lblc", ""),
};

TEST(LinesConstants, Rows) { play(kConstants); }

// ------------------------------------------------------- electrical length

Row lengths(const char* mhz, int cable, const char* air, const char* wave, const char* half,
            const char* threeHalves, std::source_location where = std::source_location::current()) {
  return Row("frmlungelettrica", {"click:Option1:" + std::to_string(cable), std::string("txtinput=") + mhz}, where)
      .why(std::string(mhz) + " MHz")
      .text("lbllungmetri", std::string("CORRISPONDENTI A mt. : ") + air)
      .text("lbllungelettrici", std::string("PARI A ONDA ELETTRICA  : ") + wave)
      .text("lbltrattidilinea", half)
      .text("lbltrattidilinea1", wave)
      .text("lbltrattidilinea2", threeHalves)
      .shown({"Frame2"});
}

const Row kLengths[] = {
    Row("frmlungelettrica", {}).selected("Option1", 0).focus("Option1(0)").hidden({"Frame2"}),
    lengths("14.2", 0, "21,127", "13,944", "6,972", "20,916"),
    lengths("1.85", 0, "162,162", "107,027", "53,5135", "160,5405"),
    lengths("3.65", 1, "82,192", "65,754", "32,877", "98,631"),
    lengths("7.1", 0, "42,254", "27,888", "13,944", "41,832"),
    lengths("28.5", 1, "10,526", "8,421", "4,2105", "12,6315"),
    lengths("50.15", 0, "5,982", "3,948", "1,974", "5,922"),
    lengths("144.3", 0, "2,079", "1,372", "0,686", "2,058"),
    lengths("432.2", 1, "0,694", "0,555", "0,2775", "0,8325"),
    Row("frmlungelettrica", {"txtinput=1", "txtinput=14", "txtinput=14.", "txtinput=14.2"})
        .why("typed key by key")
        .text("lbltrattidilinea1", "13,944"),
    Row("frmlungelettrica", {"txtinput=14.2", "click:Option1:1"})
        .why("another cable empties the frequency and hides the lengths")
        .text("txtinput", "")
        .hidden({"Frame2"}),
    Row("frmlungelettrica", {"txtinput=14.2", "txtinput=0"}).hidden({"Frame2"}),
    Row("frmlungelettrica", {"txtinput=14.2", "txtinput=-7"}).hidden({"Frame2"}),
    Row("frmlungelettrica", {"txtinput=14.2", "txtinput=abc"}).hidden({"Frame2"}),
    Row("frmlungelettrica", {"txtinput=14.2", "txtinput=1e-320"})
        .why("a wavelength too long to show hides the lengths")
        .hidden({"Frame2"}),
    Row("frmlungelettrica", {"txtinput=14,2"}).why("a comma ends the number: 14 MHz").text("lbltrattidilinea1", "14,143"),
};

TEST(LinesElectricalLength, Rows) { play(kLengths); }

// -------------------------------------------------------------------- SWR

Row swr(const char* s, const char* high, const char* low, const char* pr, const char* pt, const char* gamma,
        const char* rl, std::source_location where = std::source_location::current()) {
  return Row("frmros", {std::string("txtros=") + s}, where)
      .why(std::string("SWR ") + s)
      .text("lblimpedenza", std::string("IMPEDENZA DELL'ANTENNA =  ") + high + " o " + low + " ohm")
      .text("lblwattriflessi", std::string("PERCENTUALE DELL'ENERGIA RIFLESSA =  ") + pr + " %")
      .text("lblwattirradiati", std::string("PERCENTUALE DELL'ENERGIA IRRADIATA =  ") + pt + " %")
      .text("lblcoeffriflessione", std::string("COEFFICIENTE DI RIFLESSIONE = ") + gamma)
      .text("lblreturnloss", rl)
      .shown({"Frame1"});
}

const Row kSwr[] = {
    Row("frmros", {}).focus("txtros").hidden({"Frame1"}),
    swr("1", "50,0", "50,0", "0,0", "100,00", "0,00", "RETURN LOSS TENDENTE A INFINITO"),
    swr("2", "100,0", "25,0", "11,1", "88,90", "0,33", "RETURN LOSS = 9,54"),
    swr("1.5", "75,0", "33,3", "4,0", "96,00", "0,20", "RETURN LOSS = 13,98"),
    swr("3", "150,0", "16,7", "25,0", "75,00", "0,50", "RETURN LOSS = 6,02"),
    swr("1.2", "60,0", "41,7", "0,8", "99,20", "0,09", "RETURN LOSS = 20,83"),
    swr("10", "500,0", "5,0", "66,9", "33,10", "0,82", "RETURN LOSS = 1,74"),
    Row("frmros", {"txtros=1"}).text("lblcoeffriflessione", "COEFFICIENTE DI RIFLESSIONE = 0,00"),
    Row("frmros", {"txtros=1", "txtros=1."})
        .why("the point alone still reads 1")
        .text("lblreturnloss", "RETURN LOSS TENDENTE A INFINITO"),
    Row("frmros", {"txtros=1", "txtros=1.", "txtros=1.5"}).text("lblreturnloss", "RETURN LOSS = 13,98"),
    Row("frmros", {"txtros=2", "txtros="}).why("emptied").hidden({"Frame1"}),
    Row("frmros", {"txtros=2", "txtros=0.5"}).why("below 1").hidden({"Frame1"}),
    Row("frmros", {"txtros=2", "txtros=1e308"}).why("an impedance too large to show").hidden({"Frame1"}),
};

TEST(LinesSwr, Rows) { play(kSwr); }

// ---------------------------------------------------------- cable catalogue

// The catalogue as printed on the data sheet: name and its eight columns.
const char* const kSheet = R"(
RG 4|50|99|5,7|8,7|17,3|1,9|480|0,66
RG 5|52|94|8,4|8|17,6|3|550|0,66
RG 6|75|66|8,4|8,9|19,4|2,7|550|0,66
RG 7|95|41|9,4|6,7|16,9|1|450|0,66 ?
RG 8|52|97|10,3|6,2|13,5|5|975|0,66
RG 9|51|99|10,7|7,5|16,4|5|780|0,66
RG 10|52|97|12|6,2|13,5|5|975|0,66
RG 11|75|67|10,3|7,5|15,8|5|690|0,66
RG 12|75|67|12|7,5|15,8|5|690|0,66
RG 13|74|67|10,5|7,5|15,8|5|690|0,66
RG 14|52|97|13,8|4,6|10,2|7|1600|0,66
RG 15|76|66|13,8|5,0|12,4|5|1250|0,66
RG 16|52|97|16|4,0|11,4|6|1650|0,67
RG 17|52|97|22|3,1|7,9|7|1600|0,66
RG 18|52|97|24|3,1|7,9|11|3600|0,66
RG 19|52|97|28,4|2,3|6,1|14|6800|0,66
RG 20|52|97|30,4|2,3|6,1|14|6800|0,66
RG 21|53|95|8,4|42,7|85,3|2,7|115|0,66
RG 22|95|52|10,3|9,8|22,3|1,0|430|0,66 ?
RG 23|125|39|16x24|5,7|15,6|3,0|950|0,66 ?
RG 24|125|39|18|5,7|15,6|3,0|1000|0,66 ?
RG 29|53|94|4,7|16,0|39,2|1,9|290|0,659
RG 34|71|70|15,8|4,6|10,8|6,5|1650|0,66
RG 34B|75|70|16|4,6|10,8|6,5|1650|0,66
RG 35|71|70|24|2,8|6,4|10,0|3800|0,66
RG 35B|75|70|24|2,8|6,4|10,0|3800|0,66
RG 36|69|72|30|3,0|7,2|13,0|3800|0,66 ?
RG 42|78|66|8,7|5,7|13,0|2,7|550|0,66 ?
RG 54|58|89|7|10,3|21,8|2,5|410|0,66
RG 55|53|91|5,2|15,8|32,8|1,9|480|0,66
RG 57|95|56|15,8|7,8|17,7|3,0|830|0,66 ?
RG 58|53|91|5,0|15,1|34,5|1,9|300|0,66
RG 59|73|69|6,1|11,2|23,0|2,3|380|0,66
RG 62|93|44|6,1|8,9|17,4|0,75|440|0,84
RG 63|125|33|10,3|4,9|11,2|1,0|1000|0,66 ?
RG 71|93|44|6,4|8,9|17,4|0,75|440|0,66 ?
RG 74|52|98|16,0|4,6|10,2|7|1600|0,66
RG 79|125|33|12,0|4,9|11,2|1,0|1000|0,66 ?
RG 83|35|145|10,3|9,3|20,1|2,0|ignota|0,66
RG 84|75|71|25|2,8|6,4|10,0|ignota|0,66 ?
RG 85|75|71|39,5|2,8|6,40|10,0|ignota|0,66 ?
RG 86|200|25|7,2x17|1,9|ignota|ignota|ignota|0,66 ?
RG 87|50|98|10,8|ignota|16,6|5|ignota|0,66 ?
RG 89|125|33|16|6,7|14,8|1,0|ignota|0,66 ?
RG 93|50|95|18|ignota|ignota|10|ignota|0,66 ?
RG 94|50|95|11,3|ignota|12,7|7,0|ignota|0,66 ?
RG 100|35|145|6,1|ignota|ignota|2,0|ignota|0,66 ?
RG 122|50|100|4,05|23,0|54,2|1,9|65|0,66
RG 133|95|53|10,3|ignota|18,8|5,0|ignota|0,66 ?
RG 142|50|95|4,95|15|28|2|ignota|0,66
RG 164|75|67|22,1|2,8|6,4|10|ignota|0,66 ?
RG 174|50|100|2,8|29,2|57,4|1,5|110|0,66
RG 177|50|100|22,7|3,1|7,9|11|3600|0,66
RG 178|50|95|1,85|60|90|1,5|ignota|0,66
RG 179|75|64|2,55|25|60|1,5|ignota|0,7
RG 187|75|65|2,7|24|55|1,5|ignota|0,7
RG 188|50|95|2,7|33|56|1,5|ignota|0,66
RG 196|50|93|1,9|55|80|1,5|ignota|0,66
RG 212|50|100|8,45|8,9|19,4|3|550|0,66
RG 213|50|100|10,3|6,2|13,5|5|975|0,66
RG 214|50|100|10,8|7,6|16,4|5|780|0,66
RG 215|50|100|10,3|6,2|13,5|5|975|0,66
RG 216|75|67|10,8|7,6|15,8|5|690|0,66
RG 217|50|100|13,8|4,6|10,2|7|1600|0,66
RG 218|50|100|22,1|3,1|7,9|11|3600|0,66
RG 219|50|100|22,1|3,1|7,9|11|3600|0,66
RG 220|50|100|28,45|2,3|6,1|11|3600|0,66
RG 221|50|100|28,45|2,3|6,1|14|6800|0,66
RG 222|50|100|8,45|42,7|85,3|2,7|115|0,66
RG 223|50|100|5,5|15,8|32,8|1,9|480|0,66
RG 224|50|100|13,85|4,6|10,2|7|ignota|0,66 ?
RG 302|75|ignota|5,3|10,8|22,6|ignota|ignota|0,69
RG 303|50|ignota|4,3|12,8|26,3|ignota|ignota|0,69
RG 316|50|95|2,6|26,4|54,8|1,5|ignota|0,66
H 155|50|82|5,8|9,3|16,4|3|210|0,81
H 500|50|82|9,8|4,1|9,5|3|640|0,81
H 1000|50|80|10,3|3,9|7,1|3|680|0,83
H 1500|50|80|15|2,5|6|4|1200|0,83
)";

struct Sheet {
  std::vector<std::string> names;
  std::vector<std::vector<std::string>> cells;
};

Sheet readSheet() {
  Sheet s;
  std::istringstream in(kSheet);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    std::vector<std::string> cols;
    std::istringstream l(line);
    for (std::string c; std::getline(l, c, '|');) cols.push_back(c);
    s.names.push_back(cols.at(0));
    s.cells.emplace_back(cols.begin() + 1, cols.end());
  }
  return s;
}

TEST(LinesCables, EveryCableWithEveryColumn) {
  const Sheet s = readSheet();
  ASSERT_EQ(s.names.size(), 78u);
  play(Row("frmcaviRG", {}).entries("Combo1", s.names).text("Combo1", "CAVI RG").focus("Combo1"));
  for (std::size_t i = 0; i < s.names.size(); ++i) {
    SCOPED_TRACE(s.names[i]);
    ASSERT_EQ(s.cells[i].size(), 8u);
    Row r("frmcaviRG", {"pick:Combo1=" + s.names[i]});
    for (std::size_t c = 0; c < 8; ++c) r.text("lbl" + std::to_string(c + 1), s.cells[i][c]);
    play(r);
  }
}

const Row kCables[] = {
    Row("frmcaviRG", {"pick:Combo1=RG 58"})
        .text("lbl1", "53").text("lbl2", "91").text("lbl3", "5,0").text("lbl4", "15,1")
        .text("lbl5", "34,5").text("lbl6", "1,9").text("lbl7", "300").text("lbl8", "0,66"),
    Row("frmcaviRG", {"pick:Combo1=RG 86"}).text("lbl5", "ignota").text("lbl6", "ignota").text("lbl7", "ignota"),
    Row("frmcaviRG", {"pick:Combo1=RG 302"}).text("lbl2", "ignota"),
    Row("frmcaviRG", {"pick:Combo1=RG 62", "pick:Combo1=RG 6"})
        .why("the shorter name after the longer one")
        .text("lbl8", "0,66")
        .text("lbl7", "550"),
    Row("frmcaviRG", {"pick:Combo1:0"}).text("lbl1", "50").text("lbl8", "0,66").focus("Combo1"),
    Row("frmcaviRG", {"pick:Combo1:77"}).text("lbl7", "1200").text("lbl8", "0,83"),
    Row("frmcaviRG", {"pick:Combo1=RG 4"}).regional(Regional::english()).why("fixed texts, whatever the format")
        .text("lbl3", "5,7"),
    Row("frmcaviRG", {"click:cmdesci"}).effects({"close"}).open(false),
};

TEST(LinesCables, Rows) { play(kCables); }

}  // namespace
}  // namespace vm::test
