#pragma once

#include "teg/controllo_periodo.h"
#include "teg/finestra_calcolo.h"

#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

namespace vantrel::cli {

/// The output of the period checks, flowing out as the periods are worked out: the result list as
/// text ("testo"), the output fields as CSV ("csv") or every field as JSON ("json").
class UscitaTeg {
public:
    UscitaTeg(std::string formato, std::ostream& out);

    /// A line of the header block of the result list (text only).
    void intestazione(const std::string& riga);
    /// The period the window `w` has just checked.
    void periodo(FinestraCalcolo& w, const EsitoControllo& e);
    void fine();
    /// Sends what is kept once it reaches `soglia` bytes (0: all of it).
    void scarica(std::size_t soglia);

private:
    void oggettoJson(FinestraCalcolo& w, const EsitoControllo& e);

    std::string formato_;
    std::ostream& out_;
    std::vector<int> colonne_;
    std::vector<std::pair<std::string, int>> campiJson_; // what goes before each field's value, and its control
    std::string buf_;
    std::size_t righeJson_ = 0;
};

} // namespace vantrel::cli
