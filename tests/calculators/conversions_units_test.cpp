// Voltages, Ohm's law, alternating current, imperial units and wire gauges,
// small conversions, the locator and conductor resistance, driven as a user
// would drive them. Every expected text was worked out by hand from the
// formulas, in the Italian number format.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "support/harness.h"
#include "support/rows.h"

namespace vm::test {
namespace {

const std::string kMissing = "MANCANO DATI|MESSAGGIO DI ERRORE";
const std::string kInvalid = "DATI NON VALIDI|MESSAGGIO DI ERRORE";

// ---------------------------------------------------------------- voltages

const Row kVolt[] = {
    Row("frmvolt", {})
        .why("opens on rms volts and the sine wave; emptying the input already computed the average")
        .selected("Option1", 0)
        .selected("Option2", 0)
        .text("lblinput", "VOLT EFFICACI")
        .text("lblout1", "")
        .text("lblout2", "")
        .text("lblout3", "VOLT VALORE MEDIO : 0,00")
        .focus("Option1(0)"),
    Row("frmvolt", {"txtinput=230"})
        .why("mains, typed at once")
        .text("lblout1", "VOLT di picco : 325,22")
        .text("lblout2", "VOLT picco picco : 650,44")
        .text("lblout3", "VOLT VALORE MEDIO : 207,17")
        .focus("txtinput"),
    Row("frmvolt", {"txtinput=2"})
        .why("first keystroke of 230")
        .text("lblout1", "VOLT di picco : 2,83")
        .text("lblout2", "VOLT picco picco : 5,66")
        .text("lblout3", "VOLT VALORE MEDIO : 1,80"),
    Row("frmvolt", {"txtinput=70.71"})
        .why("100 W on 50 ohm: peak-to-peak from the peak as rounded")
        .text("lblout1", "VOLT di picco : 99,98")
        .text("lblout2", "VOLT picco picco : 199,96")
        .text("lblout3", "VOLT VALORE MEDIO : 63,69"),
    Row("frmvolt", {"click:Option2:2", "click:Option1:1", "txtinput=10"})
        .why("square wave from the peak")
        .text("lblinput", "VOLT DI PICCO")
        .text("lblout1", "VOLT efficaci : 10,00")
        .text("lblout2", "VOLT picco picco : 20,00")
        .text("lblout3", "VOLT VALORE MEDIO : 10,00"),
    Row("frmvolt", {"click:Option1:1", "txtinput=100"})
        .why("sine from the peak")
        .text("lblout1", "VOLT efficaci : 70,70")
        .text("lblout2", "VOLT picco picco : 200,00")
        .text("lblout3", "VOLT VALORE MEDIO : 63,70"),
    Row("frmvolt", {"click:Option2:1", "click:Option1:2", "txtinput=100"})
        .why("triangle from peak to peak: the average follows the peak as rounded")
        .text("lblinput", "VOLT PICCO PICCO")
        .text("lblout1", "VOLT efficaci : 28,87")
        .text("lblout2", "VOLT di picco : 50,00")
        .text("lblout3", "VOLT VALORE MEDIO : 25,00"),
    Row("frmvolt", {"txtinput=230", "txtinput=-1"})
        .why("a negative voltage is refused and the results stay")
        .message("VALORE NEGATIVO|MESSAGGIO DI ERRORE")
        .text("lblout1", "VOLT di picco : 325,22")
        .text("lblout3", "VOLT VALORE MEDIO : 207,17")
        .focus("txtinput"),
    Row("frmvolt", {"txtinput=230", "click:Option1:1"})
        .why("a new known quantity empties the input, computed once under the previous caption")
        .text("txtinput", "")
        .text("lblinput", "VOLT DI PICCO")
        .text("lblout1", "VOLT di picco : 0,00")
        .text("lblout2", "VOLT picco picco : 0,00")
        .text("lblout3", "VOLT VALORE MEDIO : 0,00"),
    Row("frmvolt", {"txtinput=230", "click:Option2:2"})
        .why("a new waveform empties the input")
        .text("txtinput", "")
        .text("lblout1", "VOLT di picco : 0,00")
        .text("lblout3", "VOLT VALORE MEDIO : 0,00"),
    Row("frmvolt", {"txtinput=1e308"})
        .why("a peak too large to show blanks the results")
        .text("lblout1", "")
        .text("lblout2", "")
        .text("lblout3", ""),
};

const Row kOhm[] = {
    Row("frmleggediohm", {})
        .why("opens on volts and amperes")
        .text("lblformule", "R = V : I     W= V x I")
        .text("lblinput(0)", "VOLT :")
        .text("lblinput(1)", "AMPER :")
        .text("lblinput(2)", "OHM :")
        .text("lblinput(3)", "WATT :")
        .hidden({"lblinput(2)", "lblinput(3)"})
        .focus("Option1(0)"),
    Row("frmleggediohm", {"txtinput1=12", "txtinput2=2", "click:cmdcalcola"})
        .text("lblinput(4)", "6,")
        .text("lblinput(5)", "24,")
        .shown({"lblinput(2)", "lblinput(3)"})
        .focus("cmdcalcola"),
    Row("frmleggediohm", {"txtinput1=230", "txtinput2=10", "click:cmdcalcola"})
        .why("grouped thousands")
        .text("lblinput(4)", "23,")
        .text("lblinput(5)", "2.300,"),
    Row("frmleggediohm", {"click:Option1:1", "txtinput1=13.8", "txtinput2=50", "click:cmdcalcola"})
        .text("lblformule", "I = V : R     W = (V x V) : R")
        .text("lblinput(2)", "AMPER :")
        .text("lblinput(4)", "0,276")
        .text("lblinput(5)", "3,809"),
    Row("frmleggediohm", {"click:Option1:2", "txtinput1=13.8", "txtinput2=100", "click:cmdcalcola"})
        .text("lblinput(1)", "WATT :")
        .text("lblinput(3)", "OHM :")
        .text("lblinput(4)", "7,246")
        .text("lblinput(5)", "1,904"),
    Row("frmleggediohm", {"click:Option1:3", "txtinput1=2", "txtinput2=50", "click:cmdcalcola"})
        .text("lblinput(0)", "AMPER :")
        .text("lblinput(4)", "100,")
        .text("lblinput(5)", "200,"),
    Row("frmleggediohm", {"click:Option1:4", "txtinput1=2", "txtinput2=100", "click:cmdcalcola"})
        .text("lblformule", "V = W : I     R = W : (I x I)")
        .text("lblinput(4)", "50,")
        .text("lblinput(5)", "25,"),
    Row("frmleggediohm", {"click:Option1:5", "txtinput1=50", "txtinput2=2", "click:cmdcalcola"})
        .text("lblformule", "V = radice(R x W)   I = radice( W : R)")
        .text("lblinput(4)", "10,")
        .text("lblinput(5)", "0,2"),
    Row("frmleggediohm", {"click:Option1:5", "txtinput1=50", "txtinput2=1500", "click:cmdcalcola"})
        .text("lblinput(4)", "273,861")
        .text("lblinput(5)", "5,477"),
    Row("frmleggediohm", {"txtinput1=12", "click:cmdcalcola"})
        .why("an empty second input")
        .message(kMissing)
        .text("lblinput(4)", "")
        .hidden({"lblinput(2)"})
        .focus("txtinput1"),
    Row("frmleggediohm", {"txtinput1=-12", "txtinput2=2", "click:cmdcalcola"})
        .message(kMissing)
        .focus("txtinput1"),
    Row("frmleggediohm", {"txtinput1=12", "txtinput2=2", "click:cmdcalcola", "txtinput2=3"})
        .why("typing blanks the results, their captions stay")
        .text("lblinput(4)", "")
        .text("lblinput(5)", "")
        .shown({"lblinput(2)"}),
    Row("frmleggediohm", {"txtinput1=12", "txtinput2=2", "click:cmdcalcola", "click:Option1:3"})
        .text("lblinput(4)", "")
        .text("lblinput(5)", "")
        .text("lblinput(2)", "VOLT :"),
    Row("frmleggediohm", {"txtinput1=1e300", "txtinput2=1e300", "click:cmdcalcola"})
        .why("a power too large to show")
        .message(kInvalid)
        .text("lblinput(4)", "")
        .hidden({"lblinput(2)"})
        .focus("cmdcalcola"),
};

const Row kAlternating[] = {
    Row("frmcorralternata", {}).text("lblselezione", "METRI :").focus("Option1(0)"),
    Row("frmcorralternata", {"txtinput=7", "click:cmdcalcola"})
        .why("from a wavelength of 7 metres")
        .text("lbloutput1", "LA FREQUENZA E'  42.857,14 Khz")
        .text("lbloutput2", "LA PULSAZIONE E'  269.280.000,00 RADIANTI SECONDO")
        .text("lbloutput3", "IL PERIODO E'  2,3E-05 MILLISECONDI"),
    Row("frmcorralternata", {"txtinput=160", "click:cmdcalcola"})
        .text("lbloutput1", "LA FREQUENZA E'  1.875,00 Khz")
        .text("lbloutput2", "LA PULSAZIONE E'  11.781.000,00 RADIANTI SECONDO")
        .text("lbloutput3", "IL PERIODO E'  0,000533 MILLISECONDI"),
    Row("frmcorralternata", {"click:Option1:1", "txtinput=7000", "click:cmdcalcola"})
        .text("lblselezione", "FREQUENZA IN KHz :")
        .text("lbloutput1", "CORRISPONDE A  42,86 METRI")
        .text("lbloutput2", "LA PULSAZIONE E'  43.982.400,00 RADIANTI SECONDO")
        .text("lbloutput3", "IL PERIODO E'  0,000143 MILLISECONDI"),
    Row("frmcorralternata", {"click:Option1:1", "txtinput=144000", "click:cmdcalcola"})
        .why("2 m band: the period rounds to 6 decimals")
        .text("lbloutput1", "CORRISPONDE A  2,08 METRI")
        .text("lbloutput3", "IL PERIODO E'  7E-06 MILLISECONDI"),
    Row("frmcorralternata", {"click:Option1:2", "txtinput=6283.2", "click:cmdcalcola"})
        .text("lblselezione", "PULSAZIONE/SECONDO :")
        .text("lbloutput1", "LA FREQUENZA E'  1,00 Khz")
        .text("lbloutput2", "CORRISPONDE A  300.000,00 METRI")
        .text("lbloutput3", "IL PERIODO E'  1 MILLISECONDI"),
    Row("frmcorralternata", {"click:Option1:3", "txtinput=1", "click:cmdcalcola"})
        .text("lblselezione", "PERIODO/millisecondi:")
        .text("lbloutput1", "LA FREQUENZA E'  1,00 Khz")
        .text("lbloutput2", "LA PULSAZIONE E'  6.283,00 RADIANTI SECONDO")
        .text("lbloutput3", "CORRISPONDE A  300.000,00 METRI"),
    Row("frmcorralternata", {"click:Option1:3", "txtinput=0.5", "click:cmdcalcola"})
        .text("lbloutput1", "LA FREQUENZA E'  2,00 Khz")
        .text("lbloutput2", "LA PULSAZIONE E'  12.566,00 RADIANTI SECONDO")
        .text("lbloutput3", "CORRISPONDE A  150.000,00 METRI"),
    Row("frmcorralternata", {"click:cmdcalcola"}).message(kMissing).focus("txtinput"),
    Row("frmcorralternata", {"txtinput=-7", "click:cmdcalcola"}).message(kMissing).focus("txtinput"),
    Row("frmcorralternata", {"txtinput=7", "click:cmdcalcola", "txtinput=70"})
        .why("typing blanks the results")
        .text("lbloutput1", "")
        .text("lbloutput3", ""),
    Row("frmcorralternata", {"txtinput=7", "click:cmdcalcola", "click:Option1:1"})
        .text("txtinput", "")
        .text("lbloutput1", "")
        .text("lbloutput2", ""),
    Row("frmcorralternata", {"txtinput=1e-310", "click:cmdcalcola"})
        .why("a frequency too large to show")
        .message(kInvalid)
        .text("lbloutput1", ""),
};

// ---------------------------------------------------------- imperial units

const Row kImperial[] = {
    Row("frmmisureinglesi", {"txtinput=1"})
        .text("lbloutput", "CORRISPONDE A POLLICI 0,3937007")
        .shown({"lbloutput"}),
    Row("frmmisureinglesi", {"txtinput=1", "click:Option1:1"})
        .why("a new source unit empties the input, which converts once more")
        .text("txtinput", "")
        .text("lblinput", "INSERISCI mt ")
        .text("lbloutput", "CORRISPONDE A POLLICI 0")
        .shown({"lbloutput"}),
    Row("frmmisureinglesi", {"click:Option1:6", "click:Option2:2", "txtinput=1"})
        .text("lblinput", "INSERISCI MIGLIA")
        .text("lbloutput", "CORRISPONDE A Km 1,6093472"),
    Row("frmmisureinglesi", {"click:Option2:2", "click:Option1:3", "txtinput=12"})
        .why("inches to kilometres take 2.54")
        .text("lbloutput", "CORRISPONDE A Km 0,0003048"),
    Row("frmmisureinglesi", {"click:Option1:1", "click:Option2:4", "txtinput=40"})
        .why("a 40 m wire in feet")
        .text("lbloutput", "CORRISPONDE A PIEDI 131,2332"),
    Row("frmmisureinglesi", {"click:Option1:2", "click:Option2:1", "txtinput=1.5"})
        .text("lbloutput", "CORRISPONDE A mt 1500"),
    Row("frmmisureinglesi", {"click:Option2:2", "txtinput=1"})
        .why("centimetres to kilometres divide")
        .text("lbloutput", "CORRISPONDE A Km 1E-05"),
    Row("frmmisureinglesi", {"click:Option1:4", "click:Option2:5", "txtinput=10"})
        .text("lbloutput", "CORRISPONDE A IARDE 3,33333"),
    Row("frmmisureinglesi", {"click:Option1:3", "txtinput=12"})
        .why("the same unit gives the value itself")
        .text("lbloutput", "CORRISPONDE A POLLICI 12"),
    Row("frmmisureinglesi", {"txtinput=1", "click:Option2:0"})
        .text("txtinput", "")
        .text("lbloutput", "CORRISPONDE A cm 0"),
    Row("frmmisureinglesi", {"click:Option1:6", "click:Option2:0", "txtinput=1e308"})
        .why("too far to show")
        .text("lbloutput", ""),
    Row("frmmisureinglesi", {"click:cmdaltreconversioni"})
        .effects({"move 200 800", "open frmaltreconversioni modeless 5100 3500"}),
};

const Row kOtherImperial[] = {
    Row("frmaltreconversioni", {})
        .selected("Option1", 0)
        .text("lblinput", "Pollici quadrati ")
        .text("lbloutput", "")
        .text("lblrisultato", ""),
    Row("frmaltreconversioni", {"txtinput=1"})
        .why("square inches at once")
        .text("lbloutput", "CORRISPONDE A cm quadri ")
        .text("lblrisultato", "6,45"),
    Row("frmaltreconversioni", {"click:Option1:1", "txtinput=10"})
        .text("lblinput", "Spire per pollice ")
        .text("lbloutput", "CORRISPONDE A SPIRE PER cm ")
        .text("lblrisultato", "3,96"),
    Row("frmaltreconversioni", {"click:Option1:1", "txtinput=1.2345"})
        .why("rounded to 3 decimals")
        .text("lblrisultato", "0,489"),
    Row("frmaltreconversioni", {"click:Option1:2", "txtinput=100"})
        .text("lbloutput", "CORRISPONDE A SPIRE PER cm quadro ")
        .text("lblrisultato", "15,5"),
    Row("frmaltreconversioni", {"click:Option1:3", "txtinput=100"})
        .text("lbloutput", "CORRISPONDE A METRI PER Kg ")
        .text("lblrisultato", "67,1"),
    Row("frmaltreconversioni", {"click:Option1:4", "txtinput=1"})
        .why("1 ohm per 100 feet is 32.8 ohm per km")
        .text("lblinput", "Ohm per 100 piedi ")
        .text("lbloutput", "CORRISPONDE A OHM PER Km ")
        .text("lblrisultato", "32,8"),
    Row("frmaltreconversioni", {"click:Option1:4", "txtinput=0.5"}).text("lblrisultato", "16,4"),
    Row("frmaltreconversioni", {"txtinput=1", "click:Option1:3"})
        .why("a new quantity ends with empty results")
        .text("txtinput", "")
        .text("lbloutput", "")
        .text("lblrisultato", ""),
    Row("frmaltreconversioni", {"txtinput=1e308"}).text("lblrisultato", ""),
};

const Row kMils[] = {
    Row("frmmils", {})
        .why("emptying the input on opening sends the focus to it")
        .text("lblinput", "INSERIRE MILLIMETRI")
        .hidden({"lblout"})
        .focus("txtinput"),
    Row("frmmils", {"txtinput=1"}).text("lblout", "CORRISPONDENTE A MILS : 39,3700787").shown({"lblout"}),
    Row("frmmils", {"txtinput=1", "txtinput=1.", "txtinput=1.5"})
        .text("lblout", "CORRISPONDENTE A MILS : 59,05511805"),
    Row("frmmils", {"click:Option1:1", "txtinput=1000"})
        .text("lblinput", "INSERIRE MILS")
        .text("lblout", "CORRISPONDENTI A mm : 25,4   PARI A 25400 microMETRI"),
    Row("frmmils", {"click:Option1:1", "txtinput=40"})
        .text("lblout", "CORRISPONDENTI A mm : 1,016   PARI A 1016 microMETRI"),
    Row("frmmils", {"txtinput=1", "txtinput=0"}).hidden({"lblout"}).focus("txtinput"),
    Row("frmmils", {"txtinput=1", "txtinput=-3"}).hidden({"lblout"}),
    Row("frmmils", {"txtinput=1", "click:Option1:1"}).text("txtinput", "").hidden({"lblout"}).focus("txtinput"),
    Row("frmmils", {"txtinput=1", "txtinput=1e308"}).why("too many mils to show").hidden({"lblout"}),
};

const Row kGauge[] = {
    Row("frmawg", {}).hidden({"lbl2"}).text("lbld", "").focus("txtawg"),
    Row("frmawg", {"txtawg=36"})
        .text("lbld", "IL DIAMETRO DEL FILO CORRISPONDE A 0,127 MILLIMETRI")
        .shown({"lbl2"}),
    Row("frmawg", {"txtawg=0"}).text("lbld", "IL DIAMETRO DEL FILO CORRISPONDE A 8,251 MILLIMETRI"),
    Row("frmawg", {"txtawg=2", "txtawg=22"}).text("lbld", "IL DIAMETRO DEL FILO CORRISPONDE A 0,644 MILLIMETRI"),
    Row("frmawg", {"txtawg=2"}).text("lbld", "IL DIAMETRO DEL FILO CORRISPONDE A 6,544 MILLIMETRI"),
    Row("frmawg", {"txtawg=14"}).text("lbld", "IL DIAMETRO DEL FILO CORRISPONDE A 1,628 MILLIMETRI"),
    Row("frmawg", {"txtawg=18"}).text("lbld", "IL DIAMETRO DEL FILO CORRISPONDE A 1,024 MILLIMETRI"),
    Row("frmawg", {"txtawg=-3"})
        .why("0000 gauge")
        .text("lbld", "IL DIAMETRO DEL FILO CORRISPONDE A 11,684 MILLIMETRI"),
    Row("frmawg", {"txtawg=90"})
        .why("capped at 80")
        .text("txtawg", "80")
        .text("lbld", "IL DIAMETRO DEL FILO CORRISPONDE A 0,001 MILLIMETRI"),
    Row("frmawg", {"txtawg=36", "txtawg=-1e6"}).why("a diameter too large to show").text("lbld", ""),
};

const Row kSection[] = {
    Row("frmsezione", {"txtinput=4"})
        .text("lbloutputmin", "DIAMETRO MINIMO =  1,400")
        .text("lblmqmin", "pari a sezione mmq : 1,539")
        .text("lbloutputnorm", "DIAMETRO NORMALE =  1,600")
        .text("lblmqnorm", "pari a sezione mmq : 2,011")
        .shown({"Frame1"}),
    Row("frmsezione", {"txtinput=1", "txtinput=10"})
        .text("lbloutputmin", "DIAMETRO MINIMO =  2,214")
        .text("lblmqmin", "pari a sezione mmq : 3,850")
        .text("lbloutputnorm", "DIAMETRO NORMALE =  2,530")
        .text("lblmqnorm", "pari a sezione mmq : 5,027"),
    Row("frmsezione", {"txtinput=0.5"})
        .text("lbloutputmin", "DIAMETRO MINIMO =  0,495")
        .text("lblmqmin", "pari a sezione mmq : 0,192")
        .text("lblmqnorm", "pari a sezione mmq : 0,252"),
    Row("frmsezione", {"txtinput=4", "txtinput=0"}).hidden({"Frame1"}),
    Row("frmsezione", {"txtinput=4", "txtinput=abc"}).hidden({"Frame1"}),
};

// ------------------------------------------------------- small conversions

const Row kTemperature[] = {
    Row("frmtemperatura", {"txtcentigradi=100"})
        .text("lblfahr", "212,")
        .text("lblreau", "80,")
        .text("lblkelv", "373"),
    Row("frmtemperatura", {"txtcentigradi=-", "txtcentigradi=-4", "txtcentigradi=-40"})
        .text("lblfahr", "-40,")
        .text("lblreau", "-32,")
        .text("lblkelv", "233"),
    Row("frmtemperatura", {"txtcentigradi=1", "txtcentigradi="})
        .text("lblfahr", "32,")
        .text("lblreau", "0,")
        .text("lblkelv", "273"),
    Row("frmtemperatura", {"txtcentigradi=37.5"})
        .text("lblfahr", "99,5")
        .text("lblreau", "30,")
        .text("lblkelv", "310,5"),
    Row("frmtemperatura", {"txtcentigradi=36.6"})
        .text("lblfahr", "97,88")
        .text("lblreau", "29,28")
        .text("lblkelv", "309,6"),
    Row("frmtemperatura", {"txtcentigradi=1000.555"})
        .why("no grouping in these results")
        .text("lblfahr", "1833,")
        .text("lblreau", "800,44")
        .text("lblkelv", "1273,56"),
    Row("frmtemperatura", {"txtcentigradi=1e300"})
        .why("too hot for single precision")
        .text("lblfahr", "")
        .text("lblkelv", ""),
};

const Row kRadians[] = {
    Row("frmradianti", {})
        .why("emptying the input on opening converts 0 degrees")
        .text("lblinput", "GRADI : ")
        .text("lblout", " CORRISPONDENTI A RADIANTI : 0")
        .shown({"lblout"}),
    Row("frmradianti", {"txtinput=9", "txtinput=90"}).text("lblout", " CORRISPONDENTI A RADIANTI : 1,5708"),
    Row("frmradianti", {"txtinput=180"}).text("lblout", " CORRISPONDENTI A RADIANTI : 3,1416"),
    Row("frmradianti", {"txtinput=0.5"}).text("lblout", " CORRISPONDENTI A RADIANTI : 0,0087"),
    Row("frmradianti", {"txtinput=18", "txtinput=181"})
        .message("GRADI DA :  0 a  180|MESSAGGIO DI AVVISO")
        .text("lblout", " CORRISPONDENTI A RADIANTI : 0,3142")
        .shown({"lblout"})
        .focus("txtinput"),
    Row("frmradianti", {"txtinput=-"}).text("lblout", " CORRISPONDENTI A RADIANTI : 0"),
    Row("frmradianti", {"txtinput=-1"}).message("GRADI DA :  0 a  180|MESSAGGIO DI AVVISO").focus("txtinput"),
    Row("frmradianti", {"click:Option1:1", "txtinput=1"})
        .text("lblinput", "RADIANTI : ")
        .text("lblout", " CORRISPONDENTI A GRADI : 57,296"),
    Row("frmradianti", {"click:Option1:1", "txtinput=2"}).text("lblout", " CORRISPONDENTI A GRADI : 114,592"),
    Row("frmradianti", {"click:Option1:1", "txtinput=3.14159"}).text("lblout", " CORRISPONDENTI A GRADI : 180"),
    Row("frmradianti", {"click:Option1:1", "txtinput=3.141", "txtinput=3.1416"})
        .message("RADIANTI DA :  0 a  3,1415|MESSAGGIO DI AVVISO")
        .text("lblout", " CORRISPONDENTI A GRADI : 179,966")
        .focus("txtinput"),
    Row("frmradianti", {"txtinput=90", "click:Option1:1"})
        .why("a new direction empties the input and converts it under the new direction")
        .text("txtinput", "")
        .text("lblout", " CORRISPONDENTI A GRADI : 0"),
};

const Row kFrequency[] = {
    Row("frmfrequenzametri", {})
        .text("lblinput", "FREQUENZA in MHz:")
        .hidden({"lblout"})
        .focus("txtinput"),
    Row("frmfrequenzametri", {"txtinput=7"}).text("lblout", " CORRISPONDENTE A METRI : 42,857").shown({"lblout"}),
    Row("frmfrequenzametri", {"txtinput=1.8"}).text("lblout", " CORRISPONDENTE A METRI : 166,667"),
    Row("frmfrequenzametri", {"txtinput=3.6"}).text("lblout", " CORRISPONDENTE A METRI : 83,333"),
    Row("frmfrequenzametri", {"txtinput=14.2"}).text("lblout", " CORRISPONDENTE A METRI : 21,127"),
    Row("frmfrequenzametri", {"txtinput=28.5"}).text("lblout", " CORRISPONDENTE A METRI : 10,526"),
    Row("frmfrequenzametri", {"txtinput=144"}).text("lblout", " CORRISPONDENTE A METRI : 2,083"),
    Row("frmfrequenzametri", {"txtinput=4", "txtinput=43", "txtinput=432"})
        .text("lblout", " CORRISPONDENTE A METRI : 0,694"),
    Row("frmfrequenzametri", {"click:Option1:1", "txtinput=2"})
        .text("lblinput", "METRI : ")
        .text("lblout", " CORRISPONDENTI A MHz : 150"),
    Row("frmfrequenzametri", {"click:Option1:1", "txtinput=0.7"}).text("lblout", " CORRISPONDENTI A MHz : 428,571"),
    Row("frmfrequenzametri", {"txtinput=7", "txtinput=0"}).hidden({"lblout"}).focus("txtinput"),
    Row("frmfrequenzametri", {"txtinput=7", "click:Option1:1"}).text("txtinput", "").hidden({"lblout"}),
    Row("frmfrequenzametri", {"txtinput=7", "txtinput=1e-310"}).why("too long a wave").hidden({"lblout"}),
};

const Row kLists[] = {
    Row("frmpeso", {"pick:cbopeso:16"}).text("cbopeso", "RAME = 8.90").chosen("cbopeso", 16),
    Row("frmpeso", {"pick:cbopeso=ORO = 19.30"}).chosen("cbopeso", 11),
    Row("frmddpcontatto", {})
        .why("opens with its first entry in quotes, nothing chosen")
        .text("cbocontatto", "\"MAGNESIO        + 1,20\"")
        .chosen("cbocontatto", -1),
    Row("frmddpcontatto", {"pick:cbocontatto:7"}).text("cbocontatto", "RAME                    0,00"),
    Row("frmresistività", {"pick:cboresistività:11"}).text("cboresistività", "RAME = 1.60"),
    Row("frmresistività", {"click:cmdchiudi"}).effects({"close"}).open(false),
};

// ---------------------------------------------------------------- locator

const std::string kLength = "il WWL deve essere di 6 caratteri|DATI MANCANTI|critical";
const std::string kNotLocator = "il WWL contiene caratteri non validi|DATI MANCANTI|critical";

const Row kLocator[] = {
    Row("frmcoordinate", {})
        .why("centred across the screen, the reverse conversion opened with it")
        .effects({"move 6660 4905", "open frmwwl modeless"})
        .focus("txtwwl"),
    Row("frmwwl", {}).effects({"move 6660 1335"}).focus("txtlongr"),
    Row("frmcoordinate", {"txtwwl=JN54MM", "click:cmdcalcola"})
        .text("lbllong", "LONGITUDINE = 11°  2'  29\"")
        .text("lbllat", "LATITUDINE    = 44°  31'  14\""),
    Row("frmcoordinate", {"txtwwl=jn54mm", "click:cmdcalcola"})
        .text("lbllong", "LONGITUDINE = 11°  2'  29\"")
        .text("lbllat", "LATITUDINE    = 44°  31'  14\""),
    Row("frmcoordinate", {"txtwwl=IO91WM", "click:cmdcalcola"})
        .why("west: the next lower degree, positive minutes")
        .text("lbllong", "LONGITUDINE = -1°  52'  30\"")
        .text("lbllat", "LATITUDINE    = 51°  31'  14\""),
    Row("frmcoordinate", {"txtwwl=AA00AA", "click:cmdcalcola"})
        .text("lbllong", "LONGITUDINE = -180°  2'  29\"")
        .text("lbllat", "LATITUDINE    = -90°  1'  15\""),
    Row("frmcoordinate", {"txtwwl=RR99XX", "click:cmdcalcola"})
        .text("lbllong", "LONGITUDINE = 179°  57'  30\"")
        .text("lbllat", "LATITUDINE    = 89°  58'  44\""),
    Row("frmcoordinate", {"txtwwl=QF56OD", "click:cmdcalcola"})
        .why("Sydney: south of the equator")
        .text("lbllong", "LONGITUDINE = 151°  12'  30\"")
        .text("lbllat", "LATITUDINE    = -34°  8'  44\""),
    Row("frmcoordinate", {"txtwwl=JN54M", "click:cmdcalcola"}).message(kLength).focus("cmdcalcola"),
    Row("frmcoordinate", {"txtwwl=JN54MMX", "click:cmdcalcola"}).message(kLength),
    Row("frmcoordinate", {"txtwwl=JN54MM", "click:cmdcalcola", "txtwwl=JN 4MM", "click:cmdcalcola"})
        .why("a blank is no locator character; the previous results stay")
        .message(kNotLocator)
        .text("lbllong", "LONGITUDINE = 11°  2'  29\"")
        .focus("cmdcalcola"),
    Row("frmcoordinate", {"txtwwl=JS54MM", "click:cmdcalcola"}).why("field letter beyond R").message(kNotLocator),
    Row("frmcoordinate", {"txtwwl=JN5AMM", "click:cmdcalcola"}).why("square letter").message(kNotLocator),
    Row("frmcoordinate", {"txtwwl=JN54MY", "click:cmdcalcola"}).why("subsquare beyond X").message(kNotLocator),
    Row("frmcoordinate", {"txtwwl=JN54Mà", "click:cmdcalcola"})
        .why("six characters, one of two bytes")
        .message(kNotLocator)
        .text("lbllong", ""),
    Row("frmwwl", {"txtlongr=11", "txtlonpr=2", "txtlonse=30", "txtlatgr=44", "txtlatpr=31", "txtlatse=15",
                   "click:cmdcalcola"})
        .text("lblwwl", "il WORLD WIDE LOCATOR è :  JN54MM"),
    Row("frmwwl", {"click:cmdcalcola"}).text("lblwwl", "il WORLD WIDE LOCATOR è :  JJ00AA"),
    Row("frmwwl", {"txtlongr=-180", "txtlatgr=-90", "click:cmdcalcola"})
        .text("lblwwl", "il WORLD WIDE LOCATOR è :  AA00AA"),
    Row("frmwwl", {"txtlongr=-1", "txtlonpr=52", "txtlonse=30", "txtlatgr=51", "txtlatpr=31", "txtlatse=15",
                   "click:cmdcalcola"})
        .text("lblwwl", "il WORLD WIDE LOCATOR è :  IO91WM"),
    Row("frmwwl", {"txtlongr=200", "click:cmdcalcola"})
        .why("beyond 180 degrees: letters past R, shown as they come out")
        .text("lblwwl", "il WORLD WIDE LOCATOR è :  TJ00AA"),
    Row("frmwwl", {"txtlatgr=1400", "click:cmdcalcola"})
        .why("a character of the code page beyond the letters")
        .text("lblwwl", "il WORLD WIDE LOCATOR è :  JÖ00AA"),
    Row("frmwwl", {"txtlatgr=540", "click:cmdcalcola"})
        .why("code 128 of the code page is the euro sign")
        .text("lblwwl", "il WORLD WIDE LOCATOR è :  J€00AA"),
    Row("frmwwl", {"txtlongr=11", "click:cmdcalcola", "txtlongr=5000", "click:cmdcalcola"})
        .why("no character for so far a longitude")
        .message(kInvalid)
        .text("lblwwl", "il WORLD WIDE LOCATOR è :  JJ50MA")
        .focus("cmdcalcola"),
    Row("frmwwl", {"txtlatgr=-1000", "click:cmdcalcola"}).message(kInvalid).text("lblwwl", ""),
};


// ------------------------------------------------------ conductor resistance

const Row kConductors[] = {
    Row("frmlunghezzafilo", {}).hidden({"Frame1"}).text("lblimax", "imax").text("lblrtot", "rtot"),
    Row("frmlunghezzafilo", {"txtd=0.5", "txtgrammi=100", "click:cmdcalcola"})
        .why("below one ampere the current takes 4 decimals")
        .text("lblsezione", "LA SEZIONE DEL FILO E'  0,196 mmq")
        .text("lbllunghezza", "LA LUNGHEZZA DEL CONDUTTORE E'  57,29 metri")
        .text("lblimax", "LA CORRENTE MASSIMA AMMESSA E'  0,4909 Amp")
        .text("lblrtot", " LA RESISTENZA TOTALE DEL CONDUTTORE E'  5,13525 OHM")
        .shown({"Frame1"}),
    Row("frmlunghezzafilo", {"txtd=1", "txtgrammi=100", "click:cmdcalcola"})
        .text("lblsezione", "LA SEZIONE DEL FILO E'  0,785 mmq")
        .text("lbllunghezza", "LA LUNGHEZZA DEL CONDUTTORE E'  14,32 metri")
        .text("lblimax", "LA CORRENTE MASSIMA AMMESSA E'  1,96 Amp")
        .text("lblrtot", " LA RESISTENZA TOTALE DEL CONDUTTORE E'  0,320897 OHM"),
    Row("frmlunghezzafilo", {"txtd=0.3", "txtgrammi=250", "click:cmdcalcola"})
        .why("a small transformer winding")
        .text("lblsezione", "LA SEZIONE DEL FILO E'  0,071 mmq")
        .text("lbllunghezza", "LA LUNGHEZZA DEL CONDUTTORE E'  397,84 metri")
        .text("lblimax", "LA CORRENTE MASSIMA AMMESSA E'  0,1767 Amp")
        .text("lblrtot", " LA RESISTENZA TOTALE DEL CONDUTTORE E'  99,05782 OHM"),
    Row("frmlunghezzafilo", {"txtd=1", "click:cmdcalcola"}).message(kMissing).hidden({"Frame1"}).focus("txtd"),
    Row("frmlunghezzafilo", {"txtd=-1", "txtgrammi=100", "click:cmdcalcola"}).message(kMissing).focus("txtd"),
    Row("frmlunghezzafilo", {"txtd=1", "txtgrammi=100", "click:cmdcalcola", "txtgrammi=10"})
        .why("typing hides the results")
        .hidden({"Frame1"}),
    Row("frmlunghezzafilo", {"txtd=1e-200", "txtgrammi=100", "click:cmdcalcola"})
        .why("a wire too thin to have a length")
        .message(kInvalid)
        .hidden({"Frame1"})
        .text("lblimax", "imax"),

    Row("frmresistenzadc", {}).selected("Option1", 0).focus("Option1(0)"),
    Row("frmresistenzadc", {"txtdiametro=1", "click:cmdcalcola"})
        .text("lblsezione", "LA SEZIONE E' mmq 0,79")
        .text("lblresistenza", "LA RESISTENZA ELETTRICA E'  0,022 Ohm per metro"),
    Row("frmresistenzadc", {"txtdiametro=0.5", "click:cmdcalcola"})
        .text("lblsezione", "LA SEZIONE E' mmq 0,20")
        .text("lblresistenza", "LA RESISTENZA ELETTRICA E'  0,0878 Ohm per metro"),
    Row("frmresistenzadc", {"click:Option1:1", "txtdiametro=2", "click:cmdcalcola"})
        .text("lblsezione", "LA SEZIONE E' mmq 3,14")
        .text("lblresistenza", "LA RESISTENZA ELETTRICA E'  0,0084 Ohm per metro"),
    Row("frmresistenzadc", {"click:Option1:2", "txtdiametro=1", "click:cmdcalcola"})
        .text("lblresistenza", "LA RESISTENZA ELETTRICA E'  0,0204 Ohm per metro"),
    Row("frmresistenzadc", {"click:Option1:3", "txtdiametro=0.5", "click:cmdcalcola"})
        .text("lblresistenza", "LA RESISTENZA ELETTRICA E'  2,4956 Ohm per metro"),
    Row("frmresistenzadc", {"click:Option1:5", "txtdiametro=0.2", "click:cmdcalcola"})
        .text("lblsezione", "LA SEZIONE E' mmq 0,03")
        .text("lblresistenza", "LA RESISTENZA ELETTRICA E'  28,6479 Ohm per metro"),
    Row("frmresistenzadc", {"txtdiametro=1", "click:cmdcalcola", "click:Option1:4"})
        .why("a new metal empties the resistance only")
        .text("lblsezione", "LA SEZIONE E' mmq 0,79")
        .text("lblresistenza", ""),
    Row("frmresistenzadc", {"txtdiametro=1", "click:cmdcalcola", "txtdiametro=2"})
        .text("lblsezione", "")
        .text("lblresistenza", ""),
    Row("frmresistenzadc", {"click:cmdcalcola"}).message("INSERISCI IL DIAMETRO|MESSAGGIO DI ERRORE").focus("txtdiametro"),
    Row("frmresistenzadc", {"txtdiametro=-2", "click:cmdcalcola"})
        .message("INSERISCI IL DIAMETRO|MESSAGGIO DI ERRORE")
        .focus("txtdiametro"),
    Row("frmresistenzadc", {"txtdiametro=1e-200", "click:cmdcalcola"}).message(kInvalid).text("lblsezione", ""),

    Row("frmresistenzarf", {}).selected("Option1", 0).focus("Option1(0)"),
    Row("frmresistenzarf", {"txtdiametro=1", "txtlunghezza=10", "txtfrequenza=7", "click:cmdcalcola"})
        .text("lbldelta", "L'EFFETTO PELLE E' DI mm 0,0246")
        .text("lblohm", "LA RESISTENZA OHMICA E' 2,1681  OHM"),
    Row("frmresistenzarf", {"click:Option1:1", "txtdiametro=1", "txtlunghezza=10", "txtfrequenza=7",
                            "click:cmdcalcola"})
        .text("lbldelta", "L'EFFETTO PELLE E' DI mm 0,0310")
        .text("lblohm", "LA RESISTENZA OHMICA E' 2,7271  OHM"),
    Row("frmresistenzarf", {"txtdiametro=2", "txtlunghezza=20", "txtfrequenza=14", "click:cmdcalcola"})
        .text("lbldelta", "L'EFFETTO PELLE E' DI mm 0,0174")
        .text("lblohm", "LA RESISTENZA OHMICA E' 3,0662  OHM"),
    Row("frmresistenzarf", {"txtdiametro=0.5", "txtlunghezza=1", "txtfrequenza=144", "click:cmdcalcola"})
        .text("lbldelta", "L'EFFETTO PELLE E' DI mm 0,0054")
        .text("lblohm", "LA RESISTENZA OHMICA E' 1,9667  OHM"),
    Row("frmresistenzarf", {"txtdiametro=1", "txtlunghezza=10", "txtfrequenza=7", "click:cmdcalcola",
                            "txtfrequenza=14"})
        .why("typing leaves the results until the next computation")
        .text("lblohm", "LA RESISTENZA OHMICA E' 2,1681  OHM"),
    Row("frmresistenzarf", {"txtdiametro=1", "txtlunghezza=10", "txtfrequenza=7", "click:cmdcalcola",
                            "click:Option1:1"})
        .text("lbldelta", "")
        .text("lblohm", ""),
    Row("frmresistenzarf", {"txtdiametro=1", "txtlunghezza=10", "click:cmdcalcola"})
        .message(kMissing)
        .focus("txtdiametro"),
    Row("frmresistenzarf", {"txtdiametro=1", "txtlunghezza=-10", "txtfrequenza=-7", "click:cmdcalcola"})
        .why("two negative factors pass the product test but have no skin depth")
        .message(kInvalid)
        .text("lblohm", "")
        .focus("cmdcalcola"),
};

TEST(ConversionsUnits, Voltages) {
  play(kVolt);
  play(kOhm);
  play(kAlternating);
}

TEST(ConversionsUnits, ImperialAndGauges) {
  play(kImperial);
  play(kOtherImperial);
  play(kMils);
  play(kGauge);
  play(kSection);
}

TEST(ConversionsUnits, SmallConversions) {
  play(kTemperature);
  play(kRadians);
  play(kFrequency);
  play(kLists);
}

TEST(ConversionsUnits, Locator) { play(kLocator); }

TEST(ConversionsUnits, Conductors) { play(kConductors); }

// The chosen option's caption is coloured, the others take their plain colour.
TEST(ConversionsUnits, ChosenCaptionsAreColoured) {
  auto colours = [](Window& w, const std::string& group) {
    std::vector<Color> out = w.form().state(w.id(group)).captionColors;
    return out;
  };
  Window volt("frmvolt");
  EXPECT_EQ(colours(volt, "Option1"), (std::vector<Color>{0x0000C0, kDefaultColor, kDefaultColor}));
  volt.click("Option1", 2);
  EXPECT_EQ(colours(volt, "Option1"), (std::vector<Color>{kDefaultColor, kDefaultColor, 0x0000C0}));
  Window mils("frmmils");
  EXPECT_EQ(colours(mils, "Option1"), (std::vector<Color>{0xFF0000, 0x000000}));
  mils.click("Option1", 1);
  EXPECT_EQ(colours(mils, "Option1"), (std::vector<Color>{0x000000, 0xFF0000}));
  Window freq("frmfrequenzametri");
  freq.click("Option1", 1);
  EXPECT_EQ(colours(freq, "Option1"), (std::vector<Color>{0x000000, 0xFF0000}));
}

// Coordinates to locator and back land in the same subsquare.
TEST(ConversionsUnits, LocatorRoundTrip) {
  struct Place {
    const char* name;
    const char* lon[3];
    const char* lat[3];
    const char* locator;
  };
  // west and south typed as the next lower degree with positive minutes
  const Place places[] = {
      {"Roma", {"12", "29", "0"}, {"41", "54", "0"}, "JN61FV"},
      {"Sydney", {"151", "12", "0"}, {"-34", "8", "0"}, "QF56OD"},
      {"Buenos Aires", {"-59", "37", "0"}, {"-35", "24", "0"}, "GF05TJ"},
      {"Tokyo", {"139", "41", "0"}, {"35", "41", "0"}, "PM95UQ"},
      {"Città del Capo", {"18", "25", "0"}, {"-34", "5", "0"}, "JF96EB"},
      {"Rio de Janeiro", {"-43", "47", "0"}, {"-23", "5", "0"}, "GG87VC"},
      {"Auckland", {"174", "46", "0"}, {"-37", "51", "0"}, "RF73JU"},
  };
  const char* const lonInputs[] = {"txtlongr", "txtlonpr", "txtlonse"};
  const char* const latInputs[] = {"txtlatgr", "txtlatpr", "txtlatse"};
  const std::string prefix = "il WORLD WIDE LOCATOR è :  ";
  auto toLocator = [&](const std::vector<std::string>& lon, const std::vector<std::string>& lat) {
    Window w("frmwwl");
    for (int i = 0; i < 3; ++i) {
      w.type(lonInputs[i], lon[static_cast<std::size_t>(i)]);
      w.type(latInputs[i], lat[static_cast<std::size_t>(i)]);
    }
    w.click("cmdcalcola");
    EXPECT_TRUE(w.messages().empty());
    std::string t = w.text("lblwwl");
    return t.rfind(prefix, 0) == 0 ? t.substr(prefix.size()) : t;
  };
  // "LONGITUDINE = -1°  52'  30\"" -> {"-1", "52", "30"}
  auto parts = [](const std::string& line) {
    std::vector<std::string> out;
    std::string cur;
    bool in = false;
    for (char c : line.substr(line.find('=') + 1)) {
      if ((c >= '0' && c <= '9') || c == '-') {
        cur += c;
        in = true;
      } else if (in) {
        out.push_back(cur);
        cur.clear();
        in = false;
      }
    }
    return out;
  };
  for (const auto& p : places) {
    SCOPED_TRACE(p.name);
    const std::string loc = toLocator({p.lon[0], p.lon[1], p.lon[2]}, {p.lat[0], p.lat[1], p.lat[2]});
    EXPECT_EQ(loc, p.locator);
    Window back("frmcoordinate");
    back.type("txtwwl", loc);
    back.click("cmdcalcola");
    EXPECT_TRUE(back.messages().empty());
    const auto lon = parts(back.text("lbllong")), lat = parts(back.text("lbllat"));
    ASSERT_EQ(lon.size(), 3u);
    ASSERT_EQ(lat.size(), 3u);
    EXPECT_EQ(toLocator(lon, lat), loc);
  }
}

// The reference lists are in the order their windows promise.
TEST(ConversionsUnits, ReferenceListsAreOrdered) {
  auto entries = [](const char* form, const char* list) {
    Window w(form);
    return w.form().state(w.id(list)).entries;
  };
  for (auto [form, list] : {std::pair{"frmpeso", "cbopeso"}, std::pair{"frmresistività", "cboresistività"}}) {
    auto e = entries(form, list);
    EXPECT_TRUE(std::is_sorted(e.begin(), e.end())) << form;
  }
  // contact potentials from the most positive: the sign and value after the name
  auto e = entries("frmddpcontatto", "cbocontatto");
  std::vector<double> volts;
  for (const auto& s : e) {
    auto digits = s.find_first_of("0123456789");
    double v = std::stod(s.substr(digits, 1)) + std::stod(s.substr(digits + 2, 2)) / 100;
    volts.push_back(s.find('-') != std::string::npos ? -v : v);
  }
  EXPECT_TRUE(std::is_sorted(volts.rbegin(), volts.rend()));
  EXPECT_EQ(volts.size(), 11u);
}

}  // namespace
}  // namespace vm::test
