#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vantrel::cli {

/// vantrel-cli tassi elenco | importa FILE.csv [--sovrascrivi] | esporta FILE.csv
int comandoTassi(std::vector<std::string> args, std::ostream& out, std::ostream& err);

} // namespace vantrel::cli
