#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vantrel::cli {

/// vantrel-cli script FILE.json: a scripted session on one window, its final state as JSON.
int comandoScript(std::vector<std::string> args, std::ostream& out, std::ostream& err);

} // namespace vantrel::cli
