#pragma once

#include "account/scalare.h"
#include "casefile/pratica.h"
#include "program/stato_programma.h"
#include "teg/controllo_periodo.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

/// One recalculation of an account: its scalare and, period by period, what it keeps.
struct Ricalcolo {
    RisultatoScalare scalare;
    std::vector<RisultatoPeriodo> risultati; // as many as the periods of the scalare
    std::string errore;                      // of the scalare; nothing was checked then
};

/// Called after each period: its check (none without debit numeri) on the window that ran it.
using DopoPeriodo = std::function<void(const PeriodoScalare&, ControlloPeriodi*, const EsitoControllo*)>;

/// Works out the scalare of `giorni` under `condizioni` and `opzioni`, then checks every period with
/// debit numeri as a row of the period check (on `ctx`'s rate table, the rule by the period's
/// dates), and gathers the results. The case is not touched: the same movements can be worked out
/// under other conditions and choices, and the results compared.
Ricalcolo ricalcola(const GiorniConto& giorni, const std::vector<RigaCondizioni>& condizioni,
                    const OpzioniScalare& opzioni, Contesto& ctx, const DopoPeriodo& dopo = {});

/// Recalculates the case as it stands and keeps the results and the rate table used in it.
Ricalcolo ricalcolaPratica(Pratica& p, Contesto& ctx, const DopoPeriodo& dopo = {});

} // namespace vantrel
