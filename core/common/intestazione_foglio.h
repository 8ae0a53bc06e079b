#pragma once

#include "common/servizi.h"
#include "common/testo.h"

#include <algorithm>
#include <string>
#include <vector>

namespace vantrel {

/// Reads rows up to the first whose headers name the column `richiesta`: the header row of a sheet a
/// user filled, with title rows above it. Keeps each column's header as written and what `voceDi`
/// reads in it; false when no row names it.
template <class Voce, class VoceDi>
bool trovaIntestazione(RigheFoglio& righe, VoceDi voceDi, Voce richiesta, std::vector<Voce>& voci,
                       std::vector<std::string>& nomi) {
    std::vector<CellaFoglio> celle;
    int riga = 0;
    while (righe.prossima(celle, riga)) {
        nomi.clear();
        voci.clear();
        for (const auto& c : celle) {
            nomi.emplace_back(trim(c.testo));
            voci.push_back(voceDi(nomi.back()));
        }
        if (std::find(voci.begin(), voci.end(), richiesta) != voci.end()) return true;
    }
    return false;
}

} // namespace vantrel
