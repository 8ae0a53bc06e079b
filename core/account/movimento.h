#pragma once

#include "account/importi.h"
#include "common/date.h"

#include <string>

namespace vantrel {

/// One line of a bank statement: registered on `operazione`, counting for interest from `valuta`
/// (which may come before it), debits negative.
struct Movimento {
    Data operazione;
    Data valuta;
    std::string descrizione;
    Centesimi importo = 0;

    friend bool operator==(const Movimento&, const Movimento&) = default;
};

} // namespace vantrel
