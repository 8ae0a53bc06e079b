// vantrel-cli pratica ricalcola: the scalare of the case, the check of each period and the legal
// recalculation under the case's choices, changed by the options given.
#include "account/fogli_scalare.h"
#include "common/cartella_lavoro.h"
#include "comune.h"
#include "platform/sqlite/banche_dati_sqlite.h"
#include "pratica_cli.h"
#include "rates/avvisi_tassi.h"
#include "rates/set_tassi.h"
#include "recalculation/fogli_ricalcolo.h"
#include "recalculation/ricalcolo_legale.h"
#include "reports/modifica_lista.h"
#include "scelte_cli.h"
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

// The outcome, a figure a line: "Saldo rideterminato: -2.440,98", or "voce;importo" lines.
void scriviEsito(const EsitoRicalcolo& e, bool csv, std::ostream& out) {
    std::vector<std::pair<std::string, Centesimi>> voci = {{"Saldo della banca", e.saldoBanca},
                                                           {"Saldo ricalcolato per valuta", e.saldoRicalcolato},
                                                           {"Interessi tenuti a parte", e.interessiAParte},
                                                           {"Saldo rideterminato", e.saldoRideterminato()},
                                                           {"Differenza", e.differenza()}};
    if (e.prescrizione) voci.push_back({"Escluso per prescrizione", e.prescritto});
    voci.push_back({"Minor debito", e.minoreDebito()});
    voci.push_back({"Da restituire", e.daRestituire()});
    for (const auto& [voce, importo] : voci)
        out << voce << (csv ? ";" : ": ") << testoCentesimi(importo) << '\n';
}

int leggiFormato(std::vector<std::string>& args, std::string& formato, OpzioniComuni& comuni, std::ostream& err) {
    std::optional<std::string> f;
    if (!prendiValore(args, "--formato", f)) {
        err << prefisso(kNome) << "manca il valore di --formato\n";
        return kUso;
    }
    if (!leggiOpzioniComuni(args, comuni, err)) return kUso;
    formato = f.value_or("testo");
    if (formato != "testo" && formato != "csv" && formato != "json" && formato != "scalare" && formato != "ricalcolo") {
        err << prefisso(kNome) << "formato sconosciuto \"" << formato << "\" (testo, csv, json, scalare o ricalcolo)\n";
        return kUso;
    }
    return kOk;
}

// Whether the options change the choices (the case is then opened for writing); false after a message.
bool cambiaScelte(const std::vector<std::string>& args, bool& date, std::ostream& err) {
    std::vector<std::string> prova = args;
    ScelteRicalcolo s;
    std::string errore;
    if (leggiScelte(prova, s, date, errore)) return true;
    err << prefisso(kNome) << errore << "\n";
    return false;
}

} // namespace

int praticaRicalcola(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    std::string formato;
    OpzioniComuni comuni;
    if (const int e = leggiFormato(args, formato, comuni, err); e != kOk) return e;
    BancheDatiSqlite sqlite;
    int esito = kOk;
    bool date = false;
    if (!cambiaScelte(args, date, err)) return kUso;
    auto p = apriPratica(kNome, args, date, sqlite, err, esito);
    if (!p) return esito;
    ScelteRicalcolo s = p->scelteRicalcolo();
    std::string errore;
    leggiScelte(args, s, date, errore); // read once already
    if (!args.empty()) {
        err << prefisso(kNome) << "argomento in più: " << args[0] << "\n";
        return kUso;
    }
    Sessione sessione(comuni);
    Contesto& ctx = sessione.ctx;
    caricaSetTassi(ctx.stato.tassi, ctx.stato.cartellaDati, ctx.servizi.disco);
    if (const std::string a = avvisoTabellaTassi(ctx.stato.tassi); !a.empty()) err << prefisso(kNome) << a << "\n";
    const bool righe = formato == "testo" || formato == "csv" || formato == "json";
    UscitaTeg uscita(righe ? formato : "", out);
    for (const std::string* l : {&testata::trattini(), &testata::righeRisultato(), &testata::trattini()})
        uscita.intestazione(*l);
    RicalcoloLegale r(*p, ctx, [&](const PeriodoScalare& periodo, ControlloPeriodi* c, const EsitoControllo* e) {
        if (c) uscita.periodo(c->finestra(), *e);
        if (!c && righe)
            err << prefisso(kNome) << "periodo dal " << periodo.dal.testo() << " al " << periodo.al.testo()
                << ": nessun saldo a debito, nessun TEG da controllare\n";
        uscita.scarica(1 << 16);
    });
    if (!r.banca().scalare.errore.empty()) {
        err << prefisso(kNome) << p->percorso() << ": " << r.banca().scalare.errore << "\n";
        return kInputErrato;
    }
    uscita.fine();
    uscita.scarica(0);
    if (formato == "scalare") scriviFoglio(foglioScalare(r.banca().scalare), out);
    if (!r.errore().empty()) {
        err << prefisso(kNome) << r.errore() << "\n";
        return kInputErrato;
    }
    const Rideterminazione d = r.applica(s);
    if (d.ricalcolo.righe.empty()) {
        err << prefisso(kNome) << "ricalcolo non eseguito: " << d.errore << "\n";
        return kInputErrato;
    }
    if (formato == "ricalcolo") scriviFoglio(foglioRicalcolo(d.ricalcolo), out);
    if (formato == "testo" || formato == "ricalcolo") {
        out << '\n';
        scriviEsito(d.ricalcolo.esito, formato == "ricalcolo", out);
    }
    if (!d.ricalcolo.esito.avvisi.empty()) err << prefisso(kNome) << d.ricalcolo.esito.avvisi << "\n";
    if (p->soloLettura()) err << prefisso(kNome) << "risultati non salvati: la pratica è aperta in sola lettura\n";
    if (d.errore.empty()) return kOk;
    err << prefisso(kNome) << d.errore << "\n";
    return kInputErrato;
}

} // namespace vantrel::cli
