#pragma once

#include "common/servizi.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace vantrel {

/// The rows of a CSV file as home banking and spreadsheets save it: UTF-8 (with or without its
/// byte-order mark) or Windows-1252, told apart row by row; ";", "," or a tab between cells (the one
/// the first rows use most, outside quotes); cells in double quotes may hold the separator, doubled
/// quotes and line breaks; CR LF, LF or CR end a row. The stream is read a piece at a time.
class RigheCsv : public RigheFoglio {
public:
    explicit RigheCsv(std::istream& in);
    bool prossima(std::vector<CellaFoglio>& celle, int& riga) override;
    const std::string& errore() const override { return errore_; }
    char separatore() const { return separatore_; }

private:
    bool ricarica();
    bool fineRecord(std::size_t& fine, std::size_t& dopo);
    char scegliSeparatore();
    void dividi(std::string_view record, std::vector<CellaFoglio>& celle) const;

    std::istream& in_;
    std::string buf_;
    std::size_t pos_ = 0;
    bool finito_ = false;
    char separatore_ = ';';
    int riga_ = 0;
    std::string errore_;
};

} // namespace vantrel
