#include "case_window/tabella_celle.h"

namespace vantrel {

void TabellaFoglio::imposta(Foglio f) {
    foglio_ = std::move(f);
    ++versione_;
}

std::size_t TabellaFoglio::righe() const {
    return foglio_.righe.size() + (foglio_.totali.empty() ? 0 : 1 + foglio_.totali.size());
}

std::string TabellaFoglio::cella(std::size_t riga, std::size_t colonna) const {
    const std::size_t n = foglio_.righe.size();
    const std::vector<Cella>* r = riga < n ? &foglio_.righe[riga] : riga > n ? &foglio_.totali[riga - n - 1] : nullptr;
    return r && colonna < r->size() ? testoCella((*r)[colonna]) : std::string();
}

bool TabellaFoglio::numerica(std::size_t colonna) const {
    for (const auto& r : foglio_.righe)
        if (colonna < r.size()) return r[colonna].tipo != Cella::Tipo::Testo && r[colonna].formato != Formato::Data;
    return false;
}

bool TabellaFoglio::evidenziata(std::size_t riga) const {
    return riga < foglio_.evidenziate.size() && foglio_.evidenziate[riga];
}

} // namespace vantrel
