#pragma once

#include "support/temp_dir.h"

#include <string>

namespace vantrel::test {

/// What Debian's openpyxl prints of the workbook `path`: `script` runs with it open as `wb`, and its
/// errors are part of the answer. The script goes in on standard input, so nothing lands beside the
/// workbook.
inline std::string leggiXlsx(const std::string& path, const std::string& script) {
    return uscitaDi("/usr/bin/python3 - '" + path + "' 2>&1 <<'FINE_SCRIPT'\n" +
                    "import openpyxl, sys\nwb = openpyxl.load_workbook(sys.argv[1])\n" + script + "\nFINE_SCRIPT\n");
}

} // namespace vantrel::test
