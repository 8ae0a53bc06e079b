#include "common/file_esiste.h"

#include <filesystem>
#include <system_error>

namespace vantrel {

bool fileEsiste(const std::string& path) {
    if (path.empty()) return false;
    std::error_code ec;
    return std::filesystem::is_regular_file(std::filesystem::u8path(path), ec) && !ec;
}

std::string percorso(const std::string& cartella, const std::string& nome) {
    if (cartella.empty()) return nome;
    const char last = cartella.back();
    if (last == '/' || last == '\\') return cartella + nome;
    return cartella + "/" + nome;
}

} // namespace vantrel
