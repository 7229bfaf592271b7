// The impedance windows of R, L, C combinations, driven as a radio amateur
// would: values typed with the decimal point, results read in the Italian
// number format.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "support/harness.h"

namespace vm {
namespace {

using test::Window;
using Steps = std::vector<std::pair<std::string, std::string>>;
using Texts = std::vector<std::pair<std::string, std::string>>;

const std::string kMissing = "MANCANO DATI|MESSAGGIO DI ERRORE";
const std::string kInvalid = "DATI NON VALIDI|MESSAGGIO DI ERRORE";

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

std::map<std::string, std::string> snapshot(Window& w) {
  std::map<std::string, std::string> out;
  for (const auto& name : kResults.at(w.form().name())) out[name] = w.text(name);
  return out;
}

Window& typeAll(Window& w, const Steps& steps) {
  for (const auto& [name, text] : steps) w.type(name, text);
  return w;
}

// ------------------------------------------------------------------ results

struct ResultCase {
  const char* form;
  const char* why;
  Steps inputs;
  Texts expected;
};

const std::vector<ResultCase> kResultCases = {
    {"frmLC", "a 1 MHz, 1 uH and 1 pF: far below resonance",
     {{"txtf", "1"}, {"txtl", "1"}, {"txtC", "1"}},
     {
         {"lblimpserie", "IMPEDENZA SERIE 159.148,7 Ohm"},
         {"lblimpparallelo", "IMPEDENZA PARALLELO 6,3 Ohm"},
         {"lblfases", "ANGOLO DI FASE SERIE  -90  GRADI"},
         {"lblfasep", "ANGOLO DI FASE PARALLELO 81,0  GRADI"},
         {"lblrisonanza", "LA RISONANZA E' A MHz: 159,155"},
         {"lblreattanza", "Xc = 159.155,0   Xl = 6,3 Ohm"},
     }},
    {"frmLC", "40 m tank below its resonance",
     {{"txtf", "7.1"}, {"txtl", "2.2"}, {"txtC", "220"}},
     {
         {"lblimpserie", "IMPEDENZA SERIE 3,7 Ohm"},
         {"lblimpparallelo", "IMPEDENZA PARALLELO 2.667,8 Ohm"},
         {"lblfases", "ANGOLO DI FASE SERIE  -90  GRADI"},
         {"lblfasep", "ANGOLO DI FASE PARALLELO 74,5  GRADI"},
         {"lblrisonanza", "LA RISONANZA E' A MHz: 7,234"},
         {"lblreattanza", "Xc = 101,9   Xl = 98,1 Ohm"},
     }},
    {"frmLC", "20 m above resonance: the series phase turns positive",
     {{"txtf", "14.2"}, {"txtl", "1.8"}, {"txtC", "82"}},
     {
         {"lblimpserie", "IMPEDENZA SERIE 23,9 Ohm"},
         {"lblimpparallelo", "IMPEDENZA PARALLELO 917,9 Ohm"},
         {"lblfases", "ANGOLO DI FASE SERIE  90  GRADI"},
         {"lblfasep", "ANGOLO DI FASE PARALLELO -88,0  GRADI"},
         {"lblrisonanza", "LA RISONANZA E' A MHz: 13,100"},
         {"lblreattanza", "Xc = 136,7   Xl = 160,6 Ohm"},
     }},
    {"frmLC", "2 m: 100 nH and 12 pF",
     {{"txtf", "145"}, {"txtl", "0.1"}, {"txtC", "12"}},
     {
         {"lblimpserie", "IMPEDENZA SERIE 0,4 Ohm"},
         {"lblimpparallelo", "IMPEDENZA PARALLELO 23.008,1 Ohm"},
         {"lblfases", "ANGOLO DI FASE SERIE  -90  GRADI"},
         {"lblfasep", "ANGOLO DI FASE PARALLELO 19,8  GRADI"},
         {"lblrisonanza", "LA RISONANZA E' A MHz: 145,288"},
         {"lblreattanza", "Xc = 91,5   Xl = 91,1 Ohm"},
     }},
    {"frmLC", "long wave: 10 nF and 1 mH",
     {{"txtf", "0.1357"}, {"txtl", "1000"}, {"txtC", "10000"}},
     {
         {"lblimpserie", "IMPEDENZA SERIE 735,3 Ohm"},
         {"lblimpparallelo", "IMPEDENZA PARALLELO 136,0 Ohm"},
         {"lblfases", "ANGOLO DI FASE SERIE  90  GRADI"},
         {"lblfasep", "ANGOLO DI FASE PARALLELO -90,0  GRADI"},
         {"lblrisonanza", "LA RISONANZA E' A MHz: 0,050"},
         {"lblreattanza", "Xc = 117,3   Xl = 852,6 Ohm"},
     }},
    {"frmLL", "two 80 m coils",
     {{"txtl1", "10"}, {"txtl2", "4.7"}, {"txtf", "3.6"}},
     {
         {"lblimpserie", "IMPEDENZA SERIE 332,3 Ohm"},
         {"lblimpparallelo", "IMPEDENZA PARALLELO 72,3 Ohm"},
         {"lblfase", "ANGOLO DI FASE 90° "},
     }},
    {"frmLL", "the series value is grouped, the parallel one is not",
     {{"txtl1", "100"}, {"txtl2", "220"}, {"txtf", "7"}},
     {
         {"lblimpserie", "IMPEDENZA SERIE 14.067,2 Ohm"},
         {"lblimpparallelo", "IMPEDENZA PARALLELO 3022,3 Ohm"},
         {"lblfase", "ANGOLO DI FASE 90° "},
     }},
    {"frmLL", "nanohenry coils at 145 MHz",
     {{"txtl1", "0.1"}, {"txtl2", "0.047"}, {"txtf", "145"}},
     {
         {"lblimpserie", "IMPEDENZA SERIE 133,9 Ohm"},
         {"lblimpparallelo", "IMPEDENZA PARALLELO 29,1 Ohm"},
         {"lblfase", "ANGOLO DI FASE 90° "},
     }},
    {"frmRC", "50 ohm and 100 pF at 14 MHz: both angles negative",
     {{"txtr", "50"}, {"txtC", "100"}, {"txtf", "14"}},
     {
         {"lblimpserie", "IMPEDENZA SERIE 124,1 Ohm"},
         {"lblimpparallelo", "IMPEDENZA PARALLELO 45,8 Ohm"},
         {"lblfases", "ANGOLO DI FASE SERIE  -66,2  GRADI"},
         {"lblfasep", "ANGOLO DI FASE PARALLELO -23,8  GRADI"},
     }},
    {"frmRC", "10 nF at 100 kHz",
     {{"txtr", "1000"}, {"txtC", "10000"}, {"txtf", "0.1"}},
     {
         {"lblimpserie", "IMPEDENZA SERIE 1.012,6 Ohm"},
         {"lblimpparallelo", "IMPEDENZA PARALLELO 157, Ohm"},
         {"lblfases", "ANGOLO DI FASE SERIE  -9  GRADI"},
         {"lblfasep", "ANGOLO DI FASE PARALLELO -81  GRADI"},
     }},
    {"frmRC", "1 uF at 30 MHz: the series angle rounds to 0 and shows no sign",
     {{"txtr", "50"}, {"txtC", "1000000"}, {"txtf", "30"}},
     {
         {"lblimpserie", "IMPEDENZA SERIE 50, Ohm"},
         {"lblimpparallelo", "IMPEDENZA PARALLELO 0, Ohm"},
         {"lblfases", "ANGOLO DI FASE SERIE  0  GRADI"},
         {"lblfasep", "ANGOLO DI FASE PARALLELO -90  GRADI"},
     }},
    {"frmRL", "50 ohm and 1 uH at 7 MHz",
     {{"txtr", "50"}, {"txtl", "1"}, {"txtf", "7"}},
     {
         {"lblimpserie", "IMPEDENZA SERIE 66,6 Ohm"},
         {"lblimpparallelo", "IMPEDENZA PARALLELO 33 Ohm"},
         {"lblfases", "ANGOLO DI FASE SERIE  41,3  GRADI"},
         {"lblfasep", "ANGOLO DI FASE PARALLELO 48,7  GRADI"},
     }},
    {"frmRL", "220 nH at 145 MHz",
     {{"txtr", "75"}, {"txtl", "0.22"}, {"txtf", "145"}},
     {
         {"lblimpserie", "IMPEDENZA SERIE 214, Ohm"},
         {"lblimpparallelo", "IMPEDENZA PARALLELO 70,2 Ohm"},
         {"lblfases", "ANGOLO DI FASE SERIE  69,5  GRADI"},
         {"lblfasep", "ANGOLO DI FASE PARALLELO 20,5  GRADI"},
     }},
    {"frmRL", "1 mH at 1.8 MHz: grouped series impedance, plain parallel",
     {{"txtr", "10"}, {"txtl", "1000"}, {"txtf", "1.8"}},
     {
         {"lblimpserie", "IMPEDENZA SERIE 11.309,4 Ohm"},
         {"lblimpparallelo", "IMPEDENZA PARALLELO 10 Ohm"},
         {"lblfases", "ANGOLO DI FASE SERIE  90,  GRADI"},
         {"lblfasep", "ANGOLO DI FASE PARALLELO 0,1  GRADI"},
     }},
    {"frmRLC", "40 m tank below resonance: inductive, positive phase",
     {{"txtr", "5"}, {"txtl", "2.2"}, {"txtC", "220"}, {"txtf", "7.1"}},
     {
         {"lblimp", "L' IMPEDENZA E'  1.602,3 Ohm"},
         {"lblfi", "ANGOLO DI FASE   33,94  GRADI"},
         {"lblreattanza", "XC = 101,9 Ohm   -   XL = 98,1 Ohm"},
         {"lblq", "IL Q DEL CIRCUITO E'  19,6"},
     }},
    {"frmRLC", "the same tank above resonance: negative phase",
     {{"txtr", "5"}, {"txtl", "2.2"}, {"txtC", "220"}, {"txtf", "7.4"}},
     {
         {"lblimp", "L' IMPEDENZA E'  1.484, Ohm"},
         {"lblfi", "ANGOLO DI FASE   -44,97  GRADI"},
         {"lblreattanza", "XC = 97,8 Ohm   -   XL = 102,3 Ohm"},
         {"lblq", "IL Q DEL CIRCUITO E'  20,5"},
     }},
    {"frmRLC", "2 m tank",
     {{"txtr", "0.5"}, {"txtl", "0.1"}, {"txtC", "12"}, {"txtf", "145"}},
     {
         {"lblimp", "L' IMPEDENZA E'  13.497,7 Ohm"},
         {"lblfi", "ANGOLO DI FASE   35,6  GRADI"},
         {"lblreattanza", "XC = 91,5 Ohm   -   XL = 91,1 Ohm"},
         {"lblq", "IL Q DEL CIRCUITO E'  182,2"},
     }},
    {"frmRLCparallelo", "below resonance: negative phase",
     {{"txtr", "1000"}, {"txtl", "2.2"}, {"txtC", "220"}, {"txtf", "7"}},
     {
         {"lblreattanza", "XL = 96 Ohm   -   XC = 103 Ohm"},
         {"lblimp", "L' IMPEDENZA E'  835,1 Ohm"},
         {"lblfi", "L' ANGOLO DI FASE E'   -33,37  GRADI"},
     }},
    {"frmRLCparallelo", "above resonance: positive phase",
     {{"txtr", "1000"}, {"txtl", "2.2"}, {"txtC", "220"}, {"txtf", "7.5"}},
     {
         {"lblreattanza", "XL = 103 Ohm   -   XC = 96 Ohm"},
         {"lblimp", "L' IMPEDENZA E'  811, Ohm"},
         {"lblfi", "L' ANGOLO DI FASE E'   35,81  GRADI"},
     }},
    {"frmRLCparallelo", "10 nF and 1 mH at 50 kHz",
     {{"txtr", "4700"}, {"txtl", "1000"}, {"txtC", "10000"}, {"txtf", "0.05"}},
     {
         {"lblreattanza", "XL = 314 Ohm   -   XC = 318 Ohm"},
         {"lblimp", "L' IMPEDENZA E'  4.613, Ohm"},
         {"lblfi", "L' ANGOLO DI FASE E'   -11,04  GRADI"},
     }},
    {"frmRLCserie", "below resonance: capacitive, negative phase",
     {{"txtr", "10"}, {"txtl", "10"}, {"txtC", "100"}, {"txtf", "5"}},
     {
         {"lblimp", "L' IMPEDENZA E'  10,8 Ohm"},
         {"lblfi", "ANGOLO DI FASE   -22,54  GRADI"},
     }},
    {"frmRLCserie", "above resonance: positive phase",
     {{"txtr", "10"}, {"txtl", "10"}, {"txtC", "100"}, {"txtf", "5.1"}},
     {
         {"lblimp", "L' IMPEDENZA E'  13, Ohm"},
         {"lblfi", "ANGOLO DI FASE   39,94  GRADI"},
     }},
    {"frmRLCserie", "2 m series circuit",
     {{"txtr", "50"}, {"txtl", "0.1"}, {"txtC", "12"}, {"txtf", "145"}},
     {
         {"lblimp", "L' IMPEDENZA E'  50, Ohm"},
         {"lblfi", "ANGOLO DI FASE   -0,42  GRADI"},
     }},
    {"frmRLR", "a lossy 20 m coil across 50 ohm",
     {{"txtr1", "2"}, {"txtl", "1"}, {"txtr2", "50"}, {"txtf", "14"}},
     {
         {"lblimp", "L' IMPEDENZA E'  43,1 Ohm"},
         {"lblfi", "ANGOLO DI FASE   29,29  GRADI"},
         {"lbll", "XL = 88, Ohm"},
     }},
    {"frmRLR", "80 m coil across 1 kohm",
     {{"txtr1", "0.5"}, {"txtl", "10"}, {"txtr2", "1000"}, {"txtf", "3.6"}},
     {
         {"lblimp", "L' IMPEDENZA E'  220,5 Ohm"},
         {"lblfi", "ANGOLO DI FASE   77,13  GRADI"},
         {"lbll", "XL = 226,2 Ohm"},
     }},
    {"frmRLR", "1 mH at 1.8 MHz: grouped reactance",
     {{"txtr1", "10"}, {"txtl", "1000"}, {"txtr2", "50"}, {"txtf", "1.8"}},
     {
         {"lblimp", "L' IMPEDENZA E'  50, Ohm"},
         {"lblfi", "ANGOLO DI FASE   0,25  GRADI"},
         {"lbll", "XL = 11.309,7 Ohm"},
     }},
    {"frmCircuitiRLC", "20 m: single-precision frequency, capacitive",
     {{"txtf", "14.2"}, {"txtl", "1.5"}, {"txtC", "82"}, {"txtr", "50"}},
     {
         {"lblreattanzaInduttiva", "REATTANZA INDUTTIVA = 133,83 OHM"},
         {"lblreattanzacapacitiva", "REATTANZA CAPACITIVA = 136,71 OHM"},
         {"lblreattanzatotale", "REATTANZA TOTALE = -2,9 OHM"},
         {"lblImpedenzaserie", "IMPEDENZA TOT. SERIE = 50,08 OHM"},
         {"lblimpedenzaparallelo", "IMPEDENZA TOT. PARALLELO = 2,88 OHM"},
         {"lblsfasamento", "LO SFASAMENTO E' DI : -3,3 gradi"},
         {"lblanticipo", "TENSIONE IN RITARDO SULLA CORRENTE"},
     }},
    {"frmCircuitiRLC", "80 m above resonance: the voltage leads",
     {{"txtf", "3.8"}, {"txtl", "10"}, {"txtC", "220"}, {"txtr", "100"}},
     {
         {"lblreattanzaInduttiva", "REATTANZA INDUTTIVA = 238,76 OHM"},
         {"lblreattanzacapacitiva", "REATTANZA CAPACITIVA = 190,42 OHM"},
         {"lblreattanzatotale", "REATTANZA TOTALE = 48,3 OHM"},
         {"lblImpedenzaserie", "IMPEDENZA TOT. SERIE = 111,07 OHM"},
         {"lblimpedenzaparallelo", "IMPEDENZA TOT. PARALLELO = 43,52 OHM"},
         {"lblsfasamento", "LO SFASAMENTO E' DI : 25,8 gradi"},
         {"lblanticipo", "TENSIONE IN ANTICIPO SULLA CORRENTE"},
     }},
    {"frmCircuitiRLC", "rounded reactances equal: resonance, Zs = R and Zp = 0",
     {{"txtf", "1"}, {"txtl", "25.3359"}, {"txtC", "1000"}, {"txtr", "50"}},
     {
         {"lblreattanzaInduttiva", "REATTANZA INDUTTIVA = 159,19 OHM"},
         {"lblreattanzacapacitiva", "REATTANZA CAPACITIVA = 159,19 OHM"},
         {"lblreattanzatotale", "REATTANZA TOTALE = 0, OHM"},
         {"lblImpedenzaserie", "IMPEDENZA TOT. SERIE = 50, OHM"},
         {"lblimpedenzaparallelo", "IMPEDENZA TOT. PARALLELO = 0 OHM"},
         {"lblsfasamento", "LO SFASAMENTO E' DI : 0 gradi"},
         {"lblanticipo", "CONDIZIONE DI RISONANZA"},
     }},
    {"frmimpcapparallelo", "40 m tank below resonance with 100 W",
     {{"txtf", "7.1"}, {"txtl", "2.2"}, {"txtC", "220"}, {"txtw", "100"}},
     {
         {"lblanticipo", "LA CORRENTE E' IN ANTICIPO SULLA TENSIONE DI GRADI : 86,83"},
         {"lblrisonanza", "LA RISONANZA E' A MHz : 7,23432 -  PER VERIFICARE IL COMPORTAMENTO DEL CIRCUITO IN CONDIZIONI DI RISONANZA INTRODURRE QUESTO DATO NEL CAMPO FREQUENZA"},
         {"lblimpedenza", "L'IMPEDENZA TOTALE E' DI 2.664, Ohm "},
         {"lblxc", "REATTANZA CAP.VA : 101,89"},
         {"lblxl", "REATTANZA IND.VA : 98,14"},
         {"lblvc", "5,066 A."},
         {"lblvl", "5,259 A."},
         {"lbltensione", "CORRENTE SULLA BOBINA : 5,259 Amp, IN OPPOSIZIONE AI 5,066 Amp SUL CONDENSATORE"},
         {"lblcorrente", "LA TENSIONE E' 516,139 Volt,   LA CORRENTE REATTIVA E' DI 0,194 Ampere"},
     }},
    {"frmimpcapparallelo", "the same tank above resonance",
     {{"txtf", "7.3"}, {"txtl", "2.2"}, {"txtC", "220"}, {"txtw", "100"}},
     {
         {"lblanticipo", "LA CORRENTE E' IN RITARDO SULLA TENSIONE DI GRADI : -83,8"},
         {"lblrisonanza", "LA RISONANZA E' A MHz : 7,23432 -  PER VERIFICARE IL COMPORTAMENTO DEL CIRCUITO IN CONDIZIONI DI RISONANZA INTRODURRE QUESTO DATO NEL CAMPO FREQUENZA"},
         {"lblimpedenza", "L'IMPEDENZA TOTALE E' DI 5.498,29 Ohm "},
         {"lblxc", "REATTANZA CAP.VA : 99,1"},
         {"lblxl", "REATTANZA IND.VA : 100,91"},
         {"lblvc", "7,482 A."},
         {"lblvl", "7,348 A."},
         {"lbltensione", "CORRENTE SULLA BOBINA : 7,348 Amp, IN OPPOSIZIONE AI 7,482 Amp SUL CONDENSATORE"},
         {"lblcorrente", "LA TENSIONE E' 741,505 Volt,   LA CORRENTE REATTIVA E' DI 0,135 Ampere"},
     }},
    {"frmimpcapparallelo", "no power: the no-power text and zero currents on the drawing",
     {{"txtf", "7.1"}, {"txtl", "2.2"}, {"txtC", "220"}},
     {
         {"lblanticipo", "LA CORRENTE E' IN ANTICIPO SULLA TENSIONE DI GRADI : 86,83"},
         {"lblrisonanza", "LA RISONANZA E' A MHz : 7,23432 -  PER VERIFICARE IL COMPORTAMENTO DEL CIRCUITO IN CONDIZIONI DI RISONANZA INTRODURRE QUESTO DATO NEL CAMPO FREQUENZA"},
         {"lblimpedenza", "L'IMPEDENZA TOTALE E' DI 2.664, Ohm "},
         {"lblxc", "REATTANZA CAP.VA : 101,89"},
         {"lblxl", "REATTANZA IND.VA : 98,14"},
         {"lblvc", "0, A."},
         {"lblvl", "0 A."},
         {"lbltensione", "NON E '  STATA APPLICATA NESSUNA POTENZA"},
         {"lblcorrente", ""},
     }},
    {"frmimpcapparallelo", "2 m tank with a 1 ohm loss and 5 W",
     {{"txtf", "145"}, {"txtl", "0.1"}, {"txtC", "12"}, {"txtr", "1"}, {"txtw", "5"}},
     {
         {"lblanticipo", "LA CORRENTE E' IN ANTICIPO SULLA TENSIONE DI GRADI : 19,28"},
         {"lblrisonanza", "LA RISONANZA E' A MHz : 145,28795 -  PER VERIFICARE IL COMPORTAMENTO DEL CIRCUITO IN CONDIZIONI DI RISONANZA INTRODURRE QUESTO DATO NEL CAMPO FREQUENZA"},
         {"lblimpedenza", "L'IMPEDENZA TOTALE E' DI 7.835,71 Ohm "},
         {"lblxc", "REATTANZA CAP.VA : 91,47"},
         {"lblxl", "REATTANZA IND.VA : 91,11"},
         {"lblvc", "2,164 A."},
         {"lblvl", "2,173 A."},
         {"lbltensione", "CORRENTE SULLA BOBINA : 2,173 Amp, IN OPPOSIZIONE AI 2,164 Amp SUL CONDENSATORE"},
         {"lblcorrente", "LA TENSIONE E' 197,936 Volt,   LA CORRENTE REATTIVA E' DI 0,025 Ampere"},
     }},
    {"frmimpcapserie", "40 m series circuit below resonance with 10 W",
     {{"txtf", "7.1"}, {"txtl", "2.2"}, {"txtC", "220"}, {"txtw", "10"}},
     {
         {"lblimpedenza", "L'IMPEDENZA TOTALE E' DI 3,75 Ohm "},
         {"lblanticipo", "LA CORRENTE E' IN ANTICIPO SULLA TENSIONE DI GRADI : -86,95"},
         {"lblrisonanza", "LA RISONANZA E' A Mhz 7,23432  - INTRODURRE QUESTO DATO NEL CAMPO FREQUENZA PER VERIFICARE IL COMPORTAMENTO DEL CIRCUITO  IN CONDIZIONE DI RISONANZA"},
         {"lbltensione", "TENSIONE SULLA BOBINA : 160,3 Volt, IN OPPOSIZIONE AI 166,4 Volt SUL CONDENSATORE"},
         {"lblcorrente", "A 7,1 Mhz LA TENSIONE TOT. E' 6,124 Volt,    LA CORRENTE E'  1,633 Ampere"},
         {"lblxc", "REATTANZA CAP.VA.: 101,89"},
         {"lblxl", "REATTANZA IND.VA.: 98,14"},
         {"lblvc", "166,4 V."},
         {"lblvl", "160,3 V."},
     }},
    {"frmimpcapserie", "above resonance",
     {{"txtf", "7.3"}, {"txtl", "2.2"}, {"txtC", "220"}, {"txtw", "10"}},
     {
         {"lblimpedenza", "L'IMPEDENZA TOTALE E' DI 1,82 Ohm "},
         {"lblanticipo", "LA CORRENTE E' IN RITARDO SULLA TENSIONE DI GRADI : 83,69"},
         {"lblrisonanza", "LA RISONANZA E' A Mhz 7,23432  - INTRODURRE QUESTO DATO NEL CAMPO FREQUENZA PER VERIFICARE IL COMPORTAMENTO DEL CIRCUITO  IN CONDIZIONE DI RISONANZA"},
         {"lbltensione", "TENSIONE SULLA BOBINA : 236,5 Volt, IN OPPOSIZIONE AI 232,3 Volt SUL CONDENSATORE"},
         {"lblcorrente", "A 7,3 Mhz LA TENSIONE TOT. E' 4,266 Volt,    LA CORRENTE E'  2,344 Ampere"},
         {"lblxc", "REATTANZA CAP.VA.: 99,10"},
         {"lblxl", "REATTANZA IND.VA.: 100,91"},
         {"lblvc", "232,3 V."},
         {"lblvl", "236,5 V."},
     }},
    {"frmimpcapserie", "no power: zero voltages",
     {{"txtf", "7.1"}, {"txtl", "2.2"}, {"txtC", "220"}},
     {
         {"lblimpedenza", "L'IMPEDENZA TOTALE E' DI 3,75 Ohm "},
         {"lblanticipo", "LA CORRENTE E' IN ANTICIPO SULLA TENSIONE DI GRADI : -86,95"},
         {"lblrisonanza", "LA RISONANZA E' A Mhz 7,23432  - INTRODURRE QUESTO DATO NEL CAMPO FREQUENZA PER VERIFICARE IL COMPORTAMENTO DEL CIRCUITO  IN CONDIZIONE DI RISONANZA"},
         {"lbltensione", "TENSIONE SULLA BOBINA : 0,0 Volt, IN OPPOSIZIONE AI 0 Volt SUL CONDENSATORE"},
         {"lblcorrente", "A 7,1 Mhz LA TENSIONE TOT. E' 0,000 Volt,    LA CORRENTE E'  0,000 Ampere"},
         {"lblxc", "REATTANZA CAP.VA.: 101,89"},
         {"lblxl", "REATTANZA IND.VA.: 98,14"},
         {"lblvc", "0 V."},
         {"lblvl", "0,0 V."},
     }},
    {"frmimpcapserie", "near resonance the capacitor voltage is many times the total",
     {{"txtf", "7.23"}, {"txtl", "2.2"}, {"txtC", "220"}, {"txtr", "1"}, {"txtw", "5"}},
     {
         {"lblimpedenza", "L'IMPEDENZA TOTALE E' DI 1,01 Ohm "},
         {"lblanticipo", "LA CORRENTE E' IN ANTICIPO SULLA TENSIONE DI GRADI : -6,72"},
         {"lblrisonanza", "LA RISONANZA E' A Mhz 7,23432  - INTRODURRE QUESTO DATO NEL CAMPO FREQUENZA PER VERIFICARE IL COMPORTAMENTO DEL CIRCUITO  IN CONDIZIONE DI RISONANZA"},
         {"lbltensione", "TENSIONE SULLA BOBINA : 222,4 Volt, IN OPPOSIZIONE AI 222,6 Volt SUL CONDENSATORE"},
         {"lblcorrente", "A 7,23 Mhz LA TENSIONE TOT. E' 2,247 Volt,    LA CORRENTE E'  2,225 Ampere"},
         {"lblxc", "REATTANZA CAP.VA.: 100,06"},
         {"lblxl", "REATTANZA IND.VA.: 99,94"},
         {"lblvc", "222,6 V."},
         {"lblvl", "222,4 V."},
     }},
};

TEST(CircuitsResults, ShowTheImpedancesAsTyped) {
  for (const auto& c : kResultCases) {
    SCOPED_TRACE(std::string(c.form) + ": " + c.why);
    Window w(c.form);
    typeAll(w, c.inputs).click("cmdcalcola");
    EXPECT_TRUE(w.messages().empty());
    for (const auto& [name, text] : c.expected) EXPECT_EQ(w.text(name), text) << name;
  }
}

// -------------------------------------------------------------- missing data

struct MissingCase {
  const char* form;
  const char* why;
  Steps inputs;
  const char* focus;
};

const std::vector<MissingCase> kMissingCases = {
    {"frmLC", "all empty", {}, "txtC"},
    {"frmLL", "all empty", {}, "txtl1"},
    {"frmRC", "all empty", {}, "txtr"},
    {"frmRL", "all empty", {}, "txtr"},
    {"frmRLC", "all empty", {}, "txtr"},
    {"frmRLCparallelo", "all empty", {}, "txtr"},
    {"frmRLCserie", "all empty", {}, "txtr"},
    {"frmRLR", "all empty", {}, "txtr1"},
    {"frmCircuitiRLC", "all empty", {}, "txtr"},
    {"frmimpcapparallelo", "all empty but the default loss", {}, "txtf"},
    {"frmimpcapserie", "all empty but the default loss", {}, "txtf"},
    {"frmLC", "no frequency", {{"txtl", "2.2"}, {"txtC", "220"}}, "txtC"},
    {"frmLL", "the second coil missing", {{"txtl1", "10"}, {"txtf", "3.6"}}, "txtl1"},
    {"frmRC", "a comma ends the number: 0,1 MHz reads as 0",
     {{"txtr", "50"}, {"txtC", "100"}, {"txtf", "0,1"}}, "txtr"},
    {"frmRL", "a word reads as 0", {{"txtr", "50"}, {"txtl", "uno"}, {"txtf", "7"}}, "txtr"},
    {"frmRLR", "R1 = 0: a pure inductance across R2",
     {{"txtr1", "0"}, {"txtl", "1"}, {"txtr2", "50"}, {"txtf", "14"}}, "txtr1"},
    {"frmRLC", "R = 0", {{"txtr", "0"}, {"txtl", "2.2"}, {"txtC", "220"}, {"txtf", "7.1"}}, "txtr"},
    {"frmRLCparallelo", "R = 0", {{"txtr", "0"}, {"txtl", "2.2"}, {"txtC", "220"}, {"txtf", "7.1"}}, "txtr"},
    {"frmRLCserie", "R = 0", {{"txtr", "0"}, {"txtl", "2.2"}, {"txtC", "220"}, {"txtf", "7.1"}}, "txtr"},
    {"frmCircuitiRLC", "R = 0", {{"txtf", "7.1"}, {"txtl", "2.2"}, {"txtC", "220"}, {"txtr", "0"}}, "txtr"},
    {"frmCircuitiRLC", "a frequency too small for single precision",
     {{"txtf", "1e-50"}, {"txtl", "2.2"}, {"txtC", "220"}, {"txtr", "50"}}, "txtr"},
    {"frmimpcapparallelo", "the loss resistance cleared",
     {{"txtf", "7.1"}, {"txtl", "2.2"}, {"txtC", "220"}, {"txtr", ""}, {"txtw", "100"}}, "txtf"},
    {"frmimpcapserie", "the loss resistance cleared",
     {{"txtf", "7.1"}, {"txtl", "2.2"}, {"txtC", "220"}, {"txtr", ""}, {"txtw", "10"}}, "txtf"},
    {"frmRLC", "a negative product warns here alone",
     {{"txtr", "-5"}, {"txtl", "2.2"}, {"txtC", "220"}, {"txtf", "7.1"}}, "txtr"},
};

TEST(CircuitsMessages, MissingDataWarnsAndMovesTheFocus) {
  for (const auto& c : kMissingCases) {
    SCOPED_TRACE(std::string(c.form) + ": " + c.why);
    Window w(c.form);
    typeAll(w, c.inputs);
    auto before = snapshot(w);
    w.click("cmdcalcola");
    EXPECT_EQ(w.messages(), std::vector<std::string>{kMissing});
    EXPECT_EQ(w.focus(), c.focus);
    EXPECT_EQ(snapshot(w), before);
  }
}

TEST(CircuitsMessages, MissingDataLeavesEarlierResultsShown) {
  // These windows do not clear their results on typing: the warning must not either.
  const std::vector<std::pair<const char*, Steps>> cases = {
      {"frmCircuitiRLC", {{"txtf", "14.2"}, {"txtl", "1.5"}, {"txtC", "82"}, {"txtr", "50"}}},
      {"frmimpcapparallelo", {{"txtf", "7.1"}, {"txtl", "2.2"}, {"txtC", "220"}, {"txtw", "100"}}},
      {"frmimpcapserie", {{"txtf", "7.1"}, {"txtl", "2.2"}, {"txtC", "220"}, {"txtw", "10"}}},
  };
  for (const auto& [form, steps] : cases) {
    SCOPED_TRACE(form);
    Window w(form);
    typeAll(w, steps).click("cmdcalcola");
    auto shown = snapshot(w);
    EXPECT_NE(shown.begin()->second, "");
    w.type("txtC", "").click("cmdcalcola");
    EXPECT_EQ(w.messages(), std::vector<std::string>{kMissing});
    EXPECT_EQ(snapshot(w), shown);
  }
}

struct NegativeCase {
  const char* form;
  Steps inputs;
};

TEST(CircuitsMessages, NegativeProductDoesNothingAtAll) {
  const std::vector<NegativeCase> cases = {
      {"frmLC", {{"txtf", "7.1"}, {"txtl", "-2.2"}, {"txtC", "220"}}},
      {"frmLL", {{"txtl1", "10"}, {"txtl2", "4.7"}, {"txtf", "-3.6"}}},
      {"frmRC", {{"txtr", "-50"}, {"txtC", "100"}, {"txtf", "14"}}},
      {"frmRL", {{"txtr", "50"}, {"txtl", "-1"}, {"txtf", "7"}}},
      {"frmRLCparallelo", {{"txtr", "-1000"}, {"txtl", "2.2"}, {"txtC", "220"}, {"txtf", "7"}}},
      {"frmRLCserie", {{"txtr", "10"}, {"txtl", "10"}, {"txtC", "-100"}, {"txtf", "5"}}},
      {"frmRLR", {{"txtr1", "2"}, {"txtl", "1"}, {"txtr2", "-50"}, {"txtf", "14"}}},
      {"frmCircuitiRLC", {{"txtf", "-14.2"}, {"txtl", "1.5"}, {"txtC", "82"}, {"txtr", "50"}}},
      {"frmimpcapparallelo", {{"txtf", "7.1"}, {"txtl", "2.2"}, {"txtC", "220"}, {"txtr", "-0.2"}}},
      {"frmimpcapserie", {{"txtf", "7.1"}, {"txtl", "-2.2"}, {"txtC", "220"}, {"txtw", "10"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.form);
    Window w(c.form);
    typeAll(w, c.inputs);
    auto before = snapshot(w);
    w.click("cmdcalcola");
    EXPECT_TRUE(w.messages().empty());
    EXPECT_EQ(w.focus(), "cmdcalcola");
    EXPECT_EQ(snapshot(w), before);
  }
}

// What no formula can show is refused by the failure guard, and whatever was
// shown before stays.
struct GuardCase {
  const char* form;
  const char* why;
  Steps good;  // a computation that succeeds first
  Steps bad;   // then these inputs make it fail
};

TEST(CircuitsMessages, ImpossibleArithmeticIsRefused) {
  const std::vector<GuardCase> cases = {
      {"frmLC", "XL = XC exactly: the parallel impedance is infinite",
       {{"txtf", "1"}, {"txtl", "1"}, {"txtC", "1"}}, {{"txtl", "25330.30158016033"}}},
      {"frmLL", "L2 = -L1: the parallel inductance divides by zero",
       {{"txtl1", "10"}, {"txtl2", "4.7"}, {"txtf", "3.6"}}, {{"txtl2", "-10"}, {"txtf", "-3.6"}}},
      {"frmimpcapparallelo", "a negative power has no real voltage",
       {{"txtf", "7.1"}, {"txtl", "2.2"}, {"txtC", "220"}, {"txtw", "100"}}, {{"txtw", "-100"}}},
      {"frmimpcapserie", "a negative power has no real voltage",
       {{"txtf", "7.1"}, {"txtl", "2.2"}, {"txtC", "220"}, {"txtw", "10"}}, {{"txtw", "-10"}}},
      {"frmimpcapserie", "L and C both negative at a negative frequency: sqrt of a negative L*C",
       {{"txtf", "7.1"}, {"txtl", "2.2"}, {"txtC", "220"}, {"txtw", "10"}},
       {{"txtf", "-7.1"}, {"txtl", "-2.2"}, {"txtC", "220"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.form) + ": " + c.why);
    Window w(c.form);
    typeAll(w, c.good).click("cmdcalcola");
    ASSERT_TRUE(w.messages().empty());
    typeAll(w, c.bad);
    auto before = snapshot(w);
    w.click("cmdcalcola");
    EXPECT_EQ(w.messages(), std::vector<std::string>{kInvalid});
    EXPECT_EQ(snapshot(w), before);
    for (const auto& [name, text] : before) {
      EXPECT_EQ(text.find("nan"), std::string::npos) << name;
      EXPECT_EQ(text.find("inf"), std::string::npos) << name;
    }
  }
}

TEST(CircuitsMessages, HostileTextsNeverShowGarbage) {
  const std::map<std::string, Steps> good = {
      {"frmLC", {{"txtf", "7.1"}, {"txtl", "2.2"}, {"txtC", "220"}}},
      {"frmLL", {{"txtl1", "10"}, {"txtl2", "4.7"}, {"txtf", "3.6"}}},
      {"frmRC", {{"txtr", "50"}, {"txtC", "100"}, {"txtf", "14"}}},
      {"frmRL", {{"txtr", "50"}, {"txtl", "1"}, {"txtf", "7"}}},
      {"frmRLC", {{"txtr", "5"}, {"txtl", "2.2"}, {"txtC", "220"}, {"txtf", "7.1"}}},
      {"frmRLCparallelo", {{"txtr", "5"}, {"txtl", "2.2"}, {"txtC", "220"}, {"txtf", "7.1"}}},
      {"frmRLCserie", {{"txtr", "5"}, {"txtl", "2.2"}, {"txtC", "220"}, {"txtf", "7.1"}}},
      {"frmRLR", {{"txtr1", "2"}, {"txtl", "1"}, {"txtr2", "50"}, {"txtf", "14"}}},
      {"frmCircuitiRLC", {{"txtf", "14.2"}, {"txtl", "1.5"}, {"txtC", "82"}, {"txtr", "50"}}},
      {"frmimpcapparallelo", {{"txtf", "7.1"}, {"txtl", "2.2"}, {"txtC", "220"}, {"txtw", "100"}}},
      {"frmimpcapserie", {{"txtf", "7.1"}, {"txtl", "2.2"}, {"txtC", "220"}, {"txtw", "10"}}},
  };
  const std::vector<std::string> hostile = {"",      "-0",     "1e308", "-1e308", "1e-308", "abc",
                                            "1,5",   "&HFFFF", "-7.1",  "1e38",   "1e-45",  std::string(300, '9')};
  for (const auto& [form, steps] : good) {
    for (const auto& [input, unused] : steps) {
      for (const auto& text : hostile) {
        SCOPED_TRACE(form + " " + input + "=" + text);
        Window w(form);
        typeAll(w, steps).type(input, text).click("cmdcalcola");
        for (const auto& m : w.messages()) EXPECT_TRUE(m == kMissing || m == kInvalid) << m;
        for (int i = 0; i < w.form().count(); ++i) {
          const std::string& t = w.form().state(i).text;
          EXPECT_EQ(t.find("nan"), std::string::npos) << t;
          EXPECT_EQ(t.find("inf"), std::string::npos) << t;
        }
      }
    }
  }
}

// ------------------------------------------------------------------- typing

struct TypingCase {
  const char* form;
  Steps good;
  const char* input;                 // typed into after a computation
  std::vector<std::string> kept;     // results that keep their text
};

TEST(CircuitsTyping, TypingBlanksTheResults) {
  const Steps lc = {{"txtf", "7.1"}, {"txtl", "2.2"}, {"txtC", "220"}};
  const Steps ll = {{"txtl1", "10"}, {"txtl2", "4.7"}, {"txtf", "3.6"}};
  const Steps rc = {{"txtr", "50"}, {"txtC", "100"}, {"txtf", "14"}};
  const Steps rl = {{"txtr", "50"}, {"txtl", "1"}, {"txtf", "7"}};
  const Steps rlc = {{"txtr", "5"}, {"txtl", "2.2"}, {"txtC", "220"}, {"txtf", "7.1"}};
  const Steps rlr = {{"txtr1", "2"}, {"txtl", "1"}, {"txtr2", "50"}, {"txtf", "14"}};
  const Steps crlc = {{"txtf", "14.2"}, {"txtl", "1.5"}, {"txtC", "82"}, {"txtr", "50"}};
  const Steps cap = {{"txtf", "7.1"}, {"txtl", "2.2"}, {"txtC", "220"}, {"txtw", "10"}};
  const std::vector<std::string> allOfCrlc = kResults.at("frmCircuitiRLC");
  const std::vector<std::string> allOfCap = kResults.at("frmimpcapparallelo");
  const std::vector<TypingCase> cases = {
      {"frmLC", lc, "txtf", {}}, {"frmLC", lc, "txtl", {}}, {"frmLC", lc, "txtC", {}},
      {"frmLL", ll, "txtl1", {}}, {"frmLL", ll, "txtl2", {}}, {"frmLL", ll, "txtf", {}},
      {"frmRC", rc, "txtr", {}}, {"frmRC", rc, "txtC", {}}, {"frmRC", rc, "txtf", {}},
      {"frmRL", rl, "txtr", {}}, {"frmRL", rl, "txtl", {}}, {"frmRL", rl, "txtf", {}},
      {"frmRLC", rlc, "txtr", {}}, {"frmRLC", rlc, "txtl", {}}, {"frmRLC", rlc, "txtC", {}},
      {"frmRLC", rlc, "txtf", {}},
      {"frmRLCparallelo", rlc, "txtr", {}}, {"frmRLCparallelo", rlc, "txtl", {}},
      {"frmRLCparallelo", rlc, "txtC", {}}, {"frmRLCparallelo", rlc, "txtf", {}},
      {"frmRLCserie", rlc, "txtr", {}}, {"frmRLCserie", rlc, "txtl", {}},
      {"frmRLCserie", rlc, "txtC", {}}, {"frmRLCserie", rlc, "txtf", {}},
      {"frmRLR", rlr, "txtr1", {}}, {"frmRLR", rlr, "txtr2", {}}, {"frmRLR", rlr, "txtf", {}},
      // a new inductance leaves the old reactance on the drawing
      {"frmRLR", rlr, "txtl", {"lbll"}},
      {"frmCircuitiRLC", crlc, "txtf", allOfCrlc}, {"frmCircuitiRLC", crlc, "txtr", allOfCrlc},
      {"frmimpcapparallelo", cap, "txtC", allOfCap}, {"frmimpcapparallelo", cap, "txtw", allOfCap},
      {"frmimpcapserie", cap, "txtl", allOfCap}, {"frmimpcapserie", cap, "txtr", allOfCap},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.form) + " typing into " + c.input);
    Window w(c.form);
    typeAll(w, c.good).click("cmdcalcola");
    auto shown = snapshot(w);
    for (const auto& [name, text] : shown) ASSERT_NE(text, "") << name;
    w.keys(c.input, "3.5");
    for (const auto& [name, text] : shown) {
      bool kept = std::find(c.kept.begin(), c.kept.end(), name) != c.kept.end();
      EXPECT_EQ(w.text(name), kept ? text : "") << name;
    }
    EXPECT_TRUE(w.messages().empty());
  }
}

TEST(CircuitsTyping, RlrReactanceLabelStartsAsTheLetterL) {
  Window w("frmRLR");
  EXPECT_EQ(w.text("lbll"), "L");
  w.type("txtr1", "2");
  EXPECT_EQ(w.text("lbll"), "");  // cleared, not put back to "L"
}

// ------------------------------------------------- resonance and phase sign

// The 40 m tank 2.2 uH / 220 pF resonates near 7.234 MHz; each window is read
// at 7.1 MHz, a little below, and at 7.4 MHz, a little above.
struct SideCase {
  const char* form;
  Steps fixed;
  const char* label;
  const char* below;
  const char* above;
};

TEST(CircuitsResonance, PhaseChangesSignAcrossResonance) {
  const Steps lc = {{"txtl", "2.2"}, {"txtC", "220"}};
  const Steps rlc = {{"txtr", "5"}, {"txtl", "2.2"}, {"txtC", "220"}};
  const Steps rlcp = {{"txtr", "1000"}, {"txtl", "2.2"}, {"txtC", "220"}};
  const Steps crlc = {{"txtl", "2.2"}, {"txtC", "220"}, {"txtr", "50"}};
  const Steps cap = {{"txtl", "2.2"}, {"txtC", "220"}, {"txtw", "10"}};
  const std::vector<SideCase> cases = {
      {"frmLC", lc, "lblfases", "ANGOLO DI FASE SERIE  -90  GRADI", "ANGOLO DI FASE SERIE  90  GRADI"},
      {"frmLC", lc, "lblfasep", "ANGOLO DI FASE PARALLELO 74,5  GRADI", "ANGOLO DI FASE PARALLELO -78,1  GRADI"},
      // the coil with C across it is inductive below resonance: positive
      {"frmRLC", rlc, "lblfi", "ANGOLO DI FASE   33,94  GRADI", "ANGOLO DI FASE   -44,97  GRADI"},
      {"frmRLCparallelo", rlcp, "lblfi", "L' ANGOLO DI FASE E'   -20,55  GRADI",
       "L' ANGOLO DI FASE E'   24,37  GRADI"},
      {"frmRLCserie", rlc, "lblfi", "ANGOLO DI FASE   -36,86  GRADI", "ANGOLO DI FASE   42,17  GRADI"},
      {"frmCircuitiRLC", crlc, "lblanticipo", "TENSIONE IN RITARDO SULLA CORRENTE",
       "TENSIONE IN ANTICIPO SULLA CORRENTE"},
      {"frmCircuitiRLC", crlc, "lblsfasamento", "LO SFASAMENTO E' DI : -4,31 gradi",
       "LO SFASAMENTO E' DI : 5,15 gradi"},
      // these two texts go by XC against XL, whatever the sign of the angle
      {"frmimpcapparallelo", cap, "lblanticipo", "LA CORRENTE E' IN ANTICIPO SULLA TENSIONE DI GRADI : 86,83",
       "LA CORRENTE E' IN RITARDO SULLA TENSIONE DI GRADI : -87,58"},
      {"frmimpcapserie", cap, "lblanticipo", "LA CORRENTE E' IN ANTICIPO SULLA TENSIONE DI GRADI : -86,95",
       "LA CORRENTE E' IN RITARDO SULLA TENSIONE DI GRADI : 87,48"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.form) + " " + c.label);
    Window w(c.form);
    typeAll(w, c.fixed).type("txtf", "7.1").click("cmdcalcola");
    EXPECT_EQ(w.text(c.label), c.below);
    w.type("txtf", "7.4").click("cmdcalcola");
    EXPECT_EQ(w.text(c.label), c.above);
  }
}

TEST(CircuitsResonance, ResonantFrequencyTypedBackShowsTheTankAtResonance) {
  // the value shown is typed back into the frequency field, as the window invites
  Window w("frmimpcapparallelo");
  w.type("txtf", "7.1").type("txtl", "2.2").type("txtC", "220").type("txtw", "100").click("cmdcalcola");
  EXPECT_NE(w.text("lblrisonanza").find("A MHz : 7,23432 "), std::string::npos);
  w.type("txtf", "7.23432").click("cmdcalcola");
  // XL squared over the 0.2 ohm loss: the tank is almost a pure resistance
  EXPECT_EQ(w.text("lblimpedenza"), "L'IMPEDENZA TOTALE E' DI 50.000,1 Ohm ");
  EXPECT_EQ(w.text("lblxl"), "REATTANZA IND.VA : 100,");
  EXPECT_EQ(w.text("lblxc"), "REATTANZA CAP.VA : 100,");
  EXPECT_EQ(w.text("lblanticipo"), "LA CORRENTE E' IN RITARDO SULLA TENSIONE DI GRADI : -0,14");
  EXPECT_EQ(w.text("lbltensione"),
            "CORRENTE SULLA BOBINA : 22,361 Amp, IN OPPOSIZIONE AI 22,361 Amp SUL CONDENSATORE");
  EXPECT_EQ(w.text("lblcorrente"),
            "LA TENSIONE E' 2.236,07 Volt,   LA CORRENTE REATTIVA E' DI 0,045 Ampere");
}

// ------------------------------------------------------------- companions

struct CompanionCase {
  const char* form;
  bool moves;
  int selfLeft, selfTop;
};

TEST(CircuitsCompanions, CoilCalculatorOpensAtItsPlace) {
  const std::vector<CompanionCase> cases = {
      {"frmLC", true, 180, 180},          {"frmLL", true, 400, 300},
      {"frmRL", true, 400, 300},          {"frmRLC", true, 400, 300},
      {"frmimpcapparallelo", false, 0, 0}, {"frmimpcapserie", false, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.form);
    Window w(c.form);
    w.events();
    w.click("cmdchiamabobine");
    auto ev = w.events();
    ASSERT_EQ(ev.size(), c.moves ? 2u : 1u);
    if (c.moves) {
      EXPECT_EQ(ev[0].type, HostEvent::Type::Move);
      EXPECT_EQ(ev[0].left, c.selfLeft);
      EXPECT_EQ(ev[0].top, c.selfTop);
    }
    const HostEvent& open = ev.back();
    EXPECT_EQ(open.type, HostEvent::Type::Open);
    EXPECT_EQ(open.form, "frmbobine");
    EXPECT_EQ(open.how, OpenHow::Modeless);
    if (c.moves) {
      EXPECT_EQ(open.left, 4100);
      EXPECT_EQ(open.top, 2800);
    } else {
      EXPECT_FALSE(open.left.has_value());
    }
  }
}

TEST(CircuitsCompanions, WindowsWithoutCoilButton) {
  for (const char* form : {"frmRC", "frmRLCparallelo", "frmRLCserie", "frmRLR", "frmCircuitiRLC"}) {
    Window w(form);
    EXPECT_LT(w.form().find("cmdchiamabobine"), 0) << form;
  }
}

TEST(CircuitsWindows, CloseButtonsCloseTheWindow) {
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"frmLC", "cmdchiudi"},   {"frmLL", "cmdchiudi"},        {"frmRC", "cmdchiudi"},
      {"frmRL", "cmdchiudi"},   {"frmRLC", "cmdchiudi"},       {"frmRLCparallelo", "cmdchiudi"},
      {"frmRLCserie", "cmdchiudi"}, {"frmRLR", "cmdchiudi"},   {"frmCircuitiRLC", "cmdesci"},
      {"frmimpcapparallelo", "cmdesci"}, {"frmimpcapserie", "cmdesci"},
  };
  for (const auto& [form, button] : cases) {
    SCOPED_TRACE(form);
    Window w(form);
    w.click(button);
    EXPECT_FALSE(w.form().isOpen());
  }
}

