#pragma once

#include "account/parole_addebiti.h"
#include "case_window/tabella_celle.h"
#include "common/finestra.h"

#include <vector>

namespace vantrel {

class FinestraPratica;
struct ControlliAddebitiPratica;

/// The words of the tab "Addebiti banca": those by which the case tells the bank's charges from the
/// customer's movements, in the order they are tried, edited in their cells, added from the fields
/// below, deleted, or set back to the usual ones. Each change is checked and written to the case.
class SchedaParole : public ParteFinestra, public TabellaCelle {
public:
    enum Colonna { kParola, kTipo, kColonne };

    explicit SchedaParole(FinestraPratica& f);
    void carica();

    void aggiungi();
    void elimina();
    void usuali();
    /// Replaces the words, checked first; false (and a message) when they cannot be used.
    bool imposta(std::vector<ParolaAddebito> parole);

    std::size_t righe() const override { return parole_.size(); }
    std::size_t colonne() const override { return kColonne; }
    std::string intestazione(std::size_t colonna) const override;
    std::string cella(std::size_t riga, std::size_t colonna) const override;
    bool modificabile(std::size_t, std::size_t) const override;
    bool scriviCella(std::size_t riga, std::size_t colonna, const std::string& testo) override;
    int versione() const override { return versione_; }

    bool cliccato(int id) override;
    bool selezionato(int id) override;

private:
    bool rifiuta(const std::string& errore);

    FinestraPratica& f_;
    const ControlliAddebitiPratica& c_;
    std::vector<ParolaAddebito> parole_;
    int versione_ = 0;
};

} // namespace vantrel
