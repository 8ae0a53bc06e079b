#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vantrel {

/// "vantrel-cli mutuo": the loan calculator on a freshly loaded calculation window.
/// `args` are the words after "mutuo". Exit status 0, 1 for bad input data, 2 for usage errors.
int comandoMutuo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace vantrel