// ---------------------------------------------------------- window layout

struct TextCase {
  const char* form;
  const char* control;
  const char* text;
};

TEST(CircuitsWindows, CaptionsAndTextsAsDesigned) {
  const std::vector<std::pair<const char*, const char*>> titles = {
      {"frmLC", "IMPEDENZA di :  CAPACITA'  +  INDUTTANZA"},
      {"frmLL", "IMPEDENZA di :  INDUTTANZA  +  INDUTTANZA"},
      {"frmRC", "IMPEDENZA di :  RESISTENZA  +  CAPACITA'"},
      {"frmRL", "IMPEDENZA di :  RESISTENZA  +  INDUTTANZA"},
      {"frmRLC", "IMPEDENZA di :  R + L + C  "},
      {"frmRLCparallelo", "IMPEDENZA di :  R + L + C  parallelo"},
      {"frmRLCserie", "IMPEDENZA di :  R + L + C  serie"},
      {"frmRLR", "IMPEDENZA di :  R  L + R "},
      {"frmCircuitiRLC", "CALCOLO IMPEDENZA DI CIRCUITI CON R L C"},
      {"frmimpcapparallelo", "CONDENSATORE E INDUTTANZA IN PARALLELO"},
      {"frmimpcapserie", "CONDENSATORE E INDUTTANZA IN SERIE"},
  };
  for (const auto& [form, title] : titles) {
    Window w(form);
    EXPECT_EQ(w.form().caption(), title) << form;
    // every window opens with the focus on its first input, results empty
    EXPECT_EQ(w.focus().substr(0, 3), "txt") << form;
  }

  // the captions of the inputs, read through their buddy labels
  const std::vector<TextCase> captions = {
      {"frmLC", "txtf", "FREQUENZA  in MHz "},
      {"frmLC", "txtl", "INDUTTANZA in uH"},
      {"frmLC", "txtC", "CAPACITA' in pF"},
      {"frmLL", "txtl1", "uH prima induttanza "},
      {"frmLL", "txtl2", "uH seconda induttanza "},
      {"frmLL", "txtf", "frequenza in MHz "},
      {"frmRC", "txtr", "RESISTENZA  in Ohm"},
      {"frmRC", "txtC", "CAPACITA '   in pF"},
      {"frmRC", "txtf", "FREQUENZA  in MHz "},
      {"frmRL", "txtl", "INDUTTANZA in uH"},
      {"frmRLCserie", "txtC", "CAPACITA' in pF"},
      {"frmRLR", "txtr1", "RESISTENZA R1 in Ohm"},
      {"frmRLR", "txtr2", "RESISTENZA R2 in Ohm"},
      {"frmCircuitiRLC", "txtf", "FREQUENZA in MHz :"},
      {"frmCircuitiRLC", "txtl", "INDUTTANZA in microH :"},
      {"frmCircuitiRLC", "txtC", "CAPACITA' in pF :"},
      {"frmCircuitiRLC", "txtr", "RESISTENZA in Ohm :"},
      {"frmimpcapparallelo", "txtf", "FREQUENZA in Mhz"},
      {"frmimpcapparallelo", "txtl", "INDUTTANZA in microH"},
      {"frmimpcapparallelo", "txtC", "CAPACITA' in pF"},
      {"frmimpcapparallelo", "txtr", "RESISTENZA di PERDITA in Ohm :"},
      {"frmimpcapparallelo", "txtw", "POTENZA  APPARENTE in Watt"},
      {"frmimpcapserie", "txtf", "FREQUENZA in Mhz :"},
      {"frmimpcapserie", "txtl", "INDUTTANZA in microH :"},
      {"frmimpcapserie", "txtC", "CAPACITA' in pF :"},
      {"frmimpcapserie", "txtr", "RESISTENZA di PERDITA in Ohm"},
      {"frmimpcapserie", "txtw", "POTENZA  APPLICATA in WATT :"},
  };
  for (const auto& c : captions) {
    Window w(c.form);
    int buddy = w.form().def(w.id(c.control)).buddy;
    ASSERT_GE(buddy, 0) << c.form << " " << c.control;
    EXPECT_EQ(w.form().state(buddy).text, c.text) << c.form << " " << c.control;
  }

  const std::vector<TextCase> buttons = {
      {"frmLC", "cmdcalcola", "CALCOLA"},
      {"frmLC", "cmdchiudi", "C H I U D I"},
      {"frmLC", "cmdchiamabobine", "Costruzione bobine"},
      {"frmLL", "cmdchiudi", ""},
      {"frmCircuitiRLC", "cmdesci", "E S C I"},
      {"frmimpcapparallelo", "cmdchiamabobine", "Costruzione bobine"},
      {"frmimpcapserie", "cmdchiamabobine", "Costruzione Bobine"},
      {"frmimpcapserie", "cmdesci", "E S C I"},
      {"frmimpcapparallelo", "txtr", "0.2"},
      {"frmimpcapserie", "txtr", "0.2"},
      {"frmRLR", "lbll", "L"},
      {"frmimpcapparallelo", "lblvl", "induttanza"},
      {"frmimpcapparallelo", "lblvc", "condensatore"},
      {"frmimpcapserie", "lblvl", "induttanza"},
      {"frmimpcapserie", "lblvc", "condensatore"},
      {"frmCircuitiRLC", "Label1",
       "CONOSCENDO IL VALORE DELLA RESISTENZA, DELL' INDUTTANZA, DELLA CAPACITA' E DELLA FREQUENZA, SI PUO' "
       "RICAVARE IL VALORE DELL' IMPEDENZA TOTALE DEL CIRCUITO"},
  };
  for (const auto& c : buttons) {
    Window w(c.form);
    EXPECT_EQ(w.text(c.control), c.text) << c.form << " " << c.control;
  }
  Window ll("frmLL");
  EXPECT_FALSE(ll.form().def(ll.id("cmdchiudi")).picture.empty());
}

