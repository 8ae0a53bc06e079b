#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

/// A calendar day (proleptic Gregorian), without time.
struct Data {
    int anno = 1;
    int mese = 1;
    int giorno = 1;

    /// Day number, counted from 30/12/1899 as the classic date serials are.
    long numero() const;
    static Data daNumero(long n);

    /// "dd/mm/yyyy".
    std::string testo() const;
    int trimestre() const { return (mese - 1) / 3 + 1; }

    friend bool operator==(const Data&, const Data&) = default;
    friend auto operator<=>(const Data& a, const Data& b) { return a.numero() <=> b.numero(); }
};

bool bisestile(int anno);
int giorniNelMese(int anno, int mese);

/// Reads a day-first date ("15/03/2026"; one-digit day and month and the separators "-" and "."
/// are accepted too); no value for anything that is not a real day of the years 100 to 9999.
std::optional<Data> leggiData(std::string_view text);

/// The date `mesi` calendar months after `d`, on the same day or on the last day of a shorter month.
Data aggiungiMesi(const Data& d, int mesi);
Data aggiungiGiorni(const Data& d, long giorni);

/// Period key: the quarter digit followed by the four-digit year (32004).
std::string chiavePeriodo(int trimestre, int anno);

} // namespace vantrel
