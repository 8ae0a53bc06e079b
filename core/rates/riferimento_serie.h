#pragma once

#include "rates/serie_ufficiale.h"

#include <memory>
#include <optional>
#include <string>

namespace vantrel {

/// The program folder's copy of the complete official series: a read-only reference, installed
/// with the default rate set and updated by the official-series import.
inline constexpr const char* kFileSerieUfficiale = "serie-ufficiale.csv";

/// The reference with an imported series taken in: each imported period replaces the periods it
/// overlaps, except that a stored period whose figures the imported one only rounds (the decrees
/// print four decimals where the series prints two) is kept; the stored periods the import does
/// not cover stay.
SerieUfficiale unisciSerie(const SerieUfficiale* attuale, const SerieUfficiale& importata);

/// The folder's reference, read once and again only when the file changes; none, with the reason
/// in `errore`, when it cannot be read.
std::shared_ptr<const SerieUfficiale> serieDellaCartella(const std::string& cartella, std::string& errore);

/// Writes the reference into the folder under a new name first, then in place of the old one;
/// false with the reason in `errore` (the old file stays).
bool scriviRiferimentoSerie(const std::string& cartella, const SerieUfficiale& s, std::string& errore);

} // namespace vantrel
