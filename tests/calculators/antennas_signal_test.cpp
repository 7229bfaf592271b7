// Radiated power, received signal, path loss and line-of-sight range, then the
// full-size resonant verticals: worked cases on the amateur bands, every
// message with the input that gets the focus, and the live windows keystroke
// by keystroke.
#include <gtest/gtest.h>

#include "support/rows.h"

namespace vm::test {
namespace {

const char* const kMissing = "MANCANO DATI|MESSAGGIO DI ERRORE|warning";

std::vector<std::string> erpSteps(const char* f, const char* w, const char* l, const char* n, const char* g,
                                  int cable) {
  return {"click:Option1:" + std::to_string(cable), std::string("txtfrequenza=") + f, std::string("txtW=") + w,
          std::string("txtlunghezza=") + l, std::string("txtnr=") + n, std::string("txtguadagno=") + g,
          "click:cmdcalcola"};
}

const Row kErp[] = {
    Row("frmERP", {}).why("the first cable is chosen at opening").selected("Option1", 0),
    Row("frmERP", erpSteps("145", "100", "20", "2", "2.14", 0))
        .why("RG 58 on 2 m: 24.3 dB per 100 m and 0.2 dB a connector")
        .text("lblerp", "POTENZA IRRADIATA  48,75 Watt")
        .text("lblpt", "PERDITA TOT. DELLA LINEA  5,26 dB"),
    Row("frmERP", erpSteps("145", "100", "20", "2", "2.14", 1))
        .text("lblerp", "POTENZA IRRADIATA  99,27 Watt")
        .text("lblpt", "PERDITA TOT. DELLA LINEA  2,17 dB"),
    Row("frmERP", erpSteps("7.1", "100", "30", "2", "2.14", 0))
        .why("40 m falls in the band up to 50 MHz")
        .text("lblerp", "POTENZA IRRADIATA  113,84 Watt")
        .text("lblpt", "PERDITA TOT. DELLA LINEA  1,58 dB"),
    Row("frmERP", erpSteps("432", "50", "10", "2", "12", 0))
        .why("70 cm falls in the band up to 1000 MHz")
        .text("lblerp", "POTENZA IRRADIATA  112,71 Watt")
        .text("lblpt", "PERDITA TOT. DELLA LINEA  8,47 dB"),
    Row("frmERP", erpSteps("10", "100", "100", "1", "3", 0))
        .why("10 MHz is still the first band")
        .text("lblerp", "POTENZA IRRADIATA  67,76 Watt")
        .text("lblpt", "PERDITA TOT. DELLA LINEA  4,69 dB"),
    Row("frmERP", erpSteps("10.001", "100", "100", "1", "3", 0))
        .text("lblerp", "POTENZA IRRADIATA  16,22 Watt")
        .text("lblpt", "PERDITA TOT. DELLA LINEA  10,9 dB"),
    Row("frmERP", erpSteps("3100", "10", "10", "1", "10", 3))
        .why("between 3000 and 3200 MHz the highest band serves")
        .text("lblerp", "POTENZA IRRADIATA  35,73 Watt")
        .text("lblpt", "PERDITA TOT. DELLA LINEA  4,47 dB"),
    Row("frmERP", erpSteps("3300", "10", "10", "1", "10", 0))
        .why("a refused frequency leaves the results as they were")
        .message("FREQUENZA ECCESSIVA|AVVVERTIMENTO|warning")
        .text("lblerp", "")
        .text("lblpt", "")
        .focus("txtfrequenza"),
    Row("frmERP", [] {
      auto s = erpSteps("145", "100", "20", "2", "2.14", 0);
      s.push_back("txtfrequenza=3300");
      s.push_back("click:cmdcalcola");
      return s;
    }())
        .why("after the warning the previous results stay")
        .message("FREQUENZA ECCESSIVA|AVVVERTIMENTO|warning")
        .text("lblerp", "POTENZA IRRADIATA  48,75 Watt")
        .text("lblpt", "PERDITA TOT. DELLA LINEA  5,26 dB")
        .focus("txtfrequenza"),
    Row("frmERP", erpSteps("145", "100", "20", "2", "0", 0))
        .why("no gain counts as missing data")
        .message(kMissing)
        .text("lblerp", "")
        .focus("txtfrequenza"),
    Row("frmERP", erpSteps("145", "100", "20", "", "2.14", 0)).message(kMissing).focus("txtfrequenza"),
    Row("frmERP", {"txtfrequenza=145", "txtW=100", "txtlunghezza=20", "txtnr=2", "txtguadagno=2.14",
                   "click:cmdcalcola", "click:Option1:1", "txtW=50"})
        .why("typing and choosing a cable wait for the next compute")
        .text("lblerp", "POTENZA IRRADIATA  48,75 Watt"),
};
TEST(AntennasSignal, Erp) { play(kErp); }

const Row kSignals[] = {
    Row("frmsegnalidipolo", {"txtwatt=100", "txtdistanza=10", "txtfrequenza=145", "click:cmdcalcola"})
        .text("lblpr", "DENSITA' DI POTENZA DELL' ONDA  :  0,13057  microWATT/mq ")
        .text("lblpa", "POTENZA GENERATA NEL DIPOLO RICEVENTE : 0,07298 microWATT ")
        .text("lblcampoe", "INTENSITA' CAMPO ELETTRICO IN RICEZIONE : 7,014 milliVOLT/mt ")
        .text("lblcampoh", "INTENSITA' CAMPO MAGNETICO IN RICEZIONE : 18,354 microAMP/mt ")
        .text("lbltensione", "TENSIONE NEL DIPOLO RICEVENTE : 2,340 milliVOLT "),
    Row("frmsegnalidipolo", {"txtwatt=100", "txtfrequenza=145", "click:cmdcalcola"})
        .message(kMissing)
        .text("lblpr", "")
        .focus("txtwatt"),
    Row("frmsegnaligenerica",
        {"txtwatt=1000", "txtdistanza=1", "txtfrequenza=14.2", "txtgt=10", "txtgr=1.64", "click:cmdcalcola"})
        .why("patterned numbers with thousands separators")
        .text("lblpr", "DENSITA' DI POTENZA DELL' ONDA  :  796,17834  microWATT/mq ")
        .text("lblpa", "POTENZA GENERATA NELL'ANTENNA RICEVENTE : 46.401,3258 microWATT ")
        .text("lblcampoe", "INTENSITA' CAMPO ELETTRICO IN RICEZIONE : 547,723 milliVOLT/mt ")
        .text("lblcampoh", "INTENSITA' CAMPO MAGNETICO IN RICEZIONE : 1.433,207 microAMP/mt ")
        .text("lbltensione", "TENSIONE NELL'ANTENNA RICEVENTE : 1.865,502 milliVOLT "),
    Row("frmsegnaligenerica",
        {"txtwatt=100", "txtdistanza=10", "txtfrequenza=145", "txtgt=1.64", "txtgr=1.64", "click:cmdcalcola"})
        .why("two dipoles give the dipole window's figures")
        .text("lblpr", "DENSITA' DI POTENZA DELL' ONDA  :  0,13057  microWATT/mq ")
        .text("lblpa", "POTENZA GENERATA NELL'ANTENNA RICEVENTE : 0,073 microWATT ")
        .text("lbltensione", "TENSIONE NELL'ANTENNA RICEVENTE : 2,34 milliVOLT "),
    Row("frmsegnaligenerica", {"txtwatt=100", "txtdistanza=10", "txtfrequenza=145", "txtgt=1.64", "click:cmdcalcola"})
        .message(kMissing)
        .focus("txtwatt"),
};
TEST(AntennasSignal, ReceivedSignal) { play(kSignals); }

const Row kPath[] = {
    Row("frmattenuazionetratta", {"txtfrequenza=145", "txtdistanza=10", "click:cmdcalcola"})
        .text("lblattenuazione", "L'ATTENUAZIONE ALLA DISTANZA DI 10 KM é 95,66 dB"),
    Row("frmattenuazionetratta", {"txtfrequenza=145", "txtdistanza=100", "click:cmdcalcola"})
        .why("2 m over 100 km: the textbook free-space loss is 115.7 dB")
        .text("lblattenuazione", "L'ATTENUAZIONE ALLA DISTANZA DI 100 KM é 115,66 dB"),
    Row("frmattenuazionetratta", {"txtfrequenza=432", "txtdistanza=50", "click:cmdcalcola"})
        .text("lblattenuazione", "L'ATTENUAZIONE ALLA DISTANZA DI 50 KM é 119,13 dB"),
    Row("frmattenuazionetratta", {"txtfrequenza=145", "click:cmdcalcola"})
        .why("no distance is one metre")
        .text("lblattenuazione", "L'ATTENUAZIONE ALLA DISTANZA DI 0,001 KM é 15,66 dB"),
    Row("frmattenuazionetratta", {"txtdistanza=10", "click:cmdcalcola"})
        .why("no frequency cannot be worked out")
        .message("DATI NON VALIDI|MESSAGGIO DI ERRORE|warning")
        .text("lblattenuazione", ""),
    Row("frmondadiretta", {"txtaltezza=1", "txtaltezza=10", "txtaltezza=100"})
        .text("lbldistanza", "LA POSSIBILE DISTANZA E' DI KM: 41"),
    Row("frmondadiretta", {"txtaltezza=1"}).text("lbldistanza", "LA POSSIBILE DISTANZA E' DI KM: 4"),
    Row("frmondadiretta", {"txtaltezza=5000"}).text("lbldistanza", "LA POSSIBILE DISTANZA E' DI KM: 292"),
    Row("frmondadiretta", {"txtaltezza=500", "txtaltezza=5001"})
        .message("ALTEZZA ECCESSIVA|MESSAGGIO DI ERRORE|warning")
        .focus("txtaltezza"),
    Row("frmondadiretta", {"txtaltezza=-", "txtaltezza=-5"})
        .message("MANCA DATO|MESSAGGIO DI ERRORE|warning")
        .text("lbldistanza", "")
        .focus("txtaltezza"),
    Row("frmondadiretta", {"txtaltezza=100", "txtaltezza="})
        .why("an empty height changes nothing")
        .text("lbldistanza", "LA POSSIBILE DISTANZA E' DI KM: 41"),
};
TEST(AntennasSignal, PathAndRange) { play(kPath); }


const char* const kTooLow = "FREQUENZA TROPPO BASSA PER QUESTO TIPO D'ANTENNA";
const char* const kTooHigh = "FREQUENZA TROPPO ALTA PER QUESTO TIPO D'ANTENNA";
const char* const k25 = "IL DIAMETRO MEDIO DEGLI ELEMENTI PUO' ESSERE 25 mm.";
const char* const k1015 = "IL DIAMETRO MEDIO DEGLI ELEMENTI PUO' ESSERE 10/15 mm.";
const char* const k10 = "IL DIAMETRO MEDIO DEGLI ELEMENTI PUO' ESSERE 10 mm.";

const Row kFiveEighths[] = {
    Row("frmantenna58", {})
        .why("the 6 m design is shown at opening")
        .selected("Option1", 0)
        .text("lblaltezza", "340 cm.")
        .text("lblradiale", "143 cm.")
        .text("lblcarico", "9 sp.")
        .text("lblradiatore", "RADIATORE cm. 340     DIAMETRO 20 mm.")
        .text("lblradiali", "N. 4 RADIALI cm. 143     DIAMETRO 5 mm.")
        .text("lblbobina", "BOBINA n.9 spire 2 mm. su diametro 3 cm. lunga 3 cm."),
    Row("frmantenna58", {"click:Option1:1"})
        .text("lblaltezza", "120 cm.")
        .text("lblradiale", "50 cm.")
        .text("lblcarico", "5 sp.")
        .text("lblradiatore", "RADIATORE cm. 120     DIAMETRO 10 mm.")
        .text("lblradiali", "N. 4 RADIALI cm. 50     DIAMETRO 5 mm.")
        .text("lblbobina", "BOBINA n.5 spire 2 mm. su diametro 2 cm. lunga 2 cm."),
    Row("frmantenna58", {"click:Option1:1", "click:Option1:2"})
        .text("lblaltezza", "42 cm.")
        .text("lblradiale", "17 cm.")
        .text("lblcarico", "2 sp.")
        .text("lblradiatore", "RADIATORE cm. 42     DIAMETRO 6 mm.")
        .text("lblradiali", "N. 4 RADIALI cm. 17     DIAMETRO 5 mm.")
        .text("lblbobina", "BOBINA n.2 spire 2 mm. su diametro 1.5 cm. lunga 2 cm."),
};
TEST(AntennasVerticals, FiveEighths) { play(kFiveEighths); }

const Row kJ[] = {
    Row("frmantennaJ", {})
        .text("lblaltezza", "radiatore")
        .text("lbllinea", "linea")
        .focus("txtfrequenza"),
    Row("frmantennaJ", {"txtfrequenza=1", "txtfrequenza=14", "txtfrequenza=145"})
        .why("2 m, typed character by character")
        .text("lblaltezza", "152 cm.")
        .text("lbllinea", "52cm. ")
        .text("lbldist", "3,2 cm.")
        .text("lbldiametro", k1015),
    Row("frmantennaJ", {"txtfrequenza=28"})
        .why("the line is 267.5 cm and goes to the even 268")
        .text("lblaltezza", "786 cm.")
        .text("lbllinea", "268cm. ")
        .text("lbldist", "16,4 cm.")
        .text("lbldiametro", kTooLow),
    Row("frmantennaJ", {"txtfrequenza=50"})
        .text("lblaltezza", "440 cm.")
        .text("lbllinea", "150cm. ")
        .text("lbldist", "9,2 cm.")
        .text("lbldiametro", k25),
    Row("frmantennaJ", {"txtfrequenza=115"}).text("lbldist", "4 cm.").text("lblaltezza", "191 cm."),
    Row("frmantennaJ", {"txtfrequenza=432"})
        .text("lblaltezza", "51 cm.")
        .text("lbllinea", "17cm. ")
        .text("lbldist", "1,1 cm.")
        .text("lbldiametro", k10),
    Row("frmantennaJ", {"txtfrequenza=440"}).text("lbldiametro", kTooHigh).text("lblaltezza", "50 cm."),
    Row("frmantennaJ", {"txtfrequenza=145", "txtfrequenza="})
        .why("no frequency writes 0 on the drawing")
        .text("lblaltezza", "0")
        .text("lbllinea", "0")
        .text("lbldist", "0")
        .text("lbldiametro", kTooLow),
    Row("frmantennaJ", {"txtfrequenza=-145"})
        .text("lblaltezza", "-152 cm.")
        .text("lbllinea", "-52cm. ")
        .text("lbldiametro", kTooLow),
    Row("frmantennaJ", {"txtfrequenza=145", "txtfrequenza=0.5"})
        .why("a radiator too long to count is not shown")
        .text("lblaltezza", "")
        .text("lbldiametro", ""),
    Row("frmantJincorto", {"txtfrequenza=145"})
        .text("lblaltezza", "152 cm.")
        .text("lbllinea", "52cm. ")
        .text("lbldist", "3,2 cm.")
        .text("lbld1", "5,1")
        .text("lbldiametro", k1015),
    Row("frmantJincorto", {"txtfrequenza=115"})
        .why("the shorted J keeps the decimal of the spacing")
        .text("lbldist", "4,0 cm.")
        .text("lbld1", "6,4"),
    Row("frmantJincorto", {"txtfrequenza=28"}).text("lbldiametro", kTooLow).text("lbld1", "26,4"),
    Row("frmantJincorto", {"txtfrequenza=30"}).text("lbldiametro", k25),
    Row("frmantJincorto", {"txtfrequenza=0"})
        .text("lblaltezza", "0")
        .text("lbllinea", "0")
        .text("lbldist", "0")
        .text("lbld1", "0"),
    Row("frmantennagap", {})
        .text("lblaltezza", "radiatore")
        .text("lbllinea", "linea")
        .text("lblalim", "alim")
        .text("lblgap", "fessura"),
    Row("frmantennagap", {"txtfrequenza=145"})
        .text("lblaltezza", "150 cm.")
        .text("lbllinea", "50cm. ")
        .text("lbldist", "4,5 cm.")
        .text("lblalim", "10,3")
        .text("lblgap", "2,1 cm.")
        .text("lbldiametro", k1015),
    Row("frmantennagap", {"txtfrequenza=28"})
        .why("the slim jim still suits 10 m")
        .text("lblaltezza", "779 cm.")
        .text("lbllinea", "257cm. ")
        .text("lbldist", "23,2 cm.")
        .text("lblalim", "53,6")
        .text("lblgap", "10,7 cm.")
        .text("lbldiametro", k25),
    Row("frmantennagap", {"txtfrequenza=150"}).text("lblgap", "2 cm.").text("lblalim", "10,0"),
    Row("frmantennagap", {"txtfrequenza=26.9"}).text("lbldiametro", kTooLow),
    Row("frmantennagap", {"txtfrequenza=145", "txtfrequenza="})
        .text("lblaltezza", "0")
        .text("lbllinea", "0")
        .text("lbldist", "0")
        .text("lblalim", "0")
        .text("lblgap", "0"),
};
TEST(AntennasVerticals, JAndSlimJim) { play(kJ); }

const Row kCollinear[] = {
    Row("frmantcollineare", {})
        .selected("Option1", 0)
        .text("lbldiscesa", " 50 OHM")
        .hidden({"lbla", "lblb", "lblc", "lbld", "lble", "lblhelp"}),
    Row("frmantcollineare", {"txtfrequenza=1", "txtfrequenza=14", "txtfrequenza=145"})
        .text("lbla", "51,7 cm.")
        .text("lblb", "34,1 cm.")
        .text("lblc", "68,3 cm.")
        .text("lbld", "34,1 cm.")
        .text("lble", "51,7 cm.")
        .shown({"lbla", "lblb", "lblc", "lbld", "lble", "lblhelp"}),
    Row("frmantcollineare", {"txtfrequenza=433"})
        .text("lbla", "17,3 cm.")
        .text("lblb", "11,4 cm.")
        .text("lblc", "22,9 cm."),
    Row("frmantcollineare", {"txtfrequenza=145", "click:Option1:1"})
        .why("a new cable empties the frequency and hides the sections")
        .text("txtfrequenza", "")
        .text("lbldiscesa", " 75 OHM")
        .hidden({"lbla", "lblb", "lblc", "lbld", "lble"})
        .shown({"lblhelp"}),
    Row("frmantcollineare", {"click:Option1:1", "txtfrequenza=145"})
        .text("lbla", "51,7 cm.")
        .text("lblb", "41,4 cm.")
        .text("lblc", "82,8 cm.")
        .text("lbld", "41,4 cm.")
        .text("lble", "51,7 cm."),
    Row("frmantcollineare", {"txtfrequenza=145", "txtfrequenza=-"})
        .hidden({"lbla", "lblb", "lblc", "lbld", "lble"}),
};
TEST(AntennasVerticals, Collinear) { play(kCollinear); }

const Row kGamma[] = {
    Row("frmgpgamma", {}).hidden({"lbletichetta"}),
    Row("frmgpgamma", {"txtf=1", "txtf=14", "txtf=145"})
        .text("lblstilo", "LO STILO VERTICALE E' LUNGO cm. : 49")
        .text("lblradiali", "OGNI RADIALE E' LUNGO cm. : 50")
        .text("lblgamma", "IL GAMMA-MATCH E' LUNGO cm. : 23")
        .text("lbldistanza", "IL GAMMA - MATCH E'  DISTANTE cm. : 5")
        .text("lblvariabile", "IL CONDENSATORE VARIABILE E ' pF : 30")
        .shown({"lbletichetta"}),
    Row("frmgpgamma", {"txtf=140"})
        .text("lblstilo", "LO STILO VERTICALE E' LUNGO cm. : 51")
        .text("lblradiali", "OGNI RADIALE E' LUNGO cm. : 52")
        .text("lblgamma", "IL GAMMA-MATCH E' LUNGO cm. : 24")
        .text("lbldistanza", "IL GAMMA - MATCH E'  DISTANTE cm. : 8")
        .text("lblvariabile", "IL CONDENSATORE VARIABILE E ' pF : 35"),
    Row("frmgpgamma", {"txtf=28.5"})
        .text("lblstilo", "LO STILO VERTICALE E' LUNGO cm. : 252")
        .text("lbldistanza", "IL GAMMA - MATCH E'  DISTANTE cm. : 10")
        .text("lblvariabile", "IL CONDENSATORE VARIABILE E ' pF : 50"),
    Row("frmgpgamma", {"txtf=14.2"})
        .text("lblstilo", "LO STILO VERTICALE E' LUNGO cm. : 507")
        .text("lblradiali", "OGNI RADIALE E' LUNGO cm. : 514")
        .text("lblgamma", "IL GAMMA-MATCH E' LUNGO cm. : 242")
        .text("lbldistanza", "IL GAMMA - MATCH E'  DISTANTE cm. : 15")
        .text("lblvariabile", "IL CONDENSATORE VARIABILE E ' pF : 100"),
    Row("frmgpgamma", {"txtf=50"}).text("lbldistanza", "IL GAMMA - MATCH E'  DISTANTE cm. : 10"),
    Row("frmgpgamma", {"txtf=145", "txtf=1"})
        .why("out of range empties the results")
        .text("lblstilo", "")
        .text("lblradiali", "")
        .text("lblgamma", "")
        .text("lbldistanza", "")
        .text("lblvariabile", "")
        .focus("txtf"),
    Row("frmgpgamma", {"txtf=145", "txtf=1001"}).text("lblstilo", "").text("lblvariabile", "").focus("txtf"),
};
TEST(AntennasVerticals, GammaGroundPlane) { play(kGamma); }

}  // namespace
}  // namespace vm::test
