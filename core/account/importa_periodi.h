#pragma once

#include "teg/controllo_periodo.h"

#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

/// What is wrong in a file of periods, and where.
struct ErroreImportazione {
    int riga = 0;        // row as a spreadsheet numbers it, the header being row 1; 0: the whole file
    std::string colonna; // the column's header as written (its number when it has none); empty: none
    std::string testo;

    /// "riga 14, colonna Interessi: '12,3,4' non è un importo".
    std::string messaggio() const;
};

struct PeriodiImportati {
    std::vector<PeriodoDaControllare> periodi;
    std::vector<std::string> colonneIgnorate; // headers of the columns the program does not know
};

/// Reads the periods of an account from a CSV file, one row at a time, so that a long file takes no
/// more memory than its text (the format is leggiPeriodi's). The constructor reads the header and
/// throws ErroreImportazione when it is wrong; prossimo throws at a bad cell.
class LettorePeriodi {
public:
    explicit LettorePeriodi(std::string_view contenuto);
    const std::vector<std::string>& colonneIgnorate() const { return ignorate_; }
    /// The next period; false after the last.
    bool prossimo(PeriodoDaControllare& p);
    /// Back to the first row after the header.
    void riavvolgi();

    struct Colonna {
        std::string nome; // as written
        int ruolo;
    };

private:
    std::string testo_;
    std::vector<Colonna> colonne_;
    std::vector<std::string> ignorate_;
    std::size_t inizio_ = 0, posizione_ = 0;
    int rigaInizio_ = 0, riga_ = 0;
};

/// Reads the periods of an account from a CSV file as a spreadsheet saves it on an Italian system:
/// ";" between cells, decimal comma and thousands dots, UTF-8 (with or without BOM) or
/// Windows-1252, CR LF, LF or CR line ends, cells in double quotes. The columns go by their header:
/// the control names (dal, al, Giorni, NumeriD, intDare, ComMS, extrafido, speseN, ComMS2, ASpese,
/// fido, Acc, categoria, accordato, valuta, norma, formula) or the plain headers a user writes
/// ("Numeri debitori", "Interessi", "CMS", "Altri interessi", "Spese", "CMS spese", "Altri oneri",
/// "Accordato", "Fido utilizzato", ...), case, accents and punctuation aside. Rows above the header
/// and empty rows are skipped. Throws ErroreImportazione at the first bad cell: nothing is read then.
PeriodiImportati leggiPeriodi(std::string_view contenuto);

/// The same from a file; a file that cannot be read is an error of the whole file.
PeriodiImportati leggiFilePeriodi(const std::string& path);

} // namespace vantrel
