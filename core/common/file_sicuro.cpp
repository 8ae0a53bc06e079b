#include "common/file_sicuro.h"

#include "common/file_esiste.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

void togli(const std::string& path) {
    std::error_code ec;
    fs::remove(fs::u8path(path), ec);
}

// The new file's path, or what went wrong (nothing is left then).
struct Scritto {
    std::optional<std::string> path;
    std::string errore;
};

Scritto scrivi(const std::string& destinazione, std::string_view contenuto, Disco* disco) {
    for (int tentativo = 0; tentativo < 8; ++tentativo) {
        const std::string path = nomeFileNuovo(destinazione);
        // "x": a file of that name, however unlikely, is never overwritten.
        std::FILE* f = std::fopen(path.c_str(), "wbx");
        if (f == nullptr) {
            if (fileEsiste(path)) continue;
            return {std::nullopt, "non è possibile creare il file temporaneo " + path};
        }
        const bool scritto = std::fwrite(contenuto.data(), 1, contenuto.size(), f) == contenuto.size();
        const bool chiuso = std::fclose(f) == 0;
        if (scritto && chiuso && (disco == nullptr || disco->sincronizza(path))) return {path, {}};
        togli(path);
        return {std::nullopt, "errore di scrittura su " + path};
    }
    return {std::nullopt, "non è possibile creare un file temporaneo accanto a " + destinazione};
}

std::string alPostoDi(const std::string& nuovo, const std::string& path) {
    std::error_code ec;
    fs::rename(fs::u8path(nuovo), fs::u8path(path), ec);
    if (!ec) return {};
    togli(nuovo);
    return "non è possibile sostituire " + path;
}

} // namespace

// Drawn afresh each time, so that two processes, even forked from one, never draw alike.
std::string nomeFileNuovo(const std::string& destinazione) {
    std::random_device rd;
    std::uint64_t v = (static_cast<std::uint64_t>(rd()) << 32) ^ rd();
    std::string s(kCifreFileNuovo, '0');
    for (std::size_t i = kCifreFileNuovo; i-- > 0; v >>= 4)
        s[i] = "0123456789abcdef"[v & 0xF];
    return destinazione + "." + s + std::string(kSuffissoFileNuovo);
}

std::optional<std::string> scriviTemporaneo(const std::string& destinazione, std::string_view contenuto, Disco* disco) {
    return scrivi(destinazione, contenuto, disco).path;
}

std::string sostituisciFile(const std::string& path, std::string_view contenuto, Disco* disco) {
    const Scritto s = scrivi(path, contenuto, disco);
    return s.path ? alPostoDi(*s.path, path) : s.errore;
}

std::string sostituisciFile(const std::string& path, const std::function<std::string(const std::string&)>& scrivi) {
    const std::string nuovo = nomeFileNuovo(path);
    if (std::string errore = scrivi(nuovo); !errore.empty()) {
        togli(nuovo);
        return errore;
    }
    return alPostoDi(nuovo, path);
}

} // namespace vantrel
