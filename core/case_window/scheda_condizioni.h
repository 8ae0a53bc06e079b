#pragma once

#include "account/condizioni.h"
#include "case_window/tabella_celle.h"
#include "common/finestra.h"

#include <vector>

namespace vantrel {

class FinestraPratica;
struct ControlliFinestraPratica;

/// The "Condizioni" tab: the contract's conditions, one row from each date, edited in their cells,
/// added, deleted or imported from a CSV or Excel file. Each change is checked on the whole table
/// and written to the case; a table that cannot be used is refused and the case keeps the old one.
class SchedaCondizioni : public ParteFinestra, public TabellaCelle {
public:
    enum Colonna {
        kDal,
        kFido,
        kTassoDebitore,
        kTassoExtrafido,
        kTassoCreditore,
        kCms,
        kCommissioneFido,
        kCommissioneSconfinamento,
        kSpeseOperazione,
        kSpesePeriodo,
        kLiquidazione,
        kDivisore,
        kRitenuta,
        kColonne
    };

    explicit SchedaCondizioni(FinestraPratica& f);
    void carica();

    void aggiungiRiga();
    void eliminaRiga();
    void importa();
    /// Replaces the table, checked first; false (and a message) when it cannot be used.
    bool imposta(std::vector<RigaCondizioni> righe);
    const std::vector<RigaCondizioni>& condizioni() const { return righe_; }

    std::size_t righe() const override { return righe_.size(); }
    std::size_t colonne() const override { return kColonne; }
    std::string intestazione(std::size_t colonna) const override;
    std::string cella(std::size_t riga, std::size_t colonna) const override;
    bool numerica(std::size_t colonna) const override { return colonna != kDal && colonna != kLiquidazione; }
    bool modificabile(std::size_t, std::size_t) const override { return true; }
    bool scriviCella(std::size_t riga, std::size_t colonna, const std::string& testo) override;
    int versione() const override { return versione_; }

    bool cliccato(int id) override;
    bool selezionato(int id) override;

private:
    void mostraEsito(const std::string& testo);

    FinestraPratica& f_;
    const ControlliFinestraPratica& c_;
    std::vector<RigaCondizioni> righe_;
    int versione_ = 0;
};

/// Reads a cell of the conditions table into `r`; the Italian error text, empty when read.
std::string leggiCellaCondizioni(RigaCondizioni& r, std::size_t colonna, const std::string& testo);

} // namespace vantrel
