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

/// What a chart says of its lines and axes: by default those of the TEG and its threshold; the chart
/// of the balances names its two balances here and carries them as `teg` and `soglia`.
struct LegendaGrafico {
    std::string titolo = "Andamento del TEG e del tasso soglia";
    std::string linea = "TEG";
    std::string riferimento = "Tasso soglia";
    std::string supero = "Oltre la soglia";
    std::string asseX = "inizio del trimestre";
    std::string asseY = "tasso %";
};

/// The chart of an account: TEG and threshold of each quarter over the account's life.
struct DatiGrafico {
    std::string titolo;
    std::vector<PuntoGrafico> punti; // in the order of the file
    LegendaGrafico legenda = {};
};

/// The quarters whose dates and TEG read as such.
DatiGrafico datiGrafico(const std::vector<EsitoTrimestre>& esiti, const std::string& titolo);

} // namespace vantrel
