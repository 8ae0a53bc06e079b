#pragma once

#include "common/servizi.h"

namespace vantrel::gui {

/// PDF files printed with the desktop program's printer code.
class StampantiPdfQt : public StampantiPdf {
public:
    std::unique_ptr<Stampante> apri(const std::string& filePdf) override;
};

} // namespace vantrel::gui
