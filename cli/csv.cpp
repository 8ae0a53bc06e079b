#include "csv.h"

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
        if (i < line.size() && line[i] == '"') {
            ++i;
            while (i < line.size()) {
                if (line[i] != '"') {
                    campo += line[i++];
                } else if (i + 1 < line.size() && line[i + 1] == '"') {
                    campo += '"';
                    i += 2;
                } else {
                    ++i;
                    break;
                }
            }
        }
        // Unquoted text, or what follows the closing quote, runs to the next ";".
        const std::size_t fine = std::min(line.find(';', i), line.size());
        campo.append(line, i, fine - i);
        if (fine == line.size()) return out;
        i = fine + 1;
    }
}

} // namespace

std::string erroreInput(const std::string& file, int riga, int colonna, const std::string& testo) {
    std::ostringstream s;
    s << file << ", riga " << riga;
    if (colonna > 0) s << ", colonna " << colonna;
    s << ": " << testo;
    return s.str();
}

std::optional<std::string> TabellaCsv::campo(std::size_t r, const std::string& colonna) const {
    const auto it = std::find(colonne.begin(), colonne.end(), colonna);
    if (it == colonne.end()) return std::nullopt;
    return righe[r][static_cast<std::size_t>(it - colonne.begin())];
}

TabellaCsv leggiCsv(const std::string& path, const std::vector<std::string>& ammesse) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw ErroreCsv{path + ": impossibile leggere il file"};
    std::string content;
    std::error_code ec;
    if (const auto size = std::filesystem::file_size(path, ec); !ec) content.reserve(size);
    char blocco[1 << 16];
    while (in.read(blocco, sizeof blocco) || in.gcount() > 0)
        content.append(blocco, static_cast<std::size_t>(in.gcount()));
    if (in.bad()) throw ErroreCsv{path + ": impossibile leggere il file"};
    return leggiCsvTesto(std::move(content), path, ammesse);
}

TabellaCsv leggiCsvTesto(std::string content, const std::string& path, const std::vector<std::string>& ammesse) {
    if (content.starts_with("\xEF\xBB\xBF")) content.erase(0, 3);

    TabellaCsv t;
    std::size_t pos = 0;
    int numero = 0;
    bool header = true;
    while (pos < content.size()) {
        std::size_t end = content.find('\n', pos);
        if (end == std::string::npos) end = content.size();
        std::string_view line(content.data() + pos, end - pos);
        pos = end + 1;
        ++numero;
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (header) {
            if (line.empty()) throw ErroreCsv{erroreInput(path, numero, 0, "manca la riga di intestazione")};
            t.colonne = dividi(line);
            for (std::size_t c = 0; c < t.colonne.size(); ++c) {
                const std::string& nome = t.colonne[c];
                if (std::find(ammesse.begin(), ammesse.end(), nome) != ammesse.end()) continue;
                if (t.colonne.size() == 1 &&
                    (nome.find(',') != std::string::npos || nome.find('\t') != std::string::npos))
                    throw ErroreCsv{
                        erroreInput(path, numero, 1, "separatore errato: le colonne vanno separate da \";\"")};
                throw ErroreCsv{
                    erroreInput(path, numero, static_cast<int>(c) + 1, "colonna sconosciuta \"" + nome + "\"")};
            }
            for (std::size_t c = 0; c < t.colonne.size(); ++c)
                for (std::size_t d = c + 1; d < t.colonne.size(); ++d)
                    if (t.colonne[c] == t.colonne[d])
                        throw ErroreCsv{erroreInput(path, numero, static_cast<int>(d) + 1,
                                                    "colonna ripetuta \"" + t.colonne[d] + "\"")};
            header = false;
            continue;
        }
        if (line.empty()) continue;
        auto campi = dividi(line);
        if (campi.size() > t.colonne.size())
            throw ErroreCsv{erroreInput(path, numero, static_cast<int>(t.colonne.size()) + 1,
                                        "la riga ha " + std::to_string(campi.size()) + " campi, l'intestazione " +
                                            std::to_string(t.colonne.size()))};
        campi.resize(t.colonne.size());
        t.righe.push_back(std::move(campi));
        t.numeriRiga.push_back(numero);
    }
    if (header) throw ErroreCsv{erroreInput(path, 1, 0, "il file è vuoto: manca la riga di intestazione")};
    return t;
}

} // namespace vantrel::cli
