#include "comando_tassi.h"

#include "comando_tassi_elenco.h"
#include "comando_tassi_scarica.h"
#include "comando_tassi_serie.h"
#include "common/file_sicuro.h"
#include "common/numeri.h"
#include "common/testo.h"
#include "comune.h"
#include "csv.h"
#include "platform/disco_posix.h"
#include "rates/fonti_tassi.h"
#include "rates/set_tassi.h"
#include "rates/tabella_tassi.h"
#include "rates/tasso_esatto.h"
#include "rates/verifica_set.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <ostream>
#include <sstream>
#include <tuple>
#include <utility>

namespace vantrel::cli {
namespace {

const std::vector<std::string> kColonne = {"periodo", "TM1", "TM2", "TM7", "TM8", "TM3", "TM4", "TM6",
                                           "TM5",     "TU1", "TU2", "TU3", "TU4", "TU5", "TU6"};

int esporta(const std::string& file, const TabellaTassi& t, Disco* disco, std::ostream& err) {
    std::ostringstream s;
    for (std::size_t i = 0; i < kColonne.size(); ++i)
        s << (i ? ";" : "") << kColonne[i];
    s << "\r\n";
    for (int i = 1; i <= t.validi(); ++i) {
        const RecordTassi& r = t.slot(i);
        s << trim(r.periodo);
        for (std::size_t c = 1; c < kColonne.size(); ++c) {
            const float v = campoTasso(r, kColonne[c]);
            s << ';' << (v == 0 ? std::string() : testoNumero(v));
        }
        s << "\r\n";
    }
    if (!sostituisciFile(file, s.str(), disco).empty()) {
        err << "vantrel-cli tassi: impossibile scrivere il file " << file << "\n";
        return kInputErrato;
    }
    return kOk;
}

// Every period of the file, checked whole before anything is written.
std::vector<RecordTassi> leggiImport(const std::string& file) {
    const TabellaCsv t = leggiCsv(file, kColonne);
    const auto it = std::find(t.colonne.begin(), t.colonne.end(), "periodo");
    if (it == t.colonne.end()) throw ErroreCsv{erroreInput(file, 1, 0, "manca la colonna \"periodo\"")};
    if (t.righe.size() > static_cast<std::size_t>(TabellaTassi::kMassimo))
        throw ErroreCsv{erroreInput(file, t.numeriRiga[TabellaTassi::kMassimo], 0,
                                    "il file contiene più dei " + std::to_string(TabellaTassi::kMassimo) +
                                        " periodi che la tabella può tenere")};
    std::map<std::string, int> viste; // key and the line that holds it
    std::vector<RecordTassi> out;
    for (std::size_t r = 0; r < t.righe.size(); ++r) {
        const int riga = t.numeriRiga[r];
        RecordTassi p;
        for (std::size_t c = 0; c < t.colonne.size(); ++c) {
            const std::string& v = t.righe[r][c];
            const auto errore = [&](const std::string& testo) {
                return ErroreCsv{erroreInput(file, riga, static_cast<int>(c) + 1, testo)};
            };
            if (t.colonne[c] == "periodo") {
                p.periodo = std::string(trim(v));
                if (!trimestreDelPeriodo(p.periodo))
                    throw errore("periodo non valido " + citazione(v) + " (trimestre da 1 a 4 e anno, es. 32004)");
                if (const auto [doppio, nuovo] = viste.emplace(p.periodo, riga); !nuovo)
                    throw errore("periodo " + p.periodo + " ripetuto (già alla riga " + std::to_string(doppio->second) +
                                 ")");
                continue;
            }
            if (trim(v).empty()) continue; // an empty rate is stored as 0
            const LetturaTasso x = leggiTasso(v);
            if (!x.tasso) throw errore(x.errore);
            campoTasso(p, t.colonne[c]) = static_cast<float>(x.tasso->valore());
        }
        if (const std::string e = verificaPeriodo(p); !e.empty()) throw ErroreCsv{erroreInput(file, riga, 0, e)};
        out.push_back(std::move(p));
    }
    return out;
}

int importa(const std::string& file, bool sovrascrivi, const std::string& cartella, Disco* disco, std::ostream& out,
            std::ostream& err) {
    std::vector<RecordTassi> periodi;
    try {
        periodi = leggiImport(file);
    } catch (const ErroreCsv& e) {
        err << "vantrel-cli tassi: " << e.messaggio << "\n";
        return kInputErrato;
    }
    std::vector<std::string> lasciati;
    bool piena = false;
    std::string errore;
    // On the set as it is on disk, under the folder's lock: what another program saves meanwhile stays.
    const auto scritta = modificaSetTassi(
        cartella, disco,
        [&](TabellaTassi& t) {
            lasciati.clear();
            bool cambiata = false;
            for (const RecordTassi& p : periodi) {
                const int k = t.cercaPeriodo(p.periodo);
                if (k > 0 && !sovrascrivi) {
                    lasciati.push_back(p.periodo);
                    continue;
                }
                const int n = k > 0 ? k : t.validi() + 1;
                if (n > TabellaTassi::kMassimo) {
                    piena = true;
                    return false;
                }
                RecordTassi& r = t.slot(n);
                const auto riserva = k > 0 ? r.riserva : std::array<std::uint8_t, 4>{};
                // A CMS average entered by hand stays when the file has none for the quarter (the
                // averages published without it, as the official series).
                const auto cms = k > 0 && p.TM[5] == 0 ? std::pair{r.TM[5], r.TU[5]} : std::pair{p.TM[5], p.TU[5]};
                r = p;
                std::tie(r.TM[5], r.TU[5]) = cms;
                r.numRec = static_cast<std::int16_t>(n);
                r.riserva = riserva;
                if (k == 0) t.numPeriodi = static_cast<std::int16_t>(n);
                cambiata = true;
            }
            return cambiata;
        },
        errore);
    for (const auto& k : lasciati)
        out << "periodo " << k << " già presente: lasciato com'era (usare --sovrascrivi)\n";
    if (piena) {
        err << "vantrel-cli tassi: la tabella dei tassi non ha posto per tutti i periodi del file (al massimo "
            << TabellaTassi::kMassimo << "): nessun periodo è stato salvato\n";
        return kInputErrato;
    }
    if (!scritta && !errore.empty()) {
        err << "vantrel-cli tassi: " << errore << ": nessun periodo è stato salvato\n";
        return kInputErrato;
    }
    std::map<std::string, std::string> fonti; // the periods written, with the file they came from
    const std::string fonte = "importato dal file " + std::filesystem::path(file).filename().string();
    for (const RecordTassi& p : periodi)
        if (std::find(lasciati.begin(), lasciati.end(), p.periodo) == lasciati.end()) fonti[p.periodo] = fonte;
    if (scritta) registraFontiTassi(cartella, fonti);
    return kOk;
}

} // namespace

int comandoTassi(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    const bool aiuto = prendiFlag(args, "--help");
    if (aiuto || args.empty()) {
        out << "Uso: vantrel-cli tassi elenco | importa FILE.csv [--sovrascrivi] | esporta FILE.csv\n"
               "      | importa-serie FILE.csv|FILE.zip | scarica [--indirizzo URL]   [--cartella DIR]\n"
               "La tabella dei tassi della cartella del programma. importa-serie legge la serie ufficiale\n"
               "della Banca d'Italia (TEGM_serie_storica.zip o il suo CSV) e ne riporta i periodi nella tabella.\n"
               "scarica prende il set di tassi dal server delle impostazioni (ServerTassi.ini) o da URL\n"
               "(https://, ftp:// o ftps://): aggiunge e aggiorna i periodi, non ne toglie nessuno.\n";
        return aiuto ? kOk : kUso;
    }
    OpzioniComuni opz;
    const bool sovrascrivi = prendiFlag(args, "--sovrascrivi");
    std::optional<std::string> indirizzo;
    if (!prendiValore(args, "--indirizzo", indirizzo)) {
        err << "vantrel-cli tassi: manca il valore dell'opzione --indirizzo\n";
        return kUso;
    }
    if (!leggiOpzioniComuni(args, opz, err)) return kUso;
    if (args.empty()) {
        err << "vantrel-cli tassi: indicare elenco, importa FILE.csv o esporta FILE.csv\n";
        return kUso;
    }
    const std::string azione = args[0];
    std::string cartella = opz.cartella;
    if (!cartella.ends_with('/')) cartella += '/';
    DiscoPosix disco;
    if (azione == "elenco" && args.size() == 1) return comandoTassiElenco(cartella, out, err);
    if (azione == "importa-serie" && args.size() == 2) return comandoTassiSerie(args[1], cartella, out, err);
    if (azione == "scarica" && args.size() == 1) return comandoTassiScarica(cartella, indirizzo, out, err);
    if ((azione == "importa" || azione == "esporta") && args.size() == 2) {
        if (azione == "esporta") {
            TabellaTassi t;
            caricaSetTassi(t, cartella, &disco);
            return esporta(args[1], t, &disco, err);
        }
        std::error_code ec;
        if (!std::filesystem::exists(args[1], ec)) {
            err << "vantrel-cli tassi: il file non esiste: " << args[1] << "\n";
            return kUso;
        }
        if (std::filesystem::is_directory(args[1], ec)) {
            err << "vantrel-cli tassi: " << args[1] << " è una cartella, non un file CSV\n";
            return kInputErrato;
        }
        return importa(args[1], sovrascrivi, cartella, &disco, out, err);
    }
    err << "vantrel-cli tassi: comando non valido; usare elenco, importa FILE.csv, esporta FILE.csv, importa-serie "
           "FILE o scarica\n";
    return kUso;
}

} // namespace vantrel::cli
