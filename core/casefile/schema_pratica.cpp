#include "casefile/schema_pratica.h"

#include "casefile/transazione.h"

namespace vantrel {

// Dates are day numbers (days from 30/12/1899, the serials of spreadsheets), amounts integer cents,
// rates ten-thousandths of a percent.
const std::vector<Migrazione>& migrazioniPratica() {
    static const std::vector<Migrazione> passi = {
        {1,
         {"CREATE TABLE dati (chiave TEXT PRIMARY KEY, valore TEXT NOT NULL)",
          "CREATE TABLE movimenti (id INTEGER PRIMARY KEY, operazione INTEGER NOT NULL, valuta INTEGER NOT NULL, "
          "descrizione TEXT NOT NULL, importo INTEGER NOT NULL)",
          "CREATE INDEX movimenti_uguali ON movimenti (operazione, importo)",
          "CREATE TABLE condizioni (dal INTEGER PRIMARY KEY, fido INTEGER NOT NULL, tasso_debitore INTEGER NOT NULL, "
          "tasso_extrafido INTEGER NOT NULL, tasso_creditore INTEGER NOT NULL, cms INTEGER NOT NULL, "
          "commissione_fido INTEGER NOT NULL, commissione_sconfinamento INTEGER NOT NULL, "
          "spese_operazione INTEGER NOT NULL, spese_periodo INTEGER NOT NULL, liquidazione TEXT NOT NULL, "
          "divisore INTEGER NOT NULL, ritenuta INTEGER)",
          "CREATE TABLE tassi (posizione INTEGER PRIMARY KEY, record BLOB NOT NULL)",
          "CREATE TABLE risultati (dal INTEGER PRIMARY KEY, al INTEGER NOT NULL, numeri_debitori INTEGER NOT NULL, "
          "massimo_scoperto INTEGER NOT NULL, interessi INTEGER NOT NULL, cms INTEGER NOT NULL, "
          "commissioni INTEGER NOT NULL, spese INTEGER NOT NULL, addebiti_banca INTEGER NOT NULL, "
          "differenza INTEGER NOT NULL, teg TEXT NOT NULL, soglia TEXT NOT NULL, supero TEXT NOT NULL, "
          "riga TEXT NOT NULL, messaggi TEXT NOT NULL)",
          "CREATE TABLE note (id INTEGER PRIMARY KEY, giorno INTEGER NOT NULL, testo TEXT NOT NULL)"}},
        // The words of the bank's entries and the charges entered by hand in place of those found.
        {2,
         {"CREATE TABLE parole_addebiti (posizione INTEGER PRIMARY KEY, parola TEXT NOT NULL, tipo TEXT NOT NULL)",
          "CREATE TABLE addebiti_inseriti (giorno INTEGER PRIMARY KEY, interessi INTEGER NOT NULL, "
          "competenze INTEGER NOT NULL, commissioni INTEGER NOT NULL, spese INTEGER NOT NULL)"}},
    };
    return passi;
}

int versioneSchema(BancaDati& db) {
    auto q = db.prepara("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'versioni'");
    q->passo();
    if (std::get<std::int64_t>(q->colonna(0)) == 0) return 0;
    auto v = db.prepara("SELECT max(versione) FROM versioni");
    v->passo();
    const ValoreSql x = v->colonna(0);
    return std::holds_alternative<std::int64_t>(x) ? static_cast<int>(std::get<std::int64_t>(x)) : 0;
}

void aggiornaSchema(BancaDati& db, const std::vector<Migrazione>& passi) {
    for (const Migrazione& m : passi) {
        if (versioneSchema(db) >= m.versione) continue;
        Transazione t(db);
        if (m.versione == passi.front().versione) {
            db.esegui("PRAGMA application_id = " + std::to_string(kIdPratica));
            db.esegui("CREATE TABLE versioni (versione INTEGER PRIMARY KEY, applicata TEXT NOT NULL)");
        }
        for (const auto& sql : m.istruzioni)
            db.esegui(sql);
        db.esegui("INSERT INTO versioni VALUES (" + std::to_string(m.versione) + ", datetime('now'))");
        t.conferma();
    }
}

} // namespace vantrel
