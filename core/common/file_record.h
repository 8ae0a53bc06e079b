#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {

/// Random access to a file of fixed-length records, as the program's binary files are kept:
/// record n (from 1) starts at (n - 1) x length. Opening creates a missing file empty.
/// Every call opens, works and closes the file; nothing stays open between calls.
class FileRecord {
public:
    FileRecord(std::string path, std::size_t lunghezza);

    /// Reads record n; a record past the end, or its missing tail, reads as zero bytes.
    /// False when the file cannot be opened or created.
    bool leggi(long n, std::vector<std::uint8_t>& out) const;
    bool scrivi(long n, const std::vector<std::uint8_t>& dati) const;

private:
    std::string path_;
    std::size_t lunghezza_;
};

inline std::int16_t leggiI16(const std::uint8_t* p) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(p[0] | (p[1] << 8)));
}
inline void scriviI16(std::uint8_t* p, std::int16_t v) {
    const auto u = static_cast<std::uint16_t>(v);
    p[0] = static_cast<std::uint8_t>(u & 0xFF);
    p[1] = static_cast<std::uint8_t>(u >> 8);
}
float leggiF32(const std::uint8_t* p);
void scriviF32(std::uint8_t* p, float v);

/// A fixed-length text field: padded with spaces on the right, cut to the length (Windows-1252).
void scriviTestoFisso(std::uint8_t* p, std::size_t len, const std::string& utf8);
std::string leggiTestoFisso(const std::uint8_t* p, std::size_t len);

} // namespace vantrel
