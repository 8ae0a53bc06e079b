#pragma once

#include "common/servizi.h"

namespace vantrel {

/// The zip reader over zlib: the central directory, stored or deflated entries, CRC checked.
class LettoreZipZlib : public LettoreZip {
public:
    std::optional<std::string> estraiCsv(std::string_view archivio, std::string& errore) const override;
};

} // namespace vantrel
