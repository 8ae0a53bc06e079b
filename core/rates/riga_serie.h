#pragma once

#include "common/date.h"
#include "rates/classe_importo.h"
#include "rates/tasso_esatto.h"

#include <cstddef>
#include <string>

namespace vantrel {

/// One row of the official series: a period, a category and a class of amount, with the average
/// rate (TEGM), the published threshold and where the figures come from ("bdi-serie",
/// "bdi-comunicato", "decreto-mef").
struct RigaSerie {
    Data inizio;
    Data fine;
    std::string categoria;
    std::string classe;
    TassoEsatto tegm;
    TassoEsatto soglia;
    std::string fonte;
    LimitiClasse limiti; // read from `classe`
    int riga = 0;        // line of the file it was read from
};

/// One period of the series: its rows are righe()[prima, oltre) of the series. `fineEffettiva`
/// reaches the end of the calendar quarter when the series prints an earlier end (it prints
/// 01/09/2020 for the quarter that ends on 30/09/2020), never into the next period.
struct PeriodoSerie {
    Data inizio;
    Data fine;
    Data fineEffettiva;
    std::size_t prima = 0;
    std::size_t oltre = 0;
};

/// The descriptive text of a source code of the series.
std::string descrizioneFonte(const std::string& fonte);

} // namespace vantrel
