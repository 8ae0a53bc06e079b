#pragma once

#include "common/documento.h"
#include "common/servizi.h"

namespace vantrel {

/// Writes documents as OpenDocument texts: a zip package (libzip) whose first entry is the
/// uncompressed "mimetype", then the manifest, content.xml, styles.xml, meta.xml and the pictures.
/// Every entry carries the document's date at midnight, so that the same document on the same day
/// gives the same bytes. The file is replaced only when the whole package is written.
class ScrittoreOdtFile : public ScrittoreOdt {
public:
    std::string scrivi(const Documento& d, const std::string& path) override;
};

} // namespace vantrel
