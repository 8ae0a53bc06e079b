#pragma once

#include "account/condizioni.h"
#include "account/scalare.h"
#include "casefile/scelte_ricalcolo.h"
#include "rates/tabella_tassi.h"
#include "recalculation/tassi_pubblici.h"
#include "teg/verifica_cms.h"

#include <string>
#include <vector>

namespace vantrel {

/// What the choices are applied with: the periods of the bank's scalare with the verdict of each on
/// the bank's figures, the public rates, the rate table with the CMS averages.
struct BaseRicalcolo {
    const std::vector<PeriodoScalare>& periodi;
    const std::vector<bool>& oltreSoglia; // as many as the periods
    // As many as the periods: the separate CMS test found the CMS within the threshold, its excess
    // over the CMS threshold covered by the room the interest left (Cass. SS.UU. 16303/2018).
    const std::vector<bool>& cmsCompensata;
    const TassiPubblici& pubblici;
    const TabellaTassi& tassi;
};

/// The conditions under which the account is recalculated, with what each period got.
struct CondizioniRicalcolate {
    std::vector<RigaCondizioni> righe;
    std::vector<std::string> note; // by period: what a choice did to it, in Italian
    std::vector<std::string> avvisi;
    std::string errore; // a choice that cannot be applied; the rows are empty then
};

/// The CMS threshold of the quarter of `d`: its CMS average in the rate table x 1,5, rounded to
/// the ten-thousandth of a percent; none when the table has no CMS average for it.
std::optional<TassoDecimale> sogliaCms(const TabellaTassi& t, const Data& d);

/// The contract's conditions changed by the choices, a row from each day where a choice or a period
/// begins, so that every choice holds on exactly its days: rates replaced (by the entered rates,
/// the legal rate of each day, or the BOT rates of each period's twelve months before its first day,
/// a negative yield giving zero), the CMS removed or capped at the quarter's threshold (up to 2009,
/// by the period's last day, where the separate CMS test did not find it compensated by the
/// interest; kept when the threshold is not known), the fees and the expenses
/// removed, and in the periods over the threshold every debit rate, commission and expense set to
/// zero. The periods and the liquidation stay those of the bank.
CondizioniRicalcolate condizioniRicalcolate(const std::vector<RigaCondizioni>& contratto, const ScelteRicalcolo& s,
                                            const BaseRicalcolo& base);

} // namespace vantrel
