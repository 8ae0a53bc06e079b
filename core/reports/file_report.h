#pragma once

#include "program/stato_programma.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

/// The bytes of a report file: every line in Windows-1252 followed by CR LF, then "Fine".
std::string contenutoReport(const std::vector<std::string>& righe);

/// The lines of a report file (UTF-8). Line ends may be CR LF, CR alone or LF alone; the exact line
/// "Fine" ends the report unseen, a line that is "Fine" once trimmed ends it and is kept; a file
/// without such a line is read to its end.
std::vector<std::string> righeReport(std::string_view contenuto);

/// Why `contenuto` is not a report to open or print (empty or blank, or binary: a byte no text
/// holds), or an empty text when it can be one.
std::string erroreReport(std::string_view contenuto);

/// Reads a whole file; no value when it cannot be opened or read.
std::optional<std::string> leggiFile(const std::string& path);

/// Saves `righe` as a report file chosen by the user, the name proposed from `nome`; true when written.
bool salvaReport(Contesto& ctx, const std::vector<std::string>& righe, const std::string& nome);

/// Replaces `righe` with the lines of a report file chosen by the user; false when nothing was read.
bool apriReport(Contesto& ctx, std::vector<std::string>& righe);

namespace testiReport {
inline constexpr const char* mancaNome = "manca il nome del report, inserire il dato e riprovare";
inline constexpr const char* sovrascrivi = "Esiste già un report con questo nome, vuoi sovrascrivere i dati?";
inline constexpr const char* nonSalvato = "Impossibile salvare il report: ";
} // namespace testiReport

} // namespace vantrel
