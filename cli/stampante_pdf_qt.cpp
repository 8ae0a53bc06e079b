#include "platform/qt/applicazione_qt.h"
#include "platform/qt/stampante_qt.h"
#include "stampante_pdf.h"

#include <filesystem>

namespace vantrel::cli {

FabbricaStampantePdf fabbricaStampantePdf() {
    return [](const std::string& pdf) -> std::unique_ptr<Stampante> {
        namespace fs = std::filesystem;
        const fs::path cartella = fs::absolute(fs::path(pdf)).parent_path();
        std::error_code ec;
        if (pdf.empty() || !fs::is_directory(cartella, ec)) return nullptr;
        qt::assicuraApplicazioneQt();
        return std::make_unique<qt::StampanteQt>(pdf);
    };
}

} // namespace vantrel::cli
