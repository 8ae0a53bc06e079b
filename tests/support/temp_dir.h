#pragma once

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace vantrel::test {

/// A fresh folder under the system's temporary folder, removed at the end of the test.
class CartellaTemporanea {
public:
    CartellaTemporanea() : CartellaTemporanea(std::filesystem::temp_directory_path()) {}
    /// Under `base` (a memory file system, where a test writes thousands of files safely, flushed each).
    explicit CartellaTemporanea(const std::filesystem::path& base) {
        std::random_device rd;
        path_ = base / ("vantrel-test-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~CartellaTemporanea() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    CartellaTemporanea(const CartellaTemporanea&) = delete;
    CartellaTemporanea& operator=(const CartellaTemporanea&) = delete;

    /// The folder with its trailing separator, as the program keeps its folders.
    std::string cartella() const { return path_.string() + "/"; }
    std::string file(const std::string& nome) const { return (path_ / nome).string(); }

private:
    std::filesystem::path path_;
};

inline std::vector<unsigned char> leggiByte(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string leggiTesto(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void scriviByte(const std::string& path, const std::vector<unsigned char>& b) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

inline void scriviTesto(const std::string& path, const std::string& s) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << s;
}

/// What a shell command writes on its standard output (pdftotext, odt2txt, unzip...).
inline std::string uscitaDi(const std::string& comando) {
    std::string out;
    if (FILE* f = popen(comando.c_str(), "r")) {
        std::array<char, 4096> b{};
        for (std::size_t n; (n = std::fread(b.data(), 1, b.size(), f)) > 0;)
            out.append(b.data(), n);
        pclose(f);
    }
    return out;
}

} // namespace vantrel::test
