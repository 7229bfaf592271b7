// The transistor stage windows: the bias of a common-emitter preamplifier
// and the coupling networks between stages and to the coaxial cable, driven
// as a radio amateur would, results read in the Italian number format.
#include <gtest/gtest.h>

#include "support/rows.h"

namespace vm::test {
namespace {

const char* const kMissing = "MANCANO DATI|MESSAGGIO DI ERRORE";
const char* const kInvalid = "DATI NON VALIDI|MESSAGGIO DI ERRORE";

const Row kBias[] = {
    Row("frmpolarizztransistor", {"txtbeta=100", "click:cmdcalcola"})
        .why("the default stage with a beta of 100; R1 keeps the blank of its pattern")
        .text("lblr1", "IL VALORE DI R1 E' 94.357  OHM")
        .text("lblr2", "IL VALORE DI R2 E' 9.400 OHM")
        .text("lblR3", "IL VALORE DI R3 E' 9.400 OHM")
        .text("lblR4", "IL VALORE DI R4 E' 940 OHM")
        .text("Label8", "12 V")
        .text("lblIc", "Corrente di collettore 0,58 mA")
        .text("lblvc", "Tensione collettore 5,45 Volt")
        .text("lblVe", "Tensione emettitore 0,55 Volt")
        .text("lblVb", "Tensione di base 1,25 Volt")
        .text("lblIb", "Corrente di base 0,0058 mA")
        .text("lblIp", "Corrente di polarizzazione 0,06 mA")
        .text("lblVbase", "max segnale applicabile 0,96 Volt")
        .text("lblZI", "Impedenza di ingresso 6.580 Ohm")
        .text("lblstabilita", "")
        .text("Label6", "1 uF")
        .text("Label7", "1 uF")
        .focus("cmdcalcola"),
    Row("frmpolarizztransistor", {"txtVcc=9", "txtZC=10000", "txtguadagno=25", "txtbeta=200", "click:cmdcalcola"})
        .why("a gain above 20 is noticed and still computed")
        .text("lblstabilita", "GUADAGNO ECCESSIVO")
        .text("lblR3", "IL VALORE DI R3 E' 2.000 OHM")
        .text("lblR4", "IL VALORE DI R4 E' 80 OHM")
        .text("lblr2", "IL VALORE DI R2 E' 1.600 OHM")
        .text("lblr1", "IL VALORE DI R1 E' 17.495  OHM")
        .text("lblIc", "Corrente di collettore 2,163 mA")
        .text("lblvc", "Tensione collettore 4,33 Volt")
        .text("lblVe", "Tensione emettitore 0,17 Volt")
        .text("lblVb", "Tensione di base 0,87 Volt")
        .text("lblIb", "Corrente di base 0,0108 mA")
        .text("lblIp", "Corrente di polarizzazione 0,11 mA")
        .text("lblVbase", "max segnale applicabile 0,29 Volt")
        .text("lblZI", "Impedenza di ingresso 1.120 Ohm")
        .text("Label8", "9 V"),
    Row("frmpolarizztransistor", {"txtbeta=100", "txtguadagno=20.5", "click:cmdcalcola", "txtguadagno=20",
                                  "click:cmdcalcola"})
        .why("a gain of exactly 20 clears the notice that 20.5 raised")
        .text("lblstabilita", ""),
    Row("frmpolarizztransistor", {"txtbeta=100", "txtguadagno=20.5", "click:cmdcalcola"})
        .text("lblstabilita", "GUADAGNO ECCESSIVO"),
    Row("frmpolarizztransistor", {"txtZC=45000", "txtguadagno=16", "txtbeta=100", "click:cmdcalcola"})
        .why("R4 = 562.5 goes to the even 562; R1 and Zi come from R2 as rounded")
        .text("lblR4", "IL VALORE DI R4 E' 562 OHM")
        .text("lblr2", "IL VALORE DI R2 E' 5.620 OHM")
        .text("lblr1", "IL VALORE DI R1 E' 67.262  OHM")
        .text("lblIc", "Corrente di collettore 0,627 mA")
        .text("lblIb", "Corrente di base 0,0063 mA")
        .text("lblVbase", "max segnale applicabile 0,6 Volt")
        .text("lblZI", "Impedenza di ingresso 3.934 Ohm"),
    Row("frmpolarizztransistor",
        {"txtVcc=13.8", "txtZC=4700", "txtguadagno=5", "txtbeta=150", "click:cmdcalcola"})
        .why("a 13.8 V supply: the single-precision current leaves the voltages just under the half")
        .text("lblR3", "IL VALORE DI R3 E' 940 OHM")
        .text("lblR4", "IL VALORE DI R4 E' 188 OHM")
        .text("lblr2", "IL VALORE DI R2 E' 2.820 OHM")
        .text("lblr1", "IL VALORE DI R1 E' 21.620  OHM")
        .text("lblIc", "Corrente di collettore 6,117 mA")
        .text("lblvc", "Tensione collettore 5,75 Volt")
        .text("lblVe", "Tensione emettitore 1,15 Volt")
        .text("lblVb", "Tensione di base 1,85 Volt")
        .text("lblIb", "Corrente di base 0,0408 mA")
        .text("lblIp", "Corrente di polarizzazione 0,41 mA")
        .text("lblVbase", "max segnale applicabile 2,21 Volt")
        .text("lblZI", "Impedenza di ingresso 1.974 Ohm")
        .text("Label8", "13,8 V"),
    Row("frmpolarizztransistor", {"click:cmdcalcola"})
        .why("no beta")
        .message(kMissing)
        .focus("txtVcc")
        .text("lblr1", "")
        .text("Label8", "Vcc"),
    Row("frmpolarizztransistor", {"txtbeta=100", "txtguadagno=0", "click:cmdcalcola"})
        .message(kMissing)
        .focus("txtVcc"),
    Row("frmpolarizztransistor", {"txtbeta=100", "txtVcc=-12", "click:cmdcalcola"})
        .why("one negative factor")
        .message(kMissing)
        .focus("txtVcc"),
    Row("frmpolarizztransistor", {"txtbeta=100", "click:cmdcalcola", "txtZC=200000", "txtguadagno=1",
                                  "click:cmdcalcola"})
        .why("an emitter resistor beyond the 16-bit range is refused; the results stay")
        .message(kInvalid)
        .text("lblR4", "IL VALORE DI R4 E' 940 OHM")
        .focus("cmdcalcola"),
    Row("frmpolarizztransistor", {"txtbeta=100", "txtZC=2", "click:cmdcalcola"})
        .why("a load that leaves no collector resistor")
        .message(kInvalid)
        .text("lblR3", ""),
    Row("frmpolarizztransistor", {"txtbeta=100", "click:cmdcalcola", "txtVcc=9"})
        .why("typing changes nothing until the next computation")
        .text("lblR3", "IL VALORE DI R3 E' 9.400 OHM")
        .text("Label8", "12 V"),
};

TEST(SuppliesStages, Bias) {
  for (const auto& r : kBias) play(r);
}

const Row kOscillator[] = {
    Row("frmoscill_preampl", {"txtwatt=1", "txtfrequenza=10", "click:cmdcalcola"})
        .why("1 W at 10 MHz: A 40, B 100")
        .text("lblbobina", "1,9479 µH")
        .text("lblc1", "185,41 pF")
        .text("lblc2", "44,55 pF")
        .focus("cmdcalcola"),
    Row("frmoscill_preampl", {"txtwatt=0.45", "txtfrequenza=144", "click:cmdcalcola"})
        .why("2 m band, 0.45 W: A 50, B 60")
        .text("lblbobina", "0,0378 µH")
        .text("lblc1", "9,50 pF")
        .text("lblc2", "2,04 pF"),
    Row("frmoscill_preampl", {"txtwatt=2", "txtfrequenza=28", "click:cmdcalcola"})
        .text("lblbobina", "0,3978 µH")
        .text("lblc1", "51,79 pF")
        .text("lblc2", "11,64 pF"),
    Row("frmoscill_preampl", {"txtwatt=0.5", "txtfrequenza=3.6", "click:cmdcalcola"})
        .why("0.5 W is the top of the lowest row; grouping in the capacitance")
        .text("lblbobina", "6,7538 µH")
        .text("lblc1", "1.029,25 pF")
        .text("lblc2", "183,35 pF"),
    Row("frmoscill_preampl", {"txtwatt=2.505", "txtfrequenza=21", "click:cmdcalcola"})
        .why("a power between 2.5 and 2.51 W belongs to the row above the gap")
        .text("lblbobina", "0,4185 µH")
        .text("lblc1", "95,64 pF")
        .text("lblc2", "22,79 pF"),
    Row("frmoscill_preampl", {"txtwatt=5", "txtfrequenza=10", "click:cmdcalcola"})
        .why("too much power: computed as 3 W")
        .message("MASSIMA POTENZA 3 W|MESSAGGIO DI ERRORE")
        .text("txtwatt", "3")
        .text("lblbobina", "0,9740 µH")
        .text("lblc1", "287,13 pF")
        .text("lblc2", "59,77 pF")
        .focus("txtwatt"),
    Row("frmoscill_preampl", {"txtwatt=0.3", "txtfrequenza=50", "click:cmdcalcola"})
        .why("too little power: computed with the lowest row, the field emptied")
        .message("VALORE MINIMO 0.4 WATT|MESSAGGIO DI ERRORE")
        .text("txtwatt", "")
        .text("lblbobina", "0,3326 µH")
        .text("lblc1", "21,73 pF")
        .text("lblc2", "2,84 pF")
        .focus("txtwatt"),
    Row("frmoscill_preampl", {"txtwatt=1", "txtfrequenza=1", "click:cmdcalcola"})
        .why("below 1.6 MHz the frequency is raised to 1.6")
        .message("minima frequenza 1.6 MHz|MESSAGGIO DI ERRORE")
        .text("txtfrequenza", "1.6")
        .text("lblbobina", "12,0832 µH")
        .text("lblc1", "6.483,44 pF")
        .text("lblc2", "498,86 pF")
        .focus("txtfrequenza"),
    Row("frmoscill_preampl", {"txtwatt=1", "txtfrequenza=600", "click:cmdcalcola"})
        .message("massima frequenza 500 MHz|MESSAGGIO DI ERRORE")
        .text("txtfrequenza", "500")
        .text("lblbobina", "0,0012 µH")
        .text("lblc1", "7,83 pF")
        .text("lblc2", "1,34 pF")
        .focus("txtfrequenza"),
    Row("frmoscill_preampl", {"txtwatt=4", "txtfrequenza=600", "click:cmdcalcola"})
        .why("both bounds passed: two messages, the focus ends on the power")
        .message("massima frequenza 500 MHz|MESSAGGIO DI ERRORE")
        .message("MASSIMA POTENZA 3 W|MESSAGGIO DI ERRORE")
        .text("txtfrequenza", "500")
        .text("txtwatt", "3")
        .focus("txtwatt"),
    Row("frmoscill_preampl", {"txtwatt=3", "txtfrequenza=1", "click:cmdcalcola"})
        .why("3 W at 1.6 MHz leaves Q without a real value: refused, the field put back, and the "
             "warning about the correction it took back is never shown")
        .message(kInvalid)
        .text("txtfrequenza", "1")
        .text("lblbobina", "")
        .focus("cmdcalcola"),
    Row("frmoscill_preampl", {"txtfrequenza=10", "click:cmdcalcola"})
        .message(kMissing)
        .focus("txtwatt"),
    Row("frmoscill_preampl", {"txtwatt=-1", "txtfrequenza=10", "click:cmdcalcola"})
        .message(kMissing)
        .focus("txtwatt"),
    Row("frmoscill_preampl", {"click:cmdchiamabobine"}).effects({"open frmbobine modeless 4100 2800"}),
};

TEST(SuppliesStages, OscillatorToPreamplifier) {
  for (const auto& r : kOscillator) play(r);
}

const Row kQrp[] = {
    Row("frmminifinale_antenna", {}).text("lblbobina", "bobina").text("lblc1", "C 1").text("lblc2", "C 2")
        .focus("txtfrequenza"),
    Row("frmminifinale_antenna", {"txtfrequenza=7"})
        .why("40 m, live")
        .text("lblbobina", "1,820 uH")
        .text("lblc1", "119,73 pF")
        .text("lblc2", "239,45 pF"),
    Row("frmminifinale_antenna", {"txtfrequenza=1"})
        .text("lblbobina", "12,739 uH")
        .text("lblc1", "838,08 pF")
        .text("lblc2", "1.676,16 pF"),
    Row("frmminifinale_antenna", {"txtfrequenza=1", "txtfrequenza=14"})
        .why("character by character")
        .text("lblbobina", "0,910 uH")
        .text("lblc1", "59,86 pF")
        .text("lblc2", "119,73 pF"),
    Row("frmminifinale_antenna", {"txtfrequenza=3", "txtfrequenza=3.", "txtfrequenza=3.6"})
        .text("lblbobina", "3,539 uH")
        .text("lblc1", "232,80 pF")
        .text("lblc2", "465,60 pF"),
    Row("frmminifinale_antenna", {"txtfrequenza=7", "txtfrequenza="})
        .why("an empty field gives zeros")
        .text("lblbobina", "0,000 uH")
        .text("lblc1", "0,00 pF")
        .text("lblc2", "0,00 pF"),
    Row("frmminifinale_antenna", {"txtfrequenza=-7"})
        .why("no value is checked")
        .text("lblbobina", "-1,820 uH")
        .text("lblc1", "-119,73 pF")
        .text("lblc2", "-239,45 pF"),
    Row("frmminifinale_antenna", {"txtfrequenza=7", "txtfrequenza=1e-320"})
        .why("a frequency too small to divide by blanks the results, without a message")
        .text("lblbobina", "")
        .text("lblc1", "")
        .text("lblc2", ""),
    Row("frmminifinale_antenna", {"click:cmdchiamabobine"})
        .effects({"move 400 300", "open frmbobine modeless 4100 2800"})
        .geometry(400, 300),
    Row("frmminifinale_antenna", {"click:cmdesci"}).effects({"close"}).open(false),
};

TEST(SuppliesStages, QrpFinalToCoax) {
  for (const auto& r : kQrp) play(r);
}

const Row kFinal[] = {
    Row("frmfinale_antenna", {"txtwatt=10", "txtfrequenza=14", "txtvceo=36", "txtcorrente=4", "click:cmdcalcola"})
        .why("10 W at 14 MHz, 36 V, 4 A: B 250, R 9")
        .text("lblbobina", "1,005 uH")
        .text("lblc1", "72,94 pF")
        .text("lblc2", "43,80 pF")
        .text("lbljaf", "VK 200")
        .focus("cmdcalcola"),
    Row("frmfinale_antenna", {"txtwatt=150", "txtfrequenza=14", "txtvceo=36", "txtcorrente=4", "click:cmdcalcola"})
        .message("massima potenza 100 W|MESSAGGIO DI ERRORE")
        .text("txtwatt", "100")
        .text("lblbobina", "0,728 uH")
        .text("lblc1", "90,12 pF")
        .text("lblc2", "81,68 pF")
        .focus("txtwatt"),
    Row("frmfinale_antenna", {"txtwatt=90.5", "txtfrequenza=14", "txtvceo=36", "txtcorrente=4", "click:cmdcalcola"})
        .why("between 90 and 91 W the row above the gap answers (B 900)")
        .text("lblbobina", "0,728 uH")
        .text("lblc1", "90,12 pF")
        .text("lblc2", "81,68 pF"),
    Row("frmfinale_antenna", {"txtwatt=37.5", "txtfrequenza=14", "txtvceo=36", "txtcorrente=4", "click:cmdcalcola"})
        .why("37.5 W is in two rows: the upper one (B 450) answers")
        .text("lblbobina", "0,941 uH")
        .text("lblc1", "76,31 pF")
        .text("lblc2", "50,64 pF"),
    Row("frmfinale_antenna", {"txtwatt=50", "txtfrequenza=7", "txtvceo=28", "txtcorrente=6", "click:cmdcalcola"})
        .text("lblbobina", "1,060 uH")
        .text("lblc1", "210,55 pF")
        .text("lblc2", "240,44 pF"),
    Row("frmfinale_antenna", {"txtwatt=2", "txtfrequenza=1", "txtvceo=12", "txtcorrente=1", "click:cmdcalcola"})
        .why("too little power is computed as 3 W; 1 MHz as 1.6, silently and without touching the field")
        .message("minima potenza 3 WATT|MESSAGGIO DI ERRORE")
        .text("txtwatt", "3")
        .text("txtfrequenza", "1")
        .text("lblbobina", "11,953 uH")
        .text("lblc1", "534,01 pF")
        .text("lblc2", "195,75 pF")
        .focus("txtwatt"),
    Row("frmfinale_antenna", {"txtwatt=10", "txtfrequenza=14", "txtcorrente=4", "click:cmdcalcola"})
        .why("no voltage: no collector impedance; the results keep their texts")
        .message("VALORE NON VALIDO|MESSAGGIO DI ERRORE")
        .text("lblbobina", "bobina")
        .text("lbljaf", "JAF")
        .focus("txtwatt"),
    Row("frmfinale_antenna", {"txtwatt=10", "txtfrequenza=14", "txtvceo=36", "click:cmdcalcola"})
        .why("no current divides by zero")
        .message(kInvalid)
        .text("lblbobina", "bobina")
        .focus("cmdcalcola"),
    Row("frmfinale_antenna", {"txtwatt=25", "txtfrequenza=3.6", "txtvceo=50", "txtcorrente=2", "click:cmdcalcola"})
        .why("Q above 5 would give a negative output capacitance: refused")
        .message(kInvalid)
        .text("lblc2", "C 2"),
    Row("frmfinale_antenna", {"click:cmdchiamabobine"}).effects({"open frmbobine modeless 4100 2800"}),
};

TEST(SuppliesStages, PowerFinalToCoax) {
  for (const auto& r : kFinal) play(r);
}

const Row kLinear[] = {
    Row("frmtrasm_lineare", {"txtwatt=10", "txtfrequenza=14", "click:cmdcalcola"})
        .why("10 W at 14 MHz: A 4, B 550")
        .text("lblbobina", "0,228 uH")
        .text("lblc1", "117,78 pF")
        .text("lblc2", "26,44 pF")
        .focus("cmdcalcola"),
    Row("frmtrasm_lineare", {"txtwatt=10", "txtfrequenza=100", "click:cmdcalcola"})
        .message("massima frequenza 80 MHz|MESSAGGIO DI ERRORE")
        .text("txtfrequenza", "80")
        .text("lblbobina", "0,022 uH")
        .text("lblc1", "36,88 pF")
        .text("lblc2", "5,83 pF")
        .focus("txtfrequenza"),
    Row("frmtrasm_lineare", {"txtwatt=10", "txtfrequenza=1", "click:cmdcalcola"})
        .why("160 m and below: raised to 1.6 MHz silently, written in the regional format")
        .text("txtfrequenza", "1,6")
        .text("lblbobina", "1,998 uH")
        .text("lblc1", "1.006,87 pF")
        .text("lblc2", "228,13 pF")
        .focus("cmdcalcola"),
    Row("frmtrasm_lineare", {"txtwatt=100", "txtfrequenza=21", "click:cmdcalcola"})
        .why("too much power: the top row, and the field is emptied")
        .message("massima potenza 65 W|MESSAGGIO DI ERRORE")
        .text("txtwatt", "")
        .text("lblbobina", "0,050 uH")
        .text("lblc1", "215,66 pF")
        .text("lblc2", "24,25 pF")
        .focus("txtwatt"),
    Row("frmtrasm_lineare", {"txtwatt=1", "txtfrequenza=7", "click:cmdcalcola"})
        .message("VALORE MINIMO 2.5 WATT|MESSAGGIO DI ERRORE")
        .text("txtwatt", "")
        .text("lblbobina", "2,284 uH")
        .text("lblc1", "94,60 pF")
        .text("lblc2", "6,32 pF")
        .focus("txtwatt"),
    Row("frmtrasm_lineare", {"txtwatt=37.5", "txtfrequenza=14", "click:cmdcalcola"})
        .why("37.5 W: the upper of the two rows (A 1.6, B 850)")
        .text("lblbobina", "0,092 uH")
        .text("lblc1", "241,53 pF")
        .text("lblc2", "34,44 pF"),
    Row("frmtrasm_lineare", {"txtwatt=6.55", "txtfrequenza=14", "click:cmdcalcola"})
        .why("between 6.5 and 6.6 W the row above the gap answers (A 8, B 400)")
        .text("lblbobina", "0,445 uH")
        .text("lblc1", "79,58 pF")
        .text("lblc2", "18,94 pF"),
    Row("frmtrasm_lineare", {"txtwatt=10", "txtfrequenza=14", "click:cmdcalcola", "txtwatt=20"})
        .why("typing changes nothing until the next computation")
        .text("lblbobina", "0,228 uH"),
    Row("frmtrasm_lineare", {"click:cmdchiamabobine"}).effects({"open frmbobine modeless 4100 2800"}),
    Row("frmtrasm_lineare", {"click:cmdesci"}).effects({"close"}).open(false),
};

TEST(SuppliesStages, ExciterToLinear) {
  for (const auto& r : kLinear) play(r);
}

}  // namespace
}  // namespace vm::test
