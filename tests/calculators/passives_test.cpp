// The resistor, attenuator and capacitor windows, driven as a radio amateur
// would: real component values typed with the decimal point, results read in
// the Italian number format, every message with the input that gets the focus.
#include <gtest/gtest.h>

#include <string>

#include "support/rows.h"

namespace vm::test {
namespace {

const std::string kMissing = "MANCANO DATI|MESSAGGIO DI ERRORE|warning";
const std::string kInvalid = "DATI NON VALIDI|MESSAGGIO DI ERRORE|warning";

// ------------------------------------------------------------ resistors

const Row kResistors[] = {
    Row("frmresistenze", {"txtr1=2200", "txtr2=3300", "click:cmdcalcola"})
        .why("2k2 and 3k3: both results in kiloohm with one decimal")
        .text("lblserie", "OHM SERIE =  5,5  KiloOhm")
        .text("lblparallelo", "OHM PARALLELO =  1,3  KiloOhm"),
    Row("frmresistenze", {"txtr1=500.4", "txtr2=500.4", "click:cmdcalcola"})
        .why("1000.8 ohm stays in ohm: the kiloohm starts at 1001")
        .text("lblserie", "OHM SERIE =  1.000,8  Ohm")
        .text("lblparallelo", "OHM PARALLELO =  250,2  Ohm"),
    Row("frmresistenze", {"txtr1=600", "txtr2=600", "click:cmdcalcola"})
        .text("lblserie", "OHM SERIE =  1,2  KiloOhm")
        .text("lblparallelo", "OHM PARALLELO =  300,0  Ohm"),
    Row("frmresistenze", {"txtr1=1000000", "txtr2=0.5", "click:cmdcalcola"})
        .why("1000000.5 ohm is still kiloohm: the megaohm starts at 1000001")
        .text("lblserie", "OHM SERIE =  1.000,0  KiloOhm")
        .text("lblparallelo", "OHM PARALLELO =  0,5  Ohm"),
    Row("frmresistenze", {"txtr1=1000000", "txtr2=1000000", "click:cmdcalcola"})
        .text("lblserie", "OHM SERIE =  2,00  MegaOhm")
        .text("lblparallelo", "OHM PARALLELO =  500,0  KiloOhm"),
    Row("frmresistenze", {"txtr1=-100", "txtr2=100", "click:cmdcalcola"})
        .why("a negative resistor is missing data")
        .message(kMissing)
        .text("lblserie", "")
        .focus("txtr1"),
    Row("frmresistenze", {"txtr2=100", "click:cmdcalcola"}).message(kMissing).focus("txtr1"),
    Row("frmresistenze", {"txtRA=1000", "txtrt=680", "click:cmdesegui"})
        .why("1k brought down to 680 ohm needs 2125 ohm in parallel")
        .text("lblresrichiesta", "LA RESISTENZA DA PORRE IN PARALLELO E' DI Ohm 2125")
        .shown({"lblresrichiesta"}),
    Row("frmresistenze", {"txtRA=47", "txtrt=33", "click:cmdesegui"})
        .why("47 to 33 ohm: 110,79 rounded to whole ohm")
        .text("lblresrichiesta", "LA RESISTENZA DA PORRE IN PARALLELO E' DI Ohm 111"),
    Row("frmresistenze", {"txtRA=1000", "txtrt=1000", "click:cmdesegui"})
        .message("la resistenza desiderata è sempre inferiore|MESSAGGIO DI ERRORE|warning")
        .hidden({"lblresrichiesta"})
        .focus("txtRA"),
    Row("frmresistenze", {"txtRA=1000", "click:cmdesegui"}).message(kMissing).focus("txtRA"),
    Row("frmresistenze", {"click:cmdExit"}).open(false),
    Row("frmresistenze", {"click:cmdesci"}).open(false),

    Row("frmpartitori", {"txtV=12", "txtr1=1000", "txtr2=2000", "click:cmdcalcola"})
        .why("12 V over 1k and 2k: 4 and 8 V, 4 mA")
        .text("lblv1", "Volt 4,00")
        .text("lblv2", "Volt 8,00")
        .text("lblcorrente", "LA CORRENTE E' :  4  milliAmp.")
        .text("lblV", "V. 12"),
    Row("frmpartitori", {"txtV=-12", "txtr1=1000", "txtr2=2000", "click:cmdcalcola"})
        .why("a negative supply is divided; the current is shown as its size")
        .text("lblv1", "Volt -4,00")
        .text("lblv2", "Volt -8,00")
        .text("lblcorrente", "LA CORRENTE E' :  4  milliAmp.")
        .text("lblV", "V. -12"),
    Row("frmpartitori", {"txtV=13.8", "txtr1=1000", "txtr2=470", "click:cmdcalcola"})
        .why("13.8 V supply: the current is rounded to 0.1 mA")
        .text("lblv1", "Volt 9,39")
        .text("lblv2", "Volt 4,41")
        .text("lblcorrente", "LA CORRENTE E' :  9,4  milliAmp.")
        .text("lblV", "V. 13,8"),
    Row("frmpartitori", {"txtV=12", "txtr1=4", "txtr2=8", "click:cmdcalcola"})
        .why("one ampere and more is shown in ampere")
        .text("lblcorrente", "LA CORRENTE E' :  1  Amp."),
    Row("frmpartitori", {"txtV=12", "txtr1=100", "txtr2=-100", "click:cmdcalcola"})
        .why("resistances summing to zero: refused, the window unchanged")
        .message(kInvalid)
        .text("lblV", "Volt")
        .text("lblv1", ""),
    Row("frmpartitori", {"txtr1=1000", "txtr2=2000", "click:cmdcalcola"})
        .message(kMissing)
        .text("lblV", "Volt")
        .focus("txtV"),

    Row("frmcorresistenza", {}).selected("Option1", 0).focus("Option1(0)"),
    Row("frmcorresistenza", {"txtohm=100", "click:cmdcalcola"})
        .why("a quarter watt 100 ohm resistor carries 50 mA")
        .text("lblmaxcorr", "LA CORRRENTE MASSIMA E' DI AMPERE 0,05")
        .shown({"lblmaxcorr"}),
    Row("frmcorresistenza", {"click:Option1:3", "txtohm=47", "click:cmdcalcola"})
        .text("lblmaxcorr", "LA CORRRENTE MASSIMA E' DI AMPERE 0,206"),
    Row("frmcorresistenza", {"click:Option1:10", "txtohm=2.2", "click:cmdcalcola"})
        .text("lblmaxcorr", "LA CORRRENTE MASSIMA E' DI AMPERE 3,015"),
    Row("frmcorresistenza", {"txtohm=100", "click:cmdcalcola", "click:Option1:2"})
        .why("another rating hides the result")
        .hidden({"lblmaxcorr"}),
    Row("frmcorresistenza", {"txtohm=100", "click:cmdcalcola", "txtohm=10"}).hidden({"lblmaxcorr"}),
    Row("frmcorresistenza", {"txtohm=100", "click:cmdcalcola", "txtohm=10", "click:cmdcalcola"})
        .text("lblmaxcorr", "LA CORRRENTE MASSIMA E' DI AMPERE 0,158")
        .shown({"lblmaxcorr"}),
    Row("frmcorresistenza", {"txtohm=-5", "click:cmdcalcola"})
        .message("INSERIRE UN VALORE|messaggio di errore|warning")
        .focus("txtohm"),

    Row("frmresgeneratore", {}).text("txtrcarico", "50"),
    Row("frmresgeneratore", {"txtv1=10", "txtv2=8", "click:cmdcalcola"})
        .text("lblrgeneratore", "LA RESISTENZA INTERNA DEL GENERATORE E' OHM 12,5"),
    Row("frmresgeneratore", {"txtv1=10", "txtv2=10", "click:cmdcalcola"})
        .text("lblrgeneratore", "LA RESISTENZA INTERNA DEL GENERATORE E' OHM 0"),
    Row("frmresgeneratore", {"txtv1=14.1", "txtv2=6.3", "txtrcarico=75", "click:cmdcalcola"})
        .why("92,857 rounded to one decimal")
        .text("lblrgeneratore", "LA RESISTENZA INTERNA DEL GENERATORE E' OHM 92,9"),
    Row("frmresgeneratore", {"txtv1=8", "txtv2=10", "click:cmdcalcola"})
        .message("LETTURE ERRATE|MESSAGGIO DI ERRORE|warning")
        .text("lblrgeneratore", "")
        .focus("txtv1"),
    Row("frmresgeneratore", {"txtv1=10", "txtv2=8", "txtrcarico=", "click:cmdcalcola"})
        .message(kMissing)
        .focus("txtv1"),

    Row("frmshunt", {"txtRM=100", "txtnr=10", "click:cmdcalcola"})
        .text("lblRS", "resistenza SHUNT in Ohm  =  11,11"),
    Row("frmshunt", {"txtRM=100", "txtnr=1", "click:cmdcalcola"})
        .why("a factor of 1 is taken as 1.1")
        .text("lblRS", "resistenza SHUNT in Ohm  =  1000"),
    Row("frmshunt", {"txtRM=100", "txtnr=0.5", "click:cmdcalcola"}).text("lblRS", "resistenza SHUNT in Ohm  =  1000"),
    Row("frmshunt", {"txtRM=50", "txtnr=20", "click:cmdcalcola"}).text("lblRS", "resistenza SHUNT in Ohm  =  2,63"),
    Row("frmshunt", {"txtRM=100", "txtnr=-2", "click:cmdcalcola"})
        .why("a negative product does nothing at all")
        .text("lblRS", ""),
    Row("frmshunt", {"txtnr=10", "click:cmdcalcola"}).message(kMissing).focus("txtRM"),

    Row("frmvoltmetro", {"txtRM=100", "txtnr=10", "click:cdmcalcola"})
        .text("lbloutput", "resistenza in Ohm da inserire in serie allo strumento =  900"),
    Row("frmvoltmetro", {"txtRM=100", "txtnr=0.5", "click:cdmcalcola"})
        .text("lbloutput", "resistenza in Ohm da inserire in serie allo strumento =  0"),
    Row("frmvoltmetro", {"txtRM=2000", "txtnr=7.5", "click:cdmcalcola"})
        .text("lbloutput", "resistenza in Ohm da inserire in serie allo strumento =  13000"),
    Row("frmvoltmetro", {"txtRM=-100", "txtnr=10", "click:cdmcalcola"}).text("lbloutput", ""),
    Row("frmvoltmetro", {"txtRM=100", "click:cdmcalcola"}).message(kMissing).focus("txtRM"),
};

TEST(PassivesResistors, Rows) { play(kResistors); }

}  // namespace
}  // namespace vm::test
