#pragma once

#include <string>

namespace vantrel {

/// The texts of the calculation window from which a result row is built.
struct DatiRiga {
    std::string dal; // "dd/mm/yyyy"
    std::string indebitamentoMedio, teg, soglia, supero;
    std::string interessiDare, tegInteressi, cmsInteressi, cmsSpese, tegCms, altriInteressi, tegAltriInteressi;
    std::string spese, tegSpese, altriOneri, tegAltriOneri;
    std::string esitoCms; // the separate test of the CMS, where it was run; otherwise empty
};

/// The 139-character fixed-column result row of one checked period. Each value is formatted with
/// its mask (a text that is not a number passes unchanged) and right-aligned in its column; a
/// longer value stays whole and shifts the rest of the line. An average debt that is not a number
/// leaves its column blank. The verdict of the separate CMS test, when there is one, ends the row.
std::string rigaReport(const DatiRiga& d, const std::string& mascheraImporti);

/// How a result row ends with the separate CMS test's verdict ("  CMS: entro la soglia").
std::string codaCms(const std::string& esitoCms);

} // namespace vantrel
