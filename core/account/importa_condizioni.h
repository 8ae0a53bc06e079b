#pragma once

#include "account/condizioni.h"
#include "common/servizi.h"

#include <string>
#include <vector>

namespace vantrel {

struct CondizioniLette {
    std::vector<RigaCondizioni> righe;
    std::vector<std::string> ignorate; // headers of the columns not known
    std::string errore;                // "riga 3, colonna Fido: ..."; no rows then
};

/// Reads a table of conditions, one row each from its date: "Dal" (or "Data", "Valido dal"), "Fido",
/// "Tasso debitore" (or "Tasso entro fido"), "Tasso extrafido" (or "Tasso oltre fido"), "Tasso
/// creditore", "CMS", "Commissione fido" (or "CDF"), "Commissione sconfinamento" (or "CIV"), "Spese
/// operazione", "Spese periodo" (or "Spese fisse"), "Liquidazione" (trimestrale, semestrale,
/// annuale), "Divisore" (365 or 360), "Ritenuta" (a rate, or "di legge"). An empty cell keeps the
/// value of the row before; in the first row it is 0, quarterly, 365 and the law's withholding.
/// Amounts and rates are Italian ("10.000,00", "9,5" or "9,5%"). The first bad cell stops the
/// reading with its row and column named; the table is checked as a whole at the end.
CondizioniLette leggiCondizioni(RigheFoglio& righe);

/// The table as ";"-separated lines with the headers above, every cell written, as
/// leggiCondizioni reads it back.
std::string csvCondizioni(const std::vector<RigaCondizioni>& righe);

} // namespace vantrel
