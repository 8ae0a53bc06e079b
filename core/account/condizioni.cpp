#include "account/condizioni.h"

#include "common/testo.h"

#include <cctype>

namespace vantrel {

TassoDecimale ritenutaDiLegge(const Data& d) {
    if (d < Data{2012, 1, 1}) return 27 * kUnoPerCento;
    if (d < Data{2014, 7, 1}) return 20 * kUnoPerCento;
    return 26 * kUnoPerCento;
}

Data finePeriodo(const Data& d, Liquidazione l) {
    const int mesi = l == Liquidazione::Trimestrale ? 3 : l == Liquidazione::Semestrale ? 6 : 12;
    const int ultimoMese = ((d.mese - 1) / mesi + 1) * mesi;
    return Data{d.anno, ultimoMese, giorniNelMese(d.anno, ultimoMese)};
}

std::string erroreCondizioni(const std::vector<RigaCondizioni>& righe) {
    if (righe.empty()) return "mancano le condizioni del conto";
    for (std::size_t i = 0; i < righe.size(); ++i) {
        const std::string riga = "condizioni, riga " + std::to_string(i + 1) + ": ";
        if (i > 0 && !(righe[i - 1].dal < righe[i].dal))
            return riga + "la data " + righe[i].dal.testo() + " non segue quella della riga prima";
        if (righe[i].divisore != 365 && righe[i].divisore != 360)
            return riga + "il divisore dell'anno è 365 o 360, non " + std::to_string(righe[i].divisore);
        if (righe[i].fido < 0) return riga + "il fido non può essere negativo";
    }
    return {};
}

std::string testoLiquidazione(Liquidazione l) {
    switch (l) {
    case Liquidazione::Trimestrale:
        return "trimestrale";
    case Liquidazione::Semestrale:
        return "semestrale";
    default:
        return "annuale";
    }
}

std::optional<Liquidazione> leggiLiquidazione(std::string_view testo) {
    std::string t(trim(testo));
    for (char& c : t)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (Liquidazione l : {Liquidazione::Trimestrale, Liquidazione::Semestrale, Liquidazione::Annuale})
        if (t == testoLiquidazione(l)) return l;
    return std::nullopt;
}

} // namespace vantrel
