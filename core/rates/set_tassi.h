#pragma once

#include "common/servizi.h"
#include "rates/tabella_tassi.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace vantrel {

/// The lock file that serializes the writers of one program folder's rate set.
inline constexpr const char* kFileBloccoTassi = "NtassiU.blocco";
/// The journal of a replacement under way: the new files and where they go.
inline constexpr const char* kFileGiornaleTassi = "NtassiU.giornale";

/// The steps of replacing the rate set, in order.
enum class PassoSet {
    DatiScritti,        // the new data file written beside the old one
    NumeroScritto,      // the new count file written beside the old one
    NuoviSincronizzati, // both flushed to the disk
    GiornaleScritto,    // the journal written under a temporary name and flushed
    GiornaleValido,     // the journal in place: from here on the new set is the one in force
    DatiSostituiti,     // the new data file renamed over the old one
    NumeroSostituito,   // the new count file renamed over the old one
    GiornaleTolto,      // the journal removed
};

/// Called after each step: true stops the write there, leaving the files as a crash would.
using PuntoDiGuasto = std::function<bool(PassoSet)>;

/// The lock of a program folder's rate set, held while the object lives: exclusive for a writer,
/// shared for a reader. Once it is held a replacement left half done by a crash is completed.
/// Without a disk service (tests of single windows) nothing is locked.
class BloccoSetTassi {
public:
    BloccoSetTassi(const std::string& cartella, Disco* disco, bool esclusivo);

private:
    std::unique_ptr<BloccoFile> blocco_;
};

/// Replaces the two rate files with the table's periods as one set; the caller holds the exclusive
/// lock. False, with the reason, when the old set stays.
bool scriviSetTassi(const std::string& cartella, const TabellaTassi& t, Disco* disco, std::string& errore,
                    const PuntoDiGuasto& guasto = {});

/// Completes a replacement whose journal is in place and removes what an interrupted one left.
void riparaSetTassi(const std::string& cartella, Disco* disco);

/// Loads the table under the shared lock, so that a replacement never shows half done.
/// At start: removes what killed saves left in the program folder (reports, settings, sources),
/// except the rate set's own new files, which its repair sees to under the folder's lock.
void togliFileNuoviDelProgramma(const std::string& cartella, Disco* disco);

bool caricaSetTassi(TabellaTassi& t, const std::string& cartella, Disco* disco);

/// Reads the set afresh under the exclusive lock, lets `modifica` change it and, when it returns
/// true, writes it back: no period saved meanwhile by another program is lost. The table written,
/// or nothing when `modifica` declined or the write failed (`errore` says why).
std::optional<TabellaTassi> modificaSetTassi(const std::string& cartella, Disco* disco,
                                             const std::function<bool(TabellaTassi&)>& modifica, std::string& errore);

} // namespace vantrel
