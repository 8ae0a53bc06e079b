#pragma once

#include "account/scalare.h"
#include "casefile/pratica.h"

namespace vantrel {

/// The choices of the case's scalare: its opening balance and first day, the charges entered by hand.
OpzioniScalare opzioniPratica(const Pratica& p);

/// The case's movements summed by day, the bank's entries told apart by the case's words.
GiorniConto giorniPratica(const Pratica& p);

} // namespace vantrel
