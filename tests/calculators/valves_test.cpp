// The valve windows: output transformer, anode impedance, pi output network
// and filter choke, driven as a radio amateur would, results read in the
// Italian number format.
#include <gtest/gtest.h>

#include "support/rows.h"

namespace vm::test {
namespace {

const char* const kMissing = "MANCANO DATI|MESSAGGIO DI ERRORE";

const Row kTransformer[] = {
    Row("frmtrasfuscita", {})
        .why("opens with 8 ohm chosen, nothing to compute yet")
        .selected("Option1", 0)
        .focus("Option1(0)")
        .text("cmbvalvole", "VALVOLE")
        .chosen("cmbvalvole", -1)
        .hidden({"cmdcalcola", "Frame2"}),
    Row("frmtrasfuscita", {"pick:cmbvalvole= EL 84", "click:cmdcalcola"})
        .why("EL 84 into 8 ohm")
        .text("lblvalvola", " EL 84")
        .text("lblnucleo", "IL NUCLEO MISURA 5 cm. QUADRATI")
        .text("lblspireprim", "IL PRIMARIO E' FORMATO DA 2921 SPIRE CON DIAMETRO 0,13 mm")
        .text("lblspiresec", "IL SECONDARIO E' FORMATO DA 114 SPIRE CON DIAMETRO 0,62 mm")
        .text("lblpri", "2921 SPIRE")
        .text("lblsec", "114 SPIRE")
        .shown({"Frame2"})
        .focus("cmdcalcola"),
    Row("frmtrasfuscita", {"click:Option1:1", "pick:cmbvalvole:9", "click:cmdcalcola"})
        .why("EL 84 into 4 ohm")
        .text("lblspiresec", "IL SECONDARIO E' FORMATO DA 81 SPIRE CON DIAMETRO 0,74 mm")
        .text("lblsec", "81 SPIRE"),
    Row("frmtrasfuscita", {"pick:cmbvalvole= ECL 80", "click:cmdcalcola"})
        .why("a section of 2.5 cm2 goes to the even 2")
        .text("lblnucleo", "IL NUCLEO MISURA 2 cm. QUADRATI")
        .text("lblspireprim", "IL PRIMARIO E' FORMATO DA 3779 SPIRE CON DIAMETRO 0,07 mm")
        .text("lblspiresec", "IL SECONDARIO E' FORMATO DA 101 SPIRE CON DIAMETRO 0,42 mm"),
    Row("frmtrasfuscita", {"click:Option1:1", "pick:cmbvalvole= EL 34", "click:cmdcalcola"})
        .text("lblnucleo", "IL NUCLEO MISURA 7 cm. QUADRATI")
        .text("lblspireprim", "IL PRIMARIO E' FORMATO DA 2100 SPIRE CON DIAMETRO 0,20 mm")
        .text("lblspiresec", "IL SECONDARIO E' FORMATO DA 84 SPIRE CON DIAMETRO 0,92 mm"),
    Row("frmtrasfuscita", {"pick:cmbvalvole= 1A5", "click:cmdcalcola"})
        .text("lblnucleo", "IL NUCLEO MISURA 1 cm. QUADRATI")
        .text("lblspireprim", "IL PRIMARIO E' FORMATO DA 4099 SPIRE CON DIAMETRO 0,03 mm")
        .text("lblspiresec", "IL SECONDARIO E' FORMATO DA 73 SPIRE CON DIAMETRO 0,24 mm"),
    Row("frmtrasfuscita", {"pick:cmbvalvole= EL 84", "click:cmdcalcola", "pick:cmbvalvole= 6V6"})
        .why("another valve hides the results until CALCOLA")
        .hidden({"Frame2"})
        .shown({"cmdcalcola"})
        .text("lblpri", "")
        .text("lblsec", "")
        .text("lblvalvola", " 6V6"),
    Row("frmtrasfuscita", {"pick:cmbvalvole= EL 84", "click:cmdcalcola", "click:Option1:1"})
        .why("another loudspeaker hides the results until CALCOLA")
        .hidden({"Frame2"})
        .text("lblpri", "")
        .text("lblsec", ""),
    Row("frmtrasfuscita", {"!click:cmdcalcola"}).why("no valve, no computation"),
    Row("frmtrasfuscita", {"click:cmdchiamatabella"})
        .effects({"move 180 300", "open frmuniel modeless 6100 6000"}),
};

TEST(Valves, OutputTransformer) {
  for (const auto& r : kTransformer) play(r);
}

const Row kAnode[] = {
    Row("frmimpanodica", {}).selected("Option1", 0).focus("Option1(0)"),
    Row("frmimpanodica", {"txtvolt=250", "txtamp=48", "click:cmdcalcola"})
        .why("class A")
        .text("lblza", "L'IMPEDENZA ANODICA DELLA VALVOLA E' 4006 OHM")
        .focus("cmdcalcola"),
    Row("frmimpanodica", {"txtvolt=250", "txtamp=48", "click:Option1:1", "click:cmdcalcola"})
        .text("lblza", "L'IMPEDENZA ANODICA DELLA VALVOLA E' 3317 OHM"),
    Row("frmimpanodica", {"txtvolt=250", "txtamp=48", "click:Option1:2", "click:cmdcalcola"})
        .text("lblza", "L'IMPEDENZA ANODICA DELLA VALVOLA E' 2604 OHM"),
    Row("frmimpanodica", {"txtvolt=1000", "txtamp=200", "click:Option1:2", "click:cmdcalcola"})
        .text("lblza", "L'IMPEDENZA ANODICA DELLA VALVOLA E' 2500 OHM"),
    Row("frmimpanodica", {"txtvolt=250", "txtamp=48", "click:cmdcalcola", "click:Option1:2"})
        .why("another class blanks the result")
        .text("lblza", ""),
    Row("frmimpanodica", {"txtvolt=250", "txtamp=48", "click:cmdcalcola", "txtamp=4"})
        .why("typing blanks the result")
        .text("lblza", ""),
    Row("frmimpanodica", {"txtvolt=250", "click:cmdcalcola"}).message(kMissing).focus("txtvolt"),
    Row("frmimpanodica", {"txtvolt=-250", "txtamp=48", "click:cmdcalcola"}).message(kMissing).focus("txtvolt"),
    Row("frmimpanodica", {"click:cmdchiamapigreco"})
        .effects({"move 180 180", "open frmadattimppassabasso modeless"}),
};

TEST(Valves, AnodeImpedance) {
  for (const auto& r : kAnode) play(r);
}

const Row kPi[] = {
    Row("frmadattimppassabasso", {"txtinput=3000", "txtfrequenza=7", "click:cmdcalcola"})
        .why("3000 ohm into 50 ohm at 7 MHz, Q 12.3")
        .shown({"Frame1"})
        .text("lblprimoc", "IL PRIMO CONDENSATORE E' pF 93,13")
        .text("lblsecondoc", "IL SECONDO CONDENSATORE E' pF 563,42")
        .text("lblbobina", "L'INDUTTANZA E' 6,1  µHENRY")
        .text("lbll", "6,1µH")
        .text("lblc1", "93,13 pF")
        .text("lblc2", "563,42 pF")
        .text("lblzin", "3000 OHM")
        .text("lblzout", "50 OHM")
        .focus("cmdcalcola"),
    Row("frmadattimppassabasso", {"txtinput=1500", "txtq=12.5", "txtfrequenza=144", "click:cmdcalcola"})
        .why("an inductance that rounds below 1 uH is shown in nanohenry")
        .text("lblbobina", "L'INDUTTANZA E' 200 nanoHENRY")
        .text("lbll", "200 nanoH")
        .text("lblc1", "9,20 pF")
        .text("lblc2", "45,48 pF")
        .clean(),
    Row("frmadattimppassabasso", {"txtinput=2000", "txtq=12", "txtfrequenza=33.2", "click:cmdcalcola"})
        .why("0.9006 uH rounds to 0.9: 900 nanohenry")
        .text("lblbobina", "L'INDUTTANZA E' 900 nanoHENRY")
        .text("lbll", "900 nanoH")
        .text("lblc1", "28,73 pF")
        .text("lblc2", "155,19 pF"),
    Row("frmadattimppassabasso", {"txtinput=2000", "txtq=12", "txtfrequenza=28.5", "click:cmdcalcola"})
        .why("1.049 uH rounds to 1.0: still microhenry")
        .text("lblbobina", "L'INDUTTANZA E' 1,0  µHENRY")
        .text("lbll", "1,0µH")
        .text("lblsecondoc", "IL SECONDO CONDENSATORE E' pF 180,78"),
    Row("frmadattimppassabasso", {"txtinput=3000", "txtq=14", "txtfrequenza=3.6", "click:cmdcalcola"})
        .why("80 m with Q 14: grouping in the second capacitor")
        .text("lblprimoc", "IL PRIMO CONDENSATORE E' pF 206,11")
        .text("lblsecondoc", "IL SECONDO CONDENSATORE E' pF 1334,78")
        .text("lblc1", "206,11 pF")
        .text("lblbobina", "L'INDUTTANZA E' 10,4  µHENRY"),
    Row("frmadattimppassabasso", {"txtinput=2500", "txtq=7", "txtfrequenza=7", "click:cmdcalcola"})
        .why("Q 7 is exactly the least Q of 2500 ohm into 50: nothing happens")
        .unchanged()
        .hidden({"Frame1"})
        .text("lblc2", "C2")
        .focus("cmdcalcola"),
    Row("frmadattimppassabasso", {"txtinput=3000", "txtfrequenza=7", "click:cmdcalcola", "txtinput=2500", "txtq=7",
                                  "click:cmdcalcola"})
        .why("at the least Q the results shown before stay")
        .unchanged()
        .shown({"Frame1"})
        .text("lblc1", "93,13 pF")
        .text("lblc2", "563,42 pF"),
    Row("frmadattimppassabasso", {"txtinput=2500", "txtq=7.01", "txtfrequenza=7", "click:cmdcalcola"})
        .why("just above the least Q the network is computed")
        .shown({"Frame1"})
        .text("lblprimoc", "IL PRIMO CONDENSATORE E' pF 63,69")
        .text("lblsecondoc", "IL SECONDO CONDENSATORE E' pF 24,05")
        .text("lblbobina", "L'INDUTTANZA E' 8,0  µHENRY")
        .clean(),
    Row("frmadattimppassabasso", {"txtinput=50", "txtfrequenza=7", "click:cmdcalcola"})
        .message("IMPEDENZA INPUT SEMPRE > IMPEDENZA OUT|MESSAGGIO DI ERRORE")
        .hidden({"Frame1"})
        .focus("txtinput"),
    Row("frmadattimppassabasso", {"txtinput=3000", "txtq=5", "txtfrequenza=7", "click:cmdcalcola"})
        .message("FATTORE DI MERITO Q TROPPO BASSO|MESSAGGIO DI ERRORE")
        .hidden({"Frame1"})
        .text("lblc1", "C1")
        .focus("txtq"),
    Row("frmadattimppassabasso", {"txtinput=3000", "txtfrequenza=7", "click:cmdcalcola", "txtinput=50",
                                  "click:cmdcalcola"})
        .why("after a message the results shown before stay")
        .message("IMPEDENZA INPUT SEMPRE > IMPEDENZA OUT|MESSAGGIO DI ERRORE")
        .shown({"Frame1"})
        .text("lblc1", "93,13 pF"),
    Row("frmadattimppassabasso", {"txtfrequenza=7", "click:cmdcalcola"}).message(kMissing).focus("txtinput"),
    Row("frmadattimppassabasso", {"txtinput=3000", "txtfrequenza=-7", "click:cmdcalcola"})
        .message(kMissing)
        .focus("txtinput"),
    Row("frmadattimppassabasso", {"click:cmdchiamabobine"}).effects({"move 180 180", "open frmbobine modeless"}),
    Row("frmadattimppassabasso", {"click:cmdchiamaimpanodica"})
        .effects({"move 180 180", "open frmimpanodica modeless"}),
    Row("frmadattimppassabasso", {"click:cmdchiudi"}).effects({"close"}).open(false),
};

TEST(Valves, PiNetwork) {
  for (const auto& r : kPi) play(r);
}

const Row kChoke[] = {
    Row("frmimpedenzefiltro", {"txthenry=10", "txtcorrente=100", "click:cmdcalcola"})
        .why("10 H at 100 mA with a 0.3 mm gap")
        .text("lbld", "DIAMETRO DEL FILO 0,22 mm")
        .text("lblsezione", "SEZIONE DEL NUCLEO 8,33 cmq")
        .text("lbln", "IL NUMERO DELLE SPIRE E'   2.400")
        .text("lblsa", "AREA OCCUPATA DALL'AVVOLGIMENTO 1,76 cmq")
        .focus("cmdcalcola"),
    Row("frmimpedenzefiltro", {"txthenry=5", "txtcorrente=250", "txttraferro=0.5", "click:cmdcalcola"})
        .why("halves go away from zero")
        .text("lbld", "DIAMETRO DEL FILO 0,35 mm")
        .text("lblsezione", "SEZIONE DEL NUCLEO 15,63 cmq")
        .text("lbln", "IL NUMERO DELLE SPIRE E'   1.600")
        .text("lblsa", "AREA OCCUPATA DALL'AVVOLGIMENTO 2,94 cmq"),
    Row("frmimpedenzefiltro", {"txthenry=20", "txtcorrente=60", "txttraferro=0.2", "click:cmdcalcola"})
        .why("the area comes from the diameter before rounding")
        .text("lbld", "DIAMETRO DEL FILO 0,17 mm")
        .text("lblsezione", "SEZIONE DEL NUCLEO 9,00 cmq")
        .text("lbln", "IL NUMERO DELLE SPIRE E'   2.667")
        .text("lblsa", "AREA OCCUPATA DALL'AVVOLGIMENTO 1,18 cmq"),
    Row("frmimpedenzefiltro", {"txthenry=8", "txtcorrente=150", "txttraferro=0.6", "click:cmdcalcola"})
        .why("0.6 mm is still allowed")
        .text("lbln", "IL NUMERO DELLE SPIRE E'   3.200")
        .text("lblsa", "AREA OCCUPATA DALL'AVVOLGIMENTO 3,53 cmq"),
    Row("frmimpedenzefiltro", {"txthenry=10", "txtcorrente=100", "txttraferro=0.61", "click:cmdcalcola"})
        .message("VALORE MAX 0.6 mm|MESSAGGIO DI ERRORE")
        .text("lbld", "")
        .focus("txttraferro"),
    Row("frmimpedenzefiltro", {"txtcorrente=100", "click:cmdcalcola"}).message(kMissing).focus("txthenry"),
    Row("frmimpedenzefiltro", {"txthenry=10", "txtcorrente=100", "txttraferro=-0.3", "click:cmdcalcola"})
        .message(kMissing)
        .focus("txthenry"),
    Row("frmimpedenzefiltro", {"click:cmdchiamatabella"})
        .effects({"move 180 300", "open frmuniel modeless 6100 6000"}),
};

TEST(Valves, FilterChoke) {
  for (const auto& r : kChoke) play(r);
}

}  // namespace
}  // namespace vm::test
