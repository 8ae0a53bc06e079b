#pragma once

#include "rates/record_tassi.h"

#include <array>
#include <string>
#include <string_view>

namespace vantrel {

inline constexpr const char* kFileTassi = "NtassiU.dat";
inline constexpr const char* kFileNumeroTassi = "NRectassiU.dat";

/// What the last load of the rate files found.
enum class StatoTassi {
    Caricata,   // the files agree and every period is well formed
    Assente,    // neither file was there
    Vuota,      // no period stored
    Illeggibile // the files disagree or hold malformed periods: `difetto()` says what
};

/// The one in-memory rate table: slots 1 to numPeriodi mirror the records of the data file,
/// in the order in which the periods were first saved. At most 200 periods.
class TabellaTassi {
public:
    static constexpr int kMassimo = 200;

    /// Loads numPeriodi and its slots from the two files of the folder; missing files are
    /// created empty. A second load replaces the slots it reads and leaves the others.
    /// False when a file could not be read (what was read stays). A malformed period is left out
    /// (its slot blank), so that no threshold comes from it; `stato()` tells what the load found.
    bool caricaTassi(const std::string& cartella);

    StatoTassi stato() const { return stato_; }
    /// For an unreadable table, what is wrong with it (Italian); empty otherwise.
    const std::string& difetto() const { return difetto_; }

    /// The first slot whose trimmed key equals `chiave`; 0 when none.
    int cercaPeriodo(std::string_view chiave) const;

    RecordTassi& slot(int i) { return slot_[static_cast<std::size_t>(i)]; }
    const RecordTassi& slot(int i) const { return slot_[static_cast<std::size_t>(i)]; }

    /// Slots actually held: numPeriodi limited to 0..200.
    int validi() const { return numPeriodi < 0 ? 0 : (numPeriodi > kMassimo ? kMassimo : numPeriodi); }

    std::int16_t numPeriodi = 0;
    std::int16_t periodoScelto = 0;

private:
    std::array<RecordTassi, kMassimo + 1> slot_{};
    StatoTassi stato_ = StatoTassi::Vuota;
    std::string difetto_;
};

} // namespace vantrel
