#include "reports/file_report.h"

#include "common/cp1252.h"
#include "common/file_esiste.h"
#include "common/file_sicuro.h"
#include "reports/spazi.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace vantrel {

std::string contenutoReport(const std::vector<std::string>& righe) {
    std::string out;
    std::size_t n = 6;
    for (const auto& r : righe)
        n += r.size() + 2;
    out.reserve(n);
    for (const auto& r : righe) {
        out += daUtf8ACp1252(r);
        out += "\r\n";
    }
    out += "Fine\r\n";
    return out;
}

std::vector<std::string> righeReport(std::string_view c) {
    std::vector<std::string> righe;
    std::size_t pos = 0;
    while (pos < c.size()) {
        std::size_t fine = c.find_first_of("\r\n", pos);
        std::string_view riga = c.substr(pos, fine == std::string_view::npos ? std::string_view::npos : fine - pos);
        if (fine == std::string_view::npos)
            pos = c.size();
        else if (c[fine] == '\r' && fine + 1 < c.size() && c[fine + 1] == '\n')
            pos = fine + 2;
        else
            pos = fine + 1;
        if (riga != "Fine") righe.push_back(daCp1252AUtf8(riga));
        if (togliSpazi(riga) == "Fine") break;
    }
    return righe;
}

std::string erroreReport(std::string_view c) {
    // Tab, line ends and the form feed are a text's; any other control byte is a binary file's.
    const auto binario = [](char b) {
        const auto u = static_cast<unsigned char>(b);
        return (u < 0x20 && b != '\t' && b != '\n' && b != '\r' && b != '\f') || u == 0x7F;
    };
    if (std::any_of(c.begin(), c.end(), binario)) return "il file non è un report: contiene dati che non sono testo";
    // The program's own empty list is "Fine" alone: a report still.
    if (c.find_first_not_of(" \t\r\n\f") == std::string_view::npos) return "il file non è un report: è vuoto";
    return {};
}

std::optional<std::string> leggiFile(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream f(path, std::ios::binary);
    if (!f) return std::nullopt;
    std::string s;
    f.seekg(0, std::ios::end);
    const auto n = f.tellg();
    if (n < 0) return std::nullopt;
    s.resize(static_cast<std::size_t>(n));
    f.seekg(0);
    f.read(s.data(), n);
    if (!f) return std::nullopt;
    return s;
}

bool salvaReport(Contesto& ctx, const std::vector<std::string>& righe, const std::string& nome) {
    if (togliSpazi(nome).empty()) {
        ctx.messaggio({kTitoloProgramma, testiReport::mancaNome});
        return false;
    }
    if (!ctx.servizi.file) return false;
    // A cancelled dialog stops the save: nothing is written anywhere the user did not choose.
    const auto path = ctx.servizi.file->salva(nome + ".RKT", ctx.stato.cartellaReport);
    if (!path || path->empty()) return false;
    if (fileEsiste(*path)) {
        const Risposta r = ctx.messaggio(
            {"AVVERTIMENTO!", testiReport::sovrascrivi, Icona::Avviso, Pulsanti::OkAnnulla, Risposta::Annulla});
        if (r != Risposta::Ok) return false;
    }
    const std::string errore = sostituisciFile(*path, contenutoReport(righe), ctx.servizi.disco);
    if (errore.empty()) return true;
    ctx.messaggio({kTitoloProgramma, testiReport::nonSalvato + errore + ". Il report esistente non è stato modificato.",
                   Icona::Critica});
    return false;
}

bool apriReport(Contesto& ctx, std::vector<std::string>& righe) {
    if (!ctx.servizi.file) return false;
    const auto path = ctx.servizi.file->apri("*.RKT", ctx.stato.cartellaReport);
    if (!path) return false;
    const auto contenuto = leggiFile(*path);
    const std::string errore = contenuto ? erroreReport(*contenuto) : "impossibile leggere il file";
    if (!errore.empty()) {
        ctx.messaggio({kTitoloProgramma, "Impossibile aprire " + *path + ": " + errore + ".", Icona::Critica});
        return false;
    }
    righe = righeReport(*contenuto);
    return true;
}

} // namespace vantrel
