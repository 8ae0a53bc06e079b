#pragma once

#include "teg/controllo_periodo.h"

#include <istream>
#include <memory>
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

/// Reads the periods of an account from a CSV file, one row at a time, so that a file of any length
/// takes the memory of one row (the format is leggiPeriodi's). The constructor reads the header and
/// throws ErroreImportazione when it is wrong; prossimo throws at a bad cell.
class LettorePeriodi {
public:
    /// A text in memory.
    explicit LettorePeriodi(std::string_view contenuto);
    /// A stream that can be read again from its start (a file: apriFilePeriodi).
    explicit LettorePeriodi(std::unique_ptr<std::istream> in);
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
    std::unique_ptr<std::istream> in_;
    bool cp1252_ = false; // the file is not UTF-8
    std::vector<Colonna> colonne_;
    std::vector<std::string> ignorate_;
    std::streampos inizio_ = 0; // of the first row after the header
    int rigaInizio_ = 0, riga_ = 0;
};

/// A file of periods opened for LettorePeriodi; throws ErroreImportazione for a folder or a file that
/// cannot be read.
std::unique_ptr<std::istream> apriFilePeriodi(const std::string& path);

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
