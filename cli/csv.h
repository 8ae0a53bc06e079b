#pragma once

#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vantrel::cli {

/// A ";"-separated file with a header line of column names, as the command line reads it.
struct TabellaCsv {
    std::vector<std::string> colonne;
    std::vector<std::vector<std::string>> righe; // each as long as `colonne`
    std::vector<int> numeriRiga;                 // line number in the file of each row

    /// The text of a column of row r, or nothing when the file has no such column.
    std::optional<std::string> campo(std::size_t r, const std::string& colonna) const;
};

/// Reads a file of that kind one row at a time, so that a file of any length takes little memory.
/// Every error throws ErroreCsv with an Italian message naming file, line and column.
class LettoreCsv {
public:
    /// Reads the header line and checks its names against `colonneAmmesse`.
    LettoreCsv(std::istream& in, std::string path, const std::vector<std::string>& colonneAmmesse);
    const std::vector<std::string>& colonne() const { return colonne_; }
    /// The next row, as long as the header, and its line number in the file; false at the end.
    bool prossima(std::vector<std::string>& campi, int& numeroRiga);

private:
    bool riga(std::string& testo);

    std::istream& in_;
    std::string path_;
    std::vector<std::string> colonne_;
    int numero_ = 0;
    std::optional<std::string> seguito_; // what followed a lone CR on the last line read
};

/// Reads the file, which must hold at least one row; throws ErroreCsv with an Italian message naming file, line and
/// column.
TabellaCsv leggiCsv(const std::string& path, const std::vector<std::string>& colonneAmmesse);

/// The same on a file's content; `path` names it in the messages.
TabellaCsv leggiCsvTesto(std::string content, const std::string& path, const std::vector<std::string>& colonneAmmesse);

struct ErroreCsv {
    std::string messaggio;
};

std::string erroreInput(const std::string& file, int riga, int colonna, const std::string& testo);

} // namespace vantrel::cli
