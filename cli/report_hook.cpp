#include "report_hook.h"

#include "common/cp1252.h"
#include "teg/taeg.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace vantrel::cli {

std::vector<std::string> riepilogoDi(Taeg&) {
    return {};
}

std::string salvaListaComeReport(const std::string& path, const std::vector<std::string>& righe) {
    const std::string tmp = path + ".tmp";
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        for (const auto& r : righe)
            out << daUtf8ACp1252(r) << "\r\n";
        out << "Fine\r\n";
        out.flush();
        if (!out) {
            std::remove(tmp.c_str());
            return "impossibile scrivere il report " + path;
        }
    }
    std::error_code ec;
    std::filesystem::rename(tmp, path, ec);
    if (ec) {
        std::remove(tmp.c_str());
        return "impossibile scrivere il report " + path + ": " + ec.message();
    }
    return {};
}

} // namespace vantrel::cli
