#pragma once

#include <optional>
#include <string_view>

namespace vantrel {

/// The amounts a class of the official series covers, in euro: above `oltre` (excluded) and up to
/// `finoA` (included). Lire limits ("fino a 10 milioni di lire") are converted at 1.936,27 lire.
struct LimitiClasse {
    std::optional<double> oltre;
    std::optional<double> finoA;
    bool riconosciuta = true; // false: a class text the program cannot read; it matches no amount

    bool contiene(double euro) const;
};

/// Reads a class text: "intera distribuzione", "fino a 5.000 euro", "oltre 5.000", "da 50.000 a
/// 200.000 euro", "oltre 1.500 fino a 5.000 euro", "da 2,5 a 10 milioni di lire", "da 50 milioni di lire".
LimitiClasse leggiClasse(std::string_view testo);

} // namespace vantrel
