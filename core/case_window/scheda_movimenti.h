#pragma once

#include "account/movimento.h"
#include "case_window/tabella_celle.h"
#include "common/finestra.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace vantrel {

class FinestraPratica;
struct ControlliFinestraPratica;

/// The "Movimenti" tab: the case's movements by value date with the balance after each, edited in
/// their cells, added from the fields below the table, deleted, and every edit undone and redone.
class SchedaMovimenti : public ParteFinestra, public TabellaCelle {
public:
    enum Colonna { kOperazione, kValuta, kDescrizione, kImporto, kSaldo, kColonne };

    explicit SchedaMovimenti(FinestraPratica& f);
    /// Reads the movements again from the case (after an import).
    void carica();

    void aggiungi();
    void elimina();
    void annulla();
    void ripeti();
    /// The id of the movement on a row.
    std::int64_t id(std::size_t riga) const { return righe_[riga].first; }

    std::size_t righe() const override { return righe_.size(); }
    std::size_t colonne() const override { return kColonne; }
    std::string intestazione(std::size_t colonna) const override;
    std::string cella(std::size_t riga, std::size_t colonna) const override;
    bool numerica(std::size_t colonna) const override { return colonna >= kImporto; }
    bool modificabile(std::size_t, std::size_t colonna) const override { return colonna < kSaldo; }
    bool scriviCella(std::size_t riga, std::size_t colonna, const std::string& testo) override;
    int versione() const override { return versione_; }

    bool cliccato(int id) override;
    bool selezionato(int id) override;

private:
    /// After an edit: reads the case again, selects the movement `id` and marks the case changed.
    void dopoModifica(const std::string& errore, std::int64_t id);
    void seleziona(std::int64_t id);
    void abilita();
    bool rifiuta(const std::string& errore);

    FinestraPratica& f_;
    const ControlliFinestraPratica& c_;
    std::vector<std::pair<std::int64_t, Movimento>> righe_;
    std::vector<Centesimi> saldi_;
    int versione_ = 0;
};

} // namespace vantrel
