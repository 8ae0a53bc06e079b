#pragma once

#include "support/temp_dir.h"

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace vantrel::test {

using RigaAttesa = std::map<std::string, std::string>;

/// The rows of a ";"-separated text without quotes, each by the names of its first line.
inline std::vector<RigaAttesa> righeTesto(const std::string& testo) {
    std::istringstream in(testo);
    std::vector<std::string> intestazione;
    std::vector<RigaAttesa> righe;
    for (std::string linea; std::getline(in, linea);) {
        if (!linea.empty() && linea.back() == '\r') linea.pop_back();
        std::vector<std::string> campi;
        std::stringstream s(linea + ";");
        for (std::string c; std::getline(s, c, ';');)
            campi.push_back(c);
        if (intestazione.empty()) {
            intestazione = campi;
            continue;
        }
        RigaAttesa& r = righe.emplace_back();
        for (std::size_t i = 0; i < intestazione.size(); ++i)
            r[intestazione[i]] = i < campi.size() ? campi[i] : "";
    }
    return righe;
}

/// The rows of such a file.
inline std::vector<RigaAttesa> righeFile(const std::string& path) {
    return righeTesto(leggiTesto(path));
}

} // namespace vantrel::test
