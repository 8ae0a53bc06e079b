#include "rates/fonti_tassi.h"

#include "common/file_esiste.h"
#include "common/file_sicuro.h"
#include "common/testo.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>
#include <sstream>
#include <vector>

namespace vantrel {
namespace {

constexpr std::string_view kIntestazione = "periodo;fonte";

// A source is one line of text: line breaks and the separator of the key would break the file.
std::string pulita(std::string_view s) {
    std::string r(trim(s));
    for (char& c : r)
        if (c == '\n' || c == '\r') c = ' ';
    return r;
}

// The sources last read, with the folder's file: a batch of periods asks for one on every row.
struct FontiLette {
    std::string file;
    std::map<std::string, std::string, std::less<>> fonti;
};
std::mutex mutexFonti;
std::optional<FontiLette> fontiLette; // guarded by mutexFonti

} // namespace

std::map<std::string, std::string> leggiFontiTassi(const std::string& cartella) {
    std::map<std::string, std::string> fonti;
    std::ifstream f(percorso(cartella, kFileFontiTassi), std::ios::binary);
    std::string riga;
    bool prima = true;
    while (std::getline(f, riga)) {
        if (!riga.empty() && riga.back() == '\r') riga.pop_back();
        if (prima && riga.starts_with("\xEF\xBB\xBF")) riga.erase(0, 3);
        const bool intestazione = prima && riga == kIntestazione;
        prima = false;
        const auto sep = riga.find(';');
        if (intestazione || sep == std::string::npos) continue;
        const std::string chiave(trim(std::string_view(riga).substr(0, sep)));
        if (!chiave.empty()) fonti[chiave] = pulita(std::string_view(riga).substr(sep + 1));
    }
    return fonti;
}

std::string fonteTassi(const std::string& cartella, std::string_view periodo) {
    const std::string file = percorso(cartella, kFileFontiTassi);
    std::lock_guard lock(mutexFonti);
    if (!fontiLette || fontiLette->file != file) {
        const auto fonti = leggiFontiTassi(cartella);
        fontiLette = FontiLette{file, {fonti.begin(), fonti.end()}};
    }
    const auto it = fontiLette->fonti.find(trim(periodo));
    return it == fontiLette->fonti.end() || it->second.empty() ? fonti::nonRegistrata : it->second;
}

void dimenticaFontiTassi() {
    std::lock_guard lock(mutexFonti);
    fontiLette.reset();
}

bool registraFontiTassi(const std::string& cartella, const std::map<std::string, std::string>& nuove,
                        bool sostituisci) {
    namespace fs = std::filesystem;
    auto fonti = sostituisci ? std::map<std::string, std::string>{} : leggiFontiTassi(cartella);
    for (const auto& [chiave, fonte] : nuove)
        fonti[std::string(trim(chiave))] = pulita(fonte);
    // In the order of the periods (year, then quarter), as a reader of the file expects.
    std::vector<std::pair<std::string, std::string>> righe(fonti.begin(), fonti.end());
    const auto ordine = [](const std::string& k) { return k.size() == 5 ? k.substr(1) + k[0] : k; };
    std::stable_sort(righe.begin(), righe.end(),
                     [&](const auto& a, const auto& b) { return ordine(a.first) < ordine(b.first); });
    std::ostringstream s;
    s << kIntestazione << '\n';
    for (const auto& [chiave, fonte] : righe)
        if (!chiave.empty() && chiave.find(';') == std::string::npos) s << chiave << ';' << fonte << '\n';
    const bool scritto = sostituisciFile(percorso(cartella, kFileFontiTassi), s.str()).empty();
    dimenticaFontiTassi();
    return scritto;
}

} // namespace vantrel
