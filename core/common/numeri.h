#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

/// The Italian reading of a field: "." groups thousands and is ignored, "," separates the decimals
/// (1.234,56 is 1234.56). Blanks around the number, a leading sign and an exponent are accepted;
/// an empty or non-numeric text is not a number.
std::optional<double> leggiNumero(std::string_view text);

/// Whether a field holds an amount other than zero, by its value: "0", "0,00", an empty text and a
/// text that is no number hold none. The one test of "is there a charge here".
bool importoDiversoDaZero(std::string_view text);

/// The leading-number reading: the text is read up to the first character that cannot continue a
/// number written with "." as decimal point (2.5 reads 2,5; 2,5 reads 2; an empty text reads 0).
/// Blanks are skipped, as the classic Val function does.
double valNumero(std::string_view text);

/// The Italian reading followed by rounding to a 16-bit integer (halves to even);
/// no value when the text is not a number or the result does not fit.
std::optional<std::int16_t> leggiIntero16(std::string_view text);

/// Plain number text: the value rounded to 15 significant digits, trailing zeros dropped, with the
/// decimal comma and no grouping (2,75; 0,1; 1234567; 7,36 for 7,359999999999999).
std::string testoNumero(double value);

/// Plain number text of a single-precision value: at most seven significant digits (9,57).
std::string testoNumero(float value);

/// Rounds half away from zero to `decimals` places, working on the value's 15 significant digits
/// so that 1,005 rounds to 1,01 as the figure on screen says.
double arrotonda(double value, int decimals);

} // namespace vantrel
