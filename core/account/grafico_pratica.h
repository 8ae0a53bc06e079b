#pragma once

#include "common/date.h"
#include "teg/esito_trimestre.h"

#include <optional>
#include <string>
#include <vector>

namespace vantrel {

/// What the chart shows before an account has been imported.
inline constexpr const char* kGraficoVuoto = "Importa i periodi di un conto per vederne il grafico";

/// One quarter on the chart of an account.
struct PuntoGrafico {
    Data inizio;
    double teg = 0;
    std::optional<double> soglia; // none when the quarter's threshold is not known
    bool supero = false;
};

/// The chart of an account: TEG and threshold of each quarter over the account's life.
struct DatiGrafico {
    std::string titolo;
    std::vector<PuntoGrafico> punti; // in the order of the file
};

/// The quarters whose dates and TEG read as such.
DatiGrafico datiGrafico(const std::vector<EsitoTrimestre>& esiti, const std::string& titolo);

} // namespace vantrel
