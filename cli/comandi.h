#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vantrel::cli {

/// Runs one command line (the words after the program name); the exit status.
int esegui(std::vector<std::string> args, std::ostream& out, std::ostream& err);

} // namespace vantrel::cli
