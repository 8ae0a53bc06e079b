#pragma once

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace vantrel::prova {

/// A fresh folder under the system's temporary folder, removed at the end of the test.
class CartellaTemporanea {
public:
    CartellaTemporanea() {
        std::random_device rd;
        path_ =
            std::filesystem::temp_directory_path() / ("vantrel-tassi-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~CartellaTemporanea() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    CartellaTemporanea(const CartellaTemporanea&) = delete;
    CartellaTemporanea& operator=(const CartellaTemporanea&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string conSeparatore() const { return path_.string() + "/"; }

private:
    std::filesystem::path path_;
};

using Bytes = std::vector<std::uint8_t>;

inline Bytes leggiFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void scriviFile(const std::filesystem::path& p, const Bytes& b) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

inline void aggiungiI16(Bytes& b, int v) {
    b.push_back(static_cast<std::uint8_t>(v & 0xFF));
    b.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

inline void aggiungiF32(Bytes& b, float v) {
    std::uint32_t u = 0;
    static_assert(sizeof u == sizeof v);
    std::memcpy(&u, &v, sizeof u);
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<std::uint8_t>((u >> (8 * i)) & 0xFF));
}

/// One 67-byte record laid out field by field: number, key padded to 5, then TM7 TM8 TM1..TM6,
/// TU1..TU6 and the four reserved bytes.
struct Periodo {
    std::string chiave;
    float tm7 = 0, tm8 = 0, tm1 = 0, tm2 = 0, tm3 = 0, tm4 = 0, tm5 = 0, tm6 = 0;
    float tu1 = 0, tu2 = 0, tu3 = 0, tu4 = 0, tu5 = 0, tu6 = 0;
    std::uint8_t riserva[4] = {0, 0, 0, 0};
};

inline Bytes record(int numero, const Periodo& p) {
    Bytes b;
    aggiungiI16(b, numero);
    for (std::size_t i = 0; i < 5; ++i)
        b.push_back(static_cast<std::uint8_t>(i < p.chiave.size() ? p.chiave[i] : ' '));
    for (float v : {p.tm7, p.tm8, p.tm1, p.tm2, p.tm3, p.tm4, p.tm5, p.tm6, p.tu1, p.tu2, p.tu3, p.tu4, p.tu5, p.tu6})
        aggiungiF32(b, v);
    for (std::uint8_t r : p.riserva)
        b.push_back(r);
    return b;
}

inline Bytes fileDati(const std::vector<Periodo>& periodi) {
    Bytes b;
    for (std::size_t i = 0; i < periodi.size(); ++i) {
        const Bytes r = record(static_cast<int>(i + 1), periodi[i]);
        b.insert(b.end(), r.begin(), r.end());
    }
    return b;
}

inline Bytes fileNumero(int n) {
    Bytes b;
    aggiungiI16(b, n);
    return b;
}

/// Writes both rate files of a folder.
inline void scriviTassi(const std::filesystem::path& cartella, const std::vector<Periodo>& periodi) {
    scriviFile(cartella / "NtassiU.dat", fileDati(periodi));
    scriviFile(cartella / "NRectassiU.dat", fileNumero(static_cast<int>(periodi.size())));
}

} // namespace vantrel::prova
