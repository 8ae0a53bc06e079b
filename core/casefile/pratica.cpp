#include "casefile/pratica.h"

#include "casefile/schema_pratica.h"
#include "casefile/transazione.h"
#include "casefile/valori_sql.h"
#include "common/testo.h"
#include "common/testo_confronto.h"

#include <filesystem>

namespace vantrel {
namespace {

constexpr const char* kNonPratica = "il file non è una pratica di Vantrel";

// Checks the file's kind and version and brings it to the current schema; the error text.
std::string preparaSchema(BancaDati& db) {
    const int versione = versioneSchema(db);
    auto id = db.prepara("PRAGMA application_id");
    id->passo();
    auto tabelle = db.prepara("SELECT count(*) FROM sqlite_master");
    tabelle->passo();
    // Another program's database, or an empty file that is no case yet.
    if (versione > 0 ? intero(*id, 0) != kIdPratica : intero(*tabelle, 0) > 0 || db.soloLettura()) return kNonPratica;
    const int ultima = migrazioniPratica().back().versione;
    if (versione > ultima) return "la pratica è stata salvata da una versione più recente del programma: aggiornarlo";
    if (versione == ultima) return {};
    if (db.soloLettura()) return "la pratica va aggiornata alla versione del programma, ma è aperta in sola lettura";
    aggiornaSchema(db, migrazioniPratica());
    return {};
}

} // namespace

Pratica::Pratica(std::unique_ptr<BancaDati> db, std::string percorso)
    : db_(std::move(db)), percorso_(std::move(percorso)) {}

std::unique_ptr<Pratica> Pratica::crea(ServizioBancheDati& s, const std::string& path, std::string& errore) {
    try {
        std::unique_ptr<BancaDati> db = s.apri(path, ModoApertura::Crea);
        try {
            aggiornaSchema(*db, migrazioniPratica());
        } catch (const ErroreSql&) {
            db.reset();
            std::error_code ec;
            std::filesystem::remove(path, ec); // a file half made is no case
            throw;
        }
        return std::unique_ptr<Pratica>(new Pratica(std::move(db), path));
    } catch (const ErroreSql& e) {
        errore = "impossibile creare la pratica " + path + ": " + e.messaggio;
        return nullptr;
    }
}

std::unique_ptr<Pratica> Pratica::apri(ServizioBancheDati& s, const std::string& path, std::string& errore,
                                       bool soloLettura) {
    try {
        std::unique_ptr<BancaDati> db = s.apri(path, soloLettura ? ModoApertura::Lettura : ModoApertura::Modifica);
        if (errore = preparaSchema(*db); !errore.empty()) {
            errore = path + ": " + errore;
            return nullptr;
        }
        return std::unique_ptr<Pratica>(new Pratica(std::move(db), path));
    } catch (const ErroreSql& e) {
        // SQLite says "file is not a database" for any other file.
        errore = path + ": " + (e.messaggio.find("not a database") != std::string::npos ? kNonPratica : e.messaggio);
        return nullptr;
    }
}

std::string Pratica::avviso() const {
    if (!db_->tenutaDaAltri()) return {};
    return "La pratica " + percorso_ + " è già aperta in un altro programma: si apre in sola lettura.";
}

std::string Pratica::scrivi(const std::function<void()>& f) {
    if (db_->soloLettura()) return "la pratica è aperta in sola lettura: nessuna modifica salvata";
    try {
        Transazione t(*db_);
        f();
        t.conferma();
        return {};
    } catch (const ErroreSql& e) {
        return "impossibile salvare la pratica: " + e.messaggio;
    }
}

std::string Pratica::dato(const std::string& chiave) const {
    auto q = db_->prepara("SELECT valore FROM dati WHERE chiave = ?");
    q->lega(1, chiave);
    return q->passo() ? testo(*q, 0) : std::string();
}

std::string Pratica::impostaDato(const std::string& chiave, const std::string& valore) {
    return scrivi([&] {
        auto q = db_->prepara("INSERT OR REPLACE INTO dati VALUES (?, ?)");
        q->lega(1, chiave);
        q->lega(2, valore);
        q->passo();
    });
}

std::vector<RigaCondizioni> Pratica::condizioni() const {
    std::vector<RigaCondizioni> righe;
    auto q = db_->prepara("SELECT dal, fido, tasso_debitore, tasso_extrafido, tasso_creditore, cms, commissione_fido, "
                          "commissione_sconfinamento, spese_operazione, spese_periodo, liquidazione, divisore, "
                          "ritenuta FROM condizioni ORDER BY dal");
    while (q->passo()) {
        RigaCondizioni r;
        r.dal = data(*q, 0);
        r.fido = intero(*q, 1);
        r.tassoDebitore = intero(*q, 2);
        r.tassoExtrafido = intero(*q, 3);
        r.tassoCreditore = intero(*q, 4);
        r.cms = intero(*q, 5);
        r.commissioneFido = intero(*q, 6);
        r.commissioneSconfinamento = intero(*q, 7);
        r.speseOperazione = intero(*q, 8);
        r.spesePeriodo = intero(*q, 9);
        r.liquidazione = leggiLiquidazione(testo(*q, 10)).value_or(Liquidazione::Trimestrale);
        r.divisore = static_cast<int>(intero(*q, 11));
        if (!std::holds_alternative<std::monostate>(q->colonna(12))) r.ritenuta = intero(*q, 12);
        righe.push_back(r);
    }
    return righe;
}

std::string Pratica::impostaCondizioni(const std::vector<RigaCondizioni>& righe) {
    if (std::string e = erroreCondizioni(righe); !e.empty()) return e;
    return scrivi([&] {
        db_->esegui("DELETE FROM condizioni");
        auto q = db_->prepara("INSERT INTO condizioni VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        for (const RigaCondizioni& r : righe) {
            const ValoreSql valori[] = {valore(r.dal),
                                        r.fido,
                                        r.tassoDebitore,
                                        r.tassoExtrafido,
                                        r.tassoCreditore,
                                        r.cms,
                                        r.commissioneFido,
                                        r.commissioneSconfinamento,
                                        r.speseOperazione,
                                        r.spesePeriodo,
                                        testoLiquidazione(r.liquidazione),
                                        std::int64_t{r.divisore},
                                        r.ritenuta ? ValoreSql(*r.ritenuta) : ValoreSql()};
            for (int i = 0; i < 13; ++i)
                q->lega(i + 1, valori[i]);
            q->passo();
            q->azzera();
        }
    });
}

bool Pratica::caricaTassi(TabellaTassi& t) const {
    auto q = db_->prepara("SELECT record FROM tassi ORDER BY posizione");
    int n = 0;
    while (q->passo() && n < TabellaTassi::kMassimo) {
        const std::string r = testo(*q, 0);
        t.slot(++n) = RecordTassi::decodifica(std::vector<std::uint8_t>(r.begin(), r.end()));
    }
    t.numPeriodi = static_cast<std::int16_t>(n);
    return n > 0;
}

std::vector<RisultatoPeriodo> Pratica::risultati() const {
    std::vector<RisultatoPeriodo> out;
    auto q = db_->prepara("SELECT * FROM risultati ORDER BY dal");
    while (q->passo()) {
        RisultatoPeriodo r{data(*q, 0),   data(*q, 1),   intero(*q, 2), intero(*q, 3), intero(*q, 4),
                           intero(*q, 5), intero(*q, 6), intero(*q, 7), intero(*q, 8), intero(*q, 9),
                           testo(*q, 10), testo(*q, 11), testo(*q, 12), testo(*q, 13), testo(*q, 14)};
        out.push_back(std::move(r));
    }
    return out;
}

std::string Pratica::salvaRisultati(const std::vector<RisultatoPeriodo>& risultati, const TabellaTassi& t,
                                    const Data& oggi) {
    return scrivi([&] {
        db_->esegui("DELETE FROM tassi");
        auto record = db_->prepara("INSERT INTO tassi VALUES (?, ?)");
        for (int i = 1; i <= t.validi(); ++i) {
            const auto byte = t.slot(i).codifica();
            record->lega(1, std::int64_t{i});
            record->lega(2, std::string(byte.begin(), byte.end()));
            record->passo();
            record->azzera();
        }
        db_->esegui("DELETE FROM risultati");
        auto q = db_->prepara("INSERT INTO risultati VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        for (const RisultatoPeriodo& r : risultati) {
            const ValoreSql valori[] = {
                valore(r.dal), valore(r.al), r.numeriDebitori, r.massimoScoperto, r.interessi, r.cms,
                r.commissioni, r.spese,      r.addebitiBanca,  r.differenza,      r.teg,       r.soglia,
                r.supero,      r.riga,       r.messaggi};
            for (int i = 0; i < 15; ++i)
                q->lega(i + 1, valori[i]);
            q->passo();
            q->azzera();
        }
        auto d = db_->prepara("INSERT OR REPLACE INTO dati VALUES (?, ?)");
        d->lega(1, std::string(dati_pratica::kRicalcolo));
        d->lega(2, oggi.testo());
        d->passo();
    });
}

std::vector<Nota> Pratica::note() const {
    std::vector<Nota> out;
    auto q = db_->prepara("SELECT id, giorno, testo FROM note ORDER BY id");
    while (q->passo())
        out.push_back({intero(*q, 0), data(*q, 1), testo(*q, 2)});
    return out;
}

std::string Pratica::aggiungiNota(const Data& giorno, const std::string& t) {
    const std::string_view testo = trim(t);
    if (testo.empty()) return "La nota è vuota: scriverne il testo.";
    if (!utf8Valido(testo)) return "Il testo della nota non è UTF-8 valido.";
    return scrivi([&] {
        auto q = db_->prepara("INSERT INTO note (giorno, testo) VALUES (?, ?)");
        q->lega(1, valore(giorno));
        q->lega(2, std::string(testo));
        q->passo();
    });
}

} // namespace vantrel
