#include "comando_mutuo.h"

#include "common/date.h"
#include "common/servizi_simulati.h"
#include "comune.h"
#include "loan/fogli_piano.h"
#include "platform/xlsx/scrittore_xlsx_file.h"
#include "teg/taeg.h"

#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>

namespace vantrel {
namespace {

constexpr const char* kAiuto =
    "uso: vantrel-cli mutuo [--scadenza Mensile|Bimestrale|Trimestrale|Quadrimestrale|Semestrale|Annuale]\n"
    "       [--importo N] [--data gg/mm/aaaa] [--anni N] [--rate N] [--tasso N] [--spese-iniziali N]\n"
    "       [--spese-rata N] [--rata N] [--csv FILE] [--formato testo|json] [--xlsx OUT.xlsx]\n"
    "       [--cartella DIR] [--oggi gg/mm/aaaa]\n"
    "       verifica usura: [--tipo CATEGORIA] [--data-contratto gg/mm/aaaa] [--spese-istruttoria N]\n"
    "       [--assicurazione N] [--mediazione N] [--tasso-mora N] [--mora-sommata]\n"
    "       CATEGORIA: Mutuo ipotecario a tasso fisso, Mutuo ipotecario a tasso variabile, Credito personale,\n"
    "       Cessione del quinto dello stipendio e della pensione, Credito finalizzato, Leasing immobiliare a\n"
    "       tasso fisso, Leasing immobiliare a tasso variabile, Leasing strumentale, Leasing autoveicoli e\n"
    "       aeronavali, Altri finanziamenti (maiuscole indifferenti; basta l'inizio del nome)\n"
    "  --xlsx OUT.xlsx  salva anche il piano (una riga per rata, totali come formule) e i dati del mutuo\n"
    "                   in una cartella di Excel; non con --csv\n";

const char* const kScadenze[6] = {"Mensile", "Bimestrale", "Trimestrale", "Quadrimestrale", "Semestrale", "Annuale"};
// Fields in the order they are set, with their command-line options.
const std::pair<const char*, const char*> kCampi[] = {
    {"importo", "txtImporto"}, {"data", "txtData"},           {"anni", "anniX"},        {"rate", "txtNumRate"},
    {"tasso", "txtTasso"},     {"spese-iniziali", "SpesaUT"}, {"spese-rata", "SpesaM"}, {"rata", "txtRata"}};
// The usury check's fields and its results, present only when the check is asked for.
const std::pair<const char*, const char*> kCampiUsura[] = {{"data-contratto", "txtDataContratto"},
                                                           {"spese-istruttoria", "txtSpeseIstruttoria"},
                                                           {"assicurazione", "txtAssicurazione"},
                                                           {"mediazione", "txtMediazione"},
                                                           {"tasso-mora", "txtTassoMora"}};
const char* const kRisultatiUsura[] = {"txtTegUsura", "txtSogliaUsura", "txtEsitoUsura", "txtSogliaMora",
                                       "txtEsitoMora"};
constexpr const char* kTipo = "cmbTipoOperazione";
constexpr const char* kMoraSommata = "chkMoraSommata";

/// The kind of operation whose name starts with `testo`, letter case aside; -1 when none.
int indiceTipo(const std::string& testo) {
    auto minuscolo = [](std::string s) {
        for (auto& c : s)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return s;
    };
    const auto& tipi = VerificaUsura::tipiOperazione();
    for (std::size_t k = 0; k < tipi.size(); ++k)
        if (!testo.empty() && minuscolo(tipi[k]).rfind(minuscolo(testo), 0) == 0) return static_cast<int>(k);
    return -1;
}

const char* const kRisultati[] = {"txtImporto", "txtData", "anniX",   "txtNumRate", "txtTasso", "txtRata",
                                  "SpesaUT",    "SpesaM",  "TxtTaeg", "TotIntM",    "totmutuo", "TSpese"};

int indiceScadenza(const std::string& s) {
    for (int k = 0; k < 6; ++k)
        if (s == kScadenze[k]) return k;
    return -1;
}

struct Esito {
    std::map<std::string, std::string> campi;
    std::vector<std::string> messaggi, piano, usura;
    CartellaLavoro cartella; // the plan as a workbook
};

/// One loan, as a user would enter it: frequency, the fields in order, then Calcola.
Esito calcola(const std::string& cartella, Data oggi, int scadenza, const std::map<std::string, std::string>& valori) {
    RisposteProgrammate risposte;
    OrologioFisso orologio(oggi);
    Contesto ctx;
    ctx.servizi.messaggi = &risposte;
    ctx.servizi.orologio = &orologio;
    ctx.stato.CartellaDati = ctx.stato.CartellaReport = cartella;
    Taeg t(ctx);
    risposte.dimentica(); // what the window says while loading (rate files) is not about the loan
    // Clicking an option also fills the count from the years (0 when none): only a chosen frequency
    // is clicked, Mensile being selected already when the window opens.
    if (scadenza >= 0) t.clicca("Option1(" + std::to_string(scadenza) + ")");
    for (const auto& [opzione, campo] : kCampi) {
        const auto it = valori.find(campo);
        if (it == valori.end()) continue;
        if (std::string(campo) == "txtRata")
            t.imposta(t.id(campo), it->second); // the user cannot type it: an earlier calculation left it
        else
            t.incolla(campo, it->second);
        t.esci(campo);
    }
    t.clicca("CmdCalcola");
    Esito e;
    for (const char* c : kRisultati)
        e.campi[c] = t[c].testo;
    bool usura = valori.count(kTipo) > 0 || valori.count(kMoraSommata) > 0;
    for (const auto& [opzione, campo] : kCampiUsura)
        if (const auto it = valori.find(campo); it != valori.end()) {
            t.incolla(campo, it->second);
            t.esci(campo);
            usura = true;
        }
    if (usura) {
        if (const auto it = valori.find(kTipo); it != valori.end()) t.seleziona(kTipo, std::stoi(it->second));
        if (valori.count(kMoraSommata)) t.clicca(kMoraSommata);
        t.clicca("cmdVerificaUsura");
        for (const char* c : kRisultatiUsura)
            e.campi[c] = t[c].testo;
        e.usura = t["lstFonteSoglia"].voci;
    }
    for (const auto& m : risposte.mostrati())
        e.messaggi.push_back(m.testo);
    e.piano = t["LstPianoAmm"].voci;
    if (!t.mutuo().piano().rate.empty()) {
        DatiMutuo dati;
        for (const char* c : {"txtImporto", "txtData", "", "txtNumRate", "txtTasso", "txtRata", "SpesaUT", "SpesaM",
                              "TxtTaeg", "TotIntM", "totmutuo", "TSpese"})
            dati.push_back(*c ? t[c].testo : kScadenze[scadenza < 0 ? 0 : scadenza]);
        e.cartella = cartellaPiano(t.mutuo().piano(), dati);
    }
    return e;
}

nlohmann::json comeJson(const Esito& e) {
    nlohmann::json j = {{"campi", e.campi}, {"messaggi", e.messaggi}, {"piano", e.piano}};
    if (!e.usura.empty()) j["usura"] = e.usura;
    return j;
}

void comeTesto(const Esito& e, std::ostream& out) {
    for (const auto& r : e.piano)
        out << r << '\n';
    for (const char* c : kRisultati)
        out << c << ": " << e.campi.at(c) << '\n';
    for (const char* c : kRisultatiUsura)
        if (const auto it = e.campi.find(c); it != e.campi.end()) out << c << ": " << it->second << '\n';
    for (const auto& r : e.usura)
        out << "usura: " << r << '\n';
    for (const auto& m : e.messaggi) {
        std::string riga = m;
        for (auto p = riga.find("\r\n"); p != std::string::npos; p = riga.find("\r\n"))
            riga.replace(p, 2, " | ");
        out << "messaggio: " << riga << '\n';
    }
}

std::vector<std::string> dividi(const std::string& riga) {
    std::vector<std::string> parti;
    std::string parte;
    std::istringstream in(riga);
    while (std::getline(in, parte, ';'))
        parti.push_back(parte);
    if (!riga.empty() && riga.back() == ';') parti.emplace_back();
    return parti;
}

} // namespace

int comandoMutuo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::map<std::string, std::string> valori;
    std::string formato = "testo", cartella, csv, xlsx;
    int scadenza = -1;
    Data oggi = OrologioDiSistema().oggi();
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help") {
            out << kAiuto;
            return 0;
        }
        if (a == "--mora-sommata") {
            valori[kMoraSommata] = "1";
            continue;
        }
        if (a.rfind("--", 0) != 0 || i + 1 >= args.size()) {
            err << "vantrel-cli mutuo: argomento non valido o senza valore: " << a << '\n';
            return 2;
        }
        const std::string nome = a.substr(2), v = args[++i];
        bool campo = false;
        for (const auto& [opzione, controllo] : kCampi)
            if (nome == opzione) {
                valori[controllo] = v;
                campo = true;
            }
        for (const auto& [opzione, controllo] : kCampiUsura)
            if (nome == opzione) {
                valori[controllo] = v;
                campo = true;
            }
        if (campo) continue;
        if (nome == "tipo") {
            const int k = indiceTipo(v);
            if (k < 0) {
                err << "vantrel-cli mutuo: categoria sconosciuta: " << v << '\n';
                return 2;
            }
            valori[kTipo] = std::to_string(k);
            continue;
        }
        if (nome == "scadenza") {
            scadenza = indiceScadenza(v);
            if (scadenza < 0) {
                err << "vantrel-cli mutuo: scadenza sconosciuta: " << v << '\n';
                return 2;
            }
        } else if (nome == "formato") {
            if (v != "testo" && v != "json") {
                err << "vantrel-cli mutuo: formato sconosciuto: " << v << '\n';
                return 2;
            }
            formato = v;
        } else if (nome == "cartella") {
            cartella = v;
            if (!cartella.empty() && cartella.back() != '/' && cartella.back() != '\\') cartella += '/';
        } else if (nome == "oggi") {
            const auto d = leggiData(v);
            if (!d) {
                err << "vantrel-cli mutuo: data non valida per --oggi: " << v << '\n';
                return 2;
            }
            oggi = *d;
        } else if (nome == "csv") {
            csv = v;
        } else if (nome == "xlsx") {
            xlsx = v;
        } else {
            err << "vantrel-cli mutuo: opzione sconosciuta: " << a << '\n';
            return 2;
        }
    }
    // The rate window loads with the calculation window: without --cartella it reads the program
    // folder, never the current one (where it would leave empty rate files).
    if (cartella.empty()) cartella = cli::cartellaPredefinita() + '/';

    if (csv.empty()) {
        const Esito e = calcola(cartella, oggi, scadenza, valori);
        if (!xlsx.empty()) {
            if (e.cartella.fogli.empty()) {
                err << "vantrel-cli mutuo: nessun piano da salvare in " << xlsx << '\n';
                return 1;
            }
            const std::string errore = ScrittoreXlsxFile().scrivi(e.cartella, xlsx);
            if (!errore.empty()) {
                err << "vantrel-cli mutuo: " << errore << '\n';
                return 1;
            }
        }
        if (formato == "json")
            out << comeJson(e).dump(2) << '\n';
        else
            comeTesto(e, out);
        return 0;
    }
    if (!xlsx.empty()) {
        err << "vantrel-cli mutuo: --xlsx vale per un solo mutuo, non con --csv\n";
        return 2;
    }

    std::ifstream in(csv);
    if (!in) {
        err << "vantrel-cli mutuo: file non trovato: " << csv << '\n';
        return 2;
    }
    std::string riga;
    if (!std::getline(in, riga)) {
        err << csv << ":1: manca la riga di intestazione\n";
        return 1;
    }
    if (!riga.empty() && riga.back() == '\r') riga.pop_back();
    const std::vector<std::string> colonne = dividi(riga);
    for (std::size_t c = 0; c < colonne.size(); ++c) {
        bool nota = colonne[c] == "scadenza";
        for (const auto& [opzione, controllo] : kCampi)
            nota = nota || colonne[c] == controllo;
        if (!nota) {
            err << csv << ":1: colonna " << c + 1 << " sconosciuta: " << colonne[c] << '\n';
            return 1;
        }
    }
    // Everything is computed before anything is written, so bad data leaves no half output.
    std::vector<Esito> esiti;
    for (int numero = 2; std::getline(in, riga); ++numero) {
        if (!riga.empty() && riga.back() == '\r') riga.pop_back();
        if (riga.empty()) continue;
        const std::vector<std::string> parti = dividi(riga);
        if (parti.size() > colonne.size()) {
            err << csv << ":" << numero << ": più colonne dell'intestazione\n";
            return 1;
        }
        std::map<std::string, std::string> v;
        int s = scadenza;
        for (std::size_t c = 0; c < parti.size(); ++c) {
            if (colonne[c] == "scadenza") {
                if (parti[c].empty()) continue;
                s = indiceScadenza(parti[c]);
                if (s < 0) {
                    err << csv << ":" << numero << ": colonna scadenza: valore sconosciuto: " << parti[c] << '\n';
                    return 1;
                }
            } else if (!parti[c].empty()) {
                v[colonne[c]] = parti[c];
            }
        }
        esiti.push_back(calcola(cartella, oggi, s, v));
    }
    if (formato == "json") {
        nlohmann::json a = nlohmann::json::array();
        for (const auto& e : esiti)
            a.push_back(comeJson(e));
        out << a.dump(2) << '\n';
    } else {
        for (std::size_t k = 0; k < esiti.size(); ++k) {
            if (k > 0) out << '\n';
            comeTesto(esiti[k], out);
        }
    }
    return 0;
}

} // namespace vantrel
