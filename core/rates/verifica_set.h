#pragma once

#include "common/servizi.h"
#include "rates/tabella_tassi.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

/// The quarter of a period key ("32004") as a number that orders keys in time (year x 4 + quarter);
/// nothing for a key that is not a real quarter: a quarter digit 1 to 4 and a year 1996 to 2099.
std::optional<int> trimestreDelPeriodo(std::string_view chiave);

/// Why a period cannot be stored, empty when it can: its key must be a real quarter and every rate a
/// number between 0 and 100.
std::string verificaPeriodo(const RecordTassi& r);

/// Why a complete rate set cannot take the place of the local one, empty when it can: at least one
/// period, each as `verificaPeriodo` asks, numbered 1, 2, 3... and in time order without repeats.
std::string verificaSetTassi(const TabellaTassi& t);

/// Reads a rate set from the bytes of its two files, checking it whole: the count file is 2 bytes,
/// the data file holds exactly that many records, and the set passes `verificaSetTassi`. The reason
/// in Italian when it is refused.
std::optional<TabellaTassi> leggiSetTassi(const std::vector<std::uint8_t>& dati,
                                          const std::vector<std::uint8_t>& numero, std::string& errore);

/// What a new set changes in the local table, period by period (by key).
struct ConfrontoSet {
    int nuovi = 0;      // in the new set only
    int modificati = 0; // in both, with some rate the new set gives different
    int mancanti = 0;   // in the local table only: kept as they are when the new set is installed
};
ConfrontoSet confrontaSetTassi(const TabellaTassi& locale, const TabellaTassi& nuovo);

struct EsitoInstallazione {
    enum class Stato { Installato, Invariato, Annullato, Rifiutato, Errore };
    Stato stato = Stato::Errore;
    std::string messaggio; // for the user, in Italian: what was installed, or why nothing changed
    ConfrontoSet confronto;
    TabellaTassi tabella; // the table now in the folder, when Installato
};

/// A question box and its answer.
using Domanda = std::function<Risposta(const Messaggio&)>;

/// Brings a complete rate set (downloaded, or read from the official series) into the local table:
/// checks it whole, shows what changes and asks before anything is written (unless the local table
/// is empty), then adds the new periods and updates the changed ones, in time order, replacing both
/// files as one set under the folder's lock. A local period the set lacks stays, and so does a rate
/// the set does not give (0): only the user removes a figure. Nothing changes on Annulla or on any
/// failure.
EsitoInstallazione installaSetTassi(const std::string& cartella, const TabellaTassi& nuovo, const Domanda& chiedi,
                                    Disco* disco = nullptr);

} // namespace vantrel
