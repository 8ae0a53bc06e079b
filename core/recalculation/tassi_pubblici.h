#pragma once

#include "account/importi.h"
#include "common/date.h"
#include "rates/dati_pubblici.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

/// The legal interest rate (art. 1284 c.c.) in force from `dal` to `al`, with the act that set it.
struct TassoLegale {
    Data dal, al;
    TassoDecimale tasso = 0;
    std::string atto;
};

/// One auction of 12-month BOT: its day and weighted average yield (negative in some years); not
/// ordinary when the file's note says it was no ordinary 12-month issue (a reopening, a shorter BOT).
struct AstaBot {
    Data giorno;
    TassoDecimale rendimento = 0;
    bool ordinaria = true;
};

/// The minimum and maximum of the 12-month BOT yields of a window of twelve months.
struct TassiBot {
    TassoDecimale minimo = 0, massimo = 0;
    int aste = 0;
};

/// The public rates a recalculation puts in place of rates not agreed in writing.
struct TassiPubblici {
    std::vector<TassoLegale> legale; // by date
    std::vector<AstaBot> aste;       // by date
    std::string errore;              // of either file, in Italian

    /// The legal rate on `d`; none outside the table.
    std::optional<TassoDecimale> tassoLegale(const Data& d) const;
    /// The yields of the ordinary auctions from the same day twelve months before `d` to the day
    /// before it; none when those months reach before the first month or after the last month the
    /// file covers, so that a window is never judged on part of its auctions.
    std::optional<TassiBot> bot(const Data& d) const;
    /// What the data cover: "tasso legale fino al 31/12/2026; aste BOT dal 10/01/2002 al 09/09/2026".
    std::string versione() const;
};

/// Reads the two files as the program ships them (UTF-8, ";", decimal comma, dates dd/mm/yyyy, the
/// columns found by their header); a missing file leaves its table empty, a bad row is named in
/// `errore` and leaves its table empty.
TassiPubblici leggiTassiPubblici(std::istream* legale, std::istream* aste);
/// From the program folder.
TassiPubblici leggiTassiPubblici(const std::string& cartella);

/// A file of the public rates that came from the rate server, read as the recalculation reads it:
/// refused when a row does not read or when it has no row.
class VerificaTassiPubblici : public VerificaDatiPubblici {
public:
    std::string verifica(std::string_view file, const std::string& testo) const override;
};

} // namespace vantrel
