#include "rates/maggiorazione_mora.h"

#include "rates/parole_categoria.h"

namespace vantrel {

std::optional<MaggiorazioneMora> maggiorazioneMora(const Data& d, TipoMora tipo) {
    if (d < Data{2003, 4, 1}) return std::nullopt;
    if (d < Data{2018, 1, 1})
        return MaggiorazioneMora{TassoEsatto{210'000'000, 1},
                                 "maggiorazione media degli interessi moratori rilevata dalla Banca d'Italia "
                                 "(indagine 2001-2002), indicata nei decreti trimestrali dal D.M. 25/03/2003 "
                                 "(fonti secondarie che citano i decreti)"};
    const std::int64_t decimi = tipo == TipoMora::MutuoOltreCinqueAnni ? 19 : tipo == TipoMora::Leasing ? 41 : 31;
    return MaggiorazioneMora{TassoEsatto{decimi * TassoEsatto::kPunto / 10, 1},
                             "maggiorazione media degli interessi moratori rilevata dalla Banca d'Italia, indicata "
                             "nei decreti trimestrali dal D.M. 21/12/2017 per " +
                                 nomeTipoMora(tipo) + " (fonti secondarie che citano i decreti)"};
}

TipoMora tipoMoraDiCategoria(std::string_view categoria) {
    for (const std::string& r : radiciParole(categoria, false)) {
        if (r == "leasing") return TipoMora::Leasing;
        if (r == "mut") return TipoMora::MutuoOltreCinqueAnni;
    }
    return TipoMora::AltriFinanziamenti;
}

std::string nomeTipoMora(TipoMora tipo) {
    switch (tipo) {
    case TipoMora::MutuoOltreCinqueAnni:
        return "mutui ipotecari di durata superiore a cinque anni";
    case TipoMora::Leasing:
        return "leasing";
    case TipoMora::AltriFinanziamenti:
        break;
    }
    return "tutti gli altri finanziamenti";
}

} // namespace vantrel
