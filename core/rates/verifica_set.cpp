#include "rates/verifica_set.h"

#include "common/file_record.h"
#include "common/numeri.h"
#include "common/testo.h"
#include "rates/set_tassi.h"

#include <cmath>
#include <map>

namespace vantrel {
namespace {

constexpr std::array<const char*, 14> kCampi = {"TM1", "TM2", "TM3", "TM4", "TM5", "TM6", "TM7",
                                                "TM8", "TU1", "TU2", "TU3", "TU4", "TU5", "TU6"};

const char* const kConservati = "I tassi già presenti non sono stati modificati.";

// The first slot of each key, as cercaPeriodo finds it.
std::map<std::string, int> perChiave(const TabellaTassi& t) {
    std::map<std::string, int> m;
    for (int i = 1; i <= t.validi(); ++i)
        m.emplace(std::string(trim(t.slot(i).periodo)), i);
    return m;
}

bool stessiTassi(const RecordTassi& a, const RecordTassi& b) {
    for (const char* c : kCampi)
        if (!(campoTasso(a, c) == campoTasso(b, c))) return false;
    return true;
}

bool stessiRecord(const TabellaTassi& a, const TabellaTassi& b) {
    if (a.validi() != b.validi()) return false;
    for (int i = 1; i <= a.validi(); ++i)
        if (a.slot(i).codifica() != b.slot(i).codifica()) return false;
    return true;
}

std::string quanti(int n, const char* uno, const char* molti) {
    return std::to_string(n) + " " + (n == 1 ? uno : molti);
}

} // namespace

std::optional<int> trimestreDelPeriodo(std::string_view chiave) {
    if (chiave.size() != 5 || chiave.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
    const int q = chiave[0] - '0';
    const int anno = std::stoi(std::string(chiave.substr(1)));
    if (q < 1 || q > 4 || anno < 1996 || anno > 2099) return std::nullopt;
    return anno * 4 + q - 1;
}

std::string verificaPeriodo(const RecordTassi& r) {
    const std::string chiave(trim(r.periodo));
    if (!trimestreDelPeriodo(chiave))
        return "periodo non valido \"" + chiave + "\" (trimestre da 1 a 4 e anno, es. 32004)";
    for (const char* c : kCampi) {
        const float v = campoTasso(r, c);
        if (!(v >= 0.0f && v <= 100.0f))
            return "periodo " + chiave + ": il tasso " + c + " (" +
                   (std::isfinite(v) ? testoNumero(v) : "non numerico") + ") non è compreso tra 0 e 100";
    }
    return {};
}

std::string verificaSetTassi(const TabellaTassi& t) {
    if (t.validi() == 0) return "il set non contiene alcun periodo";
    if (t.numPeriodi > TabellaTassi::kMassimo)
        return "il set contiene " + std::to_string(t.numPeriodi) + " periodi, più dei " +
               std::to_string(TabellaTassi::kMassimo) + " ammessi";
    int prima = 0;
    for (int i = 1; i <= t.validi(); ++i) {
        const RecordTassi& r = t.slot(i);
        if (std::string e = verificaPeriodo(r); !e.empty()) return e;
        const int q = *trimestreDelPeriodo(trim(r.periodo));
        if (q <= prima)
            return "il periodo " + std::string(trim(r.periodo)) + " non segue il periodo " +
                   std::string(trim(t.slot(i - 1).periodo)) +
                   " (i periodi devono essere in ordine di tempo e senza ripetizioni)";
        prima = q;
    }
    return {};
}

std::optional<TabellaTassi> leggiSetTassi(const std::vector<std::uint8_t>& dati,
                                          const std::vector<std::uint8_t>& numero, std::string& errore) {
    if (numero.size() != 2) {
        errore = std::string("il file ") + kFileNumeroTassi + " ha " + std::to_string(numero.size()) +
                 " byte invece di 2: non è il numero dei periodi";
        return std::nullopt;
    }
    const int n = leggiI16(numero.data());
    if (n <= 0 || n > TabellaTassi::kMassimo) {
        errore = n == 0 ? "il set non contiene alcun periodo"
                        : "il set dichiara " + std::to_string(n) + " periodi (ammessi da 1 a " +
                              std::to_string(TabellaTassi::kMassimo) + ")";
        return std::nullopt;
    }
    const std::size_t attesi = static_cast<std::size_t>(n) * RecordTassi::kLunghezza;
    if (dati.size() != attesi) {
        errore = std::string("il file ") + kFileTassi + " ha " + std::to_string(dati.size()) + " byte, ma per " +
                 std::to_string(n) + " periodi ne servono " + std::to_string(attesi) +
                 ": il file è incompleto o non è un file di tassi";
        return std::nullopt;
    }
    TabellaTassi t;
    t.numPeriodi = static_cast<std::int16_t>(n);
    for (int i = 1; i <= n; ++i) {
        const auto inizio = dati.begin() + static_cast<std::ptrdiff_t>((i - 1) * RecordTassi::kLunghezza);
        t.slot(i) = RecordTassi::decodifica({inizio, inizio + RecordTassi::kLunghezza});
        if (t.slot(i).numRec != i) {
            errore = "il record " + std::to_string(i) + " porta il numero " + std::to_string(t.slot(i).numRec) +
                     ": il file non è un file di tassi";
            return std::nullopt;
        }
    }
    errore = verificaSetTassi(t);
    if (!errore.empty()) return std::nullopt;
    return t;
}

ConfrontoSet confrontaSetTassi(const TabellaTassi& locale, const TabellaTassi& nuovo) {
    ConfrontoSet c;
    const auto vecchi = perChiave(locale);
    const auto arrivati = perChiave(nuovo);
    for (const auto& [chiave, i] : arrivati) {
        const auto it = vecchi.find(chiave);
        if (it == vecchi.end())
            ++c.nuovi;
        else if (!stessiTassi(locale.slot(it->second), nuovo.slot(i)))
            ++c.modificati;
    }
    for (const auto& [chiave, i] : vecchi)
        if (!arrivati.contains(chiave)) ++c.mancanti;
    return c;
}

namespace {

// A table with periods is replaced only when the user, told what changes, says so.
bool sostituzioneConfermata(const TabellaTassi& locale, const TabellaTassi& set, const ConfrontoSet& c,
                            const Domanda& chiedi) {
    if (locale.validi() == 0) return true;
    std::string testo = "Il set di tassi contiene " + quanti(set.validi(), "periodo", "periodi") +
                        "; la tabella presente ne contiene " + std::to_string(locale.validi()) + ".\n" +
                        std::to_string(c.nuovi) + " periodi nuovi, " + std::to_string(c.modificati) + " modificati, " +
                        std::to_string(c.mancanti) + " che non sono nel set scaricato.\n";
    if (c.mancanti > 0) testo += "I periodi che non sono nel set scaricato andranno persi.\n";
    testo += "Vuoi sostituire i tassi presenti con il nuovo set?";
    return chiedi && chiedi(Messaggio{"AVVERTIMENTO!", testo, Icona::Avviso, Pulsanti::OkAnnulla, Risposta::Annulla}) ==
                         Risposta::Ok;
}

} // namespace

EsitoInstallazione installaSetTassi(const std::string& cartella, const TabellaTassi& nuovo, const Domanda& chiedi,
                                    Disco* disco) {
    using Stato = EsitoInstallazione::Stato;
    EsitoInstallazione e;
    if (const std::string motivo = verificaSetTassi(nuovo); !motivo.empty()) {
        e.stato = Stato::Rifiutato;
        e.messaggio = "Il set di tassi non è valido: " + motivo + ".\n" + kConservati;
        return e;
    }
    TabellaTassi set = nuovo;
    for (int i = 1; i <= set.validi(); ++i)
        set.slot(i).numRec = static_cast<std::int16_t>(i);
    set.periodoScelto = 0;

    TabellaTassi locale;
    caricaSetTassi(locale, cartella, disco);
    e.confronto = confrontaSetTassi(locale, set);
    const ConfrontoSet& c = e.confronto;
    if (c.nuovi == 0 && c.modificati == 0 && c.mancanti == 0) {
        e.stato = Stato::Invariato;
        e.messaggio = "I tassi presenti sono già uguali a quelli del set: nessuna modifica.";
        return e;
    }
    if (!sostituzioneConfermata(locale, set, c, chiedi)) {
        e.stato = Stato::Annullato;
        e.messaggio = std::string("Sostituzione annullata. ") + kConservati;
        return e;
    }
    bool cambiati = false;
    std::string errore;
    const auto scritta = modificaSetTassi(
        cartella, disco,
        [&](TabellaTassi& attuale) {
            // The figures shown in the question must still be true.
            cambiati = !stessiRecord(attuale, locale);
            if (cambiati) return false;
            attuale = set;
            return true;
        },
        errore);
    if (!scritta) {
        e.stato = Stato::Errore;
        e.messaggio = cambiati ? std::string("I tassi sono stati modificati da un'altra finestra o da un altro "
                                             "programma mentre attendevano conferma: ripetere l'operazione. ") +
                                     kConservati
                               : "Impossibile installare il set di tassi: " + errore + ".\n" + kConservati;
        return e;
    }
    e.stato = Stato::Installato;
    e.tabella = *scritta;
    e.messaggio = "Set di tassi installato: " + quanti(set.validi(), "periodo", "periodi") + " (" +
                  std::to_string(c.nuovi) + " nuovi, " + std::to_string(c.modificati) + " modificati, " +
                  std::to_string(c.mancanti) + " tolti).";
    return e;
}

} // namespace vantrel
