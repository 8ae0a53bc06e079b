#include "rates/tabella_tassi.h"

#include "common/file_esiste.h"
#include "common/file_record.h"
#include "common/testo.h"

#include <cmath>
#include <filesystem>
#include <optional>

namespace vantrel {
namespace {

// One of the two files as found before the load, which creates a missing one.
struct FileTrovato {
    bool esiste = false;
    std::optional<std::uintmax_t> byte; // none: missing or not an ordinary file

    explicit FileTrovato(const std::string& path) {
        std::error_code ec;
        esiste = std::filesystem::exists(path, ec);
        if (!std::filesystem::is_regular_file(path, ec)) return;
        const auto n = std::filesystem::file_size(path, ec);
        if (!ec) byte = n;
    }
};

// A period as the program writes it: a key of digits and blanks (the quarter and the year, or a
// shorter key saved without one of them) and rates that are percentages. Anything else comes from
// a damaged or foreign file.
bool benFormato(const RecordTassi& r) {
    for (char c : r.periodo)
        if (c != ' ' && (c < '0' || c > '9')) return false;
    const auto tasso = [](float v) { return std::isfinite(v) && v >= 0 && v <= 1000; };
    for (std::size_t i = 1; i < r.TM.size(); ++i)
        if (!tasso(r.TM[i])) return false;
    for (std::size_t i = 1; i < r.TU.size(); ++i)
        if (!tasso(r.TU[i])) return false;
    return true;
}

std::string periodi(long long n) {
    return std::to_string(n) + (n == 1 ? " periodo" : " periodi");
}

// What is wrong with the two rate files, judged from what was found and the count read; empty when
// they agree.
std::string difettoFile(const FileTrovato& numero, const FileTrovato& dati, int conteggio) {
    const std::string fNumero = std::string("il file ") + kFileNumeroTassi,
                      fDati = std::string("il file ") + kFileTassi;
    const auto& byteNumero = numero.byte;
    const auto& byteDati = dati.byte;
    if (numero.esiste && !byteNumero) return fNumero + " non è un file ordinario";
    if (dati.esiste && !byteDati) return fDati + " non è un file ordinario";
    if (byteNumero.value_or(0) != 0 && *byteNumero != 2)
        return fNumero + " è di " + std::to_string(*byteNumero) + " byte invece di 2";
    if (byteNumero.value_or(0) == 0 && byteDati.value_or(0) > 0)
        return fDati + " contiene dati ma manca il loro numero in " + kFileNumeroTassi;
    if (conteggio < 0 || conteggio > TabellaTassi::kMassimo)
        return fNumero + " indica " + periodi(conteggio) + ", ammessi da 0 a " + std::to_string(TabellaTassi::kMassimo);
    const auto presenti = byteDati.value_or(0) / RecordTassi::kLunghezza;
    if (presenti < static_cast<std::uintmax_t>(conteggio))
        return fNumero + " indica " + periodi(conteggio) + " ma " + kFileTassi + " ne contiene " +
               std::to_string(presenti);
    return {};
}

} // namespace

bool TabellaTassi::caricaTassi(const std::string& cartella) {
    const std::string numero = percorso(cartella, kFileNumeroTassi);
    const std::string datiFile = percorso(cartella, kFileTassi);
    const FileTrovato trovatoNumero(numero), trovatoDati(datiFile); // before the reads create them
    stato_ = StatoTassi::Caricata;
    difetto_.clear();
    const auto guasto = [this](std::string d) {
        if (stato_ == StatoTassi::Illeggibile) return; // the first fault says enough
        stato_ = StatoTassi::Illeggibile;
        difetto_ = std::move(d);
    };

    std::vector<std::uint8_t> buf;
    const bool assente = !trovatoNumero.esiste && !trovatoDati.esiste;
    if (!FileRecord(numero, 2).leggi(1, buf)) { // a folder that cannot be written cannot create it either
        if (assente)
            stato_ = StatoTassi::Assente;
        else
            guasto(std::string("impossibile leggere il file ") + kFileNumeroTassi);
        return false;
    }
    numPeriodi = leggiI16(buf.data());

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

    if (assente) {
        stato_ = StatoTassi::Assente;
        return ok;
    }
    if (const std::string d = difettoFile(trovatoNumero, trovatoDati, numPeriodi); !d.empty())
        guasto(d);
    else if (malformati > 0)
        guasto(periodi(malformati) + " con dati non validi in " + kFileTassi + ", a partire dal record " +
               std::to_string(primoMalformato));
    else if (stato_ == StatoTassi::Caricata && validi() == 0)
        stato_ = StatoTassi::Vuota;
    return ok;
}

int TabellaTassi::cercaPeriodo(std::string_view chiave) const {
    for (int i = 1; i <= validi(); ++i)
        if (trim(slot(i).periodo) == chiave) return i;
    return 0;
}

} // namespace vantrel
