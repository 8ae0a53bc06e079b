#pragma once

#include <string>

namespace vantrel {

/// The texts of the calculation window from which a result row is built.
struct DatiRiga {
    std::string dal; // "dd/mm/yyyy"
    std::string IndMedio, TegTXT, soglia, Diff, intDare, IntSc, ComMS, ComMS2, CMSc, extrafido, ECCSC, speseN, SpeseSc,
        ASpese, OneriSc;
};

/// The 139-character fixed-column result row of one checked period. Each value is formatted with
/// its mask (a text that is not a number passes unchanged) and right-aligned in its column; a
/// longer value stays whole and shifts the rest of the line. An average debt that is not a number
/// leaves its column blank.
std::string RigaReport(const DatiRiga& d, const std::string& mascheraImporti);

} // namespace vantrel
