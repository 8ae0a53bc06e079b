#include "rates/scrittura_tabella.h"

#include "common/file_esiste.h"

#include <filesystem>
#include <random>

namespace vantrel {
namespace fs = std::filesystem;

std::optional<TabellaTassi> aggiornaTabellaTassi(const std::string& cartella,
                                                 const std::function<bool(TabellaTassi&)>& modifica,
                                                 std::string& errore) {
    errore.clear();
    TabellaTassi t;
    if (!t.CaricaTassi(cartella)) {
        errore = "impossibile leggere i file dei tassi nella cartella " + cartella;
        return std::nullopt;
    }
    if (!modifica(t)) return std::nullopt;

    std::random_device rd;
    const fs::path nuova =
        fs::path(percorso(cartella, ".vantrel-tassi-" + std::to_string(rd()) + std::to_string(rd())));
    const fs::path dati = percorso(cartella, kFileTassi);
    const fs::path numero = percorso(cartella, kFileNumeroTassi);
    const fs::path precedente = nuova.string() + "." + kFileTassi; // beside the folder, not inside it
    std::error_code ec;
    const auto fallito = [&] {
        std::error_code ignorato;
        fs::remove_all(nuova, ignorato);
        errore = "impossibile scrivere i file dei tassi nella cartella " + cartella + ": i file precedenti restano";
        return std::nullopt;
    };
    if (!fs::create_directory(nuova, ec) || ec) return fallito();
    const std::string dentro = nuova.string() + "/";
    bool ok = true;
    for (int i = 1; ok && i < t.validi(); ++i)
        ok = t.Sovrascrivi(dentro, i);
    ok = ok && (t.validi() == 0 ? TabellaTassi{}.CaricaTassi(dentro) : t.Accoda(dentro, t.validi()));
    if (!ok) return fallito();
    // The old data file waits aside until the count file is in place, and comes back if it cannot be.
    const bool cera = fs::exists(dati, ec);
    if (cera) {
        fs::rename(dati, precedente, ec);
        if (ec) return fallito();
    }
    fs::rename(nuova / kFileTassi, dati, ec);
    if (!ec) fs::rename(nuova / kFileNumeroTassi, numero, ec);
    if (ec) {
        std::error_code ignorato;
        if (cera) fs::rename(precedente, dati, ignorato);
        return fallito();
    }
    fs::remove(precedente, ec);
    fs::remove_all(nuova, ec);
    return t;
}

} // namespace vantrel
