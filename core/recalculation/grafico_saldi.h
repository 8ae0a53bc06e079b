#pragma once

#include "account/grafico_pratica.h"
#include "casefile/esito_ricalcolo.h"

#include <vector>

namespace vantrel {

/// The chart of the two balances by value date at the end of each period, in euro: the bank's (the
/// chart's first line) and the recalculated position, the balance less the interest kept apart (the
/// second), drawn by the chart service like the TEG chart.
DatiGrafico graficoSaldi(const std::vector<RigaRicalcolo>& righe, const std::string& titolo);

} // namespace vantrel
