#pragma once

#include "casefile/pratica.h"
#include "common/documento.h"
#include "common/servizi.h"

#include <optional>
#include <string>

namespace vantrel {

/// What the report takes besides the case.
struct DatiRelazione {
    std::string versioneProgramma; // "2.0.0"
    Data oggi;
    DisegnoGrafico* grafico = nullptr; // none: the report says the chart could not be drawn
    std::string cartellaDati;          // the sources of the rate table's periods
};

/// The expert's report ("Relazione") of a case, written from the case alone: its data, the method
/// and every choice of the last recalculation with its legal reference and the source of the rates
/// it used, the conditions, the usury check of each period (TEG, threshold, rule, source), the
/// recalculation period by period, the chart of the two balances, the result with the part
/// excluded by prescription, an appendix with the bank's scalare, and the versions of the program
/// and of the rate data. None, with `errore`, when the case has not been recalculated.
std::optional<Documento> relazione(const Pratica& p, const DatiRelazione& d, std::string& errore);

} // namespace vantrel
