#pragma once

#include "common/servizi.h"

#include <string>
#include <vector>

namespace vantrel {

/// One step of the case file's schema: the statements that bring a file of the version before to
/// `versione`. Steps are only ever appended: a file records the ones it went through.
struct Migrazione {
    int versione;
    std::vector<std::string> istruzioni;
};

/// The steps of the case file's schema, in order.
const std::vector<Migrazione>& migrazioniPratica();

/// The SQLite application id that marks a file as a case file ("VTRL").
inline constexpr std::int64_t kIdPratica = 0x5654524C;

/// The version of the file's schema (0 for an empty file); throws ErroreSql.
int versioneSchema(BancaDati& db);

/// Brings the file to the last of `passi`, each step in its own transaction; throws ErroreSql.
void aggiornaSchema(BancaDati& db, const std::vector<Migrazione>& passi);

} // namespace vantrel
