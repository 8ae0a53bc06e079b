#pragma once

#include "common/servizi.h"

#include <cstdint>
#include <functional>
#include <istream>
#include <memory>
#include <string>

namespace vantrel {

/// The rows of a movements or conditions file: the first sheet of an Excel workbook (.xlsx), read
/// through `xlsx`, or a CSV file. Every `kOgni` rows it reports how far it is (bytes of a CSV file,
/// rows of a workbook, whose size is not known); when `avanza` answers false the reading stops with
/// the error "lettura annullata", so that nothing read is kept.
class RigheFile : public RigheFoglio {
public:
    /// Null with the reason in `errore` (Italian) when the file cannot be read.
    static std::unique_ptr<RigheFile> apri(const std::string& path, const LettoreXlsx* xlsx, std::string& errore);

    bool prossima(std::vector<CellaFoglio>& celle, int& riga) override;
    const std::string& errore() const override { return errore_.empty() ? righe_->errore() : errore_; }

    /// Done and total (0: not known); false stops the reading.
    std::function<bool(std::size_t, std::size_t)> avanza;
    static constexpr int kOgni = 512;

private:
    RigheFile() = default;

    std::unique_ptr<std::istream> flusso_;
    std::unique_ptr<RigheFoglio> righe_;
    std::size_t dimensione_ = 0;
    std::size_t lette_ = 0;
    std::string errore_;
};

namespace testiRigheFile {
inline constexpr const char* annullata = "lettura annullata";
}

} // namespace vantrel
