#pragma once

#include <optional>

namespace vantrel {

/// What a loan costs at disbursement beyond its instalments, as the usury check counts it. The
/// expense charged with every instalment is not here: it is inside the instalment paid.
struct CostiMutuo {
    double speseIniziali = 0; // inquiry and contract expenses
    double perizia = 0;       // the appraisal of the property
    double assicurazione = 0; // insurance linked to the loan, single premium
    double mediazione = 0;    // brokerage

    double totale() const { return speseIniziali + perizia + assicurazione + mediazione; }
};

/// The loan's TEG for the usury check, in percent: the effective annual rate at which the amount
/// disbursed net of the up-front costs equals the present value of the instalments as paid (each
/// with its own expense inside, counted once), on a year of 12 equal months: the k-th instalment
/// falls k / ratePerAnno years after disbursement. No value when the figures admit no such rate
/// (nothing disbursed net of costs, no instalments, or the instalments do not even repay the net
/// amount at a rate of -99 %, or only at a rate over 1.000.000 %).
std::optional<double> tegUsuraMutuo(double importo, double rataPagata, int numRate, int ratePerAnno,
                                    const CostiMutuo& costi);

} // namespace vantrel
