#pragma once

#include "common/dates.h"
#include "loan/stato_mutuo.h"

#include <string>
#include <vector>

namespace vantrel {

/// The field texts a plan is built from.
struct CampiPiano {
    std::string txtImporto, txtNumRate, txtTasso, SpesaM, SpesaUT;
    Data erogazione;
};

/// The plan list and the field texts it writes.
struct Piano {
    std::vector<std::string> righe;
    std::string txtRata, TotIntM, totmutuo, TSpese;
};

/// Builds the amortization plan; `stato` must hold MesiRata and RatePerAnno of the chosen frequency.
/// Interest shares are rounded to the cent, the rounding remainder is carried to the next row and the
/// last row closes on the remaining debt.
Piano PianoAmm(const CampiPiano& campi, StatoMutuo& stato);

} // namespace vantrel
