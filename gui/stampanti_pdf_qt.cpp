#include "stampanti_pdf_qt.h"

#include "platform/qt/stampante_qt.h"

#include <filesystem>

namespace vantrel::gui {

std::unique_ptr<Stampante> StampantiPdfQt::apri(const std::string& filePdf) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (filePdf.empty() || !fs::is_directory(fs::absolute(fs::path(filePdf)).parent_path(), ec)) return nullptr;
    return std::make_unique<qt::StampanteQt>(filePdf);
}

} // namespace vantrel::gui
