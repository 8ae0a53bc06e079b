#pragma once

#include "common/cartella_lavoro.h"

#include <memory>
#include <string>
#include <vector>

namespace vantrel {

/// A workbook written to its file as its rows arrive, in libxlsxwriter's constant-memory mode: the
/// memory of a row, however many rows. Its sheets are made at once with their header rows (the rows
/// of the description given are not written); each sheet then takes its rows in order, and `chiudi`
/// writes the totals and puts the file in place of the destination, which is left as it was until then.
class CartellaXlsxInCorso {
public:
    CartellaXlsxInCorso(const CartellaLavoro& fogli, const std::string& path);
    ~CartellaXlsxInCorso();
    CartellaXlsxInCorso(const CartellaXlsxInCorso&) = delete;
    CartellaXlsxInCorso& operator=(const CartellaXlsxInCorso&) = delete;

    /// Appends a row to the sheet with index `foglio`; `evidenza` fills it as over the threshold.
    void riga(std::size_t foglio, const std::vector<Cella>& celle, bool evidenza);
    /// Writes each sheet's totals (one list per sheet, or fewer) and the file; an empty text on
    /// success, otherwise what went wrong (nothing is left then).
    std::string chiudi(const std::vector<std::vector<std::vector<Cella>>>& totali);

private:
    struct Stato;
    std::unique_ptr<Stato> s_;
};

} // namespace vantrel
