#include "rates/riferimento_serie.h"

#include "common/file_esiste.h"
#include "common/file_sicuro.h"
#include "rates/lettura_serie.h"

#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>
#include <random>

namespace vantrel {
namespace {

// True when `fine` is `grezzo` or has more decimals and `grezzo` is its rounding (either way at half).
bool arrotondamento(const TassoEsatto& fine, const TassoEsatto& grezzo) {
    if (fine == grezzo) return true;
    if (fine.decimali <= grezzo.decimali) return false;
    std::int64_t meta = TassoEsatto::kPunto / 2;
    for (int d = 0; d < grezzo.decimali; ++d)
        meta /= 10;
    return std::abs(fine.unita - grezzo.unita) <= meta;
}

// The stored rows of a period hold the imported ones, figure by figure or with more decimals.
bool periodoPiuPreciso(const SerieUfficiale& a, const PeriodoSerie& pa, const SerieUfficiale& b,
                       const PeriodoSerie& pb) {
    if (pa.oltre - pa.prima != pb.oltre - pb.prima) return false;
    for (std::size_t j = pb.prima; j < pb.oltre; ++j) {
        const RigaSerie& nuova = b.righe()[j];
        bool trovata = false;
        for (std::size_t i = pa.prima; i < pa.oltre && !trovata; ++i) {
            const RigaSerie& r = a.righe()[i];
            trovata = r.categoria == nuova.categoria && r.classe == nuova.classe &&
                      arrotondamento(r.tegm, nuova.tegm) && arrotondamento(r.soglia, nuova.soglia);
        }
        if (!trovata) return false;
    }
    return true;
}

// How many periods of `s` share a day with `v`.
int sovrapposti(const PeriodoSerie& v, const SerieUfficiale& s) {
    int n = 0;
    for (const PeriodoSerie& p : s.periodi())
        n += !(v.fine < p.inizio || p.fine < v.inizio);
    return n;
}

} // namespace

SerieUfficiale unisciSerie(const SerieUfficiale* attuale, const SerieUfficiale& importata) {
    if (!attuale) return importata;
    std::vector<RigaSerie> righe;
    righe.reserve(attuale->righe().size() + importata.righe().size());
    for (const PeriodoSerie& p : importata.periodi()) {
        const SerieUfficiale* da = &importata;
        const PeriodoSerie* q = &p;
        for (const PeriodoSerie& v : attuale->periodi())
            if (v.inizio == p.inizio && sovrapposti(v, importata) == 1 &&
                periodoPiuPreciso(*attuale, v, importata, p)) {
                da = attuale;
                q = &v;
            }
        righe.insert(righe.end(), da->righe().begin() + static_cast<std::ptrdiff_t>(q->prima),
                     da->righe().begin() + static_cast<std::ptrdiff_t>(q->oltre));
    }
    for (const PeriodoSerie& v : attuale->periodi()) {
        if (sovrapposti(v, importata) == 0)
            righe.insert(righe.end(), attuale->righe().begin() + static_cast<std::ptrdiff_t>(v.prima),
                         attuale->righe().begin() + static_cast<std::ptrdiff_t>(v.oltre));
    }
    return SerieUfficiale(std::move(righe));
}

bool scriviRiferimentoSerie(const std::string& cartella, const SerieUfficiale& s, std::string& errore) {
    if (sostituisciFile(percorso(cartella, kFileSerieUfficiale), testoSerie(s)).empty()) return true;
    errore = "impossibile scrivere la serie ufficiale nella cartella " + cartella;
    return false;
}

std::shared_ptr<const SerieUfficiale> serieDellaCartella(const std::string& cartella, std::string& errore) {
    // One copy for every window: the file is read again when its path, size or time changes. A file
    // that cannot be read is remembered as such too, or a batch of periods would read it for each one.
    struct Letta {
        std::string file;
        std::uintmax_t dimensione = 0;
        std::filesystem::file_time_type ora;
        std::shared_ptr<const SerieUfficiale> serie;
        std::string errore;
    };
    static std::mutex m;
    static std::optional<Letta> ultima;
    const std::string file = percorso(cartella, kFileSerieUfficiale);
    std::error_code ec;
    const auto dimensione = std::filesystem::file_size(file, ec);
    const auto ora = ec ? std::filesystem::file_time_type{} : std::filesystem::last_write_time(file, ec);
    std::lock_guard lock(m);
    if (!ec && ultima && ultima->file == file && ultima->dimensione == dimensione && ultima->ora == ora) {
        errore = ultima->errore;
        return ultima->serie;
    }
    EsitoSerie letta = leggiFileSerie(file, nullptr);
    Letta nuova{file, dimensione, ora, nullptr, {}};
    if (letta.ok())
        nuova.serie = std::make_shared<const SerieUfficiale>(std::move(*letta.serie));
    else
        nuova.errore = letta.errore.messaggio();
    errore = nuova.errore;
    auto serie = nuova.serie;
    if (!ec) ultima = std::move(nuova);
    return serie;
}

} // namespace vantrel
