#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace vantrel::test {

/// An empty folder removed with its contents at the end of the test.
class CartellaTemporanea {
public:
    CartellaTemporanea() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() / ("vantrel-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~CartellaTemporanea() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    CartellaTemporanea(const CartellaTemporanea&) = delete;
    CartellaTemporanea& operator=(const CartellaTemporanea&) = delete;

    /// The folder with its trailing separator, as CartellaDati holds it.
    std::string cartella() const { return path_.string() + "/"; }
    std::filesystem::path file(const std::string& nome) const { return path_ / nome; }

    std::vector<unsigned char> leggi(const std::string& nome) const {
        std::ifstream in(file(nome), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void scrivi(const std::string& nome, const std::vector<unsigned char>& byte) const {
        std::ofstream out(file(nome), std::ios::binary);
        out.write(reinterpret_cast<const char*>(byte.data()), static_cast<std::streamsize>(byte.size()));
    }

private:
    std::filesystem::path path_;
};

} // namespace vantrel::test
