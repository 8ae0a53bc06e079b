#pragma once

#include "common/cartella_lavoro.h"
#include "teg/teg_controlli.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace vantrel {

/// Where a figure of a period comes from: the days (given, or counted from the dates), an amount the
/// user gives, or a figure the window works out.
enum class OrigineCampo { Giorni, Importo, Calcolato };

/// One figure of an account period: the field of the calculation window that holds it, the headers
/// a file of periods may give its column (as compared: lower case, no accents or punctuation; the
/// control's own name first), and its column in the workbook of the account.
struct CampoPeriodo {
    int ControlliTeg::*controllo;
    OrigineCampo origine;
    std::array<std::string_view, 4> intestazioni; // empty ones unused
    std::string_view colonna;                     // the workbook's header
    Formato formato;
    double larghezza; // of the workbook's column, in characters
};

/// Every figure of a period, the amounts in the tab order in which a user fills them.
inline constexpr std::array<CampoPeriodo, 12> kCampiPeriodo = {{
    {&ControlliTeg::giorni, OrigineCampo::Giorni, {"giorni"}, "Giorni", Formato::Intero, 7},
    {&ControlliTeg::numeriDebitori,
     OrigineCampo::Importo,
     {"numerid", "numeri debitori", "numeri dare"},
     "Numeri debitori",
     Formato::Importo,
     16},
    {&ControlliTeg::indebitamentoMedio, OrigineCampo::Calcolato, {}, "Indebitamento medio", Formato::Importo, 14},
    {&ControlliTeg::interessiDare,
     OrigineCampo::Importo,
     {"intdare", "interessi", "interessi dare", "interessi debitori"},
     "Interessi",
     Formato::Importo,
     12},
    {&ControlliTeg::cmsInteressi, OrigineCampo::Importo, {"comms", "cms"}, "CMS", Formato::Importo, 12},
    {&ControlliTeg::altriInteressi,
     OrigineCampo::Importo,
     {"extrafido", "altri interessi"},
     "Altri interessi",
     Formato::Importo,
     12},
    {&ControlliTeg::spese, OrigineCampo::Importo, {"spesen", "spese"}, "Spese", Formato::Importo, 12},
    {&ControlliTeg::cmsSpese, OrigineCampo::Importo, {"comms2", "cms spese"}, "CMS spese", Formato::Importo, 12},
    {&ControlliTeg::altriOneri, OrigineCampo::Importo, {"aspese", "altri oneri"}, "Altri oneri", Formato::Importo, 12},
    {&ControlliTeg::massimoScoperto,
     OrigineCampo::Importo,
     {"maxscoperto", "massimo scoperto"},
     "Massimo scoperto",
     Formato::Importo,
     14},
    // "accordato" alone is the credit line or the option of the accordato: the import tells them apart.
    {&ControlliTeg::fido, OrigineCampo::Importo, {"fido"}, "Accordato", Formato::Importo, 14},
    {&ControlliTeg::accordato,
     OrigineCampo::Importo,
     {"acc", "fido utilizzato", "importo"},
     "Fido utilizzato",
     Formato::Importo,
     14},
}};

/// The position of a figure in kCampiPeriodo.
constexpr std::size_t indiceCampo(int ControlliTeg::*controllo) {
    for (std::size_t k = 0; k < kCampiPeriodo.size(); ++k)
        if (kCampiPeriodo[k].controllo == controllo) return k;
    return kCampiPeriodo.size();
}

} // namespace vantrel
