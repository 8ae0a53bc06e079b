#pragma once

#include "common/dates.h"
#include "reports/esito_trimestre.h"

#include <string>
#include <vector>

namespace vantrel {

/// One quarter on the chart of an account.
struct PuntoGrafico {
    Data inizio;
    double teg = 0, soglia = 0;
    bool supero = false;
};

/// The chart of an account: TEG and threshold of each quarter over the account's life.
struct DatiGrafico {
    std::string titolo;
    std::vector<PuntoGrafico> punti; // in the order of the file
};

/// The quarters whose dates and TEG read as such; a threshold that is not a number counts as 0.
DatiGrafico datiGrafico(const std::vector<EsitoTrimestre>& esiti, const std::string& titolo);

} // namespace vantrel
