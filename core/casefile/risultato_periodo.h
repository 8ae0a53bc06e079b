#pragma once

#include "account/importi.h"
#include "common/date.h"

#include <string>

namespace vantrel {

/// What a recalculation kept of one period: the scalare's figures and the period check's outcome.
struct RisultatoPeriodo {
    Data dal, al;
    std::int64_t numeriDebitori = 0; // cents x days
    Centesimi massimoScoperto = 0;
    Centesimi interessi = 0; // within and over the line
    Centesimi cms = 0;
    Centesimi commissioni = 0; // on the credit line and for overdrafts
    Centesimi spese = 0;
    Centesimi addebitiBanca = 0;     // the bank's entries of the period
    Centesimi differenza = 0;        // worked out less debited
    std::string teg, soglia, supero; // as the calculation window shows them; empty without a check
    std::string riga;                // the result row
    std::string messaggi;            // the check's messages, joined by " | "

    friend bool operator==(const RisultatoPeriodo&, const RisultatoPeriodo&) = default;
};

} // namespace vantrel
