#pragma once

#include "common/servizi.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vantrel {

/// The new files written beside the one they replace: "<file>.<16 hex digits>.nuovo", a name of
/// their own so that two programs never write the same one, and a repair can tell them apart.
inline constexpr std::size_t kCifreFileNuovo = 16;
inline constexpr std::string_view kSuffissoFileNuovo = ".nuovo";

/// Who may read a file: everyone the folder lets in, or its owner alone (mode 0600: the settings
/// that hold a password).
enum class Permessi { Comuni, Privati };

/// The disk the safe writes flush and lock through when their caller names none; the program sets
/// it once at start. Without one they neither flush nor lock, and remove no file left behind.
void impostaDiscoPredefinito(Disco* disco);

/// A fresh name for a new file beside `destinazione`.
std::string nomeFileNuovo(const std::string& destinazione);

/// A new file beside `destinazione`, made empty and locked for as long as it lives, so that no other
/// process takes it for one a killed save left behind. It is written by `scrivi` or, by a writer that
/// makes files itself (a workbook library, a PDF printer), at `percorso()`; `sostituisci` puts it in
/// the destination's place, and a file never put in place is removed. It keeps the access of the
/// file it replaces, or is private when asked.
class FileNuovo {
public:
    explicit FileNuovo(std::string destinazione, Disco* disco = nullptr, Permessi permessi = Permessi::Comuni);
    ~FileNuovo();
    FileNuovo(const FileNuovo&) = delete;
    FileNuovo& operator=(const FileNuovo&) = delete;

    /// Empty when the file could not be made (`errore` says why).
    const std::string& percorso() const { return percorso_; }
    const std::string& errore() const { return errore_; }
    /// Appends bytes; false once a write has failed.
    bool scrivi(std::string_view byte);
    /// Flushes and closes the file and renames it over the destination; an empty text on success,
    /// otherwise what went wrong (the destination as it was, the new file removed).
    std::string sostituisci();
    /// Flushes and closes the file and lets it go, kept and held no more: its path, or nothing when
    /// it could not be written (it is removed then). For writers that rename it themselves.
    std::optional<std::string> lascia();

private:
    bool chiudi(); // flushed, closed, on the disk: false when any of it failed
    void togli();

    std::string destinazione_, percorso_, errore_;
    Disco* disco_;
    std::FILE* file_ = nullptr;
    std::unique_ptr<BloccoFile> blocco_;
    std::optional<std::filesystem::perms> permessi_; // of the file replaced, kept
    bool scritto_ = true;
};

/// Writes `contenuto` into a new file beside `destinazione`, flushed through `disco` when given; its
/// path, or nothing when it could not be written (nothing is left then). The file is no longer held:
/// for writers that rename it themselves under a lock of their own (the rate set).
std::optional<std::string> scriviTemporaneo(const std::string& destinazione, std::string_view contenuto,
                                            Disco* disco = nullptr);

/// Replaces the file at `path` with `contenuto`: the bytes go to a new file beside it, which then takes
/// its place. On failure the old file is left whole and the new one removed. An empty text on success,
/// otherwise what went wrong.
std::string sostituisciFile(const std::string& path, std::string_view contenuto, Disco* disco = nullptr,
                            Permessi permessi = Permessi::Comuni);

/// The same for a writer that makes the file itself (a workbook library): `scrivi` writes the whole
/// file at the path it is given and returns an empty text, or what went wrong.
std::string sostituisciFile(const std::string& path, const std::function<std::string(const std::string&)>& scrivi);

/// Removes the new files a killed save left beside `destinazione`: those no living writer holds.
/// Every save does it first. Without a disk that locks, nothing is removed.
void togliFileNuoviAbbandonati(const std::string& destinazione, Disco* disco = nullptr);

/// The same for every file of the folder, at start, except the new files of the destinations named
/// in `propri` (a set of files that repairs itself under a lock of its own).
void togliFileNuoviAbbandonatiInCartella(const std::string& cartella, std::span<const char* const> propri,
                                         Disco* disco = nullptr);

/// Makes a file readable and writable by its owner alone (0600).
bool rendiPrivato(const std::string& path);

} // namespace vantrel
