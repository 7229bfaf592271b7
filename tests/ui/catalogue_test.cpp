// The menu catalogue of the main window, entry by entry: depth, caption
// (blanks exactly as shown), name, the window a command opens and how
// ("-" for a submenu); and the menus the main window builds from it.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <functional>
#include <string>
#include <vector>

#include "shell/catalogue.h"
#include "ui/main_window.h"
#include "ui/qt_host.h"

namespace {

struct Row {
  int depth;
  const char* caption;
  const char* name;
  const char* form;
  const char* mode;
};

const std::vector<Row> kListing = {
    {0, "Volt", "mnuvolt", "", "-"},
    {1, "Volt-Amp-Ohm-Watt", "mnuohm", "frmleggediohm", "modal"},
    {1, "Decibel", "mnudecibel", "", "-"},
    {2, "Decibel", "mnudb", "frmdB", "modal"},
    {2, "dBWatt - dBmWatt", "mnudbw", "frmdBW", "modal"},
    {2, "dBmicroVolt", "mnudbmicrovolt", "frmdBmicrovolt", "modal"},
    {2, "Watt Ohm Volt dBm", "mnuvoltwatt", "frmvoltwatt", "modeless"},
    {2, "dBm  S-METER in HF", "mnusmeter", "frmsmeterhf", "modeless"},
    {1, "Volt R.M.S.", "mnurms", "frmvolt", "modal"},
    {1, "Duplicatori di tensione", "mnuduplicatori", "frmduplicatori", "modal"},
    {1, "Corrente alternata", "mnucorralternata", "frmcorralternata", "modeless"},
    {0, "Circuiti L C R", "mnuinduttanza", "", "-"},
    {1, "Filtri", "mnufiltri", "", "-"},
    {2, "Filtri per R F", "mnufiltriRF", "", "-"},
    {3, "Filtri passa alto", "mnufiltripassaalto", "frmpassaalto", "modeless"},
    {3, "Filtri passa basso", "mnufiltripassabasso", "frmpassabasso", "modeless"},
    {3, "Altro passa basso", "mnupassabanda2", "frmpassabasso2", "modeless"},
    {3, "Filtri passabanda 3 poli", "mnupbk", "frmpassabandakcostante", "modeless"},
    {3, "Filtripassabanda", "mnufiltripassabanda", "frmpassabanda", "modeless"},
    {3, "Filtro notch", "mnufiltronotchaf", "frmnotchaf", "modeless"},
    {2, "Filtri per B F", "mnufiltriBF", "", "-"},
    {3, "Filtri passa alto/basso", "mnupassaaltobasso", "frmfiltriBF", "modal"},
    {3, "Filtri notch RC", "mnufiltrinotch", "frmfiltronotch", "modal"},
    {3, "Filtro notch", "mnufiltronotchbf", "frmnotchbf", "modeless"},
    {1, "Sintonia", "mnuvalinduttanza", "frmvalinduttanza", "modeless"},
    {1, "Reattanza", "mnureattanza", "frmreattanza", "modeless"},
    {1, "Costr. Bobine per HF", "mnubobine", "frmbobine", "modeless"},
    {1, "Costr. Bobine per VHF", "mnumicrobobine", "frmmicrobobine", "modeless"},
    {1, "Bobine VHF piatte", "mnubobinepiatte", "frmbobinepiatte", "modal"},
    {1, "Bobine multistrato in aria", "mnumultiinaria", "", "-"},
    {2, "Bobina multistrato 1", "mnumulticircolare", "frmbobinamulticircolare", "modeless"},
    {2, "Bobina multistrato 2", "mnumultilayer", "frmmultilayercoil", "modeless"},
    {2, "Bob. multi rettangolare", "mnumultirettangolare", "frmbobinarettangolare", "modeless"},
    {1, "Costr. Bobine a spirale", "mnuinduttanzaspirale", "frminduttanzaspirale", "modeless"},
    {1, "Costr. Bobine per UHF", "MNUBOBINEUHF", "frmbobineuhf", "modal"},
    {1, "Induttanza filo rettilineo", "mnuinduttanzafilodiritto", "frminduttanzafilodiritto", "modeless"},
    {1, "Toroidi", "mnutoro", "", "-"},
    {2, "Nuclei/Bobine Toroidali", "mnunucleitoroidali", "frmamidon", "modal"},
    {2, "Sintonia con Toroidi", "mnusintoniatoro", "frmsintoniatoro", "modal"},
    {2, "Adattatori Toroidali", "mnuadattatoroidali", "frmadattatoritoroidali", "modal"},
    {2, "Trasformatori ferrite", "mnutrasferrite", "frmtrasferroxcube", "modal"},
    {1, "Circuiti L C", "mnuLC", "", "-"},
    {2, "L C in parallelo", "mnulcparallelo", "frmimpcapparallelo", "modeless"},
    {2, "L C in serie", "mnuLCserie", "frmimpcapserie", "modeless"},
    {1, "Ottimizza Circuito LC", "mnudimcirclc1", "frmdimcirclc", "modeless"},
    {1, "Circuiti RLC", "mnuLCR", "", "-"},
    {2, "L C serie e parallelo", "mnuLCserieparall", "frmLC", "modeless"},
    {2, "L L  serie e parallelo", "mnuLL", "frmLL", "modeless"},
    {2, "R C serie e parallelo", "mnuRC", "frmRC", "modal"},
    {2, "R L serie e parallelo", "mnuRL", "frmRL", "modeless"},
    {2, "R L + Capacità", "mnuRLC", "frmRLC", "modeless"},
    {2, "L C R parallelo", "mnuparallLCR", "frmRLCparallelo", "modal"},
    {2, "L C R serie", "mnuserieLCR", "frmRLCserie", "modal"},
    {2, "R L + Resistenza", "mnuRLR", "frmRLR", "modal"},
    {2, "C L + Resistenza", "mnuCLR", "frmCircuitiRLC", "modal"},
    {1, "Adattatori Imp.  L C - Reti a L", "mnuadattatorilc", "frmadattatoriLC", "modeless"},
    {1, "Adattatori Imp a PI-GRECO", "mnupinetwork", "frmpinetwork", "modeless"},
    {1, "Adatt.Imp.partitore (manu)", "mnutappedcapacitormanu", "frmtappedcapacitormanu", "modeless"},
    {1, "Adatt.Imp.partitore (auto)", "mnutappedcapacitorauto", "frmtappedcapacitorauto", "modeless"},
    {1, "Risonanza", "mnurisonanza", "frmrisonanza", "modeless"},
    {1, "AutoRisonanza - SelfCap", "mnuautorisonanza1", "frmautorisonanza", "modeless"},
    {1, "Tuning Range", "mnutuningrange", "frmtuningrange", "modal"},
    {1, "Imped. a risonanza", "mnuimprisonanza", "frmimprisonanza", "modal"},
    {1, "Fattore Q", "mnuq", "frmfattoreQ", "modal"},
    {1, "Test curva filtri", "mnutestcurvafiltri", "frmtestcurvafiltro", "modeless"},
    {0, "Antenne", "mnuantenne", "", "-"},
    {1, "Dipoli", "mnuantorizz", "", "-"},
    {2, "Dipoli 1/2 lambda", "mnudipoli", "frmdipoli", "modal"},
    {2, "Dipolo accorciato", "mnuanttrappolata", "frmtrappolata", "modeless"},
    {2, "Multigamma ottimizzato", "mnumultigammaott", "frmmultigammaott", "modeless"},
    {2, "Dipolo multigamma", "mnuantmultigamma", "frmantmultigamma", "modeless"},
    {2, "Multigamma trapp.coax", "mnuantcoaxmulti", "frmantcoaxmulti", "modal"},
    {2, "Carico elementi lineari", "mnucaricolineare", "frmcaricolineare", "modal"},
    {2, "Trapp.elementi lineari", "mnutrappolalineare", "frmtrappolalineare", "modal"},
    {2, "G5RV", "mnug5rv", "frmantg5rv", "modeless"},
    {2, "Windom - Presa calcolata", "mnuantpresacalcolata", "frmantpresacalcolata", "modal"},
    {2, "Folded dipole", "mnufoldeddipole", "frmdipoloripiegato", "modeless"},
    {1, "Verticali", "mnuantvert", "", "-"},
    {2, "Verticale accorciata", "mnuverticale", "frmvertaccorciata", "modeless"},
    {2, "Accorciata alla base", "mnuAntAcc", "frmAntAcc", "modal"},
    {2, "Verticale collineare", "mnucollineare", "frmantcollineare", "modal"},
    {2, "Carico lineare", "mnuelementilineari", "frmcaricolineare", "modal"},
    {2, "Cappello capacitivo", "mnucappello", "frmcappello", "modal"},
    {2, "Verticale 5/8 lambda", "mnuantenna58", "frmantenna58", "modal"},
    {2, "Verticale J", "mnuantennaj", "", "-"},
    {3, "con base aperta", "mnujaperta", "frmantennaJ", "modal"},
    {3, "con base in corto", "mnujincorto", "frmantJincorto", "modal"},
    {2, "Slim Jim", "mnuslimjim", "frmantennagap", "modeless"},
    {2, "DL7 PE", "mnudl7pe", "frmantDL7PE", "modeless"},
    {2, "G P con gamma match", "mnugpgamma", "frmgpgamma", "modal"},
    {2, "Carico con adattamento", "mnucaricoauto", "frmcaricoauto", "modal"},
    {2, "Capacità antenna vert", "mnucapantvert", "frmcapantvert", "modeless"},
    {1, "LoopAntenna magnetica", "LoopAnt", "frmloop", "modal"},
    {1, "Yagi", "mnuyagi", "", "-"},
    {2, "Yagi 3 elementi", "mnuyagi3", "frmyagi3", "modeless"},
    {2, "Yagi 5 elementi", "mnuyagi5", "frmyagi5", "modeless"},
    {1, "Antenna HB9CV", "mnuhb9cv", "frmhb9cv", "modeless"},
    {1, "Antenna Quad", "mnuquad", "", "-"},
    {2, "Quad singolo elemento", "mnuloopquadrato", "frmloopquadrato", "modeless"},
    {2, "Quad due elementi", "mnuquad2", "frmquad2elementi", "modal"},
    {1, "Antenna E H ", "mnuEH", "", "-"},
    {2, "E H  tipo STAR", "mnuEHstar", "frmEHstar", "modeless"},
    {2, "E H  vecchio tipo", "mnuEHmultifreq", "frmEH", "modal"},
    {1, "Antenna Moxon", "mnumoxon", "frmantennamoxon", "modal"},
    {1, "Antenna Delta-Loop", "mnudeltaloop", "frmdeltaloop", "modal"},
    {1, "Loop rettangolare", "mnulooprettangolare", "frmlooprettangolare", "modal"},
    {1, "HEN - Loop Giapponese", "mnuhentenna", "frmhentenna", "modeless"},
    {1, "Antenna Discone", "mnuantdiscone", "frmantdiscone", "modeless"},
    {1, "Ridimensiona antenna", "mnuridimensiona", "frmridimensiona", "modal"},
    {1, "Rete LC adattamento ant.", "mnuretelcadatt", "frmreteadattamento", "modeless"},
    {1, "Resistenza Radiazione", "mnuresradiazione", "", "-"},
    {2, "Dipolo", "mnuresresdipolo", "frmresradiazione", "modal"},
    {2, "Stilo", "mnuresradiazstilo", "frmresradiazionestilo", "modal"},
    {1, "Caratteristiche cavi RG", "mnucavi", "frmcaviRG", "modeless"},
    {1, "Toroidi", "mnutoroidi", "", "-"},
    {2, "Nuclei toroidali", "mnunucleitoro", "frmamidon", "modal"},
    {2, "Adattatori toroidali", "mnuadattatoro", "frmadattatoritoroidali", "modal"},
    {1, "Balun / Un-Un", "mnubalununun4", "frmBalunUnUn", "modeless"},
    {1, "Gradi - Radianti", "mnuradiant", "frmradianti", "modal"},
    {1, "Onda diretta VHF", "mnuondadiretta", "frmondadiretta", "modal"},
    {1, "Lungh. ant. in armonica", "mnulungharmonica", "frmlungharmonica", "modeless"},
    {1, "Potenza eff.irradiata", "mnuerp", "frmERP", "modal"},
    {1, "dBm S-METER in HF", "mnudbmsmeterhf", "frmsmeterhf", "modeless"},
    {1, "dBm S-METER in VHF", "mnudbmsmetervhf", "frmsmetervhf", "modeless"},
    {1, "Segnali d'antenna", "mnusegnali", "", "-"},
    {2, "da dipolo", "mnusegnalidipolo", "frmsegnalidipolo", "modal"},
    {2, "da ant.generica", "mnusegnaligenerica", "frmsegnaligenerica", "modal"},
    {1, "Attenuazione segnale", "mnuattenuazionetratta", "frmattenuazionetratta", "modeless"},
    {1, "Elicoidale", "mnuelicoidale", "frmantelicoidale", "modal"},
    {1, "Parabole", "mnuparabole", "", "-"},
    {2, "Fuoco parabola circ.", "mnufuoco", "frmfuoco", "modal"},
    {2, "Illuminatore barattolo", "mnubarattolo", "frmbarattolo", "modal"},
    {2, "Guadagno parabola", "mnuparaboliche", "frmparaboliche", "modal"},
    {0, "Linee", "mnulinee", "", "-"},
    {1, "Adattattori Imp.za", "mnuadattatori", "frmadattatori", "modeless"},
    {1, "Esempi adattatori", "mnuesempiadattatori", "frmesempiadattatori", "modeless"},
    {1, "Adatt. Imp.za a tubi", "mnutrasformatubi", "frmtrasformatubi", "modeless"},
    {1, "Gamma match", "mnugammamatch", "frmgammamatch", "modal"},
    {1, "Hairpin", "mnuhairpin", "frmhairpin", "modeless"},
    {1, "R.O.S. - Return Loss", "mnuros", "frmros", "modal"},
    {1, "Perdita nella linea", "mnuerp1", "frmERP", "modal"},
    {1, "Balun e Un-Un", "mnubalun", "", "-"},
    {2, "Balun e UnUn", "mnubaluneUnUn4", "frmBalunUnUn", "modeless"},
    {2, "Balun in aria", "mnubaluninaria", "frmbaluninaria", "modeless"},
    {2, "Balun Choke", "mnubalunchoke", "frmbalunchoke", "modeless"},
    {2, "Balun 1/4 lambda", "mnubalun1quarto", "frmbaluncoax1quarto", "modeless"},
    {2, "Balun 3/4 lambda", "mnubalun3quarti", "frmbaluncoax3quarti", "modeless"},
    {1, "Gradi Elettrici", "mnugradi", "frmgradi", "modal"},
    {1, "Impedenza linee", "mnuimpedenzalinee", "", "-"},
    {2, "Bifilare aperta", "mnubifilareaperta", "frmbifilareaperta", "modal"},
    {2, "Bifilare con piano terra", "mnubifilareterra", "frmbifilareterra", "modal"},
    {2, "Bifilare tra 2 piani terra", "mnubilanciataduepiani", "frmbilanciataduepiani", "modal"},
    {2, "Bifilare schermata", "mnubilanciataschermata", "frmbilanciataschermata", "modal"},
    {2, "Singola in guida chiusa", "mnuguidachiusa", "frmguidachiusa", "modal"},
    {2, "Singola tra 2 piani terra", "mnusingoladuepiani", "frmsingoladuepiani", "modal"},
    {2, "Linea coassiale", "mnuimpcoassiale", "frmimpedenza", "modal"},
    {2, "Linea a strip paralleli", "mnustrip", "frmstrip", "modal"},
    {1, "Induttanza linee", "mnuindlinee", "", "-"},
    {2, "Induttanza linea unifilare", "mnuindunifilare", "frmlineaunifilare", "modal"},
    {2, "Induttanza linea bifilare", "mnuindbifilare", "frmlineabifilare", "modal"},
    {1, "Lung.Elettrica", "mnulunghezza", "frmlungelettrica", "modal"},
    {0, "Capacità", "mnucapacità", "", "-"},
    {1, "Cond. serie e parallelo", "mnucondensatori", "frmcondensatori", "modal"},
    {1, "Riduzione di Capacità", "mnuriduzcondensatori", "frmriduzcondensatori", "modeless"},
    {1, "Condensatori anti ripple", "mnuripple", "frmripple", "modal"},
    {1, "Condens.per duplicatori", "mnucondduplica", "frmduplicatori", "modal"},
    {1, "Elettr.non polarizzato", "mnunonpolarizzato", "frmelettrononpolarizzati", "modeless"},
    {1, "Ottimizza Circuito LC", "mnudimcirclc", "frmdimcirclc", "modeless"},
    {1, "Self Cap e Autorisonanza", "mnuautorisonanza", "frmautorisonanza", "modeless"},
    {1, "Capacità di una linea", "mnucaplinee", "", "-"},
    {2, "Capacità linea monofilare", "mnucapmonofilare", "frmlineaunifilare", "modal"},
    {2, "Capacità linea bifilare", "mnucapbifilare", "frmlineabifilare", "modal"},
    {2, "Capacità linea verticale", "mnucapverticale", "frmfiloverticale", "modal"},
    {2, "Capacità linea coassiale", "mnucapcoassiale", "frmimpedenza", "modal"},
    {1, "Tensione di lavoro minima", "mnumintenslavcond", "frmtensmincond", "modeless"},
    {1, "Costruzione condensatori", "mnucostrcondensatori", "frmcostruzionecondensatori", "modal"},
    {1, "Capacità cond. cilindrico", "mnucapcondcilindrico", "frmcapcondcilindrico", "modeless"},
    {1, "Costante di tempo", "mnucosttempo", "", "-"},
    {2, "Circuito R C", "mnucostrc", "frmcostantetemporc", "modal"},
    {2, "Circuito R L", "mnucostrl", "frmcostantetemporl", "modal"},
    {2, "Esempio pratico R C", "mnuesempiocostante", "frmesempiocostempo", "modal"},
    {1, "Coefficiente termico", "mnucoefftermico", "frmcoefftermicocondensatori", "modeless"},
    {1, "Energia Elettrostatica", "mnuenergiaelettro", "frmenergiapotenziale", "modeless"},
    {0, "Resistenze", "mnures", "", "-"},
    {1, "Res.  serie e parallelo", "mnuresistenze", "frmresistenze", "modal"},
    {1, "Partitori resistivi", "mnupartitori", "frmpartitori", "modal"},
    {1, "Massima corrente", "mnucorresistenza", "frmcorresistenza", "modeless"},
    {1, "Sonde in corr. continua", "mnusondecc", "frmsondecc", "modeless"},
    {1, "Reti adattam./attenuatori", "mnuattenuatorires", "", "-"},
    {2, "Attenuatore Imp. cost.", "mnuattimpcost", "frmattimpcost", "modal"},
    {2, "Rete a L", "mnuretel", "frmretiadL", "modeless"},
    {2, "Rete a L bilanciata", "mnuLbilanciata", "frmretiadLbilanciata", "modeless"},
    {2, "Rete a T e P greco", "mnureteaT", "frmretiaTePgreco", "modeless"},
    {2, "Rete a T e Pgreco bilanc.", "mnureteTbilanc", "frmretiaTePgrecobilanciate", "modeless"},
    {2, "Rete a T ponte", "mnureteTponte", "frmretiaTponte", "modeless"},
    {1, "Resistenza int. Strumento", "mnuresintstrumento", "frmresiststrumento", "modeless"},
    {1, "Resistenza int. Generatore", "mnuresgeneratore", "frmresgeneratore", "modeless"},
    {1, "Resistenza per Led", "mnuled", "frmled", "modal"},
    {1, "Resistenza per Zener", "mnureszener", "frmreszener", "modal"},
    {1, "Resistenza di un filo in BF", "mnuresistenzakm", "frmresistenzadc", "modal"},
    {1, "Resistenza di un filo in RF", "mnuresistenzarf", "frmresistenzarf", "modeless"},
    {0, "Semiconduttori", "mnutransistor", "", "-"},
    {1, "Stadi a transistor", "mnustadi", "", "-"},
    {2, "Da stadio oscill a amplif", "mnuoscillampl", "frmoscill_preampl", "modeless"},
    {2, "Stadio finale QRP", "mnufinqrp", "frmminifinale_antenna", "modeless"},
    {2, "Stadio finale di potenza", "mnufinalepot", "frmfinale_antenna", "modeless"},
    {2, "Trasmettitore + lineare", "mnutraslineare", "frmtrasm_lineare", "modeless"},
    {1, "Circuiti diodi rettificatori", "mnurettificatori", "frmrettificatori", "modeless"},
    {1, "Common Emitter", "mnucommonemitter", "frmpolarizztransistor", "modal"},
    {1, "Integrati 78xx", "mnu78xx", "frm78xx", "modeless"},
    {1, "Integrati 78xx bis", "mnu78xxbis", "frm78xxbis", "modeless"},
    {1, "Integrati 317/337", "mnu317", "frmlm317", "modal"},
    {1, "LM317 stab variabile", "mnu317variabile", "frmlm317variab", "modeless"},
    {1, "LM317 corrente cost", "mnu317cc", "frmlm317correntecost", "modal"},
    {0, "Old Radio", "mnuantiqueradio", "", "-"},
    {1, "Trasformatori", "mnutrasformatori", "frmtrasformatori", "modeless"},
    {1, "Trasformatori uscita", "mnutrasfuscita", "frmtrasfuscita", "modeless"},
    {1, "Standard Trasf U.S.A.", "mnucodextrasfusa", "frmcodextrasfusa", "modeless"},
    {1, "Autotrasf.re collegamenti", "mnuautotraserieu", "frmautotraserieu", "modeless"},
    {1, "Impedenze di filtro", "mnuimpfiltro", "frmimpedenzefiltro", "modeless"},
    {1, "Calcolo impedenza anodica", "mnuimpedenzaanodica", "frmimpanodica", "modeless"},
    {1, "Adatt.impedenza valvola", "mnuadattimppassabasso", "frmadattimppassabasso", "modeless"},
    {1, "Induttanze Geloso", "mnuinduttanzegeloso", "frminduttanzegeloso", "modeless"},
    {0, "Varie", "mnuvarie", "", "-"},
    {1, "dBm S-METER in HF", "mnusmeterhf", "frmsmeterhf", "modeless"},
    {1, "dbm S-METER in VHF", "mnusmetervhf", "frmsmetervhf", "modeless"},
    {1, "Dizionario", "mnudizionario", "frmdizionario", "modal"},
    {1, "Frequenza/Metri", "mnufrequenzametri", "frmfrequenzametri", "modal"},
    {1, "Gradi - Radianti", "mnuradianti", "frmradianti", "modal"},
    {1, "Peso specifico", "mnupeso", "frmpeso", "modal"},
    {1, "Lunghezza/Peso/Res", "mnulunghezzafilo", "frmlunghezzafilo", "modeless"},
    {1, "Misure inglesi", "mnumisureInglesi", "frmmisureinglesi", "modeless"},
    {1, "Mils - millimetri", "mnumils", "frmmils", "modeless"},
    {1, "Conversioni AWG", "mnuawg", "frmawg", "modeless"},
    {1, "Effetto pelle", "mnupenetrazione", "frmresistenzarf", "modeless"},
    {1, "Prefissi moltiplicativi", "mnuprefissi", "frmprefissi", "modal"},
    {1, "Resistività", "mnuresistività", "frmresistività", "modal"},
    {1, "Conduttori", "mnuconduttori", "frmconduttori", "modeless"},
    {1, "Sezione filo", "mnusezione", "frmsezione", "modal"},
    {1, "Strumenti", "mnustrumenti", "", "-"},
    {2, "shunt per amp.", "mnuamperometro", "frmshunt", "modal"},
    {2, "estens.voltm.", "mnuvoltmetro", "frmvoltmetro", "modal"},
    {1, "Temperatura", "mnutemperatura", "frmtemperatura", "modal"},
    {1, "d.d.p. di Contatto", "mnucontatto", "frmddpcontatto", "modal"},
    {1, "WW Locator", "mnucoordinate", "frmcoordinate", "modeless"},
    {0, "Leggimi", "mnuinfo", "frmabaut", "modal"},
};

std::string modeOf(const vm::MenuEntry& e) {
  if (!e.mode) return "-";
  return *e.mode == vm::OpenHow::Modal ? "modal" : "modeless";
}

TEST(MenuCatalogue, CountsEntriesCommandsAndSubmenus) {
  const auto& t = vm::menuCatalogue();
  int commands = 0, submenus = 0, top = 0;
  for (const auto& e : t) {
    (e.isCommand() ? commands : submenus)++;
    if (e.depth == 0) ++top;
  }
  EXPECT_EQ(t.size(), 246u);
  EXPECT_EQ(commands, 211);
  EXPECT_EQ(submenus, 35);
  EXPECT_EQ(top, 10);
}

TEST(MenuCatalogue, EveryEntryAsListedInOrder) {
  const auto& t = vm::menuCatalogue();
  ASSERT_EQ(t.size(), kListing.size());
  for (std::size_t i = 0; i < t.size(); ++i) {
    SCOPED_TRACE("entry " + std::to_string(i) + " " + kListing[i].name);
    EXPECT_EQ(t[i].depth, kListing[i].depth);
    EXPECT_EQ(std::string(t[i].caption), kListing[i].caption);
    EXPECT_EQ(std::string(t[i].name), kListing[i].name);
    EXPECT_EQ(std::string(t[i].form), kListing[i].form);
    EXPECT_EQ(modeOf(t[i]), kListing[i].mode);
  }
}

TEST(MenuCatalogue, SubmenusHoldChildrenAndCommandsHoldNone) {
  const auto& t = vm::menuCatalogue();
  for (std::size_t i = 0; i < t.size(); ++i) {
    const bool next = i + 1 < t.size() && t[i + 1].depth == t[i].depth + 1;
    EXPECT_EQ(next, !t[i].isCommand()) << t[i].name;
    if (i + 1 < t.size()) {
      EXPECT_LE(t[i + 1].depth, t[i].depth + 1) << t[i + 1].name;
    }
  }
}

TEST(MenuCatalogue, TheSameWindowOpensTheSameWayEverywhere) {
  for (const auto& a : vm::menuCatalogue())
    for (const auto& b : vm::menuCatalogue())
      if (a.isCommand() && a.form == b.form) {
        EXPECT_EQ(a.mode, b.mode) << a.name << " " << b.name;
      }
}

// The menus of the main window: same tree, captions as written, no shortcut.
TEST(MainWindowMenus, FollowTheCatalogue) {
  vm::ui::QtHost host;
  host.lastWindowClosed = [] {};
  vm::ui::MainWindow w(host);
  std::vector<Row> built;
  std::vector<QAction*> shortcuts;
  std::function<void(const QList<QAction*>&, int)> walk = [&](const QList<QAction*>& actions, int depth) {
    for (QAction* a : actions) {
      if (a->isSeparator()) continue;
      built.push_back(Row{depth, nullptr, nullptr, nullptr, nullptr});
      EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
      EXPECT_TRUE(a->isVisible()) << a->objectName().toStdString();
      EXPECT_TRUE(a->shortcut().isEmpty()) << a->objectName().toStdString();
      EXPECT_EQ(a->text().replace("&&", "&").toStdString(), kListing[built.size() - 1].caption);
      EXPECT_EQ(a->objectName().toStdString(), kListing[built.size() - 1].name);
      EXPECT_EQ(a->menu() != nullptr, std::string(kListing[built.size() - 1].mode) == "-");
      EXPECT_EQ(depth, kListing[built.size() - 1].depth);
      if (a->menu()) walk(a->menu()->actions(), depth + 1);
    }
  };
  walk(w.menuBar()->actions(), 0);
  EXPECT_EQ(built.size(), kListing.size());
  w.close();
}

}  // namespace
