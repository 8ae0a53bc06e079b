#include "recalculation/prescrizione.h"

#include <algorithm>

namespace vantrel {

Prescrizione::Prescrizione(const Data& primaRichiesta, const GiorniConto& giorni)
    : limite_(aggiungiMesi(primaRichiesta, -120)), giorni_(giorni) {}

void Prescrizione::giorno(const GiornoScalare& g) {
    if (!(g.giorno < limite_)) return;
    const Centesimi m = giorni_.giorno(g.giorno.numero()).movimenti;
    if (m > 0) rimesse_.push_back({g.giorno, m, g.saldo - m, g.periodo});
}

std::vector<RimessaSolutoria> Prescrizione::calcola(const std::vector<Centesimi>& indebito,
                                                    const std::vector<RigaCondizioni>& condizioni) const {
    std::vector<RimessaSolutoria> out;
    Centesimi prescritto = 0;
    std::size_t riga = 0;
    for (const Rimessa& r : rimesse_) {
        while (riga + 1 < condizioni.size() && condizioni[riga + 1].dal <= r.giorno)
            ++riga;
        const Centesimi oltreFido = std::max<Centesimi>(0, -r.saldoPrima - condizioni[riga].fido);
        const Centesimi solutoria = std::min(r.importo, oltreFido);
        if (solutoria == 0) continue;
        const Centesimi residuo = r.periodo < indebito.size() ? indebito[r.periodo] - prescritto : 0;
        const Centesimi quota = std::clamp<Centesimi>(residuo, 0, solutoria);
        prescritto += quota;
        out.push_back({r.giorno, r.importo, solutoria, quota});
    }
    return out;
}

} // namespace vantrel
