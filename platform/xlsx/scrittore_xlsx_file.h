#pragma once

#include "common/servizi.h"

namespace vantrel {

/// Writes workbooks with libxlsxwriter: numbers as numbers with their formats, a bold header row
/// that stays in view, the column widths, the highlighted rows filled in red, the totals in bold.
class ScrittoreXlsxFile : public ScrittoreXlsx {
public:
    std::string scrivi(const CartellaLavoro& c, const std::string& path) override;
};

} // namespace vantrel
