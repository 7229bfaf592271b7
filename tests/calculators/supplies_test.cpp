// The regulator, series-resistor, rectifier and mains-transformer windows,
// driven with the values a radio amateur would type for a bench supply.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/rows.h"

namespace vm::test {
namespace {

using Steps = std::vector<std::string>;

const char* const kMissing = "MANCANO DATI|MESSAGGIO DI ERRORE";
const char* const kInvalid = "DATI NON VALIDI|MESSAGGIO DI ERRORE";
const char* const kIncongruous = "DATO NON CONGRUO|MESSAGGIO DI ERRORE";
const Steps kCompute = {"click:cmdcalcola"};

Steps zener(const char* vcc, const char* vz, const char* ma) {
  return {std::string("txtVcc=") + vcc, std::string("txtvz=") + vz, std::string("txtma=") + ma, "click:cmdcalcola"};
}

const Row kZener[] = {
    Row("frmreszener", {}).why("opens on the 1/2 watt Zener").selected("Option1", 0).focus("Option1(0)"),
    Row("frmreszener", zener("12", "5", "20"))
        .why("12 V to 5 V at 20 mA with 20 mA in the Zener")
        .text("lblvcc", "12 V").text("lblvz", "5 V").text("lblohm", "175 ohm")
        .text("lblohmlunga", "Valore della resistenza = Ohm 175").text("lblwatt", "Dissipazione in Watt = 0,28")
        .on("drwzener", {"lblvcc", "lblvz", "lblohm"}).focus("cmdcalcola"),
    Row("frmreszener", zener("6", "5", "60"))
        .why("12.5 ohm is held as a 16-bit integer: ties go to the even one")
        .text("lblohm", "12 ohm").text("lblohmlunga", "Valore della resistenza = Ohm 12")
        .text("lblwatt", "Dissipazione in Watt = 0,08"),
    Row("frmreszener", Steps{"click:Option1:1"} + zener("12", "5", "20"))
        .why("a 1 watt Zener takes 30 mA").text("lblohm", "140 ohm").text("lblwatt", "Dissipazione in Watt = 0,35"),
    Row("frmreszener", Steps{"click:Option1:2"} + zener("24", "12", "100"))
        .why("a 2 watt Zener takes 40 mA: 85.7 ohm rounds to 86")
        .text("lblohm", "86 ohm").text("lblwatt", "Dissipazione in Watt = 1,68"),
    Row("frmreszener", zener("10", "3", "0.3333333"))
        .why("the dissipation is held in single precision: 7 digits")
        .text("lblohm", "344 ohm").text("lblwatt", "Dissipazione in Watt = 0,1423333"),
    Row("frmreszener", zener("12", "13", "20"))
        .why("a Zener above the supply").message("VALORI DI TENSIONE ERRATI|MESSAGGIO DI ERRORE").focus("txtVcc")
        .text("lblohm", "").text("lblwatt", ""),
    Row("frmreszener", zener("", "5", "20"))
        .why("the voltages are compared before the product test: no supply is a wrong voltage, not missing data")
        .message("VALORI DI TENSIONE ERRATI|MESSAGGIO DI ERRORE").focus("txtVcc"),
    Row("frmreszener", zener("12", "5", "")).why("no load current").message(kMissing).focus("txtVcc")
        .text("lblohm", ""),
    Row("frmreszener", zener("12", "5", "20") + Steps{"txtma=-5", "click:cmdcalcola"})
        .why("a negative product does nothing at all").unchanged().text("lblohm", "175 ohm"),
    Row("frmreszener", zener("12", "5", "20") + Steps{"txtvz=14", "click:cmdcalcola"})
        .why("after a refusal the results shown stay").message("VALORI DI TENSIONE ERRATI|MESSAGGIO DI ERRORE")
        .text("lblohm", "175 ohm").text("lblvz", "5 V").focus("txtVcc"),
    Row("frmreszener", zener("1000", "5", "1"))
        .why("47381 ohm does not fit a 16-bit integer").message(kInvalid).focus("cmdcalcola").text("lblohm", ""),
    Row("frmreszener", {"txtVcc=12", "txtvz=5", "txtma=20", "click:cmdcalcola", "txtma=40"})
        .why("typing changes nothing until the next computation").unchanged({"txtma"}),
};
TEST(Supplies, Zener) { play(kZener); }

const char* const kRed = "LA TENSIONE DA APPLICARE AI DIODI ROSSI E' 1,8 VOLT.";

const Row kLed[] = {
    Row("frmled", {}).why("opens on the red LED, with nothing to show")
        .selected("Option1", 0).focus("Option1(0)").text("lblled", kRed)
        .text("lblvoltled", "ALIMENTAZIONE MINIMA 1,8 VOLT ").hidden({"lblohm", "lbltensione"}),
    Row("frmled", keys("txttensione", "12"))
        .why("red LED on 12 V at 10 mA").text("lbltensione", "12 V.").text("lblohm", "ohm 1020")
        .shown({"lbltensione", "lblohm"}).on("drwled", {"lbltensione", "lblohm"}),
    Row("frmled", keys("txttensione", "1"))
        .why("1 V is below the red LED: no negative resistor is shown").hidden({"lbltensione", "lblohm"}),
    Row("frmled", keys("txttensione", "1.8"))
        .why("a supply equal to the LED voltage leaves nothing for the resistor").hidden({"lbltensione", "lblohm"}),
    Row("frmled", keys("txttensione", "1.81"))
        .why("just above the LED voltage the results show again").text("lblohm", "ohm 1")
        .shown({"lbltensione", "lblohm"}),
    Row("frmled", {"txttensione=12", "txttensione="}).why("clearing the input hides both results")
        .hidden({"lbltensione", "lblohm"}),
    Row("frmled", {"txttensione=200000"}).why("the supply is capped at 100000 V")
        .text("lbltensione", "100000 V.").text("lblohm", "ohm 9999820"),
    Row("frmled", {"txttensione=7.777"}).why("the resistor keeps its decimals").text("lblohm", "ohm 597,7"),
    Row("frmled", {"click:Option1:2", "txttensione=9.87654"})
        .why("yellow LED at 1.9 V: the resistor is rounded to hundredths")
        .text("lblohm", "ohm 797,65").text("lblled", "LA TENSIONE DA APPLICARE AI DIODI GIALLI E' 1,9 VOLT."),
    Row("frmled", {"click:Option1:4", "txttensione=5"})
        .why("blue LED at 3 V").text("lblohm", "ohm 200").text("lblvoltled", "ALIMENTAZIONE MINIMA 3 VOLT "),
    Row("frmled", {"click:Option1:5", "txttensione=12"})
        .why("white LED at 3 V").text("lblohm", "ohm 900")
        .text("lblled", "LA TENSIONE DA APPLICARE AI DIODI BIANCHI E' 3 VOLT."),
    Row("frmled", {"click:Option1:3", "txttensione=13.8"})
        .why("orange LED at 2 V on a 13.8 V supply").text("lblohm", "ohm 1180")
        .text("lblled", "LA TENSIONE DA APPLICARE AI DIODI ARANCIO E' 2 VOLT."),
    Row("frmled", {"txttensione=12", "click:Option1:1"})
        .why("choosing a colour empties the supply and hides the results")
        .text("txttensione", "").hidden({"lbltensione", "lblohm"})
        .text("lblled", "LA TENSIONE DA APPLICARE AI DIODI VERDI E' 2 VOLT."),
    Row("frmled", {"click:Option1:1", "txttensione=2"})
        .why("green LED on 2 V: not above its voltage").hidden({"lbltensione", "lblohm"}),
    Row("frmled", {"txttensione=abc"}).why("no number reads as 0").hidden({"lbltensione", "lblohm"}),
};
TEST(Supplies, Led) { play(kLed); }

const Row kFixed[] = {
    Row("frm78xx", {}).why("opens on the 7805").text("lbl78xx", "7805").selected("Option1", 0)
        .hidden({"Label7"}).text("txtvu", ""),
    Row("frm78xx", {"txtvu=9", "click:cmdcalcola"})
        .why("a 7805 raised to 9 V with 25 mA in the divider")
        .text("lblr1", "200 Ohm").text("lblr2", "160 Ohm").text("lblvout", "9 Volt Out")
        .text("lblvin", "12,6 Volt Input").shown({"Label7"}).focus("cmdcalcola")
        .on("drw78xx", {"lblr1", "lblr2", "lblvout", "lblvin", "lbl78xx", "Label7"}),
    Row("frm78xx", {"txtvu=6.3125", "click:cmdcalcola"})
        .why("R2 of 52.5 ohm rounds half away from zero").text("lblr2", "53 Ohm").text("lblvin", "8,8375 Volt Input"),
    Row("frm78xx", {"txtvu=35", "click:cmdcalcola"})
        .why("35 V is the most").text("lblr2", "1200 Ohm").text("lblvin", "49 Volt Input"),
    Row("frm78xx", {"txtvu=36", "click:cmdcalcola"}).why("above 35 V").message(kIncongruous).focus("txtvu")
        .hidden({"Label7"}).text("lblr1", "R1"),
    Row("frm78xx", {"txtvu=5", "click:cmdcalcola"}).why("not above the regulator's own voltage")
        .message(kIncongruous).focus("txtvu"),
    Row("frm78xx", {"click:Option1:5", "txtvu=30", "click:cmdcalcola"})
        .why("a 7824 raised to 30 V").text("lbl78xx", "7824").text("lblr1", "960 Ohm").text("lblr2", "240 Ohm")
        .text("lblvin", "42 Volt Input"),
    Row("frm78xx", {"click:Option1:5", "txtvu=24", "click:cmdcalcola"})
        .why("24 V is the 7824's own voltage").message(kIncongruous).focus("txtvu"),
    Row("frm78xx", {"txtvu=9", "click:cmdcalcola", "click:Option1:2"})
        .why("another regulator resets R1, R2 and the wanted output, nothing else")
        .text("lblr1", "R1").text("lblr2", "R2").text("txtvu", "").text("lbl78xx", "7812")
        .text("lblvout", "9 Volt Out").shown({"Label7"}),
    Row("frm78xx", {"click:Option1:2", "txtvu=13.8", "click:cmdcalcola"})
        .why("a 7812 for a 13.8 V station supply").text("lblr1", "480 Ohm").text("lblr2", "72 Ohm")
        .text("lblvin", "19,32 Volt Input"),
    Row("frm78xxbis", {"txtvu=9", "click:cmdcalcola"})
        .why("15 mA in the divider and the regulator's 5 mA through R2")
        .text("lblr1", "333 Ohm").text("lblr2", "200 Ohm").text("lblvin", "12,6 Volt Input").shown({"Label7"}),
    Row("frm78xxbis", {"click:Option1:5", "txtvu=30", "click:cmdcalcola"})
        .why("R1 is shown with its grouping and R2 follows it")
        .text("lblr1", "1.600 Ohm").text("lblr2", "300 Ohm"),
    Row("frm78xxbis", {"click:Option1:3", "txtvu=20", "click:cmdcalcola"})
        .why("a 7815 raised to 20 V").text("lblr1", "1.000 Ohm").text("lblr2", "250 Ohm"),
    Row("frm78xxbis", {"click:Option1:1", "txtvu=12", "click:cmdcalcola"})
        .why("a 7808: R2 comes from R1 as rounded to 533").text("lblr1", "533 Ohm").text("lblr2", "200 Ohm"),
    Row("frm78xxbis", {"txtvu=40", "click:cmdcalcola"}).why("above 35 V").message(kIncongruous).focus("txtvu"),
};
TEST(Supplies, FixedRegulators) { play(kFixed); }

const Row kAdjustable[] = {
    Row("frmlm317", {"txtvu=12", "click:cmdcalcola"})
        .why("12 V from an LM 317").text("lblr1", "220 Ohm").text("lblr2", "1892 Ohm").text("lblvout", "12 Volt Out")
        .text("lblvin", "15,6 Volt Input")
        .text("lblvmax", "LA TENSIONE OTTIMALE IN ENTRATA E' 15,6 VOLT   -  LA MASSIMA APPLICABILE E' 42 VOLT")
        .shown({"lblvmax"}).on("drwlm317", {"lblr1", "lblr2", "lblvout", "lblvin"}),
    Row("frmlm317", {"txtvu=3.3", "click:cmdcalcola"}).why("R2 is cut to whole ohms, not rounded")
        .text("lblr2", "360 Ohm").text("lblvin", "4,29 Volt Input"),
    Row("frmlm317", {"txtvu=100", "click:cmdcalcola"}).why("100 V is accepted").text("lblr2", "17380 Ohm")
        .text("lblvmax", "LA TENSIONE OTTIMALE IN ENTRATA E' 130 VOLT   -  LA MASSIMA APPLICABILE E' 130 VOLT"),
    Row("frmlm317", {"txtvu=1.25", "click:cmdcalcola"}).why("the reference voltage itself is refused")
        .message(kIncongruous).focus("txtvu").hidden({"lblvmax"}).text("lblr2", "R2"),
    Row("frmlm317", {"txtvu=100.01", "click:cmdcalcola"}).why("above 100 V").message(kIncongruous).focus("txtvu"),
    Row("frmlm317variab", {"txtvumax=12", "txtvumin=5", "click:cmdcalcola"})
        .why("5 to 12 V: R2 for the lowest, the trimmer for the rest")
        .text("lblr1", "220 Ohm").text("lblr2", "660 Ohm").text("lbltrimmer", "1232 Ohm")
        .text("lblvout", "5/12 Volt Out").text("lblvin", "14,4 Volt Input")
        .text("lblvmax", "LA TENSIONE OTTIMALE IN ENTRATA E' 14,4 VOLT   -  LA MASSIMA APPLICABILE E' 35 VOLT")
        .shown({"lblvmax"}).on("drwlm317", {"lblr1", "lblr2", "lbltrimmer", "lblvout", "lblvin"}),
    Row("frmlm317variab", {"txtvumax=13.8", "txtvumin=3.3", "click:cmdcalcola"})
        .why("both resistors cut to whole ohms").text("lblr2", "360 Ohm").text("lbltrimmer", "1848 Ohm")
        .text("lblvin", "16,56 Volt Input")
        .text("lblvmax", "LA TENSIONE OTTIMALE IN ENTRATA E' 16,56 VOLT   -  LA MASSIMA APPLICABILE E' 33,3 VOLT"),
    Row("frmlm317variab", {"txtvumax=9", "txtvumin=9", "click:cmdcalcola"})
        .why("a range of one voltage needs no trimmer").text("lbltrimmer", "0 Ohm").text("lblvout", "9/9 Volt Out"),
    Row("frmlm317variab", {"txtvumax=12", "txtvumin=1.25", "click:cmdcalcola"})
        .why("the lowest output may be the reference itself").text("lblr2", "0 Ohm"),
    Row("frmlm317variab", {"txtvumax=12", "txtvumin=1.2", "click:cmdcalcola"})
        .why("below the reference").message(kIncongruous).focus("txtvumax").hidden({"lblvmax"}),
    Row("frmlm317variab", {"txtvumax=5", "txtvumin=12", "click:cmdcalcola"})
        .why("the lowest above the highest").message(kIncongruous).focus("txtvumax"),
    Row("frmlm317variab", {"txtvumax=101", "txtvumin=5", "click:cmdcalcola"})
        .why("the highest above 100 V").message(kIncongruous).focus("txtvumax"),
    Row("frmlm317correntecost", {"txtcorrente=20", "click:cmdcalcola"})
        .why("20 mA for a LED string").text("lblr1", "62,5 Ohm")
        .text("lblrisultato", "PER OTTENERE 20 mA LA RESISTENZA DEVE ESSERE  62,5 OHM").on("drwlm317", {"lblr1"}),
    Row("frmlm317correntecost", {"txtcorrente=1000", "click:cmdcalcola"})
        .why("1.25 ohm rounds half away from zero").text("lblr1", "1,3 Ohm"),
    Row("frmlm317correntecost", {"txtcorrente=0.5", "click:cmdcalcola"})
        .why("a large resistor is grouped").text("lblr1", "2.500,0 Ohm")
        .text("lblrisultato", "PER OTTENERE 0,5 mA LA RESISTENZA DEVE ESSERE  2.500,0 OHM"),
    Row("frmlm317correntecost", {"txtcorrente=3", "click:cmdcalcola"}).why("one decimal").text("lblr1", "416,7 Ohm"),
    Row("frmlm317correntecost", {"txtcorrente=0", "click:cmdcalcola"}).why("no current")
        .message(kIncongruous).focus("txtcorrente").text("lblr1", "R1"),
    Row("frmlm317correntecost", {"txtcorrente=1001", "click:cmdcalcola"}).why("above 1 A")
        .message(kIncongruous).focus("txtcorrente"),
};
TEST(Supplies, AdjustableRegulators) { play(kAdjustable); }

const Row kRipple[] = {
    Row("frmripple", {"txtcorrente=1", "click:cmdcalcola"})
        .why("the defaults, 2 % of 18 V, at 1 A")
        .text("lblVeff", "VOLT EFFICACI DEL RIPPLE = 0,360").text("lblVp", "VOLT DI PICCO DEL RIPPLE = 0,504")
        .text("lblVpp", "VOLT PICCO-PICCO DEL RIPPLE = 1,008").text("lblelettrolitico", "CAPACITA' IN microFarad : 9921")
        .text("lblc", "9921").text("lblV", "18").on("drwponte", {"lblc", "lblV"}).focus("cmdcalcola"),
    Row("frmripple", {"txtpercentuale=5", "txtvolt=12", "txtcorrente=0.5", "click:cmdcalcola"})
        .why("5 % of 12 V at half an ampere").text("lblVeff", "VOLT EFFICACI DEL RIPPLE = 0,600")
        .text("lblVp", "VOLT DI PICCO DEL RIPPLE = 0,840").text("lblVpp", "VOLT PICCO-PICCO DEL RIPPLE = 1,680")
        .text("lblc", "2976"),
    Row("frmripple", {"txtvolt=12.34", "txtcorrente=1", "click:cmdcalcola"})
        .why("the peaks and the capacitance follow the ripple as rounded to 0,247")
        .text("lblVp", "VOLT DI PICCO DEL RIPPLE = 0,346").text("lblVpp", "VOLT PICCO-PICCO DEL RIPPLE = 0,692")
        .text("lblc", "14451"),
    Row("frmripple", {"txtcorrente=10", "click:cmdcalcola"})
        .why("the capacitance is written without grouping").text("lblelettrolitico", "CAPACITA' IN microFarad : 99206"),
    Row("frmripple", {"click:cmdcalcola"}).why("no current").message(kMissing).focus("txtpercentuale")
        .text("lblc", ""),
    Row("frmripple", {"txtcorrente=1", "click:cmdcalcola", "txtcorrente=-1", "click:cmdcalcola"})
        .why("a negative product does nothing at all").unchanged(),
    Row("frmripple", {"txtpercentuale=0", "txtcorrente=1", "click:cmdcalcola"})
        .why("no ripple asks for an infinite capacitor").message(kInvalid).focus("cmdcalcola").text("lblc", ""),
};
TEST(Supplies, Ripple) { play(kRipple); }

Steps doubler(const char* v, const char* ma) {
  return {std::string("txtvolt=") + v, std::string("txtassorbimento=") + ma, "click:cmdcalcola"};
}

const Row kDoubler[] = {
    Row("frmduplicatori", doubler("12", "100"))
        .why("12 V at 100 mA on the 50 Hz mains")
        .text("lblvcc", "LA TENSIONE CONTINUA E' 33,8 VOLT A VUOTO")
        .text("lblcap", "LA CAPACITA' MINIMA E' 2.366,9 microFARAD").focus("cmdcalcola"),
    Row("frmduplicatori", doubler("1000", "1"))
        .why("below 1 microfarad the capacitance is given in nanofarad")
        .text("lblvcc", "LA TENSIONE CONTINUA E' 2.820,0 VOLT A VUOTO")
        .text("lblcap", "LA CAPACITA' MINIMA E' 283,688 nanoFARAD"),
    Row("frmduplicatori", Steps{"txtfrequenza=60"} + doubler("12", "100"))
        .why("60 Hz mains").text("lblcap", "LA CAPACITA' MINIMA E' 1.972,4 microFARAD"),
    Row("frmduplicatori", doubler("5", "10"))
        .why("the capacitance follows the output as rounded to 14,1")
        .text("lblvcc", "LA TENSIONE CONTINUA E' 14,1 VOLT A VUOTO")
        .text("lblcap", "LA CAPACITA' MINIMA E' 567,4 microFARAD"),
    Row("frmduplicatori", doubler("", "100")).why("no voltage").message(kMissing).focus("txtvolt").text("lblvcc", ""),
    Row("frmduplicatori", doubler("12", "-100")).why("a negative product is missing data too").message(kMissing)
        .focus("txtvolt"),
    Row("frmduplicatori", Steps{"txtfrequenza="} + doubler("12", "100"))
        .why("no frequency divides by zero").message(kInvalid).focus("cmdcalcola").text("lblcap", ""),
};
TEST(Supplies, Doubler) { play(kDoubler); }

Steps core(const char* a, const char* b, const char* vs) {
  return {std::string("txtlunghezza=") + a, std::string("txtaltezza=") + b, std::string("txtvs=") + vs,
          "click:cmdcalcola"};
}

const Row kTransformer[] = {
    Row("frmtrasformatori", {}).why("opens on the low-quality laminations")
        .selected("Option1", 0).focus("Option1(0)").text("txtvp", "230").text("lblwatt", "POTENZA IN WATT"),
    Row("frmtrasformatori", core("30", "40", "12"))
        .why("a 30 x 40 mm core from 230 V to 12 V")
        .text("lblSL", "SEZIONE LORDA mmq: 1200").text("lblSN", "SEZIONE NETTA mmq: 1140")
        .text("lblsp", "SPIRE PER VOLT PRIMARIO N. 3,6").text("lblSS", "SPIRE PER VOLT SECONDARIO N. 3,82")
        .text("lbltotSP", "TOTALE SPIRE PRIMARIO N. 828").text("lbltotSS", "TOTALE SPIRE SECONDARIO N. 46")
        .text("lbldiamP", "DIAMETRO FILO PRIM. mm. 0,44").text("lbldiamS", "DIAMETRO FILO SEC.  mm. 1,92")
        .text("lblampprim", "AMPER PRIMARIO : 0,37").text("lblampsec", "AMPER SECONDARIO : 7,08")
        .text("lblwatt", "POTENZA IN WATT : 85").focus("cmdcalcola"),
    Row("frmtrasformatori", Steps{"click:Option1:2"} + core("30", "40", "12"))
        .why("grain-oriented laminations")
        .text("lblwatt", "POTENZA IN WATT : 92").text("lblsp", "SPIRE PER VOLT PRIMARIO N. 3,16")
        .text("lblSS", "SPIRE PER VOLT SECONDARIO N. 3,35").text("lbltotSP", "TOTALE SPIRE PRIMARIO N. 727")
        .text("lbltotSS", "TOTALE SPIRE SECONDARIO N. 40").text("lblampprim", "AMPER PRIMARIO : 0,4")
        .text("lblampsec", "AMPER SECONDARIO : 7,67").text("lbldiamP", "DIAMETRO FILO PRIM. mm. 0,46")
        .text("lbldiamS", "DIAMETRO FILO SEC.  mm. 1,99"),
    Row("frmtrasformatori", core("30", "40", "17"))
        .why("a whole current keeps its decimal separator").text("lblampsec", "AMPER SECONDARIO : 5,")
        .text("lbldiamS", "DIAMETRO FILO SEC.  mm. 1,61").text("lbltotSS", "TOTALE SPIRE SECONDARIO N. 65"),
    Row("frmtrasformatori", core("20", "8", "12")).why("160 mm2 is the smallest core")
        .text("lblwatt", "POTENZA IN WATT : 2"),
    Row("frmtrasformatori", core("10", "15", "12")).why("150 mm2 is too small")
        .message("SEZIONE TROPPO PICCOLA|MESSAGGIO DI ERRORE").focus("txtlunghezza").text("lblwatt", "POTENZA IN WATT"),
    Row("frmtrasformatori", Steps{"click:Option1:1"} + core("100", "200", "12"))
        .why("20000 mm2 is the largest core").text("lblwatt", "POTENZA IN WATT : 24593"),
    Row("frmtrasformatori", core("100", "201", "12")).why("above 20000 mm2")
        .message("SEZIONE TROPPO GROSSA|MESSAGGIO DI ERRORE").focus("txtlunghezza"),
    Row("frmtrasformatori", core("30", "40", "")).why("no secondary voltage").message(kMissing)
        .focus("txtlunghezza").text("lblSL", "SEZIONE LORDA  mmq"),
    Row("frmtrasformatori", Steps{"txtvp=1300"} + core("20", "8", "12"))
        .why("35061 primary turns do not fit a 16-bit integer").message(kInvalid).focus("cmdcalcola")
        .text("lblwatt", "POTENZA IN WATT"),
    Row("frmtrasformatori", core("30", "40", "12") + Steps{"click:Option1:2"})
        .why("another quality changes nothing shown until the next computation").unchanged()
        .text("lblwatt", "POTENZA IN WATT : 85"),
    Row("frmtrasformatori", {"click:cmdchiamalunghezza"}).why("the copper-wire window")
        .effects({"open frmlunghezzafilo modeless"}),
    Row("frmtrasformatori", {"click:cmdchiamatabella"}).why("the laminations table beside this window")
        .effects({"move 180 300", "open frmuniel modeless 6100 6000"}),
};
TEST(Supplies, Transformer) { play(kTransformer); }

}  // namespace
}  // namespace vm::test
