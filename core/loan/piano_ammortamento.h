#pragma once

#include "common/date.h"
#include "loan/stato_mutuo.h"

#include <string>
#include <vector>

namespace vantrel {

/// The field texts a plan is built from.
struct CampiPiano {
    std::string importo, numeroRate, tasso, spesePerRata, speseIniziali;
    Data erogazione;
};

/// One instalment of the plan, its figures as the plan prints them (to the cent).
struct RataPiano {
    int numero = 0;
    Data scadenza;
    double interessi = 0, capitale = 0, spese = 0, totale = 0, residuo = 0;
};

/// The plan list and the field texts it writes.
struct Piano {
    std::vector<std::string> righe;
    std::string rata, totaleInteressi, totaleMutuo, totaleSpese;
    std::vector<RataPiano> rate;
};

/// Builds the amortization plan; `stato` must hold mesiRata and ratePerAnno of the chosen frequency.
/// Interest shares are rounded to the cent, the rounding remainder is carried to the next row and the
/// last row closes on the remaining debt.
Piano pianoAmmortamento(const CampiPiano& campi, StatoMutuo& stato);

} // namespace vantrel
