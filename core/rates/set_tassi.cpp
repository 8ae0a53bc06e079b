#include "rates/set_tassi.h"

#include "common/file_esiste.h"
#include "common/file_record.h"
#include "common/file_sicuro.h"
#include "rates/fonti_tassi.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

// How the two files change as one set. The new files are written beside the old ones under names of
// their own ("NtassiU.dat.<16 hex digits>.nuovo") and flushed; then the journal naming them is
// written and renamed into place: that rename is the moment the new set takes over. The two renames
// over the old files follow, then the journal goes. Whoever next takes the lock finds a journal only
// after a crash past that moment, and finishes the renames it names; before that moment only the
// old set is in force, and the new files left behind are removed. Writers take the lock exclusive,
// readers shared, so nobody reads between the two renames.

namespace vantrel {
namespace {

namespace fs = std::filesystem;

constexpr const char* kFineGiornale = "fine";

// A name this code gives to a new file: one of the set's names, a dot, 16 hex digits, ".nuovo".
bool nomeTemporaneo(const std::string& nome) {
    for (const char* base : {kFileTassi, kFileNumeroTassi, kFileGiornaleTassi}) {
        const std::string b = std::string(base) + ".";
        if (nome.size() != b.size() + kCifreFileNuovo + kSuffissoFileNuovo.size() || !nome.starts_with(b) ||
            !nome.ends_with(kSuffissoFileNuovo))
            continue;
        const std::string_view cifre = std::string_view(nome).substr(b.size(), kCifreFileNuovo);
        if (cifre.find_first_not_of("0123456789abcdef") == std::string_view::npos) return true;
    }
    return false;
}

bool sincronizza(Disco* disco, const std::string& percorso) {
    return disco == nullptr || disco->sincronizza(percorso);
}

void togli(const std::string& path) {
    std::error_code ec;
    fs::remove(fs::u8path(path), ec);
}

std::string cartellaDi(const std::string& cartella) {
    return cartella.empty() ? std::string(".") : cartella;
}

std::string byteSet(const TabellaTassi& t, std::string& numero) {
    std::string dati;
    dati.reserve(static_cast<std::size_t>(t.validi()) * RecordTassi::kLunghezza);
    for (int i = 1; i <= t.validi(); ++i) {
        const auto r = t.slot(i).codifica();
        dati.append(r.begin(), r.end());
    }
    std::uint8_t n[2];
    scriviI16(n, static_cast<std::int16_t>(t.validi()));
    numero.assign(reinterpret_cast<const char*>(n), 2);
    return dati;
}

} // namespace

BloccoSetTassi::BloccoSetTassi(const std::string& cartella, Disco* disco, bool esclusivo) {
    if (disco != nullptr) blocco_ = disco->blocca(percorso(cartella, kFileBloccoTassi), esclusivo);
    riparaSetTassi(cartella, disco);
}

void riparaSetTassi(const std::string& cartella, Disco* disco) {
    std::error_code ec;
    const std::string giornale = percorso(cartella, kFileGiornaleTassi);
    if (fs::exists(fs::u8path(giornale), ec)) {
        std::ifstream in(fs::u8path(giornale));
        std::array<std::string, 3> righe;
        for (auto& r : righe)
            std::getline(in, r);
        // A journal cut short was never renamed into place: the old set is still whole.
        if (righe[2] == kFineGiornale && nomeTemporaneo(righe[0]) && nomeTemporaneo(righe[1])) {
            const std::array<std::pair<std::string, const char*>, 2> mosse = {
                {{righe[0], kFileTassi}, {righe[1], kFileNumeroTassi}}};
            for (const auto& [nuovo, vecchio] : mosse) {
                const auto da = fs::u8path(percorso(cartella, nuovo));
                if (!fs::exists(da, ec)) continue; // renamed before the crash
                fs::rename(da, fs::u8path(percorso(cartella, vecchio)), ec);
                if (ec) return; // the journal stays for the next try
            }
            sincronizza(disco, cartellaDi(cartella));
        }
        in.close();
        togli(giornale);
        sincronizza(disco, cartellaDi(cartella));
    }
    std::vector<fs::path> rimasti;
    for (const auto& e : fs::directory_iterator(fs::u8path(cartellaDi(cartella)), ec))
        if (nomeTemporaneo(e.path().filename().string())) rimasti.push_back(e.path());
    for (const auto& p : rimasti)
        fs::remove(p, ec);
}

bool scriviSetTassi(const std::string& cartella, const TabellaTassi& t, Disco* disco, std::string& errore,
                    const PuntoDiGuasto& guasto) {
    const auto crollo = [&](PassoSet p) { return guasto && guasto(p); };
    std::string numero;
    const std::string dati = byteSet(t, numero);
    std::vector<std::string> creati;
    const auto fallito = [&](const std::string& perche) {
        for (const auto& c : creati)
            togli(c);
        errore = perche;
        return false;
    };
    const std::string impossibile = "impossibile scrivere i file dei tassi nella cartella " + cartella;

    const auto nuoviDati = scriviTemporaneo(percorso(cartella, kFileTassi), dati, nullptr);
    if (!nuoviDati) return fallito(impossibile);
    creati.push_back(*nuoviDati);
    if (crollo(PassoSet::DatiScritti)) return false; // a crash leaves its files as they are
    const auto nuovoNumero = scriviTemporaneo(percorso(cartella, kFileNumeroTassi), numero, nullptr);
    if (!nuovoNumero) return fallito(impossibile);
    creati.push_back(*nuovoNumero);
    if (crollo(PassoSet::NumeroScritto)) return false;
    if (!sincronizza(disco, *nuoviDati) || !sincronizza(disco, *nuovoNumero))
        return fallito("impossibile salvare su disco i file dei tassi nella cartella " + cartella);
    if (crollo(PassoSet::NuoviSincronizzati)) return false;

    const std::string giornale = percorso(cartella, kFileGiornaleTassi);
    std::ostringstream testo;
    testo << fs::u8path(*nuoviDati).filename().string() << '\n'
          << fs::u8path(*nuovoNumero).filename().string() << '\n'
          << kFineGiornale << '\n';
    const auto giornaleNuovo = scriviTemporaneo(giornale, testo.str(), disco);
    if (!giornaleNuovo) return fallito(impossibile);
    creati.push_back(*giornaleNuovo);
    if (crollo(PassoSet::GiornaleScritto)) return false;
    std::error_code ec;
    fs::rename(fs::u8path(*giornaleNuovo), fs::u8path(giornale), ec);
    if (ec) return fallito(impossibile + " (" + ec.message() + ")");
    sincronizza(disco, cartellaDi(cartella));
    if (crollo(PassoSet::GiornaleValido)) return false;

    // The new set is in force: what fails from here on the repair finishes.
    fs::rename(fs::u8path(*nuoviDati), fs::u8path(percorso(cartella, kFileTassi)), ec);
    if (crollo(PassoSet::DatiSostituiti)) return false;
    if (!ec) fs::rename(fs::u8path(*nuovoNumero), fs::u8path(percorso(cartella, kFileNumeroTassi)), ec);
    if (crollo(PassoSet::NumeroSostituito)) return false;
    if (ec) {
        riparaSetTassi(cartella, disco);
        if (fs::exists(fs::u8path(giornale), ec)) {
            errore = impossibile + ": il nuovo set sarà completato alla prossima apertura";
            return false;
        }
        return true;
    }
    sincronizza(disco, cartellaDi(cartella));
    togli(giornale);
    if (crollo(PassoSet::GiornaleTolto)) return false;
    sincronizza(disco, cartellaDi(cartella));
    return true;
}

void togliFileNuoviDelProgramma(const std::string& cartella, Disco* disco) {
    static constexpr const char* kPropri[] = {kFileTassi, kFileNumeroTassi, kFileGiornaleTassi};
    togliFileNuoviAbbandonatiInCartella(cartellaDi(cartella), kPropri, disco);
}

bool caricaSetTassi(TabellaTassi& t, const std::string& cartella, Disco* disco) {
    const BloccoSetTassi blocco(cartella, disco, false);
    dimenticaFontiTassi(); // the sources are read again with the rates they describe
    return t.caricaTassi(cartella);
}

std::optional<TabellaTassi> modificaSetTassi(const std::string& cartella, Disco* disco,
                                             const std::function<bool(TabellaTassi&)>& modifica, std::string& errore) {
    errore.clear();
    const BloccoSetTassi blocco(cartella, disco, true);
    TabellaTassi t;
    if (!t.caricaTassi(cartella)) {
        errore = "impossibile leggere i file dei tassi nella cartella " + cartella;
        return std::nullopt;
    }
    if (!modifica(t)) return std::nullopt;
    if (!scriviSetTassi(cartella, t, disco, errore)) return std::nullopt;
    return t;
}

} // namespace vantrel
