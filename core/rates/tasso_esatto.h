#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

/// A rate in exact decimal form: hundred-millionths of a percentage point, with the number of
/// decimals it is written with (the series prints 19,785; the rule's figures need up to eight).
struct TassoEsatto {
    static constexpr std::int64_t kPunto = 100'000'000; // one percentage point
    static constexpr int kMaxDecimali = 8;

    std::int64_t unita = 0;
    int decimali = 0;

    static TassoEsatto punti(std::int64_t interi) { return {interi * kPunto, 0}; }
    /// Reads "12", "12,5" or "12.5" (at most six decimals, no sign, no grouping); nothing otherwise.
    static std::optional<TassoEsatto> leggi(std::string_view testo);
    /// The same value with the fewest decimals that write it exactly.
    static TassoEsatto esatto(std::int64_t unita);

    double valore() const { return static_cast<double>(unita) / static_cast<double>(kPunto); }
    /// Rounded half up to `d` decimals.
    TassoEsatto arrotondato(int d) const;
    /// Italian text with its own decimals ("19,785"), or rounded half up to `d` decimals ("19,7850").
    std::string testo() const;
    std::string testo(int d) const;
    /// Every decimal it has, padded to at least `d`, never rounded ("16,0500", "17,76925"): how a
    /// threshold is written.
    std::string testoAlmeno(int d) const;

    friend bool operator==(const TassoEsatto& a, const TassoEsatto& b) { return a.unita == b.unita; }
    friend auto operator<=>(const TassoEsatto& a, const TassoEsatto& b) { return a.unita <=> b.unita; }
};

/// A rate as a file or a field writes it: its value, or why the text is not one.
struct LetturaTasso {
    std::optional<TassoEsatto> tasso;
    std::string errore; // in Italian, quoting the text; empty when read
};

/// The one reading of a written rate, for every import: digits with at most one separator, "," or
/// ".", which is the decimal point (1.5 is 1,5; 0.72 is 0,72), at most six decimals, from 0 to 100.
/// Two separators ("1.234,5") mean a thousands separator, which no rate has: an error, never 1234,5.
LetturaTasso leggiTasso(std::string_view testo);

} // namespace vantrel
