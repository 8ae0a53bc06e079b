#pragma once

#include "program/stato_programma.h"

namespace vantrel {

inline constexpr const char* kFileImposta = "Imposta.DAT";
inline constexpr const char* kFileOpzStampa = "OpzStampa.DAT";

/// Reads record 1 of both settings files of CartellaDati into the state; a missing file leaves its
/// record as it was and is not created. False when a file could not be read.
bool leggiImpostazioni(StatoProgramma& stato);

/// The two halves of leggiImpostazioni, for a start-up that protects each step on its own.
bool leggiOpzStampa(StatoProgramma& stato);
bool leggiImposta(StatoProgramma& stato);

/// Writes both records, each file replaced whole (a crash leaves the old one); false when a file could
/// not be written.
bool scriviImpostazioni(const StatoProgramma& stato);

/// Sets MascheraImporti for a number of decimals (0 to 4); any other number leaves it as it was.
void scegliMaschera(StatoProgramma& stato, int decimali);

} // namespace vantrel
