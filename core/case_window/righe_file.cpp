#include "case_window/righe_file.h"

#include "common/righe_csv.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

namespace vantrel {

std::unique_ptr<RigheFile> RigheFile::apri(const std::string& path, const LettoreXlsx* xlsx, std::string& errore) {
    std::unique_ptr<RigheFile> f(new RigheFile);
    std::string estensione = std::filesystem::path(path).extension().string();
    std::transform(estensione.begin(), estensione.end(), estensione.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (estensione == ".xlsx") {
        if (!xlsx) {
            errore = "la lettura dei file Excel non è disponibile";
            return nullptr;
        }
        f->righe_ = xlsx->apri(path, errore);
        return f->righe_ ? std::move(f) : nullptr;
    }
    std::error_code ec;
    auto in = std::make_unique<std::ifstream>(path, std::ios::binary);
    if (std::filesystem::is_directory(path, ec) || !*in) {
        errore = "impossibile leggere il file";
        return nullptr;
    }
    f->dimensione_ = static_cast<std::size_t>(std::filesystem::file_size(path, ec));
    f->righe_ = std::make_unique<RigheCsv>(*in);
    f->flusso_ = std::move(in);
    return f;
}

bool RigheFile::prossima(std::vector<CellaFoglio>& celle, int& riga) {
    if (!errore_.empty()) return false;
    if (avanza && ++lette_ % kOgni == 0) {
        const std::streamoff letti = flusso_ ? static_cast<std::streamoff>(flusso_->tellg()) : -1;
        const bool avanti = flusso_ ? avanza(letti >= 0 ? static_cast<std::size_t>(letti) : dimensione_, dimensione_)
                                    : avanza(lette_, 0);
        if (!avanti) {
            errore_ = testiRigheFile::annullata;
            return false;
        }
    }
    return righe_->prossima(celle, riga);
}

} // namespace vantrel
