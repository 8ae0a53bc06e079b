#pragma once

#include <string>

namespace vantrel {

/// A decimal number as a string of digits: value = 0.digits x 10^exponent, sign apart.
/// The mask engine rounds on this form, never on binary fractions.
struct DecimaleTesto {
    bool negativo = false;
    std::string cifre; // no leading zeros; empty for zero
    int esponente = 0;

    static DecimaleTesto daDouble(double value); // 15 significant digits
    static DecimaleTesto daFloat(float value);   // shortest text, at most 7 significant digits

    /// Rounds half away from zero to `decimals` places after the point.
    void arrotonda(int decimals);
    /// Integer part digits (may be empty) and `decimals` fraction digits (padded with zeros).
    std::string parteIntera() const;
    std::string parteDecimale(int decimals) const;
    bool zero() const { return cifre.empty(); }
};

/// Exact powers of ten as doubles, 10^0 to 10^22.
double potenzaDieci(int n);

} // namespace vantrel
