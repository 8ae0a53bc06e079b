#include "shell/cartella_programma.h"

#include "rates/dati_pubblici.h"
#include "rates/fonti_tassi.h"
#include "rates/riferimento_serie.h"

#include <cstdlib>
#include <fstream>
#include <random>

namespace vantrel {
namespace fs = std::filesystem;
namespace {

constexpr const char* kFileTassi[] = {"NtassiU.dat", "NRectassiU.dat"};
// Read-only references beside the rate set: the official series, the legal rate, the BOT auctions.
constexpr const char* kFileRiferimento[] = {kFileSerieUfficiale, kFileTassoLegale, kFileAsteBot};

bool esiste(const fs::path& p) {
    std::error_code ec;
    return fs::exists(p, ec);
}

// Copies the pair of rate files; on any failure removes what was copied.
bool copiaTassi(const fs::path& da, const fs::path& a) {
    for (const char* nome : kFileTassi)
        if (!esiste(da / nome)) return false;
    std::error_code ec;
    for (const char* nome : kFileTassi) {
        if (!fs::copy_file(da / nome, a / nome, ec) || ec) {
            for (const char* copiato : kFileTassi)
                fs::remove(a / copiato, ec);
            return false;
        }
    }
    // The sources of the default rates go along when there are any; without them none is recorded.
    if (esiste(da / kFileFontiTassi)) fs::copy_file(da / kFileFontiTassi, a / kFileFontiTassi, ec);
    return true;
}

} // namespace

fs::path tassiPredefiniti(const fs::path& eseguibile) {
    return eseguibile.parent_path() / "share" / "vantrel";
}

fs::path cartellaUtente(const char* xdgDataHome, const char* home) {
    if (xdgDataHome && *xdgDataHome && fs::path(xdgDataHome).is_absolute()) return fs::path(xdgDataHome) / "vantrel";
    if (home && *home) return fs::path(home) / ".local" / "share" / "vantrel";
    return {};
}

bool cartellaScrivibile(const fs::path& cartella) {
    std::random_device rd;
    const fs::path prova = cartella / (".vantrel-prova-" + std::to_string(rd()));
    bool creato = false;
    {
        std::ofstream out(prova, std::ios::binary | std::ios::app);
        creato = out.is_open();
    }
    std::error_code ec;
    if (creato) fs::remove(prova, ec);
    return creato;
}

SceltaCartella scegliCartella(const fs::path& cartellaEseguibile, bool eseguibileScrivibile, const fs::path& utente) {
    // "/usr/bin/" and "/usr/bin" are the same folder.
    const fs::path eseguibile =
        cartellaEseguibile.has_filename() ? cartellaEseguibile : cartellaEseguibile.parent_path();
    const fs::path predefiniti = tassiPredefiniti(eseguibile);
    const bool installato = esiste(predefiniti / kFileTassi[0]);
    if ((eseguibileScrivibile && !installato) || utente.empty()) return {eseguibile, true, false};

    SceltaCartella s{utente, false, false};
    std::error_code ec;
    fs::create_directories(utente, ec);
    if (!esiste(utente / kFileTassi[0]) && !esiste(utente / kFileTassi[1]))
        s.tassiCopiati = copiaTassi(predefiniti, utente);
    // The references arrive on their own too: a folder from before one was installed gets it.
    for (const char* nome : kFileRiferimento)
        if (!esiste(utente / nome) && esiste(predefiniti / nome)) fs::copy_file(predefiniti / nome, utente / nome, ec);
    return s;
}

fs::path cartellaDocumenti(const char* xdgDocumentsDir, const char* home) {
    if (xdgDocumentsDir && *xdgDocumentsDir && fs::path(xdgDocumentsDir).is_absolute()) return xdgDocumentsDir;
    if (!home || !*home) return {};
    for (const char* nome : {"Documenti", "Documents"})
        if (std::error_code ec; fs::is_directory(fs::path(home) / nome, ec)) return fs::path(home) / nome;
    return fs::path(home) / "Documenti";
}

fs::path cartellaReport(const SceltaCartella& scelta, fs::path documenti) {
    if (scelta.portatile) return scelta.cartella;
    if (documenti.empty()) documenti = cartellaDocumenti(std::getenv("XDG_DOCUMENTS_DIR"), std::getenv("HOME"));
    if (documenti.empty()) return scelta.cartella;
    const fs::path report = documenti / "Vantrel";
    std::error_code ec;
    fs::create_directories(report, ec);
    return fs::is_directory(report, ec) ? report : scelta.cartella;
}

SceltaCartella cartellaProgramma(const fs::path& eseguibile) {
    return scegliCartella(eseguibile, cartellaScrivibile(eseguibile),
                          cartellaUtente(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")));
}

} // namespace vantrel
