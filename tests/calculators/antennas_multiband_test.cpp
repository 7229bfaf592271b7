// Shortened, loaded and trapped antennas and the small magnetic loop, driven
// as a user would: the worked cases, amateur bands from 160 m to 70 cm, every
// message with the input that gets the focus, and the typing reactions.
#include <gtest/gtest.h>

#include "support/rows.h"

namespace vm::test {
namespace {

const char* const kTooClose = "FREQUENZE TROPPO VICINE O ERRATE|MESSAGGIO DI ERRORE";
const char* const kMissing = "MANCANO DATI|MESSAGGIO DI ERRORE";
const char* const kInvalid = "DATI NON VALIDI|MESSAGGIO DI ERRORE";

// ------------------------------------------------------------ trapped dipoles

const Row kTrapped[] = {
    // frmtrappolata: the loading coil, worked in feet and inches
    Row("frmtrappolata", {}).hidden({"lblinduttanza"}),
    Row("frmtrappolata",
        {"txtlunghezza=10", "txtdistanza=2", "txtdiametro=2", "txtfrequenza=7.05", "click:cmdcalcola"})
        .why("40 m, 10 m of dipole, coils 2 m out")
        .text("lblinduttanza", "L'INDUTTANZA DELLA BOBINA E' micro HENRY : 16,27")
        .shown({"lblinduttanza"}),
    Row("frmtrappolata",
        {"txtlunghezza=20", "txtdistanza=5", "txtdiametro=2", "txtfrequenza=3.65", "click:cmdcalcola"})
        .text("lblinduttanza", "L'INDUTTANZA DELLA BOBINA E' micro HENRY : 38,95"),
    Row("frmtrappolata",
        {"txtlunghezza=40", "txtdistanza=10", "txtdiametro=2", "txtfrequenza=1.85", "click:cmdcalcola"})
        .why("160 m")
        .text("lblinduttanza", "L'INDUTTANZA DELLA BOBINA E' micro HENRY : 82,27"),
    Row("frmtrappolata",
        {"txtlunghezza=20.2", "txtdistanza=2", "txtdiametro=2", "txtfrequenza=7.05", "click:cmdcalcola"})
        .message("RADIATORE PIU' LUNGO DI 1/2 LAMBDA|MESSAGGIO DI AVVISO")
        .hidden({"lblinduttanza"})
        .focus("txtlunghezza"),
    Row("frmtrappolata",
        {"txtlunghezza=10", "txtdistanza=5", "txtdiametro=2", "txtfrequenza=7.05", "click:cmdcalcola"})
        .why("A = B / 2 is already too far")
        .message("DISTANZA ECCESSIVA|MESSAGGIO DI AVVISO")
        .focus("txtdistanza"),
    Row("frmtrappolata",
        {"txtlunghezza=10", "txtdistanza=-2", "txtdiametro=2", "txtfrequenza=7.05", "click:cmdcalcola"})
        .why("a negative product is refused too")
        .message(kMissing)
        .focus("txtlunghezza"),
    Row("frmtrappolata", {"click:cmdchiamabobine"}).effects({"open frmbobine modeless"}),

    // frmmultigammaott: the trap chosen for 250 ohm
    Row("frmmultigammaott", {}).hidden({"lblreattanze"}).shown({"lblavviso"}),
    Row("frmmultigammaott", {"txtF1=14.15", "txtF2=7.05", "click:cmdcalcola"})
        .text("lblA", "La lunghezza del tratto A è di mt. : 5,04")
        .text("lblB", "La lunghezza totale B è di mt. : 8,78")
        .text("lblcapacita", "LA CAPACITA'  E'  pF  44,9")
        .text("lblinduttanza", "L' INDUTTANZA  E'  µH 2,8")
        .text("lblxl", "LA REATTANZA INDUTTIVA E'  248,8 Ohm")
        .text("lblxc", "LA REATTANZA CAPACITIVA E'  250,3 Ohm")
        .shown({"lblreattanze", "lblxl", "lblxc"})
        .hidden({"lblavviso"})
        .effects({"resize 9690 7700"}),
    Row("frmmultigammaott", {"txtF1=7.1", "txtF2=3.65", "click:cmdcalcola"})
        .text("lblA", "La lunghezza del tratto A è di mt. : 10,04")
        .text("lblB", "La lunghezza totale B è di mt. : 16,96")
        .text("lblcapacita", "LA CAPACITA'  E'  pF  89,6")
        .text("lblinduttanza", "L' INDUTTANZA  E'  µH 5,6")
        .text("lblxl", "LA REATTANZA INDUTTIVA E'  249,7 Ohm")
        .text("lblxc", "LA REATTANZA CAPACITIVA E'  249,9 Ohm"),
    Row("frmmultigammaott", {"txtF1=28.5", "txtF2=21.2", "click:cmdcalcola"})
        .text("lblB", "La lunghezza totale B è di mt. : 2,92")
        .text("lblxl", "LA REATTANZA INDUTTIVA E'  250,6 Ohm"),
    Row("frmmultigammaott", {"txtF1=8", "txtF2=7.05", "click:cmdcalcola"})
        .message(kTooClose)
        .hidden({"lblreattanze", "lblavviso"})
        .text("lblA", "")
        .focus("txtF1")
        .effects({}),
    Row("frmmultigammaott", {"txtF1=4.38", "txtF2=3.65", "click:cmdcalcola"})
        .why("exactly 1.2 times the lower frequency is accepted")
        .text("lblA", "La lunghezza del tratto A è di mt. : 16,28"),
    Row("frmmultigammaott", {"txtF1=14.15", "click:cmdcalcola"}).message(kMissing).focus("txtF1"),
    Row("frmmultigammaott", {"txtF1=14.15", "txtF2=-7", "click:cmdcalcola"})
        .why("a negative product does nothing at all")
        .hidden({"lblreattanze"}),
    Row("frmmultigammaott", {"click:cmdavviso"}).effects({"open frmavvertenza modal"}),
    Row("frmmultigammaott", {"click:cmdchiamabobine"}).effects({"move 180 180", "open frmbobine modeless 4100 2800"}),

    // frmantmultigamma: a known capacitance or inductance
    Row("frmantmultigamma", {})
        .selected("Option1", 0)
        .text("lbldato", "CAPACITA' in pFARAD ")
        .hidden({"lblA", "lblB", "lbloutput", "lblreattanze"}),
    Row("frmantmultigamma", {"txtF1=14.15", "txtF2=7.05", "txtdato=50", "click:cmdcalcola"})
        .text("lblA", "La lunghezza del tratto A è di mt. : 5,039")
        .text("lblB", "La lunghezza totale B è di mt. : 8,885")
        .text("lbloutput", "L'induttanza della bobina è microH : 2,53")
        .text("lblxl", "LA REATTANZA INDUTTIVA E'  224,8 Ohm")
        .text("lblxc", "LA REATTANZA CAPACITIVA E'  224,7 Ohm")
        .shown({"lblA", "lblB", "lbloutput", "lblreattanze", "lblxl", "lblxc"})
        .effects({"resize 9690 7700"}),
    Row("frmantmultigamma", {"txtF1=7.05", "txtF2=3.65", "txtdato=100", "click:cmdcalcola"})
        .text("lblA", "La lunghezza del tratto A è di mt. : 10,113")
        .text("lblB", "La lunghezza totale B è di mt. : 17,162")
        .text("lbloutput", "L'induttanza della bobina è microH : 5,09")
        .text("lblxl", "LA REATTANZA INDUTTIVA E'  225,4 Ohm")
        .text("lblxc", "LA REATTANZA CAPACITIVA E'  225,5 Ohm"),
    Row("frmantmultigamma", {"click:Option1:1", "txtF1=14.15", "txtF2=7.05", "txtdato=2.53", "click:cmdcalcola"})
        .why("the inductance known: the capacitance comes out")
        .text("lbldato", "INDUTTANZA in microH ")
        .text("lbloutput", "La capacità del condensatore è pF : 49,94"),
    Row("frmantmultigamma",
        {"txtF1=14.15", "txtF2=7.05", "txtdato=50", "click:cmdcalcola", "click:Option1:1"})
        .why("changing the known value empties it and hides the results")
        .text("txtdato", "")
        .hidden({"lblA", "lblB", "lbloutput", "lblreattanze", "lblxl", "lblxc"}),
    Row("frmantmultigamma", {"txtF1=14.15", "txtF2=7.05", "click:cmdcalcola"}).message(kMissing).focus("txtF1"),
    Row("frmantmultigamma", {"txtF1=8", "txtF2=7.05", "txtdato=50", "click:cmdcalcola"})
        .message(kTooClose)
        .hidden({"lblA"})
        .focus("txtF1"),

    // frmantcoaxmulti: traps wound from coaxial cable
    Row("frmantcoaxmulti", {"txtf1=14.15", "txtf2=7.05", "txtdiametro=5", "txtn=6", "click:cmdcalcola"})
        .text("lblcap", "la capacità è pF: 98,75")
        .text("lblimpedenza", "L'impedenza è uH : 1,96")
        .text("lblfrequenza", " LA BOBINA RISUONA A MHz: 11,446")
        .text("lblrapporto", " IL RAPPORTO DIAMETRO/LUNGHEZZA E' = 1,83")
        .text("lbllunghezzaa", " LA LUNGHEZZA DEL BRACCIO 'A' E' MT: 5,09")
        .text("lbllunghezzab", " LA LUNGHEZZA DEL BRACCIO 'B' E' MT: 9,19")
        .text("lbllunghezzacavo", " OCCORRONO cm. 106 DI CAVO COASSIALE")
        .shown({"lblfrequenza", "lblrapporto", "lbllunghezzaa", "lbllunghezzab", "lbllunghezzacavo", "lblcalza"}),
    Row("frmantcoaxmulti",
        {"click:Option1:1", "txtf1=28.5", "txtf2=21.2", "txtdiametro=4", "txtn=8", "click:cmdcalcola"})
        .why("RG 174U on a 4 cm former for 10 and 15 m")
        .text("lblcap", "la capacità è pF: 107,80")
        .text("lblimpedenza", "L'impedenza è uH : 2,88")
        .text("lblfrequenza", " LA BOBINA RISUONA A MHz: 9,027")
        .text("lblrapporto", " IL RAPPORTO DIAMETRO/LUNGHEZZA E' = 2,09")
        .text("lbllunghezzaa", " LA LUNGHEZZA DEL BRACCIO 'A' E' MT: 2,53")
        .text("lbllunghezzab", " LA LUNGHEZZA DEL BRACCIO 'B' E' MT: 3,06")
        .text("lbllunghezzacavo", " OCCORRONO cm. 109 DI CAVO COASSIALE"),
    Row("frmantcoaxmulti", {"txtf1=14.15", "txtf2=7.05", "txtdiametro=5", "txtn=-6", "click:cmdcalcola"})
        .message(kMissing)
        .hidden({"lblfrequenza", "lblcalza"})
        .focus("txtf1"),
    Row("frmantcoaxmulti", {"click:cmdavviso"}).modal().effects({"open frmavvertenza modal"}),

    // frmcaricolineare: linear loading
    Row("frmcaricolineare", {"txtlunghezzabraccio=7", "txtfrequenza=7.05", "click:cmdcalcola"})
        .text("lblplung", "IL BRACCO RISULTA RIDOTTO DA 10,21 mt A 7 mt PARI AL 68,5 % - CORRISPONDE A 59,2 GRADI")
        .text("lblaccorciamento", "L'ACCORCIAMENTO E'  DI 3,21 mt. PARI AL 31,5 %")
        .text("lblcarico", "IL CARICO LINEARE E' LUNGO mt. 3,86 CIRCA - LA DISTANZA DAL RADIATORE NON E' CRITICA")
        .text("lbll", "7 mt")
        .text("lbllc", "3,86 mt")
        .text("lbld", "10 cm."),
    Row("frmcaricolineare", {"txtlunghezzabraccio=15", "txtfrequenza=3.65", "click:cmdcalcola"})
        .text("lblplung", "IL BRACCO RISULTA RIDOTTO DA 19,73 mt A 15 mt PARI AL 76,0 % - CORRISPONDE A 65,7 GRADI")
        .text("lblaccorciamento", "L'ACCORCIAMENTO E'  DI 4,73 mt. PARI AL 24,0 %")
        .text("lbllc", "5,67 mt")
        .text("lbld", "9 cm."),
    Row("frmcaricolineare", {"txtlunghezzabraccio=5", "txtfrequenza=7.05", "click:cmdcalcola"})
        .message("BRACCIO TROPPO LUNGO O TROPPO CORTO|MESSAGGIO DI ERRORE")
        .text("lbll", "braccio")
        .focus("txtlunghezzabraccio"),
    Row("frmcaricolineare", {"txtlunghezzabraccio=10.2", "txtfrequenza=7.1", "click:cmdcalcola"})
        .why("86.9 degrees: inside 90, but longer than the quarter wave 72 / f")
        .message("BRACCIO TROPPO LUNGO O TROPPO CORTO|MESSAGGIO DI ERRORE")
        .text("lbllc", "carico")
        .text("lblaccorciamento", "")
        .focus("txtlunghezzabraccio"),
    Row("frmcaricolineare", {"txtlunghezzabraccio=10", "txtfrequenza=7.1", "click:cmdcalcola"})
        .why("85.2 degrees, just inside the quarter wave")
        .text("lblaccorciamento", "L'ACCORCIAMENTO E'  DI 0,14 mt. PARI AL 1,4 %")
        .text("lbld", "7 cm."),
    Row("frmcaricolineare", {"txtlunghezzabraccio=7", "click:cmdcalcola"})
        .message(kMissing)
        .focus("txtlunghezzabraccio"),
    Row("frmcaricolineare",
        {"txtlunghezzabraccio=7", "txtfrequenza=7.05", "click:cmdcalcola", "txtfrequenza=7.1"})
        .why("typing hides the results until the next compute")
        .hidden({"lblplung", "lblaccorciamento", "lblcarico", "lbll", "lbllc", "lbld"}),

    // frmtrappolalineare: a linear trap
    Row("frmtrappolalineare", {}).hidden({"lbla", "lblb", "lblll", "lbldistanza"}),
    Row("frmtrappolalineare", {"txtf1=28.5", "txtf2=21.2", "click:cmdcalcola"})
        .text("lbllambda1", "IL PRIMO TRATTO E' LUNGO CIRCA mt.  2,53")
        .text("lbllambda2", "IL SECONDO TRATTO E' LUNGO CIRCA mt.  0,29")
        .text("lbll", "LA TRAPPOLA E'  LUNGA CIRCA cm.  37,6")
        .text("lblll", "37,6 cm.")
        .text("lblc", "LA CAPACITA'  COASSIALE E' CIRCA pF 53")
        .text("lbla", "2,53 mt.")
        .text("lblb", "0,29 mt.")
        .shown({"lbla", "lblb", "lblll", "lbls", "lbldistanza"}),
    Row("frmtrappolalineare", {"txtf1=14.2", "txtf2=7.1", "click:cmdcalcola"})
        .text("lbllambda1", "IL PRIMO TRATTO E' LUNGO CIRCA mt.  5,07")
        .text("lbllambda2", "IL SECONDO TRATTO E' LUNGO CIRCA mt.  3,35")
        .text("lbll", "LA TRAPPOLA E'  LUNGA CIRCA cm.  75,5")
        .text("lblc", "LA CAPACITA'  COASSIALE E' CIRCA pF 106"),
    Row("frmtrappolalineare", {"txtf1=8", "txtf2=7.05", "click:cmdcalcola"}).message(kTooClose).focus("txtf1"),
    Row("frmtrappolalineare", {"txtf1=8.48", "txtf2=7.05", "click:cmdcalcola"})
        .why("past the limit, but the second section would come out negative")
        .message(kTooClose)
        .hidden({"lbla", "lblb"})
        .text("lbllambda2", "")
        .focus("txtf1"),
    Row("frmtrappolalineare", {"txtf1=8.5", "txtf2=7.05", "click:cmdcalcola"})
        .text("lbllambda2", "IL SECONDO TRATTO E' LUNGO CIRCA mt.  0,01"),
    Row("frmtrappolalineare", {"txtf2=7.05", "click:cmdcalcola"}).message(kMissing).focus("txtf1"),
    Row("frmtrappolalineare", {"txtf1=28.5", "txtf2=21.2", "click:cmdcalcola", "txtf1=28"})
        .hidden({"lbllambda1", "lbllambda2", "lblc", "lbla", "lbll", "lblll", "lblb"})
        .shown({"lbls", "lbldistanza"}),
};

TEST(AntennasMultiband, TrappedDipoles) { play(kTrapped); }

// ------------------------------------------------------------------ verticals

const Row kVerticals[] = {
    // frmvertaccorciata: the loading coil of a vertical
    Row("frmvertaccorciata",
        {"txtlunghezza=3", "txtdistanza=1", "txtdiametro=10", "txtfrequenza=14.2", "click:cmdcalcola"})
        .text("lblinduttanza", "INDUTTANZA in micro HENRY : 3,59")
        .text("lblgradi", "LUNGHEZZA ANTENNA IN GRADI  :  51,12")
        .text("lblRR", "RESISTENZA DI RADIAZIONE CIRCA ohm = 11,61")
        .text("lblind", "3,59")
        .text("lbldist", "1 mt")
        .text("lbllung", "3 mt")
        .text("lblradiali", "radiali mt 5,3"),
    Row("frmvertaccorciata",
        {"txtlunghezza=5", "txtdistanza=1.5", "txtdiametro=20", "txtfrequenza=7.1", "click:cmdcalcola"})
        .text("lblinduttanza", "INDUTTANZA in micro HENRY : 9,32")
        .text("lblgradi", "LUNGHEZZA ANTENNA IN GRADI  :  42,60")
        .text("lblRR", "RESISTENZA DI RADIAZIONE CIRCA ohm = 8,07")
        .text("lbldist", "1,5 mt")
        .text("lblradiali", "radiali mt 10,6"),
    Row("frmvertaccorciata",
        {"txtlunghezza=15", "txtdistanza=5", "txtdiametro=30", "txtfrequenza=3.65", "click:cmdcalcola"})
        .text("lblinduttanza", "INDUTTANZA in micro HENRY : 7,70")
        .text("lblRR", "RESISTENZA DI RADIAZIONE CIRCA ohm = 19,18")
        .text("lblradiali", "radiali mt 20,5"),
    Row("frmvertaccorciata",
        {"txtlunghezza=1.2", "txtdistanza=0.4", "txtdiametro=10", "txtfrequenza=28.5", "click:cmdcalcola"})
        .why("the distance is held in single precision and shown as such")
        .text("lblinduttanza", "INDUTTANZA in micro HENRY : 2,17")
        .text("lbldist", "0,4 mt")
        .text("lbllung", "1,2 mt"),
    Row("frmvertaccorciata",
        {"txtlunghezza=3", "txtdistanza=3", "txtdiametro=10", "txtfrequenza=14.2", "click:cmdcalcola"})
        .message("DISTANZA ECCESSIVA|MESSAGGIO DI AVVISO")
        .text("lbllung", "lung.")
        .focus("txtdistanza"),
    Row("frmvertaccorciata",
        {"txtlunghezza=5", "txtdistanza=1", "txtdiametro=10", "txtfrequenza=14.2", "click:cmdcalcola"})
        .message("RADIATORE PIU' LUNGO DI 1/2 LAMBDA|MESSAGGIO DI AVVISO")
        .focus("txtlunghezza"),
    Row("frmvertaccorciata", {"txtlunghezza=3", "txtdiametro=10", "txtfrequenza=14.2", "click:cmdcalcola"})
        .message(kMissing)
        .text("lbldist", "dist.")
        .focus("txtlunghezza"),
    Row("frmvertaccorciata", {"click:cmdchiamabobine"}).effects({"move 180 180", "open frmbobine modeless 4100 2800"}),

    // frmAntAcc: base loading
    Row("frmAntAcc",
        {"txtlunghezzarad=2.5", "txtdiametrorad=2", "txtlunghezzabob=6", "txtdiametrobob=4", "txtfrequenza=7.1",
         "click:cmdcalcola"})
        .modal()
        .text("lblgradi", "Gradi elettrici : 21,3")
        .text("lblRR", "Resistenza di radiazione Ohm : 2,02")
        .text("lblimpedenza", "Impedenza del radiatore Ohm : 312,9")
        .text("lblreattanza", "Reattanza induttiva bobina Ohm : 802,5")
        .text("lblinduttanza", "Induttanza bobina microH : 18,0")
        .text("lblspire", "numero spire occorrenti : 29,7")
        .text("lblfilo", "occorrono 3,73 mt di filo per la bobina")
        .text("lblradiali", "lunghezza radiali mt 10,6"),
    Row("frmAntAcc",
        {"txtlunghezzarad=5", "txtdiametrorad=3", "txtlunghezzabob=10", "txtdiametrobob=6", "txtfrequenza=3.65",
         "click:cmdcalcola"})
        .modal()
        .text("lblgradi", "Gradi elettrici : 21,9")
        .text("lblimpedenza", "Impedenza del radiatore Ohm : 330,1")
        .text("lblinduttanza", "Induttanza bobina microH : 35,8")
        .text("lblspire", "numero spire occorrenti : 35,7")
        .text("lblfilo", "occorrono 6,73 mt di filo per la bobina"),
    Row("frmAntAcc",
        {"txtlunghezzarad=10", "txtdiametrorad=4", "txtlunghezzabob=10", "txtdiametrobob=6", "txtfrequenza=1.85",
         "click:cmdcalcola"})
        .modal()
        .why("160 m: the wire rounds to 9,7 m")
        .text("lblspire", "numero spire occorrenti : 51,5")
        .text("lblfilo", "occorrono 9,7 mt di filo per la bobina")
        .text("lblradiali", "lunghezza radiali mt 40,5"),
    Row("frmAntAcc",
        {"txtlunghezzarad=10.2", "txtdiametrorad=2", "txtlunghezzabob=6", "txtdiametrobob=4", "txtfrequenza=7.1",
         "click:cmdcalcola"})
        .modal()
        .message("L'ANTENNA NON RICHIEDE BOBINA|MESSAGGIO DI AVVISO")
        .text("lblgradi", "")
        .focus("txtlunghezzarad"),
    Row("frmAntAcc",
        {"txtlunghezzarad=2.5", "txtdiametrorad=2", "txtdiametrobob=4", "txtfrequenza=7.1", "click:cmdcalcola"})
        .modal()
        .message(kMissing)
        .focus("txtlunghezzarad"),
    Row("frmAntAcc", {"click:cmdstampa"}).modal().effects({"print"}),
    Row("frmAntAcc", {"click:cmdavviso"}).modal().effects({"open frmavvertenza modal"}),

    // frmcappello: the capacitive hat
    Row("frmcappello", {"txtlunghezza=5", "txtdiametro=3", "txtfrequenza=7.1", "click:cmdcalcola"})
        .modal()
        .text("lblgradi", "CORRISPONDE A GRADI ELETTRICI : 43")
        .text("lblresradiazione", "RESISTENZA DI RADIAZIONE Ohm : 6")
        .text("lblimpedenza", "IMPEDENZA DEL RADIATORE Ohm : 330")
        .text("lblreattanza", "REATTANZA CAPACITIVA Ohm : 304")
        .text("lblcapacita", "CAPACITA' RICHIESTA in pF : 74")
        .text("lbldiamcappello", "DIAMETRO DEL CAPPELLO in cm. : 208")
        .text("lblc", "74 pF"),
    Row("frmcappello", {"txtlunghezza=10", "txtdiametro=5", "txtfrequenza=3.65", "click:cmdcalcola"})
        .modal()
        .text("lblgradi", "CORRISPONDE A GRADI ELETTRICI : 44")
        .text("lblreattanza", "REATTANZA CAPACITIVA Ohm : 327")
        .text("lblcapacita", "CAPACITA' RICHIESTA in pF : 133")
        .text("lbldiamcappello", "DIAMETRO DEL CAPPELLO in cm. : 376"),
    Row("frmcappello", {"txtlunghezza=2", "txtdiametro=2", "txtfrequenza=14.2", "click:cmdcalcola"})
        .modal()
        .text("lblresradiazione", "RESISTENZA DI RADIAZIONE Ohm : 4")
        .text("lblreattanza", "REATTANZA CAPACITIVA Ohm : 203")
        .text("lblc", "55 pF"),
    Row("frmcappello", {"txtlunghezza=10.2", "txtdiametro=3", "txtfrequenza=7.1", "click:cmdcalcola"})
        .modal()
        .message("L'ANTENNA NON RICHIEDE CARICO|MESSAGGIO DI AVVISO")
        .focus("txtlunghezza"),
    Row("frmcappello", {"txtlunghezza=5", "txtdiametro=-3", "txtfrequenza=7.1", "click:cmdcalcola"})
        .modal()
        .message(kMissing)
        .focus("txtlunghezza"),

    // frmcaricoauto: base coil with impedance tap
    Row("frmcaricoauto",
        {"txtf=7.1", "txtlungantenna=2.5", "txtdiamant=20", "txtdiambobina=40", "txtlungL1=10", "txtlungL2=60",
         "click:cmdcalcola"})
        .modal()
        .text("lblspireL1", "LA BOBINA L 1 E' FORMATA DA :   4,5 SPIRE IN ARIA")
        .text("lblspire2", "LA BOBINA L2  E' FORMATA DA : 29,8 SPIRE IN ARIA")
        .shown({"lblnotaspire"}),
    Row("frmcaricoauto",
        {"txtf=3.65", "txtlungantenna=5", "txtdiamant=30", "txtdiambobina=50", "txtlungL1=15", "txtlungL2=100",
         "click:cmdcalcola"})
        .modal()
        .text("lblspireL1", "LA BOBINA L 1 E' FORMATA DA :   5,7 SPIRE IN ARIA")
        .text("lblspire2", "LA BOBINA L2  E' FORMATA DA : 42,1 SPIRE IN ARIA"),
    Row("frmcaricoauto",
        {"txtf=14.2", "txtlungantenna=2", "txtdiamant=20", "txtdiambobina=40", "txtlungL1=10", "txtlungL2=50",
         "click:cmdcalcola"})
        .modal()
        .text("lblspireL1", "LA BOBINA L 1 E' FORMATA DA :   3,1 SPIRE IN ARIA")
        .text("lblspire2", "LA BOBINA L2  E' FORMATA DA : 14,6 SPIRE IN ARIA"),
    Row("frmcaricoauto",
        {"txtf=7.1", "txtlungantenna=10.2", "txtdiamant=20", "txtdiambobina=40", "txtlungL1=10", "txtlungL2=60",
         "click:cmdcalcola"})
        .modal()
        .message("RADIATORE TROPPO LUNGO|MESSAGGIO DI AVVISO")
        .hidden({"lblnotaspire"})
        .focus("txtlungantenna"),
    Row("frmcaricoauto", {"click:cmdcalcola"})
        .modal()
        .why("an empty window computes nothing")
        .message(kMissing)
        .hidden({"lblnotaspire"})
        .text("lblspireL1", "")
        .focus("txtf"),
    Row("frmcaricoauto",
        {"txtf=7.1", "txtlungantenna=2.5", "txtdiamant=20", "txtdiambobina=-40", "txtlungL1=10", "txtlungL2=60",
         "click:cmdcalcola"})
        .modal()
        .message(kMissing)
        .focus("txtdiambobina"),
    Row("frmcaricoauto",
        {"txtf=7.1", "txtlungantenna=2.5", "txtdiamant=20", "txtdiambobina=40", "txtlungL1=10", "click:cmdcalcola"})
        .modal()
        .message(kMissing)
        .focus("txtlungL2"),
    Row("frmcaricoauto", {"click:cmdavvertenza"}).modal().effects({"open frmavvertenza modal"}),

    // frmantDL7PE: the short vertical with a coax counterpoise
    Row("frmantDL7PE", {}).hidden({"Frame1"}),
    Row("frmantDL7PE", {"txtfrequenza=14.2", "txtd=20", "txtdiambobina=40", "txtlungbobina=80", "click:cmccalcola"})
        .text("lbllung", "LA LUNGHEZZA DEL RADIATORE E' 33,1 cm")
        .text("lblc", "LA CAPACITA' DEL RADIATORE E'  6,46 pF")
        .text("lbll", "L'INDUTTANZA RICHIESTA E' 19,45 microHenry")
        .text("lbllungcontrapp",
              "LA LUNGHEZZA DEL COAX USATO COME CONTRAPPESO E' mt  4,08 E DEVE ESSERE TERMINATO CON UN BALUN CHOKE")
        .text("lblspire", "LA BOBINA E' DI n. 34,7 SPIRE - MASSIMA SEZIONE FILO mm. 2,31")
        .text("lbllunghezzafilo", "PER LA BOBINA OCCORRONO 435 cm. DI FILO")
        .text("lbllung1", "33,1 cm")
        .text("lbldd", "80 mm")
        .shown({"Frame1"}),
    Row("frmantDL7PE", {"txtfrequenza=7.1", "txtd=30", "txtdiambobina=50", "txtlungbobina=100", "click:cmccalcola"})
        .text("lbllung", "LA LUNGHEZZA DEL RADIATORE E' 66,2 cm")
        .text("lblc", "LA CAPACITA' DEL RADIATORE E'  11,46 pF")
        .text("lbll", "L'INDUTTANZA RICHIESTA E' 43,85 microHenry")
        .text("lblspire", "LA BOBINA E' DI n. 46,6 SPIRE - MASSIMA SEZIONE FILO mm. 2,15")
        .text("lbllunghezzafilo", "PER LA BOBINA OCCORRONO 731 cm. DI FILO"),
    Row("frmantDL7PE", {"txtfrequenza=28.5", "txtd=16", "txtdiambobina=30", "txtlungbobina=50", "click:cmccalcola"})
        .text("lblc", "LA CAPACITA' DEL RADIATORE E'  4,08 pF")
        .text("lbll", "L'INDUTTANZA RICHIESTA E' 7,64 microHenry")
        .text("lbllunghezzafilo", "PER LA BOBINA OCCORRONO 219 cm. DI FILO"),
    Row("frmantDL7PE", {"txtfrequenza=14.2", "txtd=20", "txtdiambobina=40", "click:cmccalcola"})
        .message(kMissing)
        .hidden({"Frame1"})
        .focus("txtfrequenza"),
    Row("frmantDL7PE",
        {"txtfrequenza=14.2", "txtd=20", "txtdiambobina=40", "txtlungbobina=80", "click:cmccalcola", "txtd=25"})
        .hidden({"Frame1"}),

    // frmcapantvert: capacitance to ground
    Row("frmcapantvert", {}).selected("Option1", 0).hidden({"txtdistanza", "lbldistanza"}),
    Row("frmcapantvert", {"txtlunghezza=10", "txtdiametro=20", "click:cmdcalcola"})
        .text("lblcapacita", "LA CAPACITA'  DELL'ANTENNA E'  43,8 pF"),
    Row("frmcapantvert", {"click:Option1:1", "txtlunghezza=10", "txtdiametro=20", "txtdistanza=5", "click:cmdcalcola"})
        .text("lblcapacita", "LA CAPACITA'  DELL'ANTENNA E'  41,9 pF")
        .shown({"txtdistanza", "lbldistanza"}),
    Row("frmcapantvert", {"click:Option1:1", "txtlunghezza=10", "txtdiametro=20", "click:cmdcalcola"})
        .why("raised by nothing is the same as on the ground")
        .text("lblcapacita", "LA CAPACITA'  DELL'ANTENNA E'  43,8 pF"),
    Row("frmcapantvert", {"click:Option1:1", "txtlunghezza=5", "txtdiametro=30", "txtdistanza=10", "click:cmdcalcola"})
        .text("lblcapacita", "LA CAPACITA'  DELL'ANTENNA E'  24,4 pF"),
    Row("frmcapantvert", {"txtlunghezza=10", "txtdiametro=20", "click:cmdcalcola", "txtdiametro=2"})
        .text("lblcapacita", ""),
    Row("frmcapantvert", {"txtlunghezza=10", "txtdiametro=20", "click:cmdcalcola", "click:Option1:1", "click:Option1:0"})
        .text("lblcapacita", "")
        .hidden({"txtdistanza", "lbldistanza"}),
    Row("frmcapantvert", {"txtlunghezza=10", "click:cmdcalcola"}).message(kMissing).focus("txtlunghezza"),
    Row("frmcapantvert", {"txtlunghezza=10", "txtdiametro=-20", "click:cmdcalcola"})
        .why("a negative product does nothing")
        .text("lblcapacita", ""),
    Row("frmcapantvert", {"txtlunghezza=0.01", "txtdiametro=20", "click:cmdcalcola"})
        .why("a vertical shorter than its diameter has no capacitance: refused, nothing shown")
        .message(kInvalid)
        .unchanged()
        .text("lblcapacita", "")
        .focus("cmdcalcola"),
    Row("frmcapantvert", {"click:Option1:1", "txtlunghezza=0.01", "txtdiametro=20", "txtdistanza=1",
                          "click:cmdcalcola"})
        .why("raised, the same impossible vertical is refused too")
        .message(kInvalid)
        .unchanged()
        .focus("cmdcalcola"),
    Row("frmcapantvert", {"txtlunghezza=-10", "txtdiametro=-20", "click:cmdcalcola"})
        .why("two negative sizes pass the product test and are refused")
        .message(kInvalid)
        .text("lblcapacita", ""),
    Row("frmcapantvert", {"txtlunghezza=0.02", "txtdiametro=20", "click:cmdcalcola"})
        .why("a vertical as long as its diameter still has a capacitance")
        .text("lblcapacita", "LA CAPACITA'  DELL'ANTENNA E'  3,9 pF"),
};

TEST(AntennasMultiband, Verticals) { play(kVerticals); }

// ----------------------------------------------------------------- small loop

const Row kLoop[] = {
    Row("frmloop", {}).modal().selected("Option1", 0).shown({"fraforma"}).hidden(
        {"lblfantasma", "lblpiedi", "lblpollici", "lbldata"}),
    Row("frmloop", {"txtdiametro=100", "txtsezione=22", "txtmhz=7", "txtwatt=100", "click:cmdcalcola"})
        .modal()
        .why("a circle of 1 m on 40 m")
        .text("lblfantasma", "ANTENNA LOOP DI FORMA CIRCOLARE di area mq.: ")
        .text("lblarea", "0,785")
        .text("lbldiametro", "diametro in cm.")
        .text("lbllunghezza", "314")
        .text("Label3", "10,3018062")
        .text("Label5", "0,86614")
        .text("lblRR", "0,006")
        .text("lblRL", "0,031")
        .text("lblE", "15,4  %")
        .text("lblL", "2,435")
        .text("lblXL", "107,05")
        .text("lblCT", "212,5")
        .text("lblCC", "40,9")
        .text("lblQ", "1.444,77")
        .text("lblDF", "4,845")
        .text("lblVC", "3.932,7")
        .text("lblDB", "-8,13  dB")
        .text("lblCD", "8,45")
        .shown({"lblfantasma", "lblpiedi", "lblpollici"})
        .hidden({"fraforma"}),
    Row("frmloop", {"click:Option1:2", "txtdiametro=80", "txtsezione=22", "txtmhz=14", "txtwatt=100",
                    "click:cmdcalcola"})
        .modal()
        .text("lblfantasma", "ANTENNA LOOP DI FORMA QUADRATA di area mq.: ")
        .text("lbldiametro", "lato in cm.")
        .text("lblarea", "0,640")
        .text("lbllunghezza", "320")
        .text("lblRR", "0,061")
        .text("lblRL", "0,045")
        .text("lblE", "57,3  %")
        .text("lblL", "2,494")
        .text("lblXL", "219,25")
        .text("lblCT", "51,88")
        .text("lblCC", "16,87")
        .text("lblQ", "1.036,33")
        .text("lblDF", "13,509")
        .text("lblVC", "4.766,69")
        .text("lblDB", "-2,42  dB")
        .text("lblCD", "8,61"),
    Row("frmloop", {"click:Option1:1", "txtdiametro=40", "txtsezione=22", "txtmhz=14", "txtwatt=100",
                    "click:cmdcalcola"})
        .modal()
        .why("the octagon of side 40 cm encloses 2 (1 + sqrt 2) 0.16 m2")
        .text("lblfantasma", "ANTENNA LOOP DI FORMA OTTAGONALE di area mq.: ")
        .text("lblarea", "0,773")
        .text("lbllunghezza", "320")
        .text("lblRR", "0,088")
        .text("lblE", "66,16  %"),
    Row("frmloop", {"txtdiametro=50.5", "txtsezione=22", "txtmhz=7", "txtwatt=100", "click:cmdcalcola"})
        .modal()
        .text("lbllunghezza", "159")
        .text("lblarea", "0,200"),
    Row("frmloop", {"txtdiametro=100", "txtsezione=22", "txtmhz=7", "click:cmdcalcola"})
        .modal()
        .why("the shape line has replaced the frame even when data are missing")
        .message(kMissing)
        .text("lblfantasma", "ANTENNA LOOP DI FORMA CIRCOLARE di area mq.: ")
        .text("lblRR", "")
        .shown({"lblfantasma", "lblpiedi", "lblpollici"})
        .hidden({"fraforma"})
        .focus("txtdiametro"),
    Row("frmloop", {"txtdiametro=100", "txtsezione=22", "txtmhz=7", "txtwatt=-100", "click:cmdcalcola"})
        .modal()
        .text("lblRR", "")
        .hidden({"fraforma"}),
    Row("frmloop", {"txtdiametro=100", "txtsezione=22", "txtmhz=7", "txtwatt=100", "click:cmdcalcola",
                    "click:cmdstampa"})
        .modal()
        .text("lbldata", "STAMPA DEL 01/01/2026")
        .hidden({"lbldata"})
        .shown({"cmdcalcola", "cmdinfo", "cmdExit", "cmdstampa", "cmdcondensatore"})
        .effects({"print"}),
    Row("frmloop", {"click:cmdinfo"}).modal().effects({"open frminfoloop modal"}),
    Row("frmloop", {"click:cmdcondensatore"}).modal().effects({"open frmhelpcondensatore modal"}),
    Row("frminfoloop", {"click:cdmchiudi"}).modal().effects({"close"}).open(false),
    Row("frmhelpcondensatore", {"click:cmdok"}).modal().effects({"close"}).open(false),
};

TEST(AntennasMultiband, SmallLoop) { play(kLoop); }

}  // namespace
}  // namespace vm::test
