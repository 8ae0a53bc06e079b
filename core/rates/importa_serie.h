#pragma once

#include "rates/mappa_serie.h"
#include "rates/tabella_tassi.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vantrel {

class Disco;
class LettoreZip;

/// What taking the official series into the rate table changes, period by period.
struct RiepilogoImportazione {
    int nuovi = 0;
    int modificati = 0;
    int invariati = 0;
    int assenti = 0; // periods of the table that the series does not have: they stay as they are

    /// "3 periodi nuovi, 2 modificati, 1 che non è nella serie".
    std::string testo() const;
};

/// Takes the series' periods into the table: a new quarter is appended, a stored one gets the
/// series' figures. Kept from the stored record: the CMS average and threshold (TM5, TU5: not in
/// the series), the reserved bytes, and a figure with more decimals that the series' figure only
/// rounds (the decrees print four decimals where the series prints two). False, with the reason,
/// when the table would overflow.
bool unisciPeriodi(TabellaTassi& t, const std::vector<PeriodoDallaSerie>& periodi, RiepilogoImportazione& riepilogo,
                   std::string& errore);

/// The outcome of an import, with its message in Italian.
struct EsitoImportaSerie {
    bool fatto = false;
    RiepilogoImportazione riepilogo;
    std::string messaggio; // what was done, or why nothing was (empty when the user declined)
};

/// Imports the official series of a file (CSV, or a .zip opened through `zip`) into the program
/// folder: the rate table's periods and the folder's reference copy of the series. The file is read
/// and checked in full first; `conferma`, when given, sees the changes before anything is written
/// and false leaves every file as it was. The rate set is replaced whole, under the folder's lock
/// (flushed through `disco` when given).
EsitoImportaSerie importaSerieUfficiale(const std::string& file, const std::string& cartella, const LettoreZip* zip,
                                        const std::function<bool(const RiepilogoImportazione&)>& conferma = {},
                                        Disco* disco = nullptr);

/// The rate table a series (the bytes of its CSV or zip) gives on its own, for a download that is
/// then checked and installed as a whole set; false with the reason in Italian.
bool tabellaDaSerie(const std::vector<std::uint8_t>& contenuto, const LettoreZip* zip, TabellaTassi& tabella,
                    std::string& errore);

} // namespace vantrel
