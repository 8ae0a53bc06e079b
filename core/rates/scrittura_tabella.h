#pragma once

#include "rates/tabella_tassi.h"

#include <functional>
#include <optional>
#include <string>

namespace vantrel {

/// Reads the rate table of the folder afresh, lets `modifica` change it and, when it answers true,
/// writes the whole table back: both files are written in a folder of their own beside the old
/// ones and moved in place only when complete. The table written, or nothing: `modifica`
/// declined (`errore` empty) or a file could not be read or written (`errore` says why, in
/// Italian; the old files stay). The one place where the series import writes the rate table.
std::optional<TabellaTassi> aggiornaTabellaTassi(const std::string& cartella,
                                                 const std::function<bool(TabellaTassi&)>& modifica,
                                                 std::string& errore);

} // namespace vantrel
