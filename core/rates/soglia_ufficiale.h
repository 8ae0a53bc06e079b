#pragma once

#include "rates/regola_soglia.h"
#include "rates/riga_serie.h"

#include <optional>

namespace vantrel {

/// What the series says about one row: the rule in force at the start of its period, the
/// threshold by that rule (exact) beside the published one, and the default-interest surcharge
/// with its threshold (the rule applied to TEGM + surcharge).
struct SogliaUfficiale {
    const RigaSerie* riga = nullptr;
    RegolaSoglia regola = RegolaSoglia::Vecchia;
    TassoEsatto sogliaRegola;
    TipoMora tipoMora = TipoMora::AltriFinanziamenti;
    std::optional<MaggiorazioneMora> mora;
    std::optional<TassoEsatto> sogliaMora;
};

SogliaUfficiale sogliaUfficiale(const RigaSerie& r, TipoMora tipo);
/// The same with the kind of loan its category suggests.
SogliaUfficiale sogliaUfficiale(const RigaSerie& r);

} // namespace vantrel
