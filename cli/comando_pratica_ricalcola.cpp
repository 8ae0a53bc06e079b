// vantrel-cli pratica ricalcola: the scalare of the case and the check of each period.
#include "account/fogli_scalare.h"
#include "casefile/ricalcolo_pratica.h"
#include "common/cartella_lavoro.h"
#include "comune.h"
#include "platform/sqlite/banche_dati_sqlite.h"
#include "pratica_cli.h"
#include "rates/avvisi_tassi.h"
#include "rates/set_tassi.h"
#include "reports/modifica_lista.h"
#include "uscita_teg.h"

#include <ostream>

namespace vantrel::cli {
namespace {

const std::string kNome = "ricalcola";

// A sheet as ";"-separated lines: the titles, the rows, the totals.
void scriviFoglio(const Foglio& f, std::ostream& out) {
    const auto riga = [&](const std::vector<Cella>& celle, auto testo) {
        std::string s;
        for (std::size_t c = 0; c < celle.size(); ++c) {
            if (c > 0) s += ';';
            accodaCampoCsv(s, testo(celle[c]));
        }
        out << s << '\n';
    };
    std::vector<Cella> titoli;
    for (const auto& c : f.colonne)
        titoli.push_back(Cella::diTesto(c.titolo));
    riga(titoli, testoCella);
    for (const auto& r : f.righe)
        riga(r, testoCella);
    for (const auto& r : f.totali) // the formulas' values, as the sheet shows them
        riga(r, [](const Cella& c) {
            return c.tipo == Cella::Tipo::Formula ? testoCella(Cella::diNumero(c.numero, c.formato)) : testoCella(c);
        });
}

int leggiFormato(std::vector<std::string>& args, std::string& formato, OpzioniComuni& comuni, std::ostream& err) {
    std::optional<std::string> f;
    if (!prendiValore(args, "--formato", f)) {
        err << prefisso(kNome) << "manca il valore di --formato\n";
        return kUso;
    }
    if (!leggiOpzioniComuni(args, comuni, err)) return kUso;
    formato = f.value_or("testo");
    if (formato != "testo" && formato != "csv" && formato != "json" && formato != "scalare") {
        err << prefisso(kNome) << "formato sconosciuto \"" << formato << "\" (testo, csv, json o scalare)\n";
        return kUso;
    }
    return kOk;
}

} // namespace

int praticaRicalcola(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    std::string formato;
    OpzioniComuni comuni;
    if (const int e = leggiFormato(args, formato, comuni, err); e != kOk) return e;
    BancheDatiSqlite sqlite;
    int esito = kOk;
    auto p = apriPratica(kNome, args, false, sqlite, err, esito);
    if (!p) return esito;
    if (!args.empty()) {
        err << prefisso(kNome) << "argomento in più: " << args[0] << "\n";
        return kUso;
    }
    Sessione s(comuni);
    caricaSetTassi(s.ctx.stato.tassi, s.ctx.stato.cartellaDati, s.ctx.servizi.disco);
    if (const std::string a = avvisoTabellaTassi(s.ctx.stato.tassi); !a.empty()) err << prefisso(kNome) << a << "\n";
    const bool scalare = formato == "scalare";
    UscitaTeg uscita(scalare ? "" : formato, out);
    for (const std::string* l : {&testata::trattini(), &testata::righeRisultato(), &testata::trattini()})
        uscita.intestazione(*l);
    const Ricalcolo r =
        ricalcolaPratica(*p, s.ctx, [&](const PeriodoScalare& periodo, ControlloPeriodi* c, const EsitoControllo* e) {
            if (c) uscita.periodo(c->finestra(), *e);
            if (!c && !scalare)
                err << prefisso(kNome) << "periodo dal " << periodo.dal.testo() << " al " << periodo.al.testo()
                    << ": nessun saldo a debito, nessun TEG da controllare\n";
            uscita.scarica(1 << 16);
        });
    if (!r.scalare.errore.empty()) {
        err << prefisso(kNome) << p->percorso() << ": " << r.scalare.errore << "\n";
        return kInputErrato;
    }
    uscita.fine();
    uscita.scarica(0);
    if (scalare) scriviFoglio(foglioScalare(r.scalare), out);
    if (p->soloLettura()) err << prefisso(kNome) << "risultati non salvati: la pratica è aperta in sola lettura\n";
    if (r.errore.empty()) return kOk;
    err << prefisso(kNome) << r.errore << "\n";
    return kInputErrato;
}

} // namespace vantrel::cli
