#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

/// The kinds of the bank's own entries found among the movements.
enum class TipoAddebito { Nessuno, Interessi, Competenze, Commissioni, Spese };
inline constexpr std::size_t kTipiAddebito = 4; // the kinds after Nessuno

/// "interessi", "competenze", "commissioni", "spese".
std::string_view nomeTipoAddebito(TipoAddebito t);

struct ParolaAddebito {
    std::string parola;
    TipoAddebito tipo;
};

/// The words by which the bank's charges are told apart from the customer's movements: a movement
/// whose description contains one of them (case and accents aside) is an entry of that kind; the
/// first word found in the list wins. The user can change them, since every bank words them its own way.
class ParoleAddebiti {
public:
    /// "interessi", "competenze", "commissione"/"commissioni", "spese".
    ParoleAddebiti();
    explicit ParoleAddebiti(std::vector<ParolaAddebito> parole);

    TipoAddebito tipo(std::string_view descrizione) const;
    const std::vector<ParolaAddebito>& parole() const { return parole_; }

private:
    std::vector<ParolaAddebito> parole_; // each word as compared
};

} // namespace vantrel
