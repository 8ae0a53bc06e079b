#pragma once

#include <filesystem>
#include <string>

namespace vantrel {

/// Where the program keeps its files ("Imposta.DAT", "OpzStampa.DAT", the rate files and the
/// proposed report folder). A copy of the program in a folder that can be written (portable use)
/// keeps them beside the executable. An installed program (its default rate set in
/// `../share/vantrel` beside the executable's folder) or one in a folder that cannot be written
/// keeps them in the user's data folder, which receives the default rate set on first use (and
/// the official series "serie-ufficiale.csv", the legal rate and the BOT auctions whenever it lacks them).
struct SceltaCartella {
    std::filesystem::path cartella;
    /// True when the files stay beside the executable.
    bool portatile = false;
    /// True when the default rate set has just been copied into the user's folder.
    bool tassiCopiati = false;
};

/// The default rate set of an installed program whose executable lies in `eseguibile`.
std::filesystem::path tassiPredefiniti(const std::filesystem::path& eseguibile);

/// The user's data folder: `$XDG_DATA_HOME/vantrel`, else `$HOME/.local/share/vantrel`; empty
/// when neither variable is set. Null pointers stand for unset variables.
std::filesystem::path cartellaUtente(const char* xdgDataHome, const char* home);

/// Whether a file can be created in the folder (tried with a file that is removed at once).
bool cartellaScrivibile(const std::filesystem::path& cartella);

/// The choice for an executable folder whose writability is given, and a user folder.
/// The rate files are copied only when the user folder has neither of them; a failed copy leaves
/// no half rate set behind.
SceltaCartella scegliCartella(const std::filesystem::path& eseguibile, bool eseguibileScrivibile,
                              const std::filesystem::path& utente);

/// The choice for the executable folder, with the user folder of the environment.
SceltaCartella cartellaProgramma(const std::filesystem::path& eseguibile);

/// The user's documents folder when the platform gives none: `$XDG_DOCUMENTS_DIR`, else
/// `$HOME/Documenti` or `$HOME/Documents`, whichever exists (Documenti when neither does); empty
/// when neither variable is set. Null pointers stand for unset variables.
std::filesystem::path cartellaDocumenti(const char* xdgDocumentsDir, const char* home);

/// The folder proposed for reports: the program's folder for a portable copy; for an installed one
/// `Vantrel` in the user's documents (`documenti`, from the platform; empty: from the environment),
/// created when missing, so that reports are saved where the user sees them, not in the hidden data
/// folder. The program's folder when that folder cannot be made.
std::filesystem::path cartellaReport(const SceltaCartella& scelta, std::filesystem::path documenti);

} // namespace vantrel
