#pragma once

#include "account/movimento.h"
#include "account/parole_addebiti.h"

#include <array>
#include <cstdint>
#include <vector>

namespace vantrel {

/// An account's movements summed day by day, the only form the scalare needs: by value date the net
/// of the customer's movements and of each kind of the bank's entries, by operation date the number
/// of the customer's movements. Movements are added one at a time, in any order, and none is kept,
/// so that a million of them take the memory of the days they span (a few kilobytes a year).
class GiorniConto {
public:
    struct Giorno {
        Centesimi movimenti = 0;                      // the customer's movements, by value date
        std::array<Centesimi, kTipiAddebito> banca{}; // the bank's entries by kind, by value date
        std::int32_t operazioni = 0;                  // the customer's movements, by operation date
    };

    explicit GiorniConto(ParoleAddebiti parole = {});

    /// Adds a movement: its description says whether it is one of the bank's entries.
    void aggiungi(const Movimento& m);
    /// Adds a movement already classified.
    void aggiungi(const Data& operazione, const Data& valuta, Centesimi importo, TipoAddebito tipo);

    bool vuoto() const { return giorni_.empty(); }
    /// The day numbers (Data::numero) of the first and last value date: the days the balance moves.
    long primo() const { return primoUsato_; }
    long ultimo() const { return ultimoUsato_; }
    /// The sums of day `n`; zeros outside the days held.
    const Giorno& giorno(long n) const;
    std::size_t movimenti() const { return contati_; }
    const ParoleAddebiti& parole() const { return parole_; }

private:
    Giorno& posto(long n);

    ParoleAddebiti parole_;
    std::vector<Giorno> giorni_;
    long primo_ = 0; // the day of giorni_[0]
    long primoUsato_ = 0, ultimoUsato_ = -1;
    std::size_t contati_ = 0;
};

} // namespace vantrel
