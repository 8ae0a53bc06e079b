#include "shell/impostazioni.h"

#include "common/file_esiste.h"
#include "common/file_record.h"
#include "common/file_sicuro.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace vantrel {
namespace {

// The whole file, empty when it cannot be read.
std::string contenuto(const std::string& path) {
    std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

template <typename Record>
bool leggiRecord(const std::string& path, Record& r) {
    if (!fileEsiste(path)) return true; // nothing saved yet: the record stays, and no file is made
    std::vector<std::uint8_t> b;
    if (!FileRecord(path, Record::kLunghezza).leggi(1, b)) return false;
    // Only the bytes present in the file replace the record: a short file leaves the rest.
    std::error_code ec;
    const auto size = std::filesystem::file_size(std::filesystem::u8path(path), ec);
    const std::size_t n = ec ? 0 : std::min<std::size_t>(static_cast<std::size_t>(size), Record::kLunghezza);
    std::copy_n(b.begin(), n, r.byte.begin());
    return true;
}

// Record 1 replaces the head of the file, whatever follows it stays; the file is replaced whole, so
// that a crash leaves the old settings or the new ones, never half of each.
template <typename Record>
bool scriviRecord(const std::string& path, const Record& r) {
    std::string file = contenuto(path);
    if (file.size() < Record::kLunghezza) file.resize(Record::kLunghezza, '\0');
    std::copy(r.byte.begin(), r.byte.end(), file.begin());
    return sostituisciFile(path, file).empty();
}

} // namespace

bool leggiOpzStampa(StatoProgramma& stato) {
    return leggiRecord(percorso(stato.cartellaDati, kFileOpzStampa), stato.opzStampa);
}

bool leggiImposta(StatoProgramma& stato) {
    return leggiRecord(percorso(stato.cartellaDati, kFileImposta), stato.imposta);
}

bool leggiImpostazioni(StatoProgramma& stato) {
    const bool a = leggiOpzStampa(stato);
    const bool b = leggiImposta(stato);
    return a && b;
}

bool scriviImpostazioni(const StatoProgramma& stato) {
    const bool a = scriviRecord(percorso(stato.cartellaDati, kFileImposta), stato.imposta);
    const bool b = scriviRecord(percorso(stato.cartellaDati, kFileOpzStampa), stato.opzStampa);
    return a && b;
}

void scegliMaschera(StatoProgramma& stato, int decimali) {
    static const char* const maschere[] = {"#,###,###,##0", "#,###,###,##0.0", "#,###,###,##0.00", "#,###,###,##0.000",
                                           "#,###,###,##0.0000"};
    if (decimali >= 0 && decimali <= 4) stato.mascheraImporti = maschere[decimali];
}

} // namespace vantrel
