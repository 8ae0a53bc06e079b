#pragma once

#include "account/scalare.h"
#include "common/servizi.h"

#include <string>
#include <vector>

namespace vantrel {

/// The titles of the kinds of charge, in the order of AddebitiInseriti::importi.
inline constexpr const char* kTitoliAddebiti[kTipiAddebito] = {"Interessi", "Competenze", "Commissioni", "Spese"};

/// Why a table of charges entered by hand cannot be kept, in Italian; empty when it can: each day
/// once (a day stands for its period).
std::string erroreAddebitiInseriti(const std::vector<AddebitiInseriti>& a);

struct AddebitiLetti {
    std::vector<AddebitiInseriti> righe; // by day
    std::vector<std::string> ignorate;   // headers of the columns not known
    std::string errore;                  // "riga 3, colonna Spese: ..."; no rows then
};

/// Reads the bank's charges of each period as entered by hand: "Data" (or "Periodo", "Giorno",
/// "Al": any day of the period, usually its closing), "Interessi", "Competenze", "Commissioni" (or
/// "CMS"), "Spese"; an empty cell is 0, a credit is negative. The first bad cell stops the reading
/// with its row and column named.
AddebitiLetti leggiAddebitiInseriti(RigheFoglio& righe);

/// The table as ";"-separated lines under its headers, as leggiAddebitiInseriti reads it back.
std::string csvAddebitiInseriti(const std::vector<AddebitiInseriti>& a);

} // namespace vantrel
