#pragma once

#include "account/scalare.h"
#include "casefile/scelte_ricalcolo.h"

#include <vector>

namespace vantrel {

/// The days of the rule on capitalisation: null before 22/04/2000, reciprocal from then where the
/// contract was adapted, none from 01/01/2014.
inline constexpr Data kDeliberaCicr2000{2000, 4, 22};
inline constexpr Data kDivietoAnatocismo{2014, 1, 1};

/// How the interest of a period closing on `chiusura` goes under the rule in force: kept apart
/// before 22/04/2000 and from 01/01/2014 (from 2016 it is due on 1 March of the next year and still
/// earns no interest), capitalised at the period's end between them from the day the contract was
/// adapted (`adeguamento`), kept apart without adaptation.
Capitalizzazione capitalizzazioneDiLegge(const Data& chiusura, const std::optional<Data>& adeguamento);

/// The choice of capitalisation as the scalare takes it: the mode by the period's last day,
/// the bank's (at the period's end) outside the days of the choice.
std::vector<TrattoCapitalizzazione> trattiCapitalizzazione(const ScelteRicalcolo& s);

} // namespace vantrel