TEST(CircuitsWindows, Tooltips) {
  const std::vector<TextCase> cases = {
      {"frmCircuitiRLC", "txtf", "campo obbligato"},
      {"frmCircuitiRLC", "txtC", "campo obbligato"},
      {"frmCircuitiRLC", "cmdcalcola", "CALCOLA IL VALORE DELL'IMPEDENZA"},
      {"frmCircuitiRLC", "cmdesci", "ESCE DALL'APPLICAZIONE"},
      {"frmimpcapparallelo", "txtr", "in funzione della qualità dell'induttore"},
      {"frmimpcapparallelo", "txtw", "dato facoltativo"},
      {"frmimpcapserie", "txtr", "in funzione della qualità dell'induttore"},
      {"frmimpcapserie", "txtw", "dato facoltativo"},
  };
  for (const auto& c : cases) {
    Window w(c.form);
    int id = w.id(c.control);
    EXPECT_EQ(w.form().state(id).tooltip, c.text) << c.form << " " << c.control;
    int buddy = w.form().def(id).buddy;
    // the impedance windows with a generator show the tip on the caption too
    if (std::string(c.form).rfind("frmimpcap", 0) == 0) {
      EXPECT_EQ(w.form().state(buddy).tooltip, c.text) << c.form << " " << c.control;
    }
  }
}

