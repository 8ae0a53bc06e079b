#pragma once

#include "rates/maggiorazione_mora.h"
#include "rates/norma_soglia.h"
#include "rates/riga_serie.h"

#include <optional>
#include <string>
#include <vector>

namespace vantrel {

/// What the series says about one row: the rule in force at the start of its period, the
/// threshold by that rule (exact) beside the published one, and the default-interest surcharge
/// with its threshold (the rule applied to TEGM + surcharge).
struct SogliaUfficiale {
    const RigaSerie* riga = nullptr;
    Norma regola = Norma::Vecchia;
    TassoEsatto sogliaRegola;
    TipoMora tipoMora = TipoMora::AltriFinanziamenti;
    std::optional<MaggiorazioneMora> mora;
    std::optional<TassoEsatto> sogliaMora;
};

SogliaUfficiale sogliaUfficiale(const RigaSerie& r, TipoMora tipo);
/// The same with the kind of loan its category suggests.
SogliaUfficiale sogliaUfficiale(const RigaSerie& r);

/// One figure of a threshold as the window and the command line show it: a key for files, an
/// Italian label and the text.
struct VoceSoglia {
    const char* chiave;
    const char* etichetta;
    std::string testo;
};

/// Period, category, class, TEGM, rule, threshold by the rule (four decimals), published threshold,
/// default-interest surcharge and threshold, source: in that order.
std::vector<VoceSoglia> vociSoglia(const SogliaUfficiale& s);

} // namespace vantrel
