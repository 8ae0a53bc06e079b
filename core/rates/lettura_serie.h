#pragma once

#include "rates/serie_ufficiale.h"

#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

class LettoreZip;

/// Why a series could not be read: the line and field (1-based; 0 when the fault is the whole
/// file or line) and the reason in Italian.
struct ErroreSerie {
    int riga = 0;
    int colonna = 0;
    std::string testo;

    /// "riga 12, colonna 5: tasso non valido "abc"".
    std::string messaggio() const;
};

/// A series read, or why not.
struct EsitoSerie {
    std::optional<SerieUfficiale> serie;
    ErroreSerie errore;

    bool ok() const { return serie.has_value(); }
};

/// Reads the official series in the Bank of Italy's format (columns INIZIO;FINE;CATEGORIA;CLASSE;
/// TEGM;SOGLIA, any order, any letter case, optional FONTE, other columns ignored): ";" or ","
/// separators, quoted fields, dates dd/mm/yyyy or yyyy-mm-dd, decimal comma or point, UTF-8 (with
/// or without BOM) or Windows-1252. Every row is checked; the first fault is returned.
EsitoSerie leggiSerieUfficiale(std::string_view contenuto);

/// Reads a file holding the series: a CSV, or a .zip with one CSV, opened through `zip`.
EsitoSerie leggiFileSerie(const std::string& percorso, const LettoreZip* zip);

/// Writes the series in the program's own form: UTF-8, ";", decimal comma, LF, the header
/// "inizio;fine;categoria;classe;tegm;soglia;fonte", figures with their own decimals.
std::string testoSerie(const SerieUfficiale& s);

} // namespace vantrel
