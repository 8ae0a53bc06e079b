#include "recalculation/capitalizzazione_ricalcolo.h"

#include <algorithm>

namespace vantrel {

Capitalizzazione capitalizzazioneDiLegge(const Data& chiusura, const std::optional<Data>& adeguamento) {
    if (chiusura < kDeliberaCicr2000 || !(chiusura < kDivietoAnatocismo)) return Capitalizzazione::Nessuna;
    return adeguamento && *adeguamento <= chiusura ? Capitalizzazione::FinePeriodo : Capitalizzazione::Nessuna;
}

std::vector<TrattoCapitalizzazione> trattiCapitalizzazione(const ScelteRicalcolo& s) {
    if (s.capitalizzazione == ModoCapitalizzazione::ComeBanca) return {};
    const IntervalloScelta& i = s.periodoCapitalizzazione;
    // Every day where the mode can change; from the first, the mode of that day.
    std::vector<Data> giorni = {Data{1, 1, 1}, kDeliberaCicr2000, kDivietoAnatocismo};
    if (s.adeguamento) giorni.push_back(*s.adeguamento);
    if (i.dal) giorni.push_back(*i.dal);
    if (i.al) giorni.push_back(aggiungiGiorni(*i.al, 1));
    std::sort(giorni.begin(), giorni.end());
    std::vector<TrattoCapitalizzazione> tratti;
    for (const Data& g : giorni) {
        Capitalizzazione m = Capitalizzazione::FinePeriodo;
        if (i.contiene(g)) switch (s.capitalizzazione) {
            case ModoCapitalizzazione::Nessuna:
                m = Capitalizzazione::Nessuna;
                break;
            case ModoCapitalizzazione::Annuale:
                m = Capitalizzazione::Annuale;
                break;
            default:
                m = capitalizzazioneDiLegge(g, s.adeguamento);
            }
        if (tratti.empty() || tratti.back().modo != m) tratti.push_back({g, m});
    }
    return tratti;
}

} // namespace vantrel
