#include "rates/tabella_tassi.h"

#include "common/file_esiste.h"
#include "common/record_file.h"
#include "common/text.h"

#include <cmath>
#include <filesystem>
#include <optional>

namespace vantrel {
namespace {

std::optional<std::uintmax_t> dimensione(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    const auto n = std::filesystem::file_size(path, ec);
    if (ec) return std::nullopt;
    return n;
}

// A period as the program writes it: a key of digits and blanks (the quarter and the year, or a
// shorter key saved without one of them) and rates that are percentages. Anything else comes from
// a damaged or foreign file.
bool benFormato(const RecordTassi& r) {
    for (char c : r.Periodo)
        if (c != ' ' && (c < '0' || c > '9')) return false;
    const auto tasso = [](float v) { return std::isfinite(v) && v >= 0 && v <= 1000; };
    for (std::size_t i = 1; i < r.TM.size(); ++i)
        if (!tasso(r.TM[i])) return false;
    for (std::size_t i = 1; i < r.TU.size(); ++i)
        if (!tasso(r.TU[i])) return false;
    return true;
}

} // namespace

bool TabellaTassi::CaricaTassi(const std::string& cartella) {
    const std::string numero = percorso(cartella, kFileNumeroTassi);
    const std::string datiFile = percorso(cartella, kFileTassi);
    // Measured before the reads, which create a missing file.
    const auto byteNumero = dimensione(numero);
    const auto byteDati = dimensione(datiFile);
    stato_ = StatoTassi::Caricata;
    difetto_.clear();
    const auto guasto = [this](std::string d) {
        if (stato_ == StatoTassi::Illeggibile) return; // the first fault says enough
        stato_ = StatoTassi::Illeggibile;
        difetto_ = std::move(d);
    };

    std::vector<std::uint8_t> buf;
    if (!FileRecord(numero, 2).leggi(1, buf)) {
        guasto(std::string("impossibile leggere il file ") + kFileNumeroTassi);
        return false;
    }
    NumPeriodi = leggiI16(buf.data());

    const FileRecord dati(datiFile, RecordTassi::kLunghezza);
    bool ok = validi() > 0 || dati.leggi(1, buf); // opening creates a missing data file
    int malformati = 0, primoMalformato = 0;
    for (int i = 1; i <= validi(); ++i) {
        slot(i) = RecordTassi{};
        if (!dati.leggi(i, buf)) {
            ok = false;
            guasto(std::string("impossibile leggere il file ") + kFileTassi);
            break;
        }
        RecordTassi r = RecordTassi::decodifica(buf);
        if (!benFormato(r)) {
            if (malformati++ == 0) primoMalformato = i;
            continue; // the slot stays blank: no period
        }
        slot(i) = std::move(r);
    }

    const auto n = [](auto v) { return std::to_string(v); };
    const std::uintmax_t presenti = byteDati.value_or(0) / RecordTassi::kLunghezza;
    if (!byteNumero && !byteDati) {
        stato_ = StatoTassi::Assente;
    } else if (byteNumero.value_or(0) != 0 && *byteNumero != 2) {
        guasto(std::string("il file ") + kFileNumeroTassi + " è di " + n(*byteNumero) + " byte invece di 2");
    } else if (byteNumero.value_or(0) == 0 && byteDati.value_or(0) > 0) {
        guasto(std::string("il file ") + kFileTassi + " contiene dati ma manca il loro numero in " + kFileNumeroTassi);
    } else if (NumPeriodi < 0 || NumPeriodi > kMassimo) {
        guasto(std::string("il file ") + kFileNumeroTassi + " indica " + n(NumPeriodi) + " periodi, ammessi da 0 a " +
               n(kMassimo));
    } else if (presenti < static_cast<std::uintmax_t>(NumPeriodi)) {
        guasto(std::string("il file ") + kFileNumeroTassi + " indica " + n(NumPeriodi) + " periodi ma " + kFileTassi +
               " ne contiene " + n(presenti));
    } else if (malformati > 0) {
        guasto(n(malformati) + (malformati == 1 ? " periodo" : " periodi") + " con dati non validi in " + kFileTassi +
               ", a partire dal record " + n(primoMalformato));
    } else if (stato_ == StatoTassi::Caricata && validi() == 0) {
        stato_ = StatoTassi::Vuota;
    }
    return ok;
}

int TabellaTassi::CercaPeriodo(std::string_view chiave) const {
    for (int i = 1; i <= validi(); ++i)
        if (trim(slot(i).Periodo) == chiave) return i;
    return 0;
}

bool TabellaTassi::Accoda(const std::string& cartella, int n) const {
    if (!FileRecord(percorso(cartella, kFileTassi), RecordTassi::kLunghezza).scrivi(n, slot(n).codifica()))
        return false;
    std::vector<std::uint8_t> count(2);
    scriviI16(count.data(), NumPeriodi);
    return FileRecord(percorso(cartella, kFileNumeroTassi), 2).scrivi(1, count);
}

bool TabellaTassi::Sovrascrivi(const std::string& cartella, int k) const {
    return FileRecord(percorso(cartella, kFileTassi), RecordTassi::kLunghezza).scrivi(k, slot(k).codifica());
}

} // namespace vantrel