// Every static text a window shows, wherever it stands.
bool showsText(Window& w, const std::string& text) {
  for (int i = 0; i < w.form().count(); ++i)
    if (w.form().def(i).kind == Kind::Label && w.form().state(i).text == text) return true;
  return false;
}

TEST(CircuitsWindows, SchematicsCarryTheirLabels) {
  const std::vector<std::pair<const char*, std::vector<std::string>>> statics = {
      {"frmLC", {"CONFIGURAZIONE SERIE", "CONFIGURAZIONE PARALLELO"}},
      {"frmLL", {"CONFIGURAZIONE SERIE", "CONFIGURAZIONE PARALLELO"}},
      {"frmRC", {"CONFIGURAZIONE SERIE", "CONFIGURAZIONE PARALLELO"}},
      {"frmRL", {"CONFIGURAZIONE SERIE", "CONFIGURAZIONE PARALLELO"}},
      {"frmRLR", {"R1", "R2", "L"}},
      {"frmCircuitiRLC", {"R L C in serie", "L C in parallelo a R"}},
      {"frmimpcapparallelo", {"generatore", "USARE IL PUNTO PER SEPARARE I DECIMALI"}},
      {"frmimpcapserie", {"generatore", "USARE IL PUNTO PER SEPARARE I DECIMALI"}},
  };
  for (const auto& [form, texts] : statics)
    for (const auto& t : texts) {
      Window w(form);
      EXPECT_TRUE(showsText(w, t)) << form << ": " << t;
    }

  // every window draws its circuit; the value labels sit on it, inside it
  const std::vector<std::pair<const char*, std::vector<std::string>>> placed = {
      {"frmRLR", {"lbll"}},
      {"frmimpcapparallelo", {"lblvl", "lblvc"}},
      {"frmimpcapserie", {"lblvl", "lblvc"}},
  };
  for (const auto& [form, names] : placed) {
    Window w(form);
    for (const auto& name : names) {
      const auto& d = w.form().def(w.id(name));
      ASSERT_GE(d.drawing, 0) << form << " " << name;
      const Drawing& art = *w.form().def(d.drawing).art;
      EXPECT_GT(d.anchorX, 0);
      EXPECT_LT(d.anchorX, art.width);
      EXPECT_GT(d.anchorY, 0);
      EXPECT_LT(d.anchorY, art.height);
    }
  }
  for (const auto& [form, results] : kResults) {
    Window w(form);
    int drawings = 0;
    for (int i = 0; i < w.form().count(); ++i)
      if (w.form().def(i).kind == Kind::Drawing) {
        ++drawings;
        EXPECT_FALSE(w.form().def(i).art->shapes.empty()) << form;
      }
    EXPECT_GE(drawings, 1) << form;
  }
}

TEST(CircuitsWindows, CircuitiRlcCentresItselfOnLoad) {
  Window w("frmCircuitiRLC");
  auto ev = w.events();
  ASSERT_EQ(ev.size(), 2u);
  EXPECT_EQ(ev[0].type, HostEvent::Type::Resize);
  EXPECT_EQ(ev[0].width, 8595);
  EXPECT_EQ(ev[0].height, 6840);
  auto [sw, sh] = w.host.screenSize();
  EXPECT_EQ(ev[1].type, HostEvent::Type::Move);
  EXPECT_EQ(ev[1].left, (sw - 8595) / 2);
  EXPECT_EQ(ev[1].top, (sh - 6840) / 2);
}

TEST(CircuitsWindows, ResultsAreEmptyAtLoad) {
  for (const auto& [form, results] : kResults) {
    Window w(form);
    for (const auto& name : results) {
      if (name == "lbll" || name == "lblvl" || name == "lblvc") continue;  // drawing captions
      EXPECT_EQ(w.text(name), "") << form << " " << name;
    }
  }
}

}  // namespace
}  // namespace vm
