#pragma once

#include "common/documento.h"

#include <string>
#include <vector>

namespace vantrel::odt {

/// A picture of the package: its path inside it and its bytes.
struct Figura {
    std::string percorso;
    std::string png;
};

/// The XML parts of an OpenDocument text (ODF 1.3): the body with its tables and pictures, the
/// styles with an upright and a lying A4 page, the metadata, the manifest.
std::string contenuto(const Documento& d, std::vector<Figura>& figure);
std::string stili();
std::string metadati(const Documento& d);
std::string manifesto(const std::vector<Figura>& figure);

/// A text with the XML characters escaped.
std::string xml(std::string_view testo);

} // namespace vantrel::odt
