#pragma once

#include "common/cartella_lavoro.h"

#include <cstddef>
#include <string>

namespace vantrel {

/// A table as a tab shows it: its headers and cells as text, which columns hold figures, which rows
/// are highlighted, and the edit of a cell. A view binds a grid to it.
class TabellaCelle {
public:
    virtual ~TabellaCelle() = default;
    virtual std::size_t righe() const = 0;
    virtual std::size_t colonne() const = 0;
    virtual std::string intestazione(std::size_t colonna) const = 0;
    virtual std::string cella(std::size_t riga, std::size_t colonna) const = 0;
    virtual bool numerica(std::size_t /*colonna*/) const { return false; }
    virtual bool evidenziata(std::size_t /*riga*/) const { return false; }
    virtual bool modificabile(std::size_t /*riga*/, std::size_t /*colonna*/) const { return false; }
    /// The user typed `testo` into a cell; false when it was refused (the window has said why).
    virtual bool scriviCella(std::size_t /*riga*/, std::size_t /*colonna*/, const std::string& /*testo*/) {
        return false;
    }
    /// Grows each time the rows are replaced, so that a view knows when to read them again.
    virtual int versione() const = 0;
};

/// A sheet shown read-only: its rows, an empty row and its totals.
class TabellaFoglio : public TabellaCelle {
public:
    void imposta(Foglio f);
    const Foglio& foglio() const { return foglio_; }
    std::size_t righe() const override;
    std::size_t colonne() const override { return foglio_.colonne.size(); }
    std::string intestazione(std::size_t colonna) const override { return foglio_.colonne[colonna].titolo; }
    std::string cella(std::size_t riga, std::size_t colonna) const override;
    bool numerica(std::size_t colonna) const override;
    bool evidenziata(std::size_t riga) const override;
    int versione() const override { return versione_; }

private:
    Foglio foglio_;
    int versione_ = 0;
};

} // namespace vantrel
