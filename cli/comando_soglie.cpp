#include "comando_soglie.h"

#include "common/file_esiste.h"
#include "common/maschera_formato.h"
#include "common/numeri.h"
#include "comune.h"
#include "rates/lettura_serie.h"
#include "rates/riferimento_serie.h"
#include "rates/soglia_ufficiale.h"

#include <nlohmann/json.hpp>
#include <ostream>

namespace vantrel::cli {
namespace {

constexpr const char* kAiuto =
    "Uso: vantrel-cli soglie --data gg/mm/aaaa [--categoria TESTO] [--importo N [--valuta euro|lire]]\n"
    "       [--formato testo|csv|json] [--cartella DIR]\n"
    "I tassi soglia ufficiali in vigore alla data: TEGM, regola, soglia secondo la regola e pubblicata,\n"
    "maggiorazione e soglia degli interessi moratori, fonte. --categoria cerca tra le categorie in vigore\n"
    "per parole (maiuscole e accenti non contano); senza, tutte le categorie della data. --importo sceglie\n"
    "la classe: è nella valuta della data (lire fino al 31/12/2001, euro dopo) se --valuta non ne indica\n"
    "un'altra; \"fino a 5.000 euro\" comprende 5.000.\n";

std::string campoCsv(const std::string& t) {
    if (t.find_first_of(";\"\r\n") == std::string::npos) return t;
    std::string q = "\"";
    for (const char c : t)
        q += c == '"' ? std::string("\"\"") : std::string(1, c);
    return q + '"';
}

/// What the command was asked.
struct RichiestaSoglie {
    OpzioniComuni comuni;
    std::string formato;
    Data giorno;
    std::optional<std::string> categoria;
    std::optional<double> importo;
    Valuta valuta = Valuta::Euro;
    std::string comeImporto; // the amount as read, with its currency and why
};

// Lire up to the last day before the euro notes and coins.
constexpr Data kPrimoGiornoEuro{2002, 1, 1};

/// Fills `r` from the options; false after a message.
bool leggiOpzioni(std::vector<std::string>& args, RichiestaSoglie& r, std::ostream& err) {
    std::optional<std::string> data, importo, formato, valuta;
    if (!prendiValore(args, "--data", data) || !prendiValore(args, "--categoria", r.categoria) ||
        !prendiValore(args, "--importo", importo) || !prendiValore(args, "--formato", formato) ||
        !prendiValore(args, "--valuta", valuta)) {
        err << "vantrel-cli soglie: manca il valore di un'opzione\n" << kAiuto;
        return false;
    }
    if (!leggiOpzioniComuni(args, r.comuni, err)) return false;
    if (!args.empty()) {
        err << "vantrel-cli soglie: argomento sconosciuto \"" << args[0] << "\"\n" << kAiuto;
        return false;
    }
    r.formato = formato.value_or("testo");
    if (r.formato != "testo" && r.formato != "csv" && r.formato != "json") {
        err << "vantrel-cli soglie: formato sconosciuto \"" << r.formato << "\" (testo, csv o json)\n";
        return false;
    }
    const auto giorno = data ? leggiData(*data) : std::nullopt;
    if (!giorno) {
        err << "vantrel-cli soglie: indicare una data valida con --data gg/mm/aaaa\n";
        return false;
    }
    r.giorno = *giorno;
    r.importo = importo ? leggiNumero(*importo) : std::nullopt;
    if (importo && (!r.importo || *r.importo < 0)) {
        err << "vantrel-cli soglie: importo non valido \"" << *importo << "\"\n";
        return false;
    }
    if (valuta && *valuta != "euro" && *valuta != "lire") {
        err << "vantrel-cli soglie: valuta sconosciuta \"" << *valuta << "\" (euro o lire)\n";
        return false;
    }
    const bool lire = valuta ? *valuta == "lire" : r.giorno < kPrimoGiornoEuro;
    r.valuta = lire ? Valuta::Lire : Valuta::Euro;
    if (r.importo)
        r.comeImporto = formatta(*r.importo, lire ? maschere::lire : maschere::euro) + (lire ? " lire" : " euro") +
                        (valuta ? " (--valuta)" : " (la valuta della data)");
    return true;
}

/// The rows of the series asked for: the class of the amount, every class of the category, or every
/// row in force on the day; none after a message.
std::vector<const RigaSerie*> righeScelte(const SerieUfficiale& serie, const RichiestaSoglie& q, std::ostream& err) {
    std::vector<const RigaSerie*> righe;
    if (q.categoria) {
        const RicercaSerie r = serie.cerca(q.giorno, *q.categoria, q.importo, q.valuta);
        if (r.riga)
            righe.push_back(r.riga);
        else if (!q.importo && !r.classi.empty())
            righe = r.classi; // every class of the category
        else
            err << "vantrel-cli soglie: " << r.errore << "\n";
        return righe;
    }
    for (const CategoriaInVigore& c : serie.categorie(q.giorno))
        for (const RigaSerie* r : c.classi)
            if (!q.importo || r->limiti.contiene(*q.importo, q.valuta)) righe.push_back(r);
    if (righe.empty()) err << "vantrel-cli soglie: la serie ufficiale non ha tassi per il " << q.giorno.testo() << "\n";
    return righe;
}

void scrivi(const std::vector<const RigaSerie*>& righe, const RichiestaSoglie& q, std::ostream& out) {
    const std::string& fmt = q.formato;
    nlohmann::ordered_json json = nlohmann::ordered_json::array();
    for (std::size_t i = 0; i < righe.size(); ++i) {
        std::vector<VoceSoglia> voci = vociSoglia(sogliaUfficiale(*righe[i]));
        if (q.importo) voci.push_back({"importo", "Importo", q.comeImporto});
        if (fmt == "testo") {
            if (i > 0) out << "\n";
            for (const VoceSoglia& v : voci)
                out << v.etichetta << ": " << v.testo << "\n";
        } else if (fmt == "csv") {
            if (i == 0)
                for (std::size_t k = 0; k < voci.size(); ++k)
                    out << (k ? ";" : "") << voci[k].chiave << (k + 1 == voci.size() ? "\n" : "");
            for (std::size_t k = 0; k < voci.size(); ++k)
                out << (k ? ";" : "") << campoCsv(voci[k].testo) << (k + 1 == voci.size() ? "\n" : "");
        } else {
            nlohmann::ordered_json o = nlohmann::ordered_json::object();
            for (const VoceSoglia& v : voci)
                o[v.chiave] = v.testo;
            json.push_back(std::move(o));
        }
    }
    if (fmt == "json") out << json.dump(2) << "\n";
}

} // namespace

int comandoSoglie(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    if (prendiFlag(args, "--help")) {
        out << kAiuto;
        return kOk;
    }
    RichiestaSoglie r;
    if (!leggiOpzioni(args, r, err)) return kUso;
    const std::string file = percorso(r.comuni.cartella, kFileSerieUfficiale);
    const EsitoSerie letta = leggiFileSerie(file, nullptr);
    if (!letta.ok()) {
        err << "vantrel-cli soglie: serie ufficiale non disponibile: " << file << ": " << letta.errore.messaggio()
            << " (importarla con vantrel-cli tassi importa-serie)\n";
        return kInputErrato;
    }
    const std::vector<const RigaSerie*> righe = righeScelte(*letta.serie, r, err);
    if (righe.empty()) return kInputErrato;
    scrivi(righe, r, out);
    return out ? kOk : kInputErrato;
}

} // namespace vantrel::cli
