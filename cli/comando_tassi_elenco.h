#pragma once

#include <ostream>
#include <string>

namespace vantrel {

/// `tassi elenco`: prints the rate listing of the program folder as the rate window shows it,
/// the two heading lines first. Returns the exit status.
int comandoTassiElenco(const std::string& cartella, std::ostream& out, std::ostream& err);

} // namespace vantrel
