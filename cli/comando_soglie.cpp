#include "comando_soglie.h"

#include "common/file_esiste.h"
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
    "Uso: vantrel-cli soglie --data gg/mm/aaaa [--categoria TESTO] [--importo N] [--formato testo|csv|json]\n"
    "       [--cartella DIR]\n"
    "I tassi soglia ufficiali in vigore alla data: TEGM, regola, soglia secondo la regola e pubblicata,\n"
    "maggiorazione e soglia degli interessi moratori, fonte. --categoria cerca tra le categorie in vigore\n"
    "per parole (maiuscole e accenti non contano); senza, tutte le categorie della data.\n";

std::string campoCsv(const std::string& t) {
    if (t.find_first_of(";\"\r\n") == std::string::npos) return t;
    std::string q = "\"";
    for (const char c : t)
        q += c == '"' ? std::string("\"\"") : std::string(1, c);
    return q + '"';
}

} // namespace

int comandoSoglie(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    if (prendiFlag(args, "--help")) {
        out << kAiuto;
        return kOk;
    }
    std::optional<std::string> data, categoria, importo, formato;
    OpzioniComuni opz;
    if (!prendiValore(args, "--data", data) || !prendiValore(args, "--categoria", categoria) ||
        !prendiValore(args, "--importo", importo) || !prendiValore(args, "--formato", formato)) {
        err << "vantrel-cli soglie: manca il valore di un'opzione\n" << kAiuto;
        return kUso;
    }
    if (!leggiOpzioniComuni(args, opz, err)) return kUso;
    if (!args.empty()) {
        err << "vantrel-cli soglie: argomento sconosciuto \"" << args[0] << "\"\n" << kAiuto;
        return kUso;
    }
    const std::string fmt = formato.value_or("testo");
    if (fmt != "testo" && fmt != "csv" && fmt != "json") {
        err << "vantrel-cli soglie: formato sconosciuto \"" << fmt << "\" (testo, csv o json)\n";
        return kUso;
    }
    const auto giorno = data ? leggiData(*data) : std::nullopt;
    if (!giorno) {
        err << "vantrel-cli soglie: indicare una data valida con --data gg/mm/aaaa\n";
        return kUso;
    }
    const auto euro = importo ? leggiNumero(*importo) : std::nullopt;
    if (importo && (!euro || *euro < 0)) {
        err << "vantrel-cli soglie: importo non valido \"" << *importo << "\"\n";
        return kUso;
    }
    const std::string file = percorso(opz.cartella, kFileSerieUfficiale);
    const EsitoSerie letta = leggiFileSerie(file, nullptr);
    if (!letta.ok()) {
        err << "vantrel-cli soglie: serie ufficiale non disponibile: " << file << ": " << letta.errore.messaggio()
            << " (importarla con vantrel-cli tassi importa-serie)\n";
        return kInputErrato;
    }
    const SerieUfficiale& serie = *letta.serie;
    std::vector<const RigaSerie*> righe;
    if (categoria) {
        const RicercaSerie r = serie.cerca(*giorno, *categoria, euro);
        if (r.riga)
            righe.push_back(r.riga);
        else if (!euro && !r.classi.empty())
            righe = r.classi; // every class of the category
        else {
            err << "vantrel-cli soglie: " << r.errore << "\n";
            return kInputErrato;
        }
    } else {
        for (const CategoriaInVigore& c : serie.categorie(*giorno))
            for (const RigaSerie* r : c.classi)
                if (!euro || r->limiti.contiene(*euro)) righe.push_back(r);
        if (righe.empty()) {
            err << "vantrel-cli soglie: la serie ufficiale non ha tassi per il " << giorno->testo() << "\n";
            return kInputErrato;
        }
    }

    nlohmann::ordered_json json = nlohmann::ordered_json::array();
    for (std::size_t i = 0; i < righe.size(); ++i) {
        const std::vector<VoceSoglia> voci = vociSoglia(sogliaUfficiale(*righe[i]));
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
    return out ? kOk : kInputErrato;
}

} // namespace vantrel::cli
