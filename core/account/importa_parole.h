#pragma once

#include "account/parole_addebiti.h"
#include "common/servizi.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

/// A kind of the bank's entries by its name: "interessi", "competenze", "commissioni", "spese" or
/// the singular, case and accents aside.
std::optional<TipoAddebito> leggiTipoAddebito(std::string_view testo);

/// Why a list of words cannot be used, in Italian; empty when it can. A word must have at least
/// three letters (a shorter one would also find the customer's movements) and appear once.
std::string erroreParole(const std::vector<ParolaAddebito>& parole);

struct ParoleLette {
    std::vector<ParolaAddebito> parole;
    std::vector<std::string> ignorate; // headers of the columns not known
    std::string errore;                // "riga 3, colonna Tipo: ..."; no words then
};

/// Reads a table of words, one a row: "Parola" (or "Testo", "Descrizione") and "Tipo" (or
/// "Addebito"). The first bad cell stops the reading with its row and column named. A table with
/// its header alone gives no words: the case then goes back to the usual ones.
ParoleLette leggiParole(RigheFoglio& righe);

/// The words as ";"-separated lines under "Parola;Tipo", as leggiParole reads them back.
std::string csvParole(const ParoleAddebiti& p);

} // namespace vantrel
