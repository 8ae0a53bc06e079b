#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vantrel::cli {

/// vantrel-cli teg FILE.csv [--formato testo|csv|json] [--report OUT.RKT]
int comandoTeg(std::vector<std::string> args, std::ostream& out, std::ostream& err);

} // namespace vantrel::cli
