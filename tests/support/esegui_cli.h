#pragma once

#include "comandi.h"

#include <sstream>
#include <string>
#include <vector>

namespace vantrel::test {

/// What a vantrel-cli command gave: its exit code and what it wrote on each stream.
struct Esito {
    int codice;
    std::string out, err;
};

/// Runs a vantrel-cli command in this process, its streams captured.
inline Esito esegui(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int c = cli::esegui(std::move(args), out, err);
    return {c, out.str(), err.str()};
}

} // namespace vantrel::test
