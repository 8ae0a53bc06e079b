#pragma once

#include "account/scalare.h"
#include "common/cartella_lavoro.h"

namespace vantrel {

/// The scalare as a sheet: one row per period with its balances, numeri (in euro x days), highest
/// debit balance, days, the charges worked out, the bank's entries and the difference; below, the
/// charges' totals as formulas. The periods whose bank took more than the conditions give are
/// highlighted.
Foglio foglioScalare(const RisultatoScalare& r);

} // namespace vantrel
