#include "csv.h"

#include "common/testo.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace vantrel::cli {
namespace {

// Splits one line on ";" with optional double quotes ("" inside quotes is a quote).
std::vector<std::string> dividi(std::string_view line) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (true) {
        std::string& campo = out.emplace_back();
        if (i < line.size() && line[i] == '"') leggiCellaVirgolettata(line, i, campo);
        // Unquoted text, or what follows the closing quote, runs to the next ";".
        const std::size_t fine = std::min(line.find(';', i), line.size());
        campo.append(line, i, fine - i);
        if (fine == line.size()) return out;
        i = fine + 1;
    }
}

TabellaCsv leggiCsvDa(std::istream& in, const std::string& path, const std::vector<std::string>& ammesse);

} // namespace

std::string erroreInput(const std::string& file, int riga, int colonna, const std::string& testo) {
    std::ostringstream s;
    s << file << ", riga " << riga;
    if (colonna > 0) s << ", colonna " << colonna;
    s << ": " << testo;
    return s.str();
}

namespace {

TabellaCsv leggiCsvDa(std::istream& in, const std::string& path, const std::vector<std::string>& ammesse) {
    LettoreCsv lettore(in, path, ammesse);
    TabellaCsv t;
    t.colonne = lettore.colonne();
    std::vector<std::string> campi;
    int numero = 0;
    while (lettore.prossima(campi, numero)) {
        t.righe.push_back(std::move(campi));
        t.numeriRiga.push_back(numero);
    }
    if (t.righe.empty()) throw ErroreCsv{path + ": " + kFileSenzaRighe};
    return t;
}

} // namespace

std::optional<std::string> TabellaCsv::campo(std::size_t r, const std::string& colonna) const {
    const auto it = std::find(colonne.begin(), colonne.end(), colonna);
    if (it == colonne.end() || r >= righe.size()) return std::nullopt;
    return righe[r][static_cast<std::size_t>(it - colonne.begin())];
}

LettoreCsv::LettoreCsv(std::istream& in, std::string path, const std::vector<std::string>& ammesse)
    : in_(in), path_(std::move(path)) {
    std::string testata;
    if (!riga(testata)) throw ErroreCsv{erroreInput(path_, 1, 0, "il file è vuoto: manca la riga di intestazione")};
    if (testata.starts_with("\xEF\xBB\xBF")) testata.erase(0, 3);
    if (testata.empty()) throw ErroreCsv{erroreInput(path_, numero_, 0, "manca la riga di intestazione")};
    colonne_ = dividi(testata);
    for (std::size_t c = 0; c < colonne_.size(); ++c) {
        const std::string& nome = colonne_[c];
        if (std::find(ammesse.begin(), ammesse.end(), nome) != ammesse.end()) continue;
        if (colonne_.size() == 1 && (nome.find(',') != std::string::npos || nome.find('\t') != std::string::npos))
            throw ErroreCsv{erroreInput(path_, numero_, 1, "separatore errato: le colonne vanno separate da \";\"")};
        throw ErroreCsv{erroreInput(path_, numero_, static_cast<int>(c) + 1, "colonna sconosciuta " + citazione(nome))};
    }
    for (std::size_t c = 0; c < colonne_.size(); ++c)
        for (std::size_t d = c + 1; d < colonne_.size(); ++d)
            if (colonne_[c] == colonne_[d])
                throw ErroreCsv{
                    erroreInput(path_, numero_, static_cast<int>(d) + 1, "colonna ripetuta " + citazione(colonne_[d]))};
}

bool LettoreCsv::riga(std::string& testo) {
    if (seguito_) {
        testo = std::move(*seguito_);
        seguito_.reset();
    } else if (!std::getline(in_, testo)) {
        if (in_.bad()) throw ErroreCsv{path_ + ": impossibile leggere il file"};
        return false;
    }
    ++numero_;
    // A lone CR ends a line too (files saved by older Mac programs): the rest waits for the next call.
    if (const std::size_t cr = testo.find('\r'); cr != std::string::npos) {
        if (cr + 1 < testo.size()) seguito_ = testo.substr(cr + 1);
        testo.resize(cr);
    }
    return true;
}

bool LettoreCsv::prossima(std::vector<std::string>& campi, int& numeroRiga) {
    std::string testo;
    while (riga(testo)) {
        if (testo.empty()) continue;
        campi = dividi(testo);
        if (campi.size() > colonne_.size())
            throw ErroreCsv{erroreInput(path_, numero_, static_cast<int>(colonne_.size()) + 1,
                                        "la riga ha " + std::to_string(campi.size()) + " campi, l'intestazione " +
                                            std::to_string(colonne_.size()))};
        campi.resize(colonne_.size());
        numeroRiga = numero_;
        return true;
    }
    return false;
}

TabellaCsv leggiCsv(const std::string& path, const std::vector<std::string>& ammesse) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) throw ErroreCsv{path + ": è una cartella, non un file CSV"};
    std::ifstream in(path, std::ios::binary);
    if (!in) throw ErroreCsv{path + ": impossibile leggere il file"};
    return leggiCsvDa(in, path, ammesse);
}

TabellaCsv leggiCsvTesto(std::string content, const std::string& path, const std::vector<std::string>& ammesse) {
    std::istringstream in(std::move(content));
    return leggiCsvDa(in, path, ammesse);
}

} // namespace vantrel::cli
