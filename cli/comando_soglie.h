#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vantrel::cli {

/// vantrel-cli soglie --data gg/mm/aaaa [--categoria TESTO] [--importo N] [--formato testo|csv|json]:
/// the official thresholds in force on a date, from the program folder's copy of the series.
int comandoSoglie(std::vector<std::string> args, std::ostream& out, std::ostream& err);

} // namespace vantrel::cli
