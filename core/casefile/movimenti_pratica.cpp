// The movements of a case: listed, edited one by one, imported from a file.
#include "casefile/pratica.h"
#include "casefile/transazione.h"
#include "casefile/valori_sql.h"

namespace vantrel {
namespace {

constexpr const char* kColonne = "operazione, valuta, descrizione, importo";

Movimento movimentoDi(const IstruzioneSql& q, int da) {
    return {data(q, da), data(q, da + 1), testo(q, da + 2), intero(q, da + 3)};
}

} // namespace

std::size_t Pratica::numeroMovimenti() const {
    auto q = db_->prepara("SELECT count(*) FROM movimenti");
    q->passo();
    return static_cast<std::size_t>(intero(*q, 0));
}

void Pratica::movimenti(const std::function<void(std::int64_t, const Movimento&)>& f, bool perData) const {
    auto q = db_->prepara(std::string("SELECT id, ") + kColonne + " FROM movimenti ORDER BY " +
                          (perData ? "valuta, operazione, id" : "id"));
    while (q->passo())
        f(intero(*q, 0), movimentoDi(*q, 1));
}

std::optional<Movimento> Pratica::movimento(std::int64_t id) const {
    auto q = db_->prepara(std::string("SELECT ") + kColonne + " FROM movimenti WHERE id = ?");
    q->lega(1, id);
    if (!q->passo()) return std::nullopt;
    return movimentoDi(*q, 0);
}

void Pratica::inserisci(IstruzioneSql& q, const Movimento& m, std::optional<std::int64_t> id) {
    q.lega(1, id ? ValoreSql(*id) : ValoreSql());
    q.lega(2, valore(m.operazione));
    q.lega(3, valore(m.valuta));
    q.lega(4, m.descrizione);
    q.lega(5, m.importo);
    q.passo();
    q.azzera();
}

std::string Pratica::aggiungiMovimento(const Movimento& m, std::int64_t& id, std::optional<std::int64_t> conId) {
    return scrivi([&] {
        auto q = db_->prepara("INSERT INTO movimenti VALUES (?, ?, ?, ?, ?)");
        inserisci(*q, m, conId);
        id = db_->ultimoId();
    });
}

std::string Pratica::modificaMovimento(std::int64_t id, const Movimento& m) {
    return scrivi([&] {
        auto q = db_->prepara("UPDATE movimenti SET operazione = ?, valuta = ?, descrizione = ?, importo = ? "
                              "WHERE id = ?");
        q->lega(1, valore(m.operazione));
        q->lega(2, valore(m.valuta));
        q->lega(3, m.descrizione);
        q->lega(4, m.importo);
        q->lega(5, id);
        q->passo();
    });
}

std::string Pratica::eliminaMovimento(std::int64_t id) {
    return scrivi([&] {
        auto q = db_->prepara("DELETE FROM movimenti WHERE id = ?");
        q->lega(1, id);
        q->passo();
    });
}

std::size_t Pratica::contaSovrapposti(std::int64_t ultimoVecchio) {
    auto q = db_->prepara("SELECT count(*) FROM movimenti n WHERE n.id > ?1 AND EXISTS (SELECT 1 FROM movimenti v "
                          "WHERE v.id <= ?1 AND v.operazione = n.operazione AND v.importo = n.importo "
                          "AND v.valuta = n.valuta AND v.descrizione = n.descrizione)");
    q->lega(1, ultimoVecchio);
    q->passo();
    return static_cast<std::size_t>(intero(*q, 0));
}

ImportazioneMovimenti Pratica::importaMovimenti(RigheFoglio& righe, const std::function<bool(std::size_t)>& conferma) {
    ImportazioneMovimenti out;
    if (soloLettura()) {
        out.errore = "la pratica è aperta in sola lettura: nessun movimento importato";
        return out;
    }
    try {
        Transazione t(*db_); // the whole file or nothing
        auto ultimo = db_->prepara("SELECT coalesce(max(id), 0) FROM movimenti");
        ultimo->passo();
        const std::int64_t ultimoVecchio = intero(*ultimo, 0);
        auto q = db_->prepara("INSERT INTO movimenti VALUES (?, ?, ?, ?, ?)");
        out.lettura = leggiMovimenti(righe, [&](const Movimento& m) { inserisci(*q, m, std::nullopt); });
        out.errore = out.lettura.errore;
        if (!out.errore.empty()) return out;
        if (ultimoVecchio > 0) out.sovrapposti = contaSovrapposti(ultimoVecchio);
        if (out.sovrapposti > 0 && !(conferma && conferma(out.sovrapposti))) return out;
        t.conferma();
        out.importati = true;
    } catch (const ErroreSql& e) {
        out.errore = "impossibile salvare la pratica: " + e.messaggio;
    }
    return out;
}

} // namespace vantrel
