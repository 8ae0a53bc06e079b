#pragma once

#include "common/servizi_simulati.h"
#include "platform/disco_posix.h"
#include "platform/lettore_zip.h"
#include "program/stato_programma.h"
#include "recalculation/tassi_pubblici.h"

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vantrel::cli {

/// Exit statuses of the command line.
enum Uscita { kOk = 0, kInputErrato = 1, kUso = 2 };

/// The options every command takes: the program folder and today's date.
struct OpzioniComuni {
    std::string cartella;
    std::optional<Data> oggi;
};

/// Takes --cartella and --oggi out of `args`; false with a message when one is malformed.
bool leggiOpzioniComuni(std::vector<std::string>& args, OpzioniComuni& o, std::ostream& err);

/// The program folder of the running executable: beside it, or the user's data folder when installed.
std::string cartellaPredefinita();

/// A program run on the command line: state, scripted answers and clock, as the desktop sets them
/// up at start (folders, settings files, amount mask).
struct Sessione {
    explicit Sessione(const OpzioniComuni& o);
    Contesto ctx;
    RisposteProgrammate risposte;
    OrologioFisso orologio;
    DiscoPosix disco;
    LettoreZipZlib zip;
    VerificaTassiPubblici datiPubblici;
};

/// Takes the value of option `nome` from args ("--x V"); false when it is missing its value.
bool prendiValore(std::vector<std::string>& args, const std::string& nome, std::optional<std::string>& valore);
bool prendiFlag(std::vector<std::string>& args, const std::string& nome);

} // namespace vantrel::cli
