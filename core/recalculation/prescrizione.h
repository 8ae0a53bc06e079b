#pragma once

#include "account/condizioni.h"
#include "account/giorni_conto.h"
#include "account/scalare.h"
#include "casefile/esito_ricalcolo.h"

#include <vector>

namespace vantrel {

/// The ten-year prescription of what the bank took unduly (art. 2946 c.c.; Cass. SS.UU. 24418/2010).
/// A remittance made more than ten years before the first claim (before the same day ten years
/// earlier) on an account in debit beyond its credit line paid that debt ("rimessa solutoria") up to
/// the part over the line; within the line it only restored the line ("ripristinatoria") and pays
/// nothing. What a solutoria pays of the amounts unduly charged so far is prescribed.
///
/// Conventions: a remittance is the day's net credit of the customer's movements, by value date;
/// the debit it meets is the recalculated balance before that day's movements (the balance purged
/// of what the choices remove, Cass. 9141/2020) against the credit line in force that day. The
/// amounts unduly charged before a day are the difference of the opening balances and, for each
/// period closed before that day, the bank's entries less the charges of the recalculation; each
/// remittance pays what earlier ones left of them.
class Prescrizione {
public:
    Prescrizione(const Data& primaRichiesta, const GiorniConto& giorni);

    /// The first day not prescribed.
    const Data& limite() const { return limite_; }
    /// Sees a day of the recalculated scalare, in order.
    void giorno(const GiornoScalare& g);
    /// The remittances that paid something over the line, with the part prescribed; `indebito` is,
    /// by period, what the bank took unduly before it.
    std::vector<RimessaSolutoria> calcola(const std::vector<Centesimi>& indebito,
                                          const std::vector<RigaCondizioni>& condizioni) const;

private:
    struct Rimessa {
        Data giorno;
        Centesimi importo, saldoPrima;
        std::size_t periodo;
    };
    Data limite_;
    const GiorniConto& giorni_;
    std::vector<Rimessa> rimesse_;
};

} // namespace vantrel
