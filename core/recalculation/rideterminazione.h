#pragma once

#include "casefile/esito_ricalcolo.h"
#include "casefile/ricalcolo_pratica.h"
#include "casefile/scelte_ricalcolo.h"
#include "rates/tabella_tassi.h"
#include "recalculation/tassi_pubblici.h"

#include <string>
#include <vector>

namespace vantrel {

/// The account as the bank kept it: its days, its conditions, the choices of its scalare, and its
/// scalare with every period checked on the bank's figures.
struct ContoBanca {
    const GiorniConto& giorni;
    const std::vector<RigaCondizioni>& condizioni;
    const OpzioniScalare& opzioni;
    const Ricalcolo& controllo;
};

/// The legal recalculation of an account: the periods side by side with the bank, the outcome, the
/// remittances prescription leaves out; the recalculated scalare and its conditions.
struct Rideterminazione {
    RicalcoloSalvato ricalcolo;
    RisultatoScalare scalare;
    std::vector<RigaCondizioni> condizioni;
    std::string errore; // in Italian; nothing was recalculated then
};

/// Recalculates the account under the choices, on the same periods as the bank's scalare: the
/// conditions changed by the choices (condizioniRicalcolate), the bank's entries left out and the
/// charges worked out in their place, capitalised as the choice says, from the bank's opening
/// balance or from zero; then prescription, when a first claim is given. The verdicts come from
/// the checks of the bank's figures. The outcome's date is left to the caller.
Rideterminazione ridetermina(const ContoBanca& banca, const ScelteRicalcolo& s, const TassiPubblici& pubblici,
                             const TabellaTassi& tassi);

/// What the rate data used are: the public rates' and the rate table's periods.
std::string versioneDati(const TassiPubblici& pubblici, const TabellaTassi& tassi);

} // namespace vantrel
