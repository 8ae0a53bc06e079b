// What a case keeps of its legal recalculation: the choices, the rates the user entered, the
// periods side by side with the bank, the remittances that prescription leaves out, the outcome.
#include "casefile/pratica.h"
#include "casefile/valori_sql.h"

#include <map>

namespace vantrel {
namespace {

namespace scelta {
constexpr const char* kCapitalizzazione = "capitalizzazione";
constexpr const char* kAdeguamento = "adeguamento";
constexpr const char* kCms = "cms";
constexpr const char* kCommissioni = "commissioni";
constexpr const char* kUsura = "usura";
constexpr const char* kTassi = "tassi";
constexpr const char* kSpese = "spese";
constexpr const char* kSaldoIniziale = "saldo iniziale";
constexpr const char* kPrescrizione = "prescrizione";
} // namespace scelta

struct RigaScelta {
    std::string modo;
    IntervalloScelta intervallo;
};

ValoreSql valoreData(const std::optional<Data>& d) {
    return d ? valore(*d) : ValoreSql();
}

std::optional<Data> dataFacoltativa(const IstruzioneSql& q, int i) {
    if (std::holds_alternative<std::monostate>(q.colonna(i))) return std::nullopt;
    return data(q, i);
}

std::map<std::string, RigaScelta> righeScelte(const ScelteRicalcolo& s) {
    const auto chiave = [](auto voci, auto modo) { return std::string(voce(voci, modo).chiave); };
    std::string spese = s.speseOperazioniEliminate ? "operazioni" : "";
    if (s.speseFisseEliminate) spese += spese.empty() ? "fisse" : ",fisse";
    return {
        {scelta::kCapitalizzazione, {chiave(vociCapitalizzazione(), s.capitalizzazione), s.periodoCapitalizzazione}},
        {scelta::kAdeguamento, {"", {s.adeguamento, {}}}},
        {scelta::kCms, {chiave(vociCms(), s.cms), s.periodoCms}},
        {scelta::kCommissioni, {s.commissioniEliminate ? "eliminate" : "mantenute", s.periodoCommissioni}},
        {scelta::kUsura, {chiave(vociUsura(), s.usura), s.periodoUsura}},
        {scelta::kTassi, {chiave(vociTassi(), s.tassi), s.periodoTassi}},
        {scelta::kSpese, {spese, s.periodoSpese}},
        {scelta::kSaldoIniziale, {s.saldoInizialeZero ? "zero" : "banca", {}}},
        {scelta::kPrescrizione, {"", {s.primaRichiesta, {}}}}};
}

// A word the file does not know (a later program's) leaves the default.
ScelteRicalcolo scelteDa(const std::map<std::string, RigaScelta>& righe) {
    ScelteRicalcolo s;
    const auto riga = [&](const char* nome) -> const RigaScelta* {
        auto it = righe.find(nome);
        return it == righe.end() ? nullptr : &it->second;
    };
    if (const auto* r = riga(scelta::kCapitalizzazione)) {
        s.capitalizzazione = modoDi(vociCapitalizzazione(), r->modo).value_or(s.capitalizzazione);
        s.periodoCapitalizzazione = r->intervallo;
    }
    if (const auto* r = riga(scelta::kAdeguamento)) s.adeguamento = r->intervallo.dal;
    if (const auto* r = riga(scelta::kCms)) {
        s.cms = modoDi(vociCms(), r->modo).value_or(s.cms);
        s.periodoCms = r->intervallo;
    }
    if (const auto* r = riga(scelta::kCommissioni)) {
        s.commissioniEliminate = r->modo == "eliminate";
        s.periodoCommissioni = r->intervallo;
    }
    if (const auto* r = riga(scelta::kUsura)) {
        s.usura = modoDi(vociUsura(), r->modo).value_or(s.usura);
        s.periodoUsura = r->intervallo;
    }
    if (const auto* r = riga(scelta::kTassi)) {
        s.tassi = modoDi(vociTassi(), r->modo).value_or(s.tassi);
        s.periodoTassi = r->intervallo;
    }
    if (const auto* r = riga(scelta::kSpese)) {
        s.speseOperazioniEliminate = r->modo.find("operazioni") != std::string::npos;
        s.speseFisseEliminate = r->modo.find("fisse") != std::string::npos;
        s.periodoSpese = r->intervallo;
    }
    if (const auto* r = riga(scelta::kSaldoIniziale)) s.saldoInizialeZero = r->modo == "zero";
    if (const auto* r = riga(scelta::kPrescrizione)) s.primaRichiesta = r->intervallo.dal;
    return s;
}

void scriviRiga(BancaDati& db, const std::string& sql, std::initializer_list<ValoreSql> valori) {
    auto q = db.prepara(sql);
    int i = 0;
    for (const ValoreSql& v : valori)
        q->lega(++i, v);
    q->passo();
}

} // namespace

ScelteRicalcolo Pratica::scelteRicalcolo() const {
    std::map<std::string, RigaScelta> righe;
    auto q = db_->prepara("SELECT scelta, modo, dal, al FROM scelte_ricalcolo");
    while (q->passo())
        righe[testo(*q, 0)] = {testo(*q, 1), {dataFacoltativa(*q, 2), dataFacoltativa(*q, 3)}};
    ScelteRicalcolo s = scelteDa(righe);
    auto t = db_->prepara("SELECT dal, debitore, creditore FROM tassi_inseriti ORDER BY dal");
    while (t->passo())
        s.tassiInseriti.push_back({data(*t, 0), intero(*t, 1), intero(*t, 2)});
    return s;
}

std::string Pratica::impostaScelteRicalcolo(const ScelteRicalcolo& s) {
    if (std::string e = erroreScelte(s); !e.empty()) return e;
    return scrivi([&] {
        db_->esegui("DELETE FROM scelte_ricalcolo");
        for (const auto& [nome, r] : righeScelte(s))
            scriviRiga(*db_, "INSERT INTO scelte_ricalcolo VALUES (?, ?, ?, ?)",
                       {nome, r.modo, valoreData(r.intervallo.dal), valoreData(r.intervallo.al)});
        db_->esegui("DELETE FROM tassi_inseriti");
        for (const TassoInserito& t : s.tassiInseriti)
            scriviRiga(*db_, "INSERT INTO tassi_inseriti VALUES (?, ?, ?)", {valore(t.dal), t.debitore, t.creditore});
    });
}

std::optional<RicalcoloSalvato> Pratica::ricalcoloSalvato() const {
    auto e = db_->prepara("SELECT * FROM esito_ricalcolo");
    if (!e->passo()) return std::nullopt;
    RicalcoloSalvato r;
    r.esito = {intero(*e, 1),      intero(*e, 2), intero(*e, 3), intero(*e, 4),
               intero(*e, 5) != 0, testo(*e, 6),  testo(*e, 7),  testo(*e, 8)};
    auto q = db_->prepara("SELECT * FROM ricalcolo ORDER BY dal");
    while (q->passo()) {
        RigaRicalcolo x;
        x.dal = data(*q, 0);
        x.al = data(*q, 1);
        for (std::size_t k = 0; k < kTipiAddebito; ++k)
            x.banca[k] = intero(*q, static_cast<int>(k) + 2);
        x.interessi = intero(*q, 6);
        x.cms = intero(*q, 7);
        x.commissioni = intero(*q, 8);
        x.spese = intero(*q, 9);
        x.saldoBanca = intero(*q, 10);
        x.saldoRicalcolato = intero(*q, 11);
        x.interessiAParte = intero(*q, 12);
        x.tassoDebitore = intero(*q, 13);
        x.tassoCreditore = intero(*q, 14);
        x.nota = testo(*q, 15);
        r.righe.push_back(std::move(x));
    }
    auto s = db_->prepara("SELECT * FROM rimesse_solutorie ORDER BY giorno");
    while (s->passo())
        r.rimesse.push_back({data(*s, 0), intero(*s, 1), intero(*s, 2), intero(*s, 3)});
    return r;
}

std::string Pratica::salvaRicalcolo(const RicalcoloSalvato& r) {
    return scrivi([&] {
        for (const char* t : {"esito_ricalcolo", "ricalcolo", "rimesse_solutorie"})
            db_->esegui(std::string("DELETE FROM ") + t);
        const EsitoRicalcolo& e = r.esito;
        scriviRiga(*db_, "INSERT INTO esito_ricalcolo VALUES (1, ?, ?, ?, ?, ?, ?, ?, ?)",
                   {e.saldoBanca, e.saldoRicalcolato, e.interessiAParte, e.prescritto,
                    std::int64_t{e.prescrizione ? 1 : 0}, e.avvisi, e.versioneDati, e.dataRicalcolo});
        for (const RigaRicalcolo& x : r.righe)
            scriviRiga(*db_, "INSERT INTO ricalcolo VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                       {valore(x.dal), valore(x.al), x.banca[0], x.banca[1], x.banca[2], x.banca[3], x.interessi, x.cms,
                        x.commissioni, x.spese, x.saldoBanca, x.saldoRicalcolato, x.interessiAParte, x.tassoDebitore,
                        x.tassoCreditore, x.nota});
        for (const RimessaSolutoria& m : r.rimesse)
            scriviRiga(*db_, "INSERT INTO rimesse_solutorie VALUES (?, ?, ?, ?)",
                       {valore(m.giorno), m.importo, m.solutoria, m.prescritta});
    });
}

} // namespace vantrel
