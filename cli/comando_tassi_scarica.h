#pragma once

#include <iosfwd>
#include <optional>
#include <string>

namespace vantrel::cli {

/// `tassi scarica [--indirizzo URL]`: the download of the rate window, from the server of the folder's
/// settings or from the address given. What it would ask is answered yes: a download adds and updates
/// periods and never removes one. Exit status 0 when the table is up to date, 1 when the download or
/// the set was refused (the table as it was).
int comandoTassiScarica(const std::string& cartella, const std::optional<std::string>& indirizzo, std::ostream& out,
                        std::ostream& err);

} // namespace vantrel::cli
