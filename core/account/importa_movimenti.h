#pragma once

#include "account/movimento.h"
#include "common/servizi.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

/// What a column of a movements file holds.
enum class RuoloColonna { Ignota, DataOperazione, DataValuta, Descrizione, Dare, Avere, Importo };

/// "data operazione", "data valuta", "descrizione", "dare (addebiti)", "avere (accrediti)",
/// "importo con segno", "ignorata".
std::string descrizioneRuolo(RuoloColonna r);

/// A column of the file: its header as written, how it is read, and its first cell.
struct ColonnaMovimenti {
    std::string intestazione;
    RuoloColonna ruolo = RuoloColonna::Ignota;
    std::string esempio;
};

/// How a movements file was read: the preview shown before anything is kept, and the summary after.
struct LetturaMovimenti {
    int rigaIntestazione = 0;
    std::vector<ColonnaMovimenti> colonne;
    std::vector<Movimento> primi; // the first movements read (at most kPrimi), as they will be kept
    std::size_t movimenti = 0;
    Centesimi addebiti = 0, accrediti = 0;     // sums of the debits (negative) and credits
    std::optional<Data> primaData, ultimaData; // by operation date
    int senzaValuta = 0;                       // rows without a value date: the operation date was taken
    /// "riga 14, colonna Dare: '12,3,4' non è un importo"; empty when the whole file was read. When
    /// it is set, what was received must be dropped: nothing of the file is imported.
    std::string errore;

    static constexpr std::size_t kPrimi = 20;
};

/// Reads the movements of a home-banking export, CSV or the sheet of a workbook, row by row: each
/// movement goes to `ricevi` as soon as it is read, none is kept. The header is the first of the
/// first 30 rows that names an operation date and an amount (title rows above it are skipped); its
/// columns go by their names, case, accents and signs aside: "Data operazione", "Data contabile",
/// "Data registrazione" or "Data"; "Data valuta" or "Valuta" (a "Valuta" column holding currency
/// codes is left aside); "Descrizione", "Causale", "Descrizione operazione", "Operazione" or
/// "Dettagli" (several are joined); "Dare", "Addebiti" or "Uscite" and "Avere", "Accrediti" or
/// "Entrate", whatever the sign of their amounts, or one signed "Importo". Dates are day first or
/// year first, amounts Italian (or numbers and date serials in a workbook). Empty rows are
/// skipped; a row without a value date takes its operation date. The first bad cell stops the
/// reading with its row and column named.
LetturaMovimenti leggiMovimenti(RigheFoglio& righe, const std::function<void(const Movimento&)>& ricevi);

} // namespace vantrel
