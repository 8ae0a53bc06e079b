// What a case keeps for its scalare beside movements and conditions: the words of the bank's
// entries and the charges entered by hand.
#include "casefile/pratica.h"
#include "casefile/valori_sql.h"

namespace vantrel {

ParoleAddebiti Pratica::parole() const {
    std::vector<ParolaAddebito> parole;
    auto q = db_->prepara("SELECT parola, tipo FROM parole_addebiti ORDER BY posizione");
    while (q->passo()) {
        const std::string tipo = testo(*q, 1);
        for (TipoAddebito t :
             {TipoAddebito::Interessi, TipoAddebito::Competenze, TipoAddebito::Commissioni, TipoAddebito::Spese})
            if (tipo == nomeTipoAddebito(t)) parole.push_back({testo(*q, 0), t});
    }
    return parole.empty() ? ParoleAddebiti() : ParoleAddebiti(std::move(parole));
}

std::string Pratica::impostaParole(const ParoleAddebiti& p) {
    return scrivi([&] {
        db_->esegui("DELETE FROM parole_addebiti");
        auto q = db_->prepara("INSERT INTO parole_addebiti (parola, tipo) VALUES (?, ?)");
        for (const auto& w : p.parole()) {
            q->lega(1, w.parola);
            q->lega(2, std::string(nomeTipoAddebito(w.tipo)));
            q->passo();
            q->azzera();
        }
    });
}

std::vector<AddebitiInseriti> Pratica::addebitiInseriti() const {
    std::vector<AddebitiInseriti> out;
    auto q = db_->prepara("SELECT * FROM addebiti_inseriti ORDER BY giorno");
    while (q->passo())
        out.push_back({data(*q, 0), {intero(*q, 1), intero(*q, 2), intero(*q, 3), intero(*q, 4)}});
    return out;
}

std::string Pratica::impostaAddebitiInseriti(const std::vector<AddebitiInseriti>& a) {
    return scrivi([&] {
        db_->esegui("DELETE FROM addebiti_inseriti");
        auto q = db_->prepara("INSERT INTO addebiti_inseriti VALUES (?, ?, ?, ?, ?)");
        for (const auto& x : a) {
            q->lega(1, valore(x.giorno));
            for (int k = 0; k < 4; ++k)
                q->lega(k + 2, x.importi[static_cast<std::size_t>(k)]);
            q->passo();
            q->azzera();
        }
    });
}

} // namespace vantrel
