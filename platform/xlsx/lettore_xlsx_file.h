#pragma once

#include "common/servizi.h"

namespace vantrel {

/// Reads the first sheet of an .xlsx workbook with libzip (the archive) and expat (the XML): shared
/// and inline strings, numbers (amounts and date serials), formulas by their cached value. The
/// sheet is parsed a piece at a time as its rows are asked for; only the shared strings are held.
class LettoreXlsxFile : public LettoreXlsx {
public:
    std::unique_ptr<RigheFoglio> apri(const std::string& path, std::string& errore) const override;
};

} // namespace vantrel
