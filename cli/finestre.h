#pragma once

#include "common/program_state.h"
#include "common/window.h"

#include <memory>
#include <string>

namespace vantrel::cli {

/// Opens a window of the program by its name ("Taeg", ...); nothing for an unknown name.
std::unique_ptr<Finestra> creaFinestra(const std::string& nome, Contesto& ctx);

} // namespace vantrel::cli
