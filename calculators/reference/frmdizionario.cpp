// Abbreviations and recurring terms of radio and electronics, with their
// Italian meaning, in one drop-down list kept in alphabetical order.
#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "dictionary.h"
#include "framework/registry.h"

namespace vm {

namespace reference {

// In the order they are loaded; the list sorts them.
const std::vector<std::string>& dictionaryEntries() {
  static const std::vector<std::string> entries = {
      "AC  =  corrente alternata",
      "ACORN TUBE  = valvola a ghianda (per VHF e UHF)",
      "A/D  =  convertitore da analogico a digitale",
      "ADJUST  = regolare, tarare",
      "AERIAL  = antenna",
      "AERIAL TUNIG COIL  = bobina di sintonia d'antenna",
      "AF  = audiofrequenza, bassa frequenza",
      "AFC comando automatico di frequenza",
      "AFSK  = manipolazione a spostamento di frequenza audio",
      "AGC  = controllo automatico del guadagno",
      "AIR CONDENSE  = condensatore ad aria",
      "AIR INSULATED  = isolato in aria",
      "AIR MAGNETIC CIRCUIT  = circuito magnetico in aria (senza nucleo)",
      "ALC  = controllo automatico del livello",
      "ALL GLASS  = tutto vetro (valvola senza zoccolo)",
      "ANL  = limitatore automatico dei disturbi",
      "ANODE CIRCUIT  = circuito anodico",
      "ANODE CURRENT  = corrente anodica",
      "ANODE DISSIPATION  = dissipazione anodica",
      "ANODE FOLLOWER  = inseguitore anodico",
      "ARRL  = associazione dei radioamatori americani (American Radio Relay League)",
      "ATV  = televisione amatoriale",
      "AVC  = controllo automatico di volume",
      "AVERAGE CURRENT  = corrente media",
      "AVERAGE VOLTAGE  = tensione media",
      "BALUN  = trasformatore da bilanciato a sbilanciato",
      "BASE  = base (elettrodo del transistor)",
      "BOOSTER  = amplificatore ausiliario, di rinforzo",
      "BRASS  = ottone",
      "CARRIER  = portante",
      "CHECK LIST  = elenco dei controlli",
      "COAXIAL LINE  = linea coassiale, cavo coassiale",
      "CHOKE  = impedenza, bobina di arresto",
      "COIL  = bobina",
      "COLLECTOR  = collettore (elettrodo del transistor)",
      "COPPER  = rame",
      "CU = rame",
      "CRT  = tubo a raggi catodici",
      "D/A  =  convertitore da digitale ad analogico",
      "DATA SHEET  = foglio delle caratteristiche",
      "DC  = corrente continua",
      "DRAIN  = drain, pozzo (elettrodo del FET)",
      "EAR PHONE  = auricolare",
      "EDP  = elaborazione elettronica dei dati",
      "EHT  = altissima tensione",
      "EME  = collegamenti Terra - Luna - Terra",
      "EMF  = forza elettromotrice",
      "EMITTER  = emettitore (elettrodo del transistor)",
      "ENAMEL  = smalto (filo smaltato)",
      "FE = ferro",
      "FET  = transistor ad effetto di campo",
      "FF  = flip-flop, multivibratore bistabile",
      "FM  = modulazione di frequenza",
      "FOLLOWER  = inseguitore (di tensione)",
      "FORWARD  = inverso, indiretto o riflesso",
      "FRONTEND  = stadio d'ingresso del ricevitore",
      "FSK  = manipolazione a spostamento di frequenza",
      "FULL RATING  = valori massimi nominali",
      "GAIN  = guadagno",
      "GATE  = gate, porta (elettrodo del FET)",
      "GDO = grid-dip oscillator",
      "GND / GROUND  = massa, terra",
      "H  = henry, unità di misura dell'induttanza",
      "HEART  = cuore, nucleo",
      "HF  = onde corte (da 3 a 30 MHz)",
      "HT o HV  = alta tensione",
      "IARU  = unione internazionale dei radioamatori",
      "IC  = circuito integrato",
      "ID  = corrente di drain (di un FET)",
      "IF  = frequenza intermedia, media frequenza",
      "IN = inch - pollice (2,54 cm.)",
      "IN o INPUT  = ingresso",
      "INSULATOR  = isolatore",
      "IRC  = tagliando internazionale di risposta (International Reply Coupon)",
      "IRON  = ferro",
      "JFET  = transistor ad effetto di campo a giunzione",
      "JUNCTION  = giunzione",
      "K  = chilo (moltiplica per 1.000)",
      "KEY  = tasto telegrafico",
      "LED  = diodo che emette luce",
      "LO  = oscillatore locale",
      "LSB  = banda laterale inferiore",
      "LSI  = integrazione su larga scala",
      "M  = mega (moltiplica per 1.000.000)",
      "MIKE  = microfono",
      "MIX  = miscelatore, mescolatore",
      "MOSFET  = transistor ad effetto di campo a gate isolato (metallo - ossido - semiconduttore)",
      "MOX  = passaggio manuale in trasmissione",
      "MSG  = messaggio",
      "MSI  = integrazione su media scala",
      "NBFM  = modulazione di frequenza a banda stretta",
      "n.c. = non collegato",
      "NC = normalmente chiuso (di un relè)",
      "NO = normalmente aperto (di un relè)",
      "NOISE  = rumore, disturbo",
      "OPERATING  = di funzionamento, di esercizio",
      "OSC  = oscillatore",
      "OUTPUT  = uscita",
      "PA  = amplificatore di potenza, stadio finale",
      "pb = piombo",
      "PEAK  = picco",
      "PEP  = potenza di picco dell'inviluppo",
      "PEV  = tensione di picco dell'inviluppo",
      "PIN  = piedino; anche diodo PIN",
      "PLL  = anello ad aggancio di fase (phase locked loop)",
      "PLUG  = spina, connettore maschio",
      "POWER SUPPLY  = alimentatore",
      "PPM  = parti per milione",
      "PTT  = comando di trasmissione a pulsante (push to talk)",
      "RANGE  = portata, gamma",
      "RF  = radiofrequenza",
      "R.M.S  = valore efficace (root mean square)",
      "RTTY  = radiotelescrivente",
      "SCR  = raddrizzatore controllato al silicio, tiristore",
      "SET  = apparato; anche regolare, predisporre",
      "SHIFT  = spostamento (di frequenza)",
      "SI = silicio",
      "SINE  = sinusoide, sinusoidale",
      "SN = stagno",
      "SOURCE  = source, sorgente (elettrodo del FET)",
      "SPEAKER  = altoparlante",
      "SQUARE  = quadro, quadrato (onda quadra)",
      "SQUELCH  = silenziamento del ricevitore in assenza di segnale",
      "SSTV  = televisione a scansione lenta",
      "TP  = punto di misura (test point)",
      "TRANSFORMER  = trasformatore",
      "TUBE  = valvola, tubo elettronico",
      "TUNING  = sintonia",
      "TURN  = spira",
      "TVI  = interferenze alla televisione",
      "UJT  = transistor a unigiunzione",
      "UHF  = frequenze ultra alte (da 300 a 3000 MHz)",
      "USB  = banda laterale superiore",
      "VCO  = oscillatore controllato in tensione",
      "VCXO  = oscillatore a cristallo controllato in tensione",
      "VHF  = frequenze molto alte (da 30 a 300 MHz)",
      "VOX  = passaggio in trasmissione comandato dalla voce",
      "VSWR  = rapporto di onde stazionarie in tensione (ROS)",
      "VXO = osc. a cristallo a frequeza variabile",
      "WAVE  = onda",
      "WIRE  = filo",
      "WPM  = parole al minuto (velocità della telegrafia)",
  };
  return entries;
}

bool dictionaryOrder(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace reference

namespace {

const std::string kFirstShown = "A/D  =  convertitore da analogico a digitale";

class Dizionario final : public CalculatorOf<Dizionario> {
 public:
  explicit Dizionario(FormBuilder& b) : CalculatorOf(b) {
    b.caption("Abbreviazioni e terminologia ricorrente");
    list_ = b.list("cbodizionario").tooltip("clicca sulla freccia").text(kFirstShown);
    b.closeButton("cmdesci", "ESCI");
    b.onLoad([this] { load(); });
  }

 private:
  // The list keeps its entries sorted whatever the order they are added in;
  // a stable sort keeps that order among entries that differ only in case.
  void load() {
    std::vector<std::string> sorted = reference::dictionaryEntries();
    std::stable_sort(sorted.begin(), sorted.end(), reference::dictionaryOrder);
    const auto first = static_cast<int>(std::find(sorted.begin(), sorted.end(), kFirstShown) - sorted.begin());
    form().setEntries(list_.id, std::move(sorted));
    form().setListIndex(list_.id, first);
  }

  List list_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmdizionario, Dizionario)
