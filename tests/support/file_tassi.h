#pragma once

#include "support/temp_dir.h"

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

namespace vantrel::test {

using Bytes = std::vector<unsigned char>;

inline void aggiungi(Bytes& b, std::uint32_t v, int byte) {
    for (int i = 0; i < byte; ++i)
        b.push_back(static_cast<unsigned char>((v >> (8 * i)) & 0xFF));
}

/// One period as the data file lays it out: key padded to 5, then TM7 TM8 TM1..TM6, TU1..TU6, reserved bytes.
struct Periodo {
    std::string chiave;
    float tm7 = 0, tm8 = 0, tm1 = 0, tm2 = 0, tm3 = 0, tm4 = 0, tm5 = 0, tm6 = 0;
    float tu1 = 0, tu2 = 0, tu3 = 0, tu4 = 0, tu5 = 0, tu6 = 0;
    std::uint32_t riserva = 0;
};

/// The data file of the given periods, numbered from 1, 67 little-endian bytes each, laid out by hand
/// independently of the program's coder.
inline Bytes fileDati(const std::vector<Periodo>& periodi) {
    Bytes b;
    for (std::size_t n = 0; n < periodi.size(); ++n) {
        const Periodo& p = periodi[n];
        aggiungi(b, static_cast<std::uint32_t>(n + 1), 2);
        for (std::size_t i = 0; i < 5; ++i)
            b.push_back(static_cast<unsigned char>(i < p.chiave.size() ? p.chiave[i] : ' '));
        for (float v :
             {p.tm7, p.tm8, p.tm1, p.tm2, p.tm3, p.tm4, p.tm5, p.tm6, p.tu1, p.tu2, p.tu3, p.tu4, p.tu5, p.tu6})
            aggiungi(b, std::bit_cast<std::uint32_t>(v), 4);
        aggiungi(b, p.riserva, 4);
    }
    return b;
}

inline Bytes fileNumero(int n) {
    Bytes b;
    aggiungi(b, static_cast<std::uint32_t>(n), 2);
    return b;
}

/// Both rate files of a folder holding the given periods.
inline void scriviTassi(const CartellaTemporanea& dir, const std::vector<Periodo>& periodi) {
    scriviByte(dir.file("NtassiU.dat"), fileDati(periodi));
    scriviByte(dir.file("NRectassiU.dat"), fileNumero(static_cast<int>(periodi.size())));
}

} // namespace vantrel::test
