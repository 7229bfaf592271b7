// Tuned circuits and time constants, driven as a radio amateur would: values
// typed with the decimal point, results read in the Italian number format.
#include <gtest/gtest.h>

#include "support/rows.h"

namespace vm {
namespace {

using test::Row;

const std::string kMissing = "MANCANO DATI|MESSAGGIO DI ERRORE|warning";
const std::string kTooSmall = "RESISTENZA TROPPO PICCOLA|MESSAGGIO DI AVVISO|warning";
const std::string kInvalid = "DATI NON VALIDI|MESSAGGIO DI ERRORE|warning";

const Row kResonance[] = {
    // ---------------------------------------------------------- frmrisonanza
    Row("frmrisonanza", {"txtinduttanza=10", "txtcapacità=100", "click:cmdcalcola"})
        .why("10 uH with 100 pF resonates near 5 MHz")
        .text("lbloutputfrequenza", "Frequenza in Khz  :  5.032,922")
        .text("lbloutputmetri", "Lunghezza d'onda in mt. : 59,609")
        .text("lbloutputreattanza", "Reattanza XL=XC = 316,23 Ohm ")
        .hidden({"lblfantasma"})
        .focus("cmdcalcola"),
    Row("frmrisonanza", {"txtinduttanza=2.2", "txtcapacità=220", "click:cmdcalcola"})
        .why("a 40 m tank; the single-precision reactance rounds to 100")
        .text("lbloutputfrequenza", "Frequenza in Khz  :  7.234,317")
        .text("lbloutputmetri", "Lunghezza d'onda in mt. : 41,470")
        .text("lbloutputreattanza", "Reattanza XL=XC = 100,00 Ohm "),
    Row("frmrisonanza", {"txtinduttanza=25", "txtcapacità=470", "click:cmdcalcola"})
        .why("a 160 m tank")
        .text("lbloutputfrequenza", "Frequenza in Khz  :  1.468,254")
        .text("lbloutputmetri", "Lunghezza d'onda in mt. : 204,329")
        .text("lbloutputreattanza", "Reattanza XL=XC = 230,63 Ohm "),
    Row("frmrisonanza", {})
        .why("the note on the results shows until the first computation")
        .shown({"lblfantasma"})
        .focus("txtinduttanza"),
    Row("frmrisonanza", {"txtcapacità=100", "click:cmdcalcola"})
        .why("no inductance: missing data, focus on the inductance")
        .message(kMissing)
        .shown({"lblfantasma"})
        .text("lbloutputfrequenza", "")
        .focus("txtinduttanza"),
    Row("frmrisonanza", {"txtinduttanza=-10", "txtcapacità=100", "click:cmdcalcola"})
        .why("a negative product does nothing at all")
        .text("lbloutputfrequenza", "")
        .shown({"lblfantasma"}),
    Row("frmrisonanza", {"txtinduttanza=10", "txtcapacità=100", "click:cmdcalcola", "txtcapacità=10"})
        .why("typing empties the three results; the note stays hidden")
        .text("lbloutputfrequenza", "")
        .text("lbloutputmetri", "")
        .text("lbloutputreattanza", "")
        .hidden({"lblfantasma"}),
    Row("frmrisonanza", {"click:cmdchiamabobine"})
        .why("the coil window opens beside this one")
        .effects({"move 180 180", "open frmbobine modeless 4100 2800"}),

    // ------------------------------------------------------- frmimprisonanza
    Row("frmimprisonanza", {"txtC=100", "txtl=10", "txtr=0.05", "click:cmdcalcola"})
        .why("the smallest resistance accepted")
        .text("lblfrequenza", "FREQUENZA DI RISONANZA : 5,033 MHz")
        .text("lblzserie", "IMPEDENZA SERIE : 0,05 Ohm")
        .text("lblzparallelo", "IMPEDENZA PARALLELO : 2000000 Ohm")
        .text("lblqserie", "IL Q DEL CIRCUITO SERIE E' =  6.321,4")
        .text("lbllbserie", "LARGHEZZA DI BANDA SERIE = 0,796 KHz"),
    Row("frmimprisonanza", {"txtC=220", "txtl=2.2", "txtr=1.5", "click:cmdcalcola"})
        .why("40 m tank with 1.5 ohm of loss: the parallel impedance rounded to tenths")
        .text("lblfrequenza", "FREQUENZA DI RISONANZA : 7,234 MHz")
        .text("lblzparallelo", "IMPEDENZA PARALLELO : 6666,7 Ohm")
        .text("lblqserie", "IL Q DEL CIRCUITO SERIE E' =  66,6")
        .text("lbllbserie", "LARGHEZZA DI BANDA SERIE = 108,57 KHz"),
    Row("frmimprisonanza", {"txtC=100", "txtl=10", "txtr=0.04", "click:cmdcalcola"})
        .why("below 0.05 ohm the resistance is refused")
        .message(kTooSmall)
        .text("lblfrequenza", "")
        .focus("txtr"),
    Row("frmimprisonanza", {"txtl=10", "txtr=1", "click:cmdcalcola"})
        .why("no capacitance: missing data, focus on the capacitance")
        .message(kMissing)
        .focus("txtC"),
    Row("frmimprisonanza", {"txtC=100", "txtl=10", "txtr=-1", "click:cmdcalcola"})
        .why("a negative product does nothing")
        .text("lblfrequenza", ""),
    Row("frmimprisonanza", {"txtC=100", "txtl=10", "txtr=0.05", "click:cmdcalcola", "txtr=1"})
        .why("typing clears nothing")
        .text("lblzserie", "IMPEDENZA SERIE : 0,05 Ohm"),

    // ----------------------------------------------------------- frmfattoreQ
    Row("frmfattoreQ", {"txtC=100", "txtl=10", "click:cmdcalcola"})
        .why("the window's own example with its 0.2 ohm")
        .text("lblfrequenza", "FREQUENZA DI RISONANZA : 5,033 MHz")
        .text("lblzserie", "IMPEDENZA SERIE : 0,20 Ohm")
        .text("lblzparallelo", "IMPEDENZA PARALLELO : 500000 Ohm")
        .text("lblqserie", "IL Q DEL CIRCUITO SERIE E' =  1.580,34")
        .text("lbllbserie", "LARGHEZZA DI BANDA SERIE = 3,18 KHz")
        .text("lblqparallelo", "IL Q DEL CIRCUITO PARALLELO E' =  0,00")
        .text("lbllbparallelo", "LARGHEZZA DI BANDA PARALLELO = 7.953.718,60 KHz")
        .shown({"Frame1"}),
    Row("frmfattoreQ", {"txtC=56", "txtl=1.2", "txtr=3000", "click:cmdcalcola"})
        .why("a 15 m tank loaded by 3 kohm: the parallel impedance rounded to hundredths")
        .text("lblfrequenza", "FREQUENZA DI RISONANZA : 19,415 MHz")
        .text("lblzserie", "IMPEDENZA SERIE : 3.000,00 Ohm")
        .text("lblzparallelo", "IMPEDENZA PARALLELO : 7,14 Ohm")
        .text("lblqparallelo", "IL Q DEL CIRCUITO PARALLELO E' =  20,50")
        .text("lbllbparallelo", "LARGHEZZA DI BANDA PARALLELO = 946,87 KHz"),
    Row("frmfattoreQ", {}).why("the results wait hidden, the loss resistance filled in").hidden({"Frame1"}).text("txtr", "0.2"),
    Row("frmfattoreQ", {"txtC=100", "txtl=10", "click:cmdcalcola", "txtl=12"})
        .why("typing hides the results")
        .hidden({"Frame1"}),
    Row("frmfattoreQ", {"txtC=100", "txtl=10", "txtr=0.049", "click:cmdcalcola"})
        .message(kTooSmall)
        .hidden({"Frame1"})
        .focus("txtr"),
    Row("frmfattoreQ", {"txtC=100", "txtr=", "click:cmdcalcola"}).message(kMissing).focus("txtC"),

    // -------------------------------------------------------- frmtuningrange
    Row("frmtuningrange", {"txtfmin=3.5", "txtfmax=4", "txtl=10", "click:cmdcalcola"})
        .why("the window's own example: 80 m with 10 uH")
        .text("lblout", "LA CAPACITA' MINIMA E' pF 158,1      LA CAPACITA' MASSIMA E' pF 206,5")
        .text("lbltr", " il TUNING RANGE è 1,3"),
    Row("frmtuningrange", {"txtfmin=1.8", "txtfmax=2", "txtl=20", "click:cmdcalcola"})
        .why("160 m band")
        .text("lblout", "LA CAPACITA' MINIMA E' pF 316,3      LA CAPACITA' MASSIMA E' pF 390,4")
        .text("lbltr", " il TUNING RANGE è 1,2"),
    Row("frmtuningrange", {"txtfmin=0.5", "txtfmax=1.6", "txtl=200", "click:cmdcalcola"})
        .why("the medium-wave broadcast band: the ratio of the rounded capacitances")
        .text("lblout", "LA CAPACITA' MINIMA E' pF 49,4      LA CAPACITA' MASSIMA E' pF 506,0")
        .text("lbltr", " il TUNING RANGE è 10,2"),
    Row("frmtuningrange", {"txtfmin=3.5", "txtfmax=4", "txtl=10", "click:cmdcalcola", "txtl=1"})
        .why("typing empties both results")
        .text("lblout", "")
        .text("lbltr", ""),
    Row("frmtuningrange", {"txtfmax=4", "txtl=10", "click:cmdcalcola"}).message(kMissing).focus("txtfmin"),
    Row("frmtuningrange", {"txtfmin=3.5", "txtfmax=-4", "txtl=10", "click:cmdcalcola"}).text("lblout", ""),
    Row("frmtuningrange", {"txtfmin=1", "txtfmax=1000", "txtl=1000", "click:cmdcalcola"})
        .why("a minimum capacitance that rounds to 0 has no ratio")
        .message(kInvalid)
        .text("lblout", "")
        .focus("cmdcalcola"),

    // ---------------------------------------------------------- frmdimcirclc
    Row("frmdimcirclc", {"txtfrequenza=7"})
        .why("the window's own example: 9.05 uH rounds to 9,0 and shows as 9")
        .text("lblcapacita", "LA CAPACITA' OTTIMALE E'  CIRCA pF 57,1")
        .text("lblinduttanza", "L'INDUTTANZA IN QUESTO CASO E' µH 9")
        .focus("txtfrequenza"),
    Row("frmdimcirclc", {"txtfrequenza=1", "txtfrequenza=1.", "txtfrequenza=1.8"})
        .why("live, character by character: 160 m")
        .text("lblcapacita", "LA CAPACITA' OTTIMALE E'  CIRCA pF 222,2")
        .text("lblinduttanza", "L'INDUTTANZA IN QUESTO CASO E' µH 35,2"),
    Row("frmdimcirclc", {"txtfrequenza=1", "txtfrequenza=14", "txtfrequenza=14.", "txtfrequenza=14.2"})
        .why("20 m")
        .text("lblcapacita", "LA CAPACITA' OTTIMALE E'  CIRCA pF 28,2")
        .text("lblinduttanza", "L'INDUTTANZA IN QUESTO CASO E' µH 4,5"),
    Row("frmdimcirclc", {"txtfrequenza=144"})
        .why("2 m")
        .text("lblcapacita", "LA CAPACITA' OTTIMALE E'  CIRCA pF 2,8")
        .text("lblinduttanza", "L'INDUTTANZA IN QUESTO CASO E' µH 0,4"),
    Row("frmdimcirclc", {"txtfrequenza=0.5"})
        .why("below 1 MHz the capacitance is grouped")
        .text("lblcapacita", "LA CAPACITA' OTTIMALE E'  CIRCA pF 800,0")
        .text("lblinduttanza", "L'INDUTTANZA IN QUESTO CASO E' µH 126,7"),
    Row("frmdimcirclc", {"txtfrequenza=7", "txtfrequenza="})
        .why("emptying the field empties both results")
        .text("lblcapacita", "")
        .text("lblinduttanza", ""),
    Row("frmdimcirclc", {"txtfrequenza=7", "txtfrequenza=-7"})
        .why("a negative frequency, like 0, empties both results without a message")
        .text("lblcapacita", "")
        .text("lblinduttanza", "")
        .focus("txtfrequenza"),
    Row("frmdimcirclc", test::keys("txtfrequenza", "-7.1"))
        .why("typed key by key from the sign: nothing is ever shown, nothing pops up")
        .text("lblcapacita", "")
        .text("lblinduttanza", ""),
    Row("frmdimcirclc", {"txtfrequenza=-7", "txtfrequenza=7"})
        .why("the frequency made positive again is computed")
        .text("lblcapacita", "LA CAPACITA' OTTIMALE E'  CIRCA pF 57,1")
        .text("lblinduttanza", "L'INDUTTANZA IN QUESTO CASO E' µH 9"),
    Row("frmdimcirclc", {"txtfrequenza=-"})
        .why("a lone sign reads as 0")
        .text("lblcapacita", ""),
};

TEST(CircuitsTunedCircuits, Rows) { test::play(kResonance); }

const Row kTimeConstants[] = {
    // ---------------------------------------------------- frmcostantetemporc
    Row("frmcostantetemporc", {})
        .why("opens on the first option, its captions set")
        .selected("Option1", 0)
        .focus("Option1(0)")
        .text("lblinput(0)", "RESISTENZA :")
        .text("lblinput(1)", "CAPACITA' :")
        .text("lblinput(2)", "TEMPO :")
        .text("lblinput(3)", "?")
        .text("lblumisura(0)", " megaOhm")
        .text("lblumisura(1)", " microFarad")
        .text("lblumisura(2)", " secondi")
        .text("lblr", "R")
        .text("lblc", "C"),
    Row("frmcostantetemporc", {"txtinput1=1", "txtinput2=10", "click:cmdcalcola"})
        .why("1 megaohm and 10 microfarad: 10 seconds")
        .text("lblinput(3)", "10,0000")
        .text("lblr", "1")
        .text("lblc", "10"),
    Row("frmcostantetemporc", {"click:Option1:1", "txtinput1=2", "txtinput2=0.5", "click:cmdcalcola"})
        .why("the capacitance from the time and the resistance")
        .text("lblinput(0)", "TEMPO :")
        .text("lblinput(2)", "CAPACITA' :")
        .text("lblumisura(2)", " microFarad")
        .text("lblinput(3)", "4,0000")
        .text("lblr", "0,5")
        .text("lblc", "4,0000"),
    Row("frmcostantetemporc", {"click:Option1:2", "txtinput1=0.47", "txtinput2=4.7", "click:cmdcalcola"})
        .why("the resistance from the time and the capacitance")
        .text("lblinput(1)", "CAPACITA' :")
        .text("lblinput(2)", "RESISTENZA :")
        .text("lblumisura(0)", " secondi")
        .text("lblumisura(2)", " megaOhm")
        .text("lblinput(3)", "0,1000")
        .text("lblr", "0,1000")
        .text("lblc", "4,7"),
    Row("frmcostantetemporc", {"txtinput1=1", "txtinput2=10", "click:cmdcalcola", "click:Option1:1"})
        .why("another option clears the result and the drawing, the inputs stay")
        .text("lblinput(3)", "?")
        .text("lblr", "R")
        .text("lblc", "C")
        .text("txtinput1", "1")
        .text("txtinput2", "10"),
    Row("frmcostantetemporc", {"txtinput1=1", "click:cmdcalcola"})
        .message(kMissing)
        .text("lblinput(3)", "?")
        .focus("txtinput1"),
    Row("frmcostantetemporc", {"txtinput1=1", "txtinput2=-10", "click:cmdcalcola"})
        .why("a negative product does nothing")
        .text("lblinput(3)", "?"),

    // ---------------------------------------------------- frmcostantetemporl
    Row("frmcostantetemporl", {"txtinput1=100", "txtinput2=50", "click:cmdcalcola"})
        .why("100 ohm and 50 uH: half a microsecond")
        .text("lblinput(1)", "INDUTTANZA :")
        .text("lblumisura(2)", " microsec")
        .text("lblinput(3)", "0,5000")
        .text("lblr", "100")
        .text("lbll", "50"),
    Row("frmcostantetemporl", {"click:Option1:1", "txtinput1=2", "txtinput2=50", "click:cmdcalcola"})
        .why("the inductance shows six decimals, repeated on the drawing")
        .text("lblinput(2)", "INDUTTANZA :")
        .text("lblumisura(0)", " microsec")
        .text("lblumisura(1)", " Ohm")
        .text("lblinput(3)", "100,000000")
        .text("lbll", "100,000000")
        .text("lblr", "50"),
    Row("frmcostantetemporl", {"click:Option1:2", "txtinput1=0.5", "txtinput2=50", "click:cmdcalcola"})
        .why("the resistance from the time and the inductance")
        .text("lblinput(1)", "INDUTTANZA :")
        .text("lblumisura(1)", " microHenry")
        .text("lblinput(3)", "100,0000")
        .text("lblr", "100,0000")
        .text("lbll", "50"),
    Row("frmcostantetemporl", {"txtinput1=100", "txtinput2=50", "click:cmdcalcola", "click:Option1:2"})
        .text("lblinput(3)", "?")
        .text("lblr", "R")
        .text("lbll", "L"),
    Row("frmcostantetemporl", {"click:cmdcalcola"}).message(kMissing).focus("txtinput1"),

    // ---------------------------------------------------- frmesempiocostempo
    Row("frmesempiocostempo",
        {"txtcapacita=1", "txtohm=1000", "txtsecondi=1000", "txttensalim=10", "click:cmdcalcola"})
        .why("one time constant with the base 2.71: 6.3100 V, not 6.3212")
        .text("lbloutput", "LA TENSIONE AI CAPI DEL CONDENSATORE E'  6,3100  VOLT")
        .text("lblr", "1000")
        .text("lblc", "1")
        .text("lblalim", "10"),
    Row("frmesempiocostempo",
        {"txtcapacita=1", "txtohm=1000", "txtsecondi=2000", "txttensalim=12", "click:cmdcalcola"})
        .text("lbloutput", "LA TENSIONE AI CAPI DEL CONDENSATORE E'  10,3660  VOLT"),
    Row("frmesempiocostempo",
        {"txtcapacita=1", "txtohm=1000", "txtsecondi=-1000", "txttensalim=10", "click:cmdcalcola"})
        .why("a negative time does nothing")
        .text("lbloutput", "")
        .text("lblr", "R")
        .text("lblalim", "tens. alim."),
    Row("frmesempiocostempo", {"txtohm=1000", "txtsecondi=1000", "txttensalim=10", "click:cmdcalcola"})
        .message(kMissing)
        .focus("txtcapacita"),
};

TEST(CircuitsTimeConstants, Rows) { test::play(kTimeConstants); }

}  // namespace
}  // namespace vm
