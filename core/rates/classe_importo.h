#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

/// The currency of an amount or of a class limit.
enum class Valuta { Euro, Lire };

/// Lire to the euro, the fixed conversion rate.
inline constexpr double kLirePerEuro = 1936.27;

/// A class of amount as the decrees write it: above `oltre` (excluded) and up to `finoA` (included),
/// in `valuta`. "fino a 5.000 euro" holds 5.000; "da 50.000 a 200.000 euro" holds 200.000, not 50.000.
struct LimitiClasse {
    std::optional<double> oltre;
    std::optional<double> finoA;
    Valuta valuta = Valuta::Euro;
    bool riconosciuta = true; // false: a class text the program cannot read; it matches no amount

    /// Whether the class holds an amount written in `v` (converted at kLirePerEuro when the class
    /// is written in the other currency). Every class decision of the program comes here.
    bool contiene(double importo, Valuta v) const;
    /// "fino a 5.000 euro", "da 5.000 a 100.000 euro", "oltre 10.000.000 lire".
    std::string descrizione() const;
};

/// Reads a class text: "intera distribuzione", "fino a 5.000 euro", "oltre 5.000", "da 50.000 a
/// 200.000 euro", "oltre 1.500 fino a 5.000 euro", "da 2,5 a 10 milioni di lire", "da 50 milioni di lire".
LimitiClasse leggiClasse(std::string_view testo);

/// The classes that ascending upper limits make: up to the first, from one to the next, above the last.
std::vector<LimitiClasse> classiDaiLimiti(const std::vector<double>& limiti, Valuta v);

/// The class (1 to n) that holds the amount; 0 when none does.
int classeDi(const std::vector<LimitiClasse>& classi, double importo, Valuta v);

} // namespace vantrel
