#pragma once

#include <string>

namespace vantrel {

/// True when the path names an existing ordinary file; any error of the lookup gives false.
bool fileEsiste(const std::string& path);

/// Joins a folder (with or without its trailing separator) and a file name.
std::string percorso(const std::string& cartella, const std::string& nome);

} // namespace vantrel
