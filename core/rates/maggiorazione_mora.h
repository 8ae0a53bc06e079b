#pragma once

#include "common/date.h"
#include "rates/tasso_esatto.h"

#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

/// Kinds of loan the default-interest surcharge distinguishes from 01/01/2018.
enum class TipoMora { MutuoOltreCinqueAnni, Leasing, AltriFinanziamenti };

/// The average surcharge of default interest stated in the quarterly decrees, with where it comes from.
struct MaggiorazioneMora {
    TassoEsatto punti;
    std::string fonte;
};

/// What the decrees say of the surcharge before the first one: it is in the decree of 25/03/2003,
/// for the quarters from 01/04/2003.
inline constexpr const char* kMoraNonPubblicata =
    "non pubblicata per questo periodo: la prima è nel D.M. 25/03/2003, in vigore dal 2° trimestre 2003";

/// The surcharge in force on a date for a kind of loan: 2,1 points from 01/04/2003 (decree of
/// 25/03/2003) to 31/12/2017; from 01/01/2018 1,9 for mortgage loans over five years, 4,1 for
/// leasing, 3,1 for the others. Nothing before 01/04/2003 (none published).
std::optional<MaggiorazioneMora> maggiorazioneMora(const Data& d, TipoMora tipo);
/// The kind a category name suggests: leasing, mortgage loans (taken as over five years), others.
TipoMora tipoMoraDiCategoria(std::string_view categoria);
std::string nomeTipoMora(TipoMora tipo);

} // namespace vantrel
