#pragma once

#include <iosfwd>
#include <string>

namespace vantrel::cli {

/// `tassi importa-serie FILE.csv|FILE.zip`: the official series into the rate table and the
/// reference copy of the program folder. Returns the exit status.
int comandoTassiSerie(const std::string& file, const std::string& cartella, std::ostream& out, std::ostream& err);

} // namespace vantrel::cli
