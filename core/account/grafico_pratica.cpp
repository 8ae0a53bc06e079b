#include "account/grafico_pratica.h"

#include "common/numeri.h"

namespace vantrel {

DatiGrafico datiGrafico(const std::vector<EsitoTrimestre>& esiti, const std::string& titolo) {
    DatiGrafico d;
    d.titolo = titolo;
    for (const auto& e : esiti) {
        const auto inizio = leggiData(e.dal);
        const auto teg = leggiNumero(e.teg);
        if (!inizio || !teg) continue;
        d.punti.push_back({*inizio, *teg, leggiNumero(e.soglia), e.oltreSoglia()});
    }
    return d;
}

} // namespace vantrel
