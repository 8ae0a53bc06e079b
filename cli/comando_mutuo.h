#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vantrel::cli {

/// "vantrel-cli mutuo": the loan calculator on a freshly loaded calculation window.
/// `args` are the words after "mutuo". Exit status 0, 1 for bad input data, 2 for usage errors.
int comandoMutuo(std::vector<std::string> args, std::ostream& out, std::ostream& err);

} // namespace vantrel::cli
