#include "account/parole_addebiti.h"

#include "common/testo_confronto.h"

namespace vantrel {

std::string_view nomeTipoAddebito(TipoAddebito t) {
    switch (t) {
    case TipoAddebito::Interessi:
        return "interessi";
    case TipoAddebito::Competenze:
        return "competenze";
    case TipoAddebito::Commissioni:
        return "commissioni";
    case TipoAddebito::Spese:
        return "spese";
    default:
        return "";
    }
}

ParoleAddebiti::ParoleAddebiti()
    : ParoleAddebiti({{"interessi", TipoAddebito::Interessi},
                      {"competenze", TipoAddebito::Competenze},
                      {"commissione", TipoAddebito::Commissioni},
                      {"commissioni", TipoAddebito::Commissioni},
                      {"spese", TipoAddebito::Spese}}) {}

ParoleAddebiti::ParoleAddebiti(std::vector<ParolaAddebito> parole) {
    for (auto& p : parole) {
        p.parola = minuscoleSenzaAccenti(p.parola);
        if (!p.parola.empty() && p.tipo != TipoAddebito::Nessuno) parole_.push_back(std::move(p));
    }
}

TipoAddebito ParoleAddebiti::tipo(std::string_view descrizione) const {
    // One copy per thread, reused: a million descriptions are compared without a million allocations.
    thread_local std::string testo;
    testo = minuscoleSenzaAccenti(descrizione);
    for (const auto& p : parole_)
        if (testo.find(p.parola) != std::string::npos) return p.tipo;
    return TipoAddebito::Nessuno;
}

} // namespace vantrel
