// The impedance windows of R, L, C combinations, driven as a radio amateur
// would: values typed with the decimal point, results read in the Italian
// number format.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "framework/headless.h"
#include "support/rows.h"

namespace vm::test {
namespace {

using Steps = std::vector<std::string>;

const char* const kMissing = "MANCANO DATI|MESSAGGIO DI ERRORE";
const char* const kInvalid = "DATI NON VALIDI|MESSAGGIO DI ERRORE";
const Steps kCompute = {"click:cmdcalcola"};

// Every result line of each window.
const std::map<std::string, std::vector<std::string>> kResults = {
    {"frmLC", {"lblimpserie", "lblimpparallelo", "lblfases", "lblfasep", "lblreattanza", "lblrisonanza"}},
    {"frmLL", {"lblimpserie", "lblimpparallelo", "lblfase"}},
    {"frmRC", {"lblimpserie", "lblimpparallelo", "lblfases", "lblfasep"}},
    {"frmRL", {"lblimpserie", "lblimpparallelo", "lblfases", "lblfasep"}},
    {"frmRLC", {"lblimp", "lblfi", "lblreattanza", "lblq"}},
    {"frmRLCparallelo", {"lblimp", "lblfi", "lblreattanza"}},
    {"frmRLCserie", {"lblimp", "lblfi"}},
    {"frmRLR", {"lblimp", "lblfi", "lbll"}},
    {"frmCircuitiRLC",
     {"lblreattanzaInduttiva", "lblreattanzacapacitiva", "lblreattanzatotale", "lblImpedenzaserie",
      "lblimpedenzaparallelo", "lblsfasamento", "lblanticipo"}},
    {"frmimpcapparallelo",
     {"lblxl", "lblxc", "lblimpedenza", "lblanticipo", "lblrisonanza", "lbltensione", "lblcorrente", "lblvl",
      "lblvc"}},
    {"frmimpcapserie",
     {"lblxl", "lblxc", "lblimpedenza", "lblanticipo", "lblrisonanza", "lbltensione", "lblcorrente", "lblvl",
      "lblvc"}},
};

// A computation that succeeds, for each window.
const Steps kLc = {"txtf=7.1", "txtl=2.2", "txtC=220"};
const Steps kLl = {"txtl1=10", "txtl2=4.7", "txtf=3.6"};
const Steps kRc = {"txtr=50", "txtC=100", "txtf=14"};
const Steps kRl = {"txtr=50", "txtl=1", "txtf=7"};
const Steps kRlc = {"txtr=5", "txtl=2.2", "txtC=220", "txtf=7.1"};
const Steps kRlr = {"txtr1=2", "txtl=1", "txtr2=50", "txtf=14"};
const Steps kCrlc = {"txtf=14.2", "txtl=1.5", "txtC=82", "txtr=50"};
const Steps kCap100 = {"txtf=7.1", "txtl=2.2", "txtC=220", "txtw=100"};
const Steps kCap10 = {"txtf=7.1", "txtl=2.2", "txtC=220", "txtw=10"};

const char* const kParalleloRisonanza =
    "LA RISONANZA E' A MHz : 7,23432 -  PER VERIFICARE IL COMPORTAMENTO DEL CIRCUITO IN CONDIZIONI DI RISONANZA "
    "INTRODURRE QUESTO DATO NEL CAMPO FREQUENZA";
const char* const kSerieRisonanza =
    "LA RISONANZA E' A Mhz 7,23432  - INTRODURRE QUESTO DATO NEL CAMPO FREQUENZA PER VERIFICARE IL COMPORTAMENTO "
    "DEL CIRCUITO  IN CONDIZIONE DI RISONANZA";

// The results of kCrlc, kCap100 on frmimpcapparallelo and kCap10 on frmimpcapserie.
Row crlc142(Row r) {
  return r.text("lblreattanzaInduttiva", "REATTANZA INDUTTIVA = 133,83 OHM")
      .text("lblreattanzacapacitiva", "REATTANZA CAPACITIVA = 136,71 OHM")
      .text("lblreattanzatotale", "REATTANZA TOTALE = -2,9 OHM")
      .text("lblImpedenzaserie", "IMPEDENZA TOT. SERIE = 50,08 OHM")
      .text("lblimpedenzaparallelo", "IMPEDENZA TOT. PARALLELO = 2,88 OHM")
      .text("lblsfasamento", "LO SFASAMENTO E' DI : -3,3 gradi")
      .text("lblanticipo", "TENSIONE IN RITARDO SULLA CORRENTE");
}
Row parallelo100(Row r) {
  return r.text("lblanticipo", "LA CORRENTE E' IN ANTICIPO SULLA TENSIONE DI GRADI : 86,83")
      .text("lblrisonanza", kParalleloRisonanza)
      .text("lblimpedenza", "L'IMPEDENZA TOTALE E' DI 2.664, Ohm ")
      .text("lblxc", "REATTANZA CAP.VA : 101,89").text("lblxl", "REATTANZA IND.VA : 98,14")
      .text("lblvc", "5,066 A.").text("lblvl", "5,259 A.")
      .text("lbltensione", "CORRENTE SULLA BOBINA : 5,259 Amp, IN OPPOSIZIONE AI 5,066 Amp SUL CONDENSATORE")
      .text("lblcorrente", "LA TENSIONE E' 516,139 Volt,   LA CORRENTE REATTIVA E' DI 0,194 Ampere");
}
Row serie10(Row r) {
  return r.text("lblimpedenza", "L'IMPEDENZA TOTALE E' DI 3,75 Ohm ")
      .text("lblanticipo", "LA CORRENTE E' IN ANTICIPO SULLA TENSIONE DI GRADI : -86,95")
      .text("lblrisonanza", kSerieRisonanza)
      .text("lbltensione", "TENSIONE SULLA BOBINA : 160,3 Volt, IN OPPOSIZIONE AI 166,4 Volt SUL CONDENSATORE")
      .text("lblcorrente", "A 7,1 Mhz LA TENSIONE TOT. E' 6,124 Volt,    LA CORRENTE E'  1,633 Ampere")
      .text("lblxc", "REATTANZA CAP.VA.: 101,89").text("lblxl", "REATTANZA IND.VA.: 98,14")
      .text("lblvc", "166,4 V.").text("lblvl", "160,3 V.");
}

const Row kResultRows[] = {
    Row("frmLC", {"txtf=1", "txtl=1", "txtC=1", "click:cmdcalcola"})
        .why("a 1 MHz, 1 uH and 1 pF: far below resonance")
        .text("lblimpserie", "IMPEDENZA SERIE 159.148,7 Ohm").text("lblimpparallelo", "IMPEDENZA PARALLELO 6,3 Ohm")
        .text("lblfases", "ANGOLO DI FASE SERIE  -90  GRADI").text("lblfasep", "ANGOLO DI FASE PARALLELO 81,0  GRADI")
        .text("lblrisonanza", "LA RISONANZA E' A MHz: 159,155").text("lblreattanza", "Xc = 159.155,0   Xl = 6,3 Ohm"),
    Row("frmLC", kLc + kCompute).why("40 m tank below its resonance")
        .text("lblimpserie", "IMPEDENZA SERIE 3,7 Ohm").text("lblimpparallelo", "IMPEDENZA PARALLELO 2.667,8 Ohm")
        .text("lblfases", "ANGOLO DI FASE SERIE  -90  GRADI").text("lblfasep", "ANGOLO DI FASE PARALLELO 74,5  GRADI")
        .text("lblrisonanza", "LA RISONANZA E' A MHz: 7,234").text("lblreattanza", "Xc = 101,9   Xl = 98,1 Ohm"),
    Row("frmLC", {"txtf=14.2", "txtl=1.8", "txtC=82", "click:cmdcalcola"})
        .why("20 m above resonance: the series phase turns positive")
        .text("lblimpserie", "IMPEDENZA SERIE 23,9 Ohm").text("lblimpparallelo", "IMPEDENZA PARALLELO 917,9 Ohm")
        .text("lblfases", "ANGOLO DI FASE SERIE  90  GRADI").text("lblfasep", "ANGOLO DI FASE PARALLELO -88,0  GRADI")
        .text("lblrisonanza", "LA RISONANZA E' A MHz: 13,100").text("lblreattanza", "Xc = 136,7   Xl = 160,6 Ohm"),
    Row("frmLC", {"txtf=145", "txtl=0.1", "txtC=12", "click:cmdcalcola"}).why("2 m: 100 nH and 12 pF")
        .text("lblimpserie", "IMPEDENZA SERIE 0,4 Ohm").text("lblimpparallelo", "IMPEDENZA PARALLELO 23.008,1 Ohm")
        .text("lblfases", "ANGOLO DI FASE SERIE  -90  GRADI").text("lblfasep", "ANGOLO DI FASE PARALLELO 19,8  GRADI")
        .text("lblrisonanza", "LA RISONANZA E' A MHz: 145,288").text("lblreattanza", "Xc = 91,5   Xl = 91,1 Ohm"),
    Row("frmLC", {"txtf=0.1357", "txtl=1000", "txtC=10000", "click:cmdcalcola"}).why("long wave: 10 nF and 1 mH")
        .text("lblimpserie", "IMPEDENZA SERIE 735,3 Ohm").text("lblimpparallelo", "IMPEDENZA PARALLELO 136,0 Ohm")
        .text("lblfases", "ANGOLO DI FASE SERIE  90  GRADI").text("lblfasep", "ANGOLO DI FASE PARALLELO -90,0  GRADI")
        .text("lblrisonanza", "LA RISONANZA E' A MHz: 0,050").text("lblreattanza", "Xc = 117,3   Xl = 852,6 Ohm"),
    Row("frmLL", kLl + kCompute).why("two 80 m coils").text("lblimpserie", "IMPEDENZA SERIE 332,3 Ohm")
        .text("lblimpparallelo", "IMPEDENZA PARALLELO 72,3 Ohm").text("lblfase", "ANGOLO DI FASE 90° "),
    Row("frmLL", {"txtl1=100", "txtl2=220", "txtf=7", "click:cmdcalcola"})
        .why("the series value is grouped, the parallel one is not")
        .text("lblimpserie", "IMPEDENZA SERIE 14.067,2 Ohm").text("lblimpparallelo", "IMPEDENZA PARALLELO 3022,3 Ohm")
        .text("lblfase", "ANGOLO DI FASE 90° "),
    Row("frmLL", {"txtl1=0.1", "txtl2=0.047", "txtf=145", "click:cmdcalcola"}).why("nanohenry coils at 145 MHz")
        .text("lblimpserie", "IMPEDENZA SERIE 133,9 Ohm").text("lblimpparallelo", "IMPEDENZA PARALLELO 29,1 Ohm")
        .text("lblfase", "ANGOLO DI FASE 90° "),
    Row("frmRC", kRc + kCompute).why("50 ohm and 100 pF at 14 MHz: both angles negative")
        .text("lblimpserie", "IMPEDENZA SERIE 124,1 Ohm").text("lblimpparallelo", "IMPEDENZA PARALLELO 45,8 Ohm")
        .text("lblfases", "ANGOLO DI FASE SERIE  -66,2  GRADI")
        .text("lblfasep", "ANGOLO DI FASE PARALLELO -23,8  GRADI"),
    Row("frmRC", {"txtr=1000", "txtC=10000", "txtf=0.1", "click:cmdcalcola"}).why("10 nF at 100 kHz")
        .text("lblimpserie", "IMPEDENZA SERIE 1.012,6 Ohm").text("lblimpparallelo", "IMPEDENZA PARALLELO 157, Ohm")
        .text("lblfases", "ANGOLO DI FASE SERIE  -9  GRADI").text("lblfasep", "ANGOLO DI FASE PARALLELO -81  GRADI"),
    Row("frmRC", {"txtr=50", "txtC=1000000", "txtf=30", "click:cmdcalcola"})
        .why("1 uF at 30 MHz: the series angle rounds to 0 and shows no sign")
        .text("lblimpserie", "IMPEDENZA SERIE 50, Ohm").text("lblimpparallelo", "IMPEDENZA PARALLELO 0, Ohm")
        .text("lblfases", "ANGOLO DI FASE SERIE  0  GRADI").text("lblfasep", "ANGOLO DI FASE PARALLELO -90  GRADI"),
    Row("frmRL", kRl + kCompute).why("50 ohm and 1 uH at 7 MHz")
        .text("lblimpserie", "IMPEDENZA SERIE 66,6 Ohm").text("lblimpparallelo", "IMPEDENZA PARALLELO 33 Ohm")
        .text("lblfases", "ANGOLO DI FASE SERIE  41,3  GRADI").text("lblfasep", "ANGOLO DI FASE PARALLELO 48,7  GRADI"),
    Row("frmRL", {"txtr=75", "txtl=0.22", "txtf=145", "click:cmdcalcola"}).why("220 nH at 145 MHz")
        .text("lblimpserie", "IMPEDENZA SERIE 214, Ohm").text("lblimpparallelo", "IMPEDENZA PARALLELO 70,2 Ohm")
        .text("lblfases", "ANGOLO DI FASE SERIE  69,5  GRADI").text("lblfasep", "ANGOLO DI FASE PARALLELO 20,5  GRADI"),
    Row("frmRL", {"txtr=10", "txtl=1000", "txtf=1.8", "click:cmdcalcola"})
        .why("1 mH at 1.8 MHz: grouped series impedance, plain parallel")
        .text("lblimpserie", "IMPEDENZA SERIE 11.309,4 Ohm").text("lblimpparallelo", "IMPEDENZA PARALLELO 10 Ohm")
        .text("lblfases", "ANGOLO DI FASE SERIE  90,  GRADI").text("lblfasep", "ANGOLO DI FASE PARALLELO 0,1  GRADI"),
    Row("frmRLC", kRlc + kCompute).why("40 m tank below resonance: inductive, positive phase")
        .text("lblimp", "L' IMPEDENZA E'  1.602,3 Ohm").text("lblfi", "ANGOLO DI FASE   33,94  GRADI")
        .text("lblreattanza", "XC = 101,9 Ohm   -   XL = 98,1 Ohm").text("lblq", "IL Q DEL CIRCUITO E'  19,6"),
    Row("frmRLC", {"txtr=5", "txtl=2.2", "txtC=220", "txtf=7.4", "click:cmdcalcola"})
        .why("the same tank above resonance: negative phase")
        .text("lblimp", "L' IMPEDENZA E'  1.484, Ohm").text("lblfi", "ANGOLO DI FASE   -44,97  GRADI")
        .text("lblreattanza", "XC = 97,8 Ohm   -   XL = 102,3 Ohm").text("lblq", "IL Q DEL CIRCUITO E'  20,5"),
    Row("frmRLC", {"txtr=0.5", "txtl=0.1", "txtC=12", "txtf=145", "click:cmdcalcola"}).why("2 m tank")
        .text("lblimp", "L' IMPEDENZA E'  13.497,7 Ohm").text("lblfi", "ANGOLO DI FASE   35,6  GRADI")
        .text("lblreattanza", "XC = 91,5 Ohm   -   XL = 91,1 Ohm").text("lblq", "IL Q DEL CIRCUITO E'  182,2"),
    Row("frmRLCparallelo", {"txtr=1000", "txtl=2.2", "txtC=220", "txtf=7", "click:cmdcalcola"})
        .why("below resonance: negative phase").text("lblreattanza", "XL = 96 Ohm   -   XC = 103 Ohm")
        .text("lblimp", "L' IMPEDENZA E'  835,1 Ohm").text("lblfi", "L' ANGOLO DI FASE E'   -33,37  GRADI"),
    Row("frmRLCparallelo", {"txtr=1000", "txtl=2.2", "txtC=220", "txtf=7.5", "click:cmdcalcola"})
        .why("above resonance: positive phase").text("lblreattanza", "XL = 103 Ohm   -   XC = 96 Ohm")
        .text("lblimp", "L' IMPEDENZA E'  811, Ohm").text("lblfi", "L' ANGOLO DI FASE E'   35,81  GRADI"),
    Row("frmRLCparallelo", {"txtr=4700", "txtl=1000", "txtC=10000", "txtf=0.05", "click:cmdcalcola"})
        .why("10 nF and 1 mH at 50 kHz").text("lblreattanza", "XL = 314 Ohm   -   XC = 318 Ohm")
        .text("lblimp", "L' IMPEDENZA E'  4.613, Ohm").text("lblfi", "L' ANGOLO DI FASE E'   -11,04  GRADI"),
    Row("frmRLCserie", {"txtr=10", "txtl=10", "txtC=100", "txtf=5", "click:cmdcalcola"})
        .why("below resonance: capacitive, negative phase")
        .text("lblimp", "L' IMPEDENZA E'  10,8 Ohm").text("lblfi", "ANGOLO DI FASE   -22,54  GRADI"),
    Row("frmRLCserie", {"txtr=10", "txtl=10", "txtC=100", "txtf=5.1", "click:cmdcalcola"})
        .why("above resonance: positive phase")
        .text("lblimp", "L' IMPEDENZA E'  13, Ohm").text("lblfi", "ANGOLO DI FASE   39,94  GRADI"),
    Row("frmRLCserie", {"txtr=50", "txtl=0.1", "txtC=12", "txtf=145", "click:cmdcalcola"}).why("2 m series circuit")
        .text("lblimp", "L' IMPEDENZA E'  50, Ohm").text("lblfi", "ANGOLO DI FASE   -0,42  GRADI"),
    Row("frmRLR", kRlr + kCompute).why("a lossy 20 m coil across 50 ohm")
        .text("lblimp", "L' IMPEDENZA E'  43,1 Ohm").text("lblfi", "ANGOLO DI FASE   29,29  GRADI")
        .text("lbll", "XL = 88, Ohm"),
    Row("frmRLR", {"txtr1=0.5", "txtl=10", "txtr2=1000", "txtf=3.6", "click:cmdcalcola"})
        .why("80 m coil across 1 kohm").text("lblimp", "L' IMPEDENZA E'  220,5 Ohm")
        .text("lblfi", "ANGOLO DI FASE   77,13  GRADI").text("lbll", "XL = 226,2 Ohm"),
    Row("frmRLR", {"txtr1=10", "txtl=1000", "txtr2=50", "txtf=1.8", "click:cmdcalcola"})
        .why("1 mH at 1.8 MHz: grouped reactance").text("lblimp", "L' IMPEDENZA E'  50, Ohm")
        .text("lblfi", "ANGOLO DI FASE   0,25  GRADI").text("lbll", "XL = 11.309,7 Ohm"),
    crlc142(Row("frmCircuitiRLC", kCrlc + kCompute).why("20 m: single-precision frequency, capacitive")),
    Row("frmCircuitiRLC", {"txtf=3.8", "txtl=10", "txtC=220", "txtr=100", "click:cmdcalcola"})
        .why("80 m above resonance: the voltage leads")
        .text("lblreattanzaInduttiva", "REATTANZA INDUTTIVA = 238,76 OHM")
        .text("lblreattanzacapacitiva", "REATTANZA CAPACITIVA = 190,42 OHM")
        .text("lblreattanzatotale", "REATTANZA TOTALE = 48,3 OHM")
        .text("lblImpedenzaserie", "IMPEDENZA TOT. SERIE = 111,07 OHM")
        .text("lblimpedenzaparallelo", "IMPEDENZA TOT. PARALLELO = 43,52 OHM")
        .text("lblsfasamento", "LO SFASAMENTO E' DI : 25,8 gradi")
        .text("lblanticipo", "TENSIONE IN ANTICIPO SULLA CORRENTE"),
    Row("frmCircuitiRLC", {"txtf=1", "txtl=25.3359", "txtC=1000", "txtr=50", "click:cmdcalcola"})
        .why("rounded reactances equal: resonance, Zs = R and Zp = 0")
        .text("lblreattanzaInduttiva", "REATTANZA INDUTTIVA = 159,19 OHM")
        .text("lblreattanzacapacitiva", "REATTANZA CAPACITIVA = 159,19 OHM")
        .text("lblreattanzatotale", "REATTANZA TOTALE = 0, OHM")
        .text("lblImpedenzaserie", "IMPEDENZA TOT. SERIE = 50, OHM")
        .text("lblimpedenzaparallelo", "IMPEDENZA TOT. PARALLELO = 0 OHM")
        .text("lblsfasamento", "LO SFASAMENTO E' DI : 0 gradi").text("lblanticipo", "CONDIZIONE DI RISONANZA"),
    parallelo100(Row("frmimpcapparallelo", kCap100 + kCompute).why("40 m tank below resonance with 100 W")),
    Row("frmimpcapparallelo", {"txtf=7.3", "txtl=2.2", "txtC=220", "txtw=100", "click:cmdcalcola"})
        .why("the same tank above resonance")
        .text("lblanticipo", "LA CORRENTE E' IN RITARDO SULLA TENSIONE DI GRADI : -83,8")
        .text("lblrisonanza", kParalleloRisonanza).text("lblimpedenza", "L'IMPEDENZA TOTALE E' DI 5.498,29 Ohm ")
        .text("lblxc", "REATTANZA CAP.VA : 99,1").text("lblxl", "REATTANZA IND.VA : 100,91")
        .text("lblvc", "7,482 A.").text("lblvl", "7,348 A.")
        .text("lbltensione", "CORRENTE SULLA BOBINA : 7,348 Amp, IN OPPOSIZIONE AI 7,482 Amp SUL CONDENSATORE")
        .text("lblcorrente", "LA TENSIONE E' 741,505 Volt,   LA CORRENTE REATTIVA E' DI 0,135 Ampere"),
    Row("frmimpcapparallelo", kLc + kCompute).why("no power: the no-power text and zero currents on the drawing")
        .text("lblanticipo", "LA CORRENTE E' IN ANTICIPO SULLA TENSIONE DI GRADI : 86,83")
        .text("lblrisonanza", kParalleloRisonanza).text("lblimpedenza", "L'IMPEDENZA TOTALE E' DI 2.664, Ohm ")
        .text("lblxc", "REATTANZA CAP.VA : 101,89").text("lblxl", "REATTANZA IND.VA : 98,14")
        .text("lblvc", "0, A.").text("lblvl", "0 A.")
        .text("lbltensione", "NON E '  STATA APPLICATA NESSUNA POTENZA").text("lblcorrente", ""),
    Row("frmimpcapparallelo", {"txtf=145", "txtl=0.1", "txtC=12", "txtr=1", "txtw=5", "click:cmdcalcola"})
        .why("2 m tank with a 1 ohm loss and 5 W")
        .text("lblanticipo", "LA CORRENTE E' IN ANTICIPO SULLA TENSIONE DI GRADI : 19,28")
        .text("lblrisonanza", "LA RISONANZA E' A MHz : 145,28795 -  PER VERIFICARE IL COMPORTAMENTO DEL CIRCUITO "
                              "IN CONDIZIONI DI RISONANZA INTRODURRE QUESTO DATO NEL CAMPO FREQUENZA")
        .text("lblimpedenza", "L'IMPEDENZA TOTALE E' DI 7.835,71 Ohm ")
        .text("lblxc", "REATTANZA CAP.VA : 91,47").text("lblxl", "REATTANZA IND.VA : 91,11")
        .text("lblvc", "2,164 A.").text("lblvl", "2,173 A.")
        .text("lbltensione", "CORRENTE SULLA BOBINA : 2,173 Amp, IN OPPOSIZIONE AI 2,164 Amp SUL CONDENSATORE")
        .text("lblcorrente", "LA TENSIONE E' 197,936 Volt,   LA CORRENTE REATTIVA E' DI 0,025 Ampere"),
    serie10(Row("frmimpcapserie", kCap10 + kCompute).why("40 m series circuit below resonance with 10 W")),
    Row("frmimpcapserie", {"txtf=7.3", "txtl=2.2", "txtC=220", "txtw=10", "click:cmdcalcola"}).why("above resonance")
        .text("lblimpedenza", "L'IMPEDENZA TOTALE E' DI 1,82 Ohm ")
        .text("lblanticipo", "LA CORRENTE E' IN RITARDO SULLA TENSIONE DI GRADI : 83,69")
        .text("lblrisonanza", kSerieRisonanza)
        .text("lbltensione", "TENSIONE SULLA BOBINA : 236,5 Volt, IN OPPOSIZIONE AI 232,3 Volt SUL CONDENSATORE")
        .text("lblcorrente", "A 7,3 Mhz LA TENSIONE TOT. E' 4,266 Volt,    LA CORRENTE E'  2,344 Ampere")
        .text("lblxc", "REATTANZA CAP.VA.: 99,10").text("lblxl", "REATTANZA IND.VA.: 100,91")
        .text("lblvc", "232,3 V.").text("lblvl", "236,5 V."),
    Row("frmimpcapserie", kLc + kCompute).why("no power: zero voltages")
        .text("lblimpedenza", "L'IMPEDENZA TOTALE E' DI 3,75 Ohm ")
        .text("lblanticipo", "LA CORRENTE E' IN ANTICIPO SULLA TENSIONE DI GRADI : -86,95")
        .text("lblrisonanza", kSerieRisonanza)
        .text("lbltensione", "TENSIONE SULLA BOBINA : 0,0 Volt, IN OPPOSIZIONE AI 0 Volt SUL CONDENSATORE")
        .text("lblcorrente", "A 7,1 Mhz LA TENSIONE TOT. E' 0,000 Volt,    LA CORRENTE E'  0,000 Ampere")
        .text("lblxc", "REATTANZA CAP.VA.: 101,89").text("lblxl", "REATTANZA IND.VA.: 98,14")
        .text("lblvc", "0 V.").text("lblvl", "0,0 V."),
    Row("frmimpcapserie", {"txtf=7.23", "txtl=2.2", "txtC=220", "txtr=1", "txtw=5", "click:cmdcalcola"})
        .why("near resonance the capacitor voltage is many times the total")
        .text("lblimpedenza", "L'IMPEDENZA TOTALE E' DI 1,01 Ohm ")
        .text("lblanticipo", "LA CORRENTE E' IN ANTICIPO SULLA TENSIONE DI GRADI : -6,72")
        .text("lblrisonanza", kSerieRisonanza)
        .text("lbltensione", "TENSIONE SULLA BOBINA : 222,4 Volt, IN OPPOSIZIONE AI 222,6 Volt SUL CONDENSATORE")
        .text("lblcorrente", "A 7,23 Mhz LA TENSIONE TOT. E' 2,247 Volt,    LA CORRENTE E'  2,225 Ampere")
        .text("lblxc", "REATTANZA CAP.VA.: 100,06").text("lblxl", "REATTANZA IND.VA.: 99,94")
        .text("lblvc", "222,6 V.").text("lblvl", "222,4 V."),
};

// Missing data warns, moves the focus and leaves the window as it was.
Row missing(const char* form, const char* why, Steps steps, const char* focus,
            std::source_location w = std::source_location::current()) {
  return Row(form, steps + kCompute, w).why(why).message(kMissing).focus(focus).unchanged();
}

const Row kMessageRows[] = {
    missing("frmLC", "all empty", {}, "txtC"),
    missing("frmLL", "all empty", {}, "txtl1"),
    missing("frmRC", "all empty", {}, "txtr"),
    missing("frmRL", "all empty", {}, "txtr"),
    missing("frmRLC", "all empty", {}, "txtr"),
    missing("frmRLCparallelo", "all empty", {}, "txtr"),
    missing("frmRLCserie", "all empty", {}, "txtr"),
    missing("frmRLR", "all empty", {}, "txtr1"),
    missing("frmCircuitiRLC", "all empty", {}, "txtr"),
    missing("frmimpcapparallelo", "all empty but the default loss", {}, "txtf"),
    missing("frmimpcapserie", "all empty but the default loss", {}, "txtf"),
    missing("frmLC", "no frequency", {"txtl=2.2", "txtC=220"}, "txtC"),
    missing("frmLL", "the second coil missing", {"txtl1=10", "txtf=3.6"}, "txtl1"),
    missing("frmRC", "a comma ends the number: 0,1 MHz reads as 0", {"txtr=50", "txtC=100", "txtf=0,1"}, "txtr"),
    missing("frmRL", "a word reads as 0", {"txtr=50", "txtl=uno", "txtf=7"}, "txtr"),
    missing("frmRLR", "R1 = 0: a pure inductance across R2", {"txtr1=0", "txtl=1", "txtr2=50", "txtf=14"}, "txtr1"),
    missing("frmRLC", "R = 0", {"txtr=0", "txtl=2.2", "txtC=220", "txtf=7.1"}, "txtr"),
    missing("frmRLCparallelo", "R = 0", {"txtr=0", "txtl=2.2", "txtC=220", "txtf=7.1"}, "txtr"),
    missing("frmRLCserie", "R = 0", {"txtr=0", "txtl=2.2", "txtC=220", "txtf=7.1"}, "txtr"),
    missing("frmCircuitiRLC", "R = 0", {"txtf=7.1", "txtl=2.2", "txtC=220", "txtr=0"}, "txtr"),
    missing("frmCircuitiRLC", "a frequency too small for single precision",
            {"txtf=1e-50", "txtl=2.2", "txtC=220", "txtr=50"}, "txtr"),
    missing("frmimpcapparallelo", "the loss resistance cleared", kLc + Steps{"txtr=", "txtw=100"}, "txtf"),
    missing("frmimpcapserie", "the loss resistance cleared", kLc + Steps{"txtr=", "txtw=10"}, "txtf"),
    missing("frmRLC", "a negative product warns here alone", {"txtr=-5", "txtl=2.2", "txtC=220", "txtf=7.1"}, "txtr"),
    // these windows do not clear their results on typing: the warning must not either
    crlc142(missing("frmCircuitiRLC", "earlier results stay", kCrlc + kCompute + Steps{"txtC="}, "txtr")),
    parallelo100(missing("frmimpcapparallelo", "earlier results stay", kCap100 + kCompute + Steps{"txtC="}, "txtf")),
    serie10(missing("frmimpcapserie", "earlier results stay", kCap10 + kCompute + Steps{"txtC="}, "txtf")),
    // a negative product does nothing at all
    Row("frmLC", {"txtf=7.1", "txtl=-2.2", "txtC=220", "click:cmdcalcola"}).focus("cmdcalcola").unchanged(),
    Row("frmLL", {"txtl1=10", "txtl2=4.7", "txtf=-3.6", "click:cmdcalcola"}).focus("cmdcalcola").unchanged(),
    Row("frmRC", {"txtr=-50", "txtC=100", "txtf=14", "click:cmdcalcola"}).focus("cmdcalcola").unchanged(),
    Row("frmRL", {"txtr=50", "txtl=-1", "txtf=7", "click:cmdcalcola"}).focus("cmdcalcola").unchanged(),
    Row("frmRLCparallelo", {"txtr=-1000", "txtl=2.2", "txtC=220", "txtf=7", "click:cmdcalcola"})
        .focus("cmdcalcola").unchanged(),
    Row("frmRLCserie", {"txtr=10", "txtl=10", "txtC=-100", "txtf=5", "click:cmdcalcola"})
        .focus("cmdcalcola").unchanged(),
    Row("frmRLR", {"txtr1=2", "txtl=1", "txtr2=-50", "txtf=14", "click:cmdcalcola"}).focus("cmdcalcola").unchanged(),
    Row("frmCircuitiRLC", {"txtf=-14.2", "txtl=1.5", "txtC=82", "txtr=50", "click:cmdcalcola"})
        .focus("cmdcalcola").unchanged(),
    Row("frmimpcapparallelo", kLc + Steps{"txtr=-0.2", "click:cmdcalcola"}).focus("cmdcalcola").unchanged(),
    Row("frmimpcapserie", {"txtf=7.1", "txtl=-2.2", "txtC=220", "txtw=10", "click:cmdcalcola"})
        .focus("cmdcalcola").unchanged(),
    // what no formula can show is refused by the failure guard, and whatever was shown before stays
    Row("frmLC", {"txtf=1", "txtl=1", "txtC=1", "click:cmdcalcola", "txtl=25330.30158016033", "click:cmdcalcola"})
        .why("XL = XC exactly: the parallel impedance is infinite").message(kInvalid).unchanged().clean(),
    Row("frmLL", kLl + kCompute + Steps{"txtl2=-10", "txtf=-3.6", "click:cmdcalcola"})
        .why("L2 = -L1: the parallel inductance divides by zero").message(kInvalid).unchanged().clean(),
    Row("frmimpcapparallelo", kCap100 + kCompute + Steps{"txtw=-100", "click:cmdcalcola"})
        .why("a negative power has no real voltage").message(kInvalid).unchanged().clean(),
    Row("frmimpcapserie", kCap10 + kCompute + Steps{"txtw=-10", "click:cmdcalcola"})
        .why("a negative power has no real voltage").message(kInvalid).unchanged().clean(),
    Row("frmimpcapserie", kCap10 + kCompute + Steps{"txtf=-7.1", "txtl=-2.2", "txtC=220", "click:cmdcalcola"})
        .why("L and C both negative at a negative frequency: sqrt of a negative L*C")
        .message(kInvalid).unchanged().clean(),
};

TEST(Circuits, Results) { play(kResultRows); }
TEST(Circuits, Messages) { play(kMessageRows); }

TEST(Circuits, HostileTextsNeverShowGarbage) {
  const std::map<std::string, Steps> good = {
      {"frmLC", kLc}, {"frmLL", kLl}, {"frmRC", kRc}, {"frmRL", kRl}, {"frmRLC", kRlc},
      {"frmRLCparallelo", kRlc}, {"frmRLCserie", kRlc}, {"frmRLR", kRlr}, {"frmCircuitiRLC", kCrlc},
      {"frmimpcapparallelo", kCap100}, {"frmimpcapserie", kCap10},
  };
  const Steps hostile = {"",   "-0",     "1e308", "-1e308", "1e-308", "abc", "1,5", "&HFFFF", "-7.1", "1e38",
                         "1e-45", std::string(300, '9')};
  std::vector<Row> rows;
  for (const auto& [form, steps] : good)
    for (const auto& step : steps)
      for (const auto& text : hostile) {
        const std::string typed = step.substr(0, step.find('=') + 1) + text;
        rows.push_back(
            Row(form, steps + Steps{typed, "click:cmdcalcola"}).why(typed).messagesAmong({kMissing, kInvalid}).clean());
      }
  play(rows);
}

// Typing after a computation blanks the results, but for those named.
Row typing(const char* form, const Steps& good, const std::string& input, std::source_location w =
           std::source_location::current()) {
  Row r(form, good + kCompute + keys(input, "3.5"), w);
  r.why("typing into " + input);
  for (const auto& name : kResults.at(form)) r.text(name, "");
  return r;
}
// The windows that keep everything they show while the user types.
Row keeping(const char* form, const Steps& good, const std::string& input, std::source_location w =
            std::source_location::current()) {
  return Row(form, good + kCompute + keys(input, "3.5"), w).why("typing into " + input).unchanged({input})
      .since(good.size() + 1);
}

const Row kTypingRows[] = {
    typing("frmLC", kLc, "txtf"), typing("frmLC", kLc, "txtl"), typing("frmLC", kLc, "txtC"),
    typing("frmLL", kLl, "txtl1"), typing("frmLL", kLl, "txtl2"), typing("frmLL", kLl, "txtf"),
    typing("frmRC", kRc, "txtr"), typing("frmRC", kRc, "txtC"), typing("frmRC", kRc, "txtf"),
    typing("frmRL", kRl, "txtr"), typing("frmRL", kRl, "txtl"), typing("frmRL", kRl, "txtf"),
    typing("frmRLC", kRlc, "txtr"), typing("frmRLC", kRlc, "txtl"), typing("frmRLC", kRlc, "txtC"),
    typing("frmRLC", kRlc, "txtf"),
    typing("frmRLCparallelo", kRlc, "txtr"), typing("frmRLCparallelo", kRlc, "txtl"),
    typing("frmRLCparallelo", kRlc, "txtC"), typing("frmRLCparallelo", kRlc, "txtf"),
    typing("frmRLCserie", kRlc, "txtr"), typing("frmRLCserie", kRlc, "txtl"),
    typing("frmRLCserie", kRlc, "txtC"), typing("frmRLCserie", kRlc, "txtf"),
    typing("frmRLR", kRlr, "txtr1"), typing("frmRLR", kRlr, "txtr2"), typing("frmRLR", kRlr, "txtf"),
    // a new inductance leaves the old reactance on the drawing
    Row("frmRLR", kRlr + kCompute + keys("txtl", "3.5")).text("lblimp", "").text("lblfi", "")
        .text("lbll", "XL = 88, Ohm"),
    keeping("frmCircuitiRLC", kCrlc, "txtf"), keeping("frmCircuitiRLC", kCrlc, "txtr"),
    keeping("frmimpcapparallelo", kCap10, "txtC"), keeping("frmimpcapparallelo", kCap10, "txtw"),
    keeping("frmimpcapserie", kCap10, "txtl"), keeping("frmimpcapserie", kCap10, "txtr"),
    crlc142(Row("frmCircuitiRLC", kCrlc + kCompute + keys("txtr", "3.5"))),
    serie10(Row("frmimpcapserie", kCap10 + kCompute + keys("txtr", "3.5"))),
    Row("frmimpcapparallelo", kCap10 + kCompute + keys("txtw", "3.5")).text("lblxl", "REATTANZA IND.VA : 98,14")
        .text("lblxc", "REATTANZA CAP.VA : 101,89").text("lblimpedenza", "L'IMPEDENZA TOTALE E' DI 2.664, Ohm "),
    Row("frmRLR", {}).why("the reactance label starts as the letter L").text("lbll", "L"),
    Row("frmRLR", {"txtr1=2"}).why("cleared, not put back to \"L\"").text("lbll", ""),
};

// The 40 m tank 2.2 uH / 220 pF resonates near 7.234 MHz; each window is read
// at 7.1 MHz, a little below, and at 7.4 MHz, a little above.
const Steps kTank = {"txtl=2.2", "txtC=220"};
const Steps kBelow = {"txtf=7.1", "click:cmdcalcola"};
const Steps kAbove = {"txtf=7.1", "click:cmdcalcola", "txtf=7.4", "click:cmdcalcola"};
const Steps kTankR5 = Steps{"txtr=5"} + kTank;
const Steps kTankR1k = Steps{"txtr=1000"} + kTank;
const Steps kTankR50 = kTank + Steps{"txtr=50"};
const Steps kTankW10 = kTank + Steps{"txtw=10"};

const Row kResonanceRows[] = {
    Row("frmLC", kTank + kBelow).text("lblfases", "ANGOLO DI FASE SERIE  -90  GRADI")
        .text("lblfasep", "ANGOLO DI FASE PARALLELO 74,5  GRADI"),
    Row("frmLC", kTank + kAbove).text("lblfases", "ANGOLO DI FASE SERIE  90  GRADI")
        .text("lblfasep", "ANGOLO DI FASE PARALLELO -78,1  GRADI"),
    // the coil with C across it is inductive below resonance: positive
    Row("frmRLC", kTankR5 + kBelow).text("lblfi", "ANGOLO DI FASE   33,94  GRADI"),
    Row("frmRLC", kTankR5 + kAbove).text("lblfi", "ANGOLO DI FASE   -44,97  GRADI"),
    Row("frmRLCparallelo", kTankR1k + kBelow).text("lblfi", "L' ANGOLO DI FASE E'   -20,55  GRADI"),
    Row("frmRLCparallelo", kTankR1k + kAbove).text("lblfi", "L' ANGOLO DI FASE E'   24,37  GRADI"),
    Row("frmRLCserie", kTankR5 + kBelow).text("lblfi", "ANGOLO DI FASE   -36,86  GRADI"),
    Row("frmRLCserie", kTankR5 + kAbove).text("lblfi", "ANGOLO DI FASE   42,17  GRADI"),
    Row("frmCircuitiRLC", kTankR50 + kBelow).text("lblanticipo", "TENSIONE IN RITARDO SULLA CORRENTE")
        .text("lblsfasamento", "LO SFASAMENTO E' DI : -4,31 gradi"),
    Row("frmCircuitiRLC", kTankR50 + kAbove).text("lblanticipo", "TENSIONE IN ANTICIPO SULLA CORRENTE")
        .text("lblsfasamento", "LO SFASAMENTO E' DI : 5,15 gradi"),
    // these two texts go by XC against XL, whatever the sign of the angle
    Row("frmimpcapparallelo", kTankW10 + kBelow)
        .text("lblanticipo", "LA CORRENTE E' IN ANTICIPO SULLA TENSIONE DI GRADI : 86,83"),
    Row("frmimpcapparallelo", kTankW10 + kAbove)
        .text("lblanticipo", "LA CORRENTE E' IN RITARDO SULLA TENSIONE DI GRADI : -87,58"),
    Row("frmimpcapserie", kTankW10 + kBelow)
        .text("lblanticipo", "LA CORRENTE E' IN ANTICIPO SULLA TENSIONE DI GRADI : -86,95"),
    Row("frmimpcapserie", kTankW10 + kAbove)
        .text("lblanticipo", "LA CORRENTE E' IN RITARDO SULLA TENSIONE DI GRADI : 87,48"),
    // the value shown is typed back into the frequency field, as the window invites;
    // XL squared over the 0.2 ohm loss: the tank is almost a pure resistance
    Row("frmimpcapparallelo", kCap100 + kCompute + Steps{"txtf=7.23432", "click:cmdcalcola"})
        .text("lblimpedenza", "L'IMPEDENZA TOTALE E' DI 50.000,1 Ohm ")
        .text("lblxl", "REATTANZA IND.VA : 100,").text("lblxc", "REATTANZA CAP.VA : 100,")
        .text("lblanticipo", "LA CORRENTE E' IN RITARDO SULLA TENSIONE DI GRADI : -0,14")
        .text("lbltensione", "CORRENTE SULLA BOBINA : 22,361 Amp, IN OPPOSIZIONE AI 22,361 Amp SUL CONDENSATORE")
        .text("lblcorrente", "LA TENSIONE E' 2.236,07 Volt,   LA CORRENTE REATTIVA E' DI 0,045 Ampere"),
};

TEST(Circuits, Typing) { play(kTypingRows); }
TEST(Circuits, Resonance) { play(kResonanceRows); }

const std::string kCentred = [] {
  auto [w, h] = HeadlessHost().screenSize();
  return "move " + std::to_string((w - 8595) / 2) + " " + std::to_string((h - 6840) / 2);
}();

// Each window: its caption, the focus on its first input, its close button,
// the coil calculator beside it, its input captions, texts, tooltips and schematics.
const Row kWindowRows[] = {
    Row("frmLC", {}).title("IMPEDENZA di :  CAPACITA'  +  INDUTTANZA").focus("txtf").field("txtf", "FREQUENZA  in MHz ")
        .field("txtl", "INDUTTANZA in uH").field("txtC", "CAPACITA' in pF").text("cmdcalcola", "CALCOLA")
        .text("cmdchiudi", "C H I U D I").text("cmdchiamabobine", "Costruzione bobine")
        .text("lbltesto1", "CONFIGURAZIONE SERIE").text("lbltesto2", "CONFIGURAZIONE PARALLELO")
        .drawn({"drwserie", "drwparallelo"}),
    Row("frmLL", {}).title("IMPEDENZA di :  INDUTTANZA  +  INDUTTANZA").focus("txtl1")
        .field("txtl1", "uH prima induttanza ").field("txtl2", "uH seconda induttanza ")
        .field("txtf", "frequenza in MHz ").text("cmdchiudi", "").pictured({"cmdchiudi"})
        .text("lbltesto1", "CONFIGURAZIONE SERIE").text("lbltesto2", "CONFIGURAZIONE PARALLELO")
        .drawn({"drwserie", "drwparallelo"}),
    Row("frmRC", {}).title("IMPEDENZA di :  RESISTENZA  +  CAPACITA'").focus("txtr").field("txtr", "RESISTENZA  in Ohm")
        .field("txtC", "CAPACITA '   in pF").field("txtf", "FREQUENZA  in MHz ")
        .text("lbltesto1", "CONFIGURAZIONE SERIE").text("lbltesto2", "CONFIGURAZIONE PARALLELO")
        .drawn({"drwserie", "drwparallelo"}).absent({"cmdchiamabobine"}),
    Row("frmRL", {}).title("IMPEDENZA di :  RESISTENZA  +  INDUTTANZA").focus("txtr").field("txtl", "INDUTTANZA in uH")
        .text("lbltesto1", "CONFIGURAZIONE SERIE").text("lbltesto2", "CONFIGURAZIONE PARALLELO")
        .drawn({"drwserie", "drwparallelo"}),
    Row("frmRLC", {}).title("IMPEDENZA di :  R + L + C  ").focus("txtr").drawn({"drwcircuito"}),
    Row("frmRLCparallelo", {}).title("IMPEDENZA di :  R + L + C  parallelo").focus("txtr").drawn({"drwcircuito"})
        .absent({"cmdchiamabobine"}),
    Row("frmRLCserie", {}).title("IMPEDENZA di :  R + L + C  serie").focus("txtr").field("txtC", "CAPACITA' in pF")
        .drawn({"drwcircuito"}).absent({"cmdchiamabobine"}),
    Row("frmRLR", {}).title("IMPEDENZA di :  R  L + R ").focus("txtr1").field("txtr1", "RESISTENZA R1 in Ohm")
        .field("txtr2", "RESISTENZA R2 in Ohm").text("lbll", "L").text("lbltesto1", "R1").text("lbltesto2", "R2")
        .placed({"lbll"}).drawn({"drwcircuito"}).absent({"cmdchiamabobine"}),
    Row("frmCircuitiRLC", {}).title("CALCOLO IMPEDENZA DI CIRCUITI CON R L C").focus("txtf")
        .effects({"resize 8595 6840", kCentred})
        .field("txtf", "FREQUENZA in MHz :").field("txtl", "INDUTTANZA in microH :").field("txtC", "CAPACITA' in pF :")
        .field("txtr", "RESISTENZA in Ohm :").text("cmdesci", "E S C I")
        .text("Label1", "CONOSCENDO IL VALORE DELLA RESISTENZA, DELL' INDUTTANZA, DELLA CAPACITA' E DELLA FREQUENZA, "
                        "SI PUO' RICAVARE IL VALORE DELL' IMPEDENZA TOTALE DEL CIRCUITO")
        .tooltip("txtf", "campo obbligato").tooltip("txtC", "campo obbligato")
        .tooltip("cmdcalcola", "CALCOLA IL VALORE DELL'IMPEDENZA").tooltip("cmdesci", "ESCE DALL'APPLICAZIONE")
        .text("lbltesto1", "R L C in serie").text("lbltesto2", "L C in parallelo a R")
        .drawn({"drwserie", "drwparallelo"}).absent({"cmdchiamabobine"}),
    Row("frmimpcapparallelo", {}).title("CONDENSATORE E INDUTTANZA IN PARALLELO").focus("txtf")
        .field("txtf", "FREQUENZA in Mhz").field("txtl", "INDUTTANZA in microH").field("txtC", "CAPACITA' in pF")
        .field("txtr", "RESISTENZA di PERDITA in Ohm :").field("txtw", "POTENZA  APPARENTE in Watt")
        .text("cmdchiamabobine", "Costruzione bobine").text("txtr", "0.2")
        .text("lblvl", "induttanza").text("lblvc", "condensatore")
        .tooltip("txtr", "in funzione della qualità dell'induttore").tooltip("txtw", "dato facoltativo")
        .tooltip("Label4", "in funzione della qualità dell'induttore").tooltip("Label5", "dato facoltativo")
        .text("lbltesto2", "generatore").text("lbltesto1", "USARE IL PUNTO PER SEPARARE I DECIMALI")
        .placed({"lblvl", "lblvc"}).drawn({"drwcircuito"}),
    Row("frmimpcapserie", {}).title("CONDENSATORE E INDUTTANZA IN SERIE").focus("txtf")
        .field("txtf", "FREQUENZA in Mhz :").field("txtl", "INDUTTANZA in microH :").field("txtC", "CAPACITA' in pF :")
        .field("txtr", "RESISTENZA di PERDITA in Ohm").field("txtw", "POTENZA  APPLICATA in WATT :")
        .text("cmdchiamabobine", "Costruzione Bobine").text("cmdesci", "E S C I").text("txtr", "0.2")
        .text("lblvl", "induttanza").text("lblvc", "condensatore")
        .tooltip("txtr", "in funzione della qualità dell'induttore").tooltip("txtw", "dato facoltativo")
        .tooltip("Label4", "in funzione della qualità dell'induttore").tooltip("Label5", "dato facoltativo")
        .text("lbltesto2", "generatore").text("lbltesto1", "USARE IL PUNTO PER SEPARARE I DECIMALI")
        .placed({"lblvl", "lblvc"}).drawn({"drwcircuito"}),
    // the coil calculator opens at its place
    Row("frmLC", {"click:cmdchiamabobine"}).effects({"move 180 180", "open frmbobine modeless 4100 2800"}),
    Row("frmLL", {"click:cmdchiamabobine"}).effects({"move 400 300", "open frmbobine modeless 4100 2800"}),
    Row("frmRL", {"click:cmdchiamabobine"}).effects({"move 400 300", "open frmbobine modeless 4100 2800"}),
    Row("frmRLC", {"click:cmdchiamabobine"}).effects({"move 400 300", "open frmbobine modeless 4100 2800"}),
    Row("frmimpcapparallelo", {"click:cmdchiamabobine"}).effects({"open frmbobine modeless"}),
    Row("frmimpcapserie", {"click:cmdchiamabobine"}).effects({"open frmbobine modeless"}),
    Row("frmLC", {"click:cmdchiudi"}).open(false),           Row("frmLL", {"click:cmdchiudi"}).open(false),
    Row("frmRC", {"click:cmdchiudi"}).open(false),           Row("frmRL", {"click:cmdchiudi"}).open(false),
    Row("frmRLC", {"click:cmdchiudi"}).open(false),          Row("frmRLCparallelo", {"click:cmdchiudi"}).open(false),
    Row("frmRLCserie", {"click:cmdchiudi"}).open(false),     Row("frmRLR", {"click:cmdchiudi"}).open(false),
    Row("frmCircuitiRLC", {"click:cmdesci"}).open(false),    Row("frmimpcapparallelo", {"click:cmdesci"}).open(false),
    Row("frmimpcapserie", {"click:cmdesci"}).open(false),
};

TEST(Circuits, Windows) { play(kWindowRows); }

TEST(Circuits, ResultsAreEmptyAtLoad) {
  std::vector<Row> rows;
  for (const auto& [form, results] : kResults) {
    Row r(form, {});
    for (const auto& name : results)
      if (name != "lbll" && name != "lblvl" && name != "lblvc") r.text(name, "");  // drawing captions
    rows.push_back(r);
  }
  play(rows);
}

}  // namespace
}  // namespace vm::test
