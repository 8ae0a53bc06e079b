#pragma once

#include "casefile/pratica.h"
#include "common/cartella_lavoro.h"

namespace vantrel {

/// The case's movements as a sheet, by value date: dates, description, amount.
Foglio foglioMovimenti(const Pratica& p);

/// The results of the last recalculation, one row per period; the periods over the threshold
/// highlighted.
Foglio foglioRisultati(const std::vector<RisultatoPeriodo>& r);

/// The movements as a CSV file a spreadsheet opens and the movements import reads back (UTF-8 with
/// its mark, ";", "Data operazione;Data valuta;Descrizione;Importo"), written a movement at a time.
std::string scriviCsvMovimenti(const Pratica& p, const std::string& path);

} // namespace vantrel
