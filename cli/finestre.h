#pragma once

#include "common/finestra.h"
#include "program/stato_programma.h"
#include "rate_windows/usurari.h"

#include <memory>
#include <optional>
#include <string>

namespace vantrel::cli {

/// Opens a window of the program by its name ("Taeg", ...); nothing for an unknown name.
/// `server` replaces the rate-set server of the settings.
std::unique_ptr<Finestra> creaFinestra(const std::string& nome, Contesto& ctx,
                                       const std::optional<ServerTassi>& server = std::nullopt);

} // namespace vantrel::cli
