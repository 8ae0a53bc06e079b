#pragma once

#include "account/scalare.h"
#include "case_window/tabella_celle.h"
#include "common/finestra.h"

#include <vector>

namespace vantrel {

class FinestraPratica;
struct ControlliAddebitiPratica;

/// The charges of the tab "Addebiti banca": what the bank debited in a period, entered by hand from
/// its statements where the movements do not tell the kinds apart, one row a period (any day of it;
/// the end of the period it falls in is shown by the conditions). Edited in the cells, added from
/// the fields below, deleted; each change is written to the case at once.
class SchedaAddebiti : public ParteFinestra, public TabellaCelle {
public:
    enum Colonna { kData, kFinePeriodo, kInteressi, kCompetenze, kCommissioni, kSpese, kTotale, kColonne };

    explicit SchedaAddebiti(FinestraPratica& f);
    void carica();

    void aggiungi();
    void elimina();
    /// Replaces the table, checked first; false (and a message) when it cannot be kept.
    bool imposta(std::vector<AddebitiInseriti> righe);

    std::size_t righe() const override { return righe_.size(); }
    std::size_t colonne() const override { return kColonne; }
    std::string intestazione(std::size_t colonna) const override;
    std::string cella(std::size_t riga, std::size_t colonna) const override;
    bool numerica(std::size_t colonna) const override { return colonna >= kInteressi; }
    bool modificabile(std::size_t, std::size_t colonna) const override;
    bool scriviCella(std::size_t riga, std::size_t colonna, const std::string& testo) override;
    int versione() const override { return versione_; }

    bool cliccato(int id) override;
    bool selezionato(int id) override;

private:
    bool rifiuta(const std::string& errore);

    FinestraPratica& f_;
    const ControlliAddebitiPratica& c_;
    std::vector<AddebitiInseriti> righe_;
    std::vector<RigaCondizioni> condizioni_; // to show the period of each row
    int versione_ = 0;
};

} // namespace vantrel
