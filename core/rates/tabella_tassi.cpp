#include "rates/tabella_tassi.h"

#include "common/file_esiste.h"
#include "common/record_file.h"
#include "common/text.h"

namespace vantrel {

bool TabellaTassi::CaricaTassi(const std::string& cartella) {
    std::vector<std::uint8_t> buf;
    if (!FileRecord(percorso(cartella, kFileNumeroTassi), 2).leggi(1, buf)) return false;
    NumPeriodi = leggiI16(buf.data());

    const FileRecord dati(percorso(cartella, kFileTassi), RecordTassi::kLunghezza);
    bool ok = validi() > 0 || dati.leggi(1, buf); // opening creates a missing data file
    for (int i = 1; i <= validi(); ++i) {
        slot(i) = RecordTassi{};
        if (!dati.leggi(i, buf)) {
            ok = false;
            break;
        }
        RecordTassi r = RecordTassi::decodifica(buf);
        if (r.Periodo.find('\0') != std::string::npos) r.Periodo.clear(); // no record there
        slot(i) = std::move(r);
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
