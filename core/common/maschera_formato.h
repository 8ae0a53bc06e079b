#pragma once

#include <string>
#include <string_view>

namespace vantrel {

/// The format masks of the program's windows, written with the Italian separators.
/// "#" is an optional digit, "0" a digit always shown, "," in the integer part asks for
/// thousands grouping, "." places the decimal separator; rounding is half away from zero.
/// A run of n "@" right-aligns a text in n characters without cutting it.
/// An empty mask is the general number format (the plain number text).
std::string formatta(double value, std::string_view mask);
std::string formatta(float value, std::string_view mask);

/// Formats a field text: a number (Italian reading) is formatted, an empty text stays empty and
/// any other text passes unchanged.
std::string formattaTesto(std::string_view text, std::string_view mask);

namespace maschere {
inline constexpr std::string_view euro = "###,###,##0.00";
inline constexpr std::string_view lire = "#,###,###,##0";
inline constexpr std::string_view tasso3 = "#0.000";
inline constexpr std::string_view tasso3Riga = "##0.000";
inline constexpr std::string_view tassoMedia = "##.000";
inline constexpr std::string_view tasso2 = "#0.00";
inline constexpr std::string_view soglia2 = "##.00";
inline constexpr std::string_view importoMutuo = "#,#0.00";
inline constexpr std::string_view importoCampo = "#,###,##0.00";
inline constexpr std::string_view taeg = "#,###.00";
inline constexpr std::string_view intero = "#";
} // namespace maschere

} // namespace vantrel
