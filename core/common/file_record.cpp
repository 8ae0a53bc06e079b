#include "common/file_record.h"

#include "common/cp1252.h"

#include <bit>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace vantrel {

FileRecord::FileRecord(std::string path, std::size_t lunghezza) : path_(std::move(path)), lunghezza_(lunghezza) {}

bool FileRecord::leggi(long n, std::vector<std::uint8_t>& out) const {
    out.assign(lunghezza_, 0);
    const auto p = std::filesystem::u8path(path_);
    std::error_code ec;
    if (!std::filesystem::exists(p, ec)) {
        std::ofstream create(p, std::ios::binary); // a missing file is created empty
        return static_cast<bool>(create);
    }
    std::ifstream in(p, std::ios::binary);
    if (!in) return false;
    in.seekg(static_cast<std::streamoff>((n - 1) * static_cast<long>(lunghezza_)));
    if (!in) return true;
    in.read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(lunghezza_));
    return true;
}

bool FileRecord::scrivi(long n, const std::vector<std::uint8_t>& dati) const {
    const auto p = std::filesystem::u8path(path_);
    std::error_code ec;
    if (!std::filesystem::exists(p, ec)) {
        std::ofstream create(p, std::ios::binary);
        if (!create) return false;
    }
    std::fstream f(p, std::ios::binary | std::ios::in | std::ios::out);
    if (!f) return false;
    const auto offset = static_cast<std::streamoff>((n - 1) * static_cast<long>(lunghezza_));
    f.seekp(0, std::ios::end);
    const std::streamoff size = f.tellp();
    if (size < offset) { // a gap before the record is filled with zero bytes
        const std::vector<char> zeros(static_cast<std::size_t>(offset - size), 0);
        f.write(zeros.data(), static_cast<std::streamsize>(zeros.size()));
    }
    f.seekp(offset);
    f.write(reinterpret_cast<const char*>(dati.data()), static_cast<std::streamsize>(lunghezza_));
    f.flush();
    return static_cast<bool>(f);
}

float leggiF32(const std::uint8_t* p) {
    std::uint32_t u = static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
                      (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
    return std::bit_cast<float>(u);
}

void scriviF32(std::uint8_t* p, float v) {
    const auto u = std::bit_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>((u >> (8 * i)) & 0xFF);
}

void scriviTestoFisso(std::uint8_t* p, std::size_t len, const std::string& utf8) {
    const std::string bytes = daUtf8ACp1252(utf8);
    for (std::size_t i = 0; i < len; ++i)
        p[i] = i < bytes.size() ? static_cast<std::uint8_t>(bytes[i]) : ' ';
}

std::string leggiTestoFisso(const std::uint8_t* p, std::size_t len) {
    return daCp1252AUtf8(std::string(reinterpret_cast<const char*>(p), len));
}

} // namespace vantrel
