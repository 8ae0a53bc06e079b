#pragma once

#include <string>
#include <vector>

namespace vantrel {
class FinestraCalcolo;
}

namespace vantrel::cli {

/// The lines of the calculation summary that the window last wrote (empty when none).
const std::vector<std::string>& riepilogoDi(FinestraCalcolo& w);

/// Saves lines as a report file; the error text, empty on success.
std::string salvaListaComeReport(const std::string& path, const std::vector<std::string>& righe);

} // namespace vantrel::cli
