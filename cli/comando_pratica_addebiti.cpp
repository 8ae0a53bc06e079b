// vantrel-cli pratica parole, addebiti and nota: the words that find the bank's charges among the
// movements, the charges entered by hand per period, and the case's notes.
#include "account/importa_addebiti.h"
#include "account/importa_parole.h"
#include "comune.h"
#include "platform/sqlite/banche_dati_sqlite.h"
#include "pratica_cli.h"

#include <ostream>

namespace vantrel::cli {
namespace {

/// What a table command reads from its file and keeps in the case; the error text, empty when kept.
using Sostituisci = std::function<std::string(Pratica&, RigheFoglio&, std::vector<std::string>& ignorate)>;

// `pratica <comando> FILE [TABELLA]`: with a file, its table replaces the case's, all or nothing;
// then the case's table is shown.
int tabella(const std::string& comando, std::vector<std::string> args, const Sostituisci& sostituisci,
            const std::function<std::string(const Pratica&)>& mostra, std::ostream& out, std::ostream& err) {
    OpzioniComuni comuni;
    if (!leggiOpzioniComuni(args, comuni, err)) return kUso;
    BancheDatiSqlite sqlite;
    int esito = kOk;
    auto p = apriPratica(comando, args, args.size() == 2, sqlite, err, esito);
    if (!p) return esito;
    if (args.size() > 1 || (!args.empty() && args[0].starts_with("--"))) {
        err << prefisso(comando) << "indicare la pratica e al più un file\n";
        return kUso;
    }
    if (!args.empty()) {
        std::string errore;
        const auto righe = apriRighe(args[0], errore);
        std::vector<std::string> ignorate;
        if (righe) errore = sostituisci(*p, *righe, ignorate);
        if (!errore.empty()) {
            err << prefisso(comando) << args[0] << ": " << errore << "\nLa pratica non è cambiata.\n";
            return kInputErrato;
        }
        for (const auto& i : ignorate)
            err << prefisso(comando) << args[0] << ": colonna ignorata \"" << i << "\"\n";
    }
    out << mostra(*p);
    return kOk;
}

} // namespace

int praticaParole(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    return tabella(
        "parole", std::move(args),
        [](Pratica& p, RigheFoglio& righe, std::vector<std::string>& ignorate) {
            ParoleLette l = leggiParole(righe);
            ignorate = l.ignorate;
            return l.errore.empty() ? p.impostaParole(ParoleAddebiti(std::move(l.parole))) : l.errore;
        },
        [](const Pratica& p) { return csvParole(p.parole()); }, out, err);
}

int praticaAddebiti(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    return tabella(
        "addebiti", std::move(args),
        [](Pratica& p, RigheFoglio& righe, std::vector<std::string>& ignorate) {
            AddebitiLetti l = leggiAddebitiInseriti(righe);
            ignorate = l.ignorate;
            return l.errore.empty() ? p.impostaAddebitiInseriti(l.righe) : l.errore;
        },
        [](const Pratica& p) { return csvAddebitiInseriti(p.addebitiInseriti()); }, out, err);
}

// `pratica nota FILE [TESTO] [--data gg/mm/aaaa]`: adds a note (dated today unless told), then lists them.
int praticaNota(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    std::optional<std::string> data;
    OpzioniComuni comuni;
    if (!prendiValore(args, "--data", data)) {
        err << prefisso("nota") << "manca il valore di --data\n";
        return kUso;
    }
    if (!leggiOpzioniComuni(args, comuni, err)) return kUso;
    const std::optional<Data> giorno = data ? leggiData(*data) : comuni.oggi.value_or(OrologioDiSistema().oggi());
    if (!giorno) {
        err << prefisso("nota") << "data non valida per --data: " << *data << " (usare gg/mm/aaaa)\n";
        return kUso;
    }
    BancheDatiSqlite sqlite;
    int esito = kOk;
    auto p = apriPratica("nota", args, args.size() == 2, sqlite, err, esito);
    if (!p) return esito;
    if (args.size() > 1 || (!args.empty() && args[0].starts_with("--")) || (data && args.empty())) {
        err << prefisso("nota") << "indicare la pratica e al più il testo di una nota\n";
        return kUso;
    }
    if (!args.empty()) {
        if (const std::string errore = p->aggiungiNota(*giorno, args[0]); !errore.empty()) {
            err << prefisso("nota") << errore << "\nLa pratica non è cambiata.\n";
            return kInputErrato;
        }
    }
    for (const Nota& n : p->note())
        out << n.giorno.testo() << "  " << n.testo << "\n";
    return kOk;
}

} // namespace vantrel::cli
