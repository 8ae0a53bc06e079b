#pragma once

#include <optional>

namespace vantrel {

/// What a loan costs beyond its instalments, as the usury check counts it.
struct CostiMutuo {
    double speseIniziali = 0; // inquiry and contract expenses, paid at disbursement
    double assicurazione = 0; // insurance linked to the loan, single premium at disbursement
    double mediazione = 0;    // brokerage, paid at disbursement
    double spesePerRata = 0;  // collection expenses charged with every instalment
};

/// The loan's TEG for the usury check, in percent: the effective annual rate at which the amount
/// disbursed net of the up-front costs equals the present value of the instalments and their
/// expenses, the k-th instalment falling k / ratePerAnno years after disbursement. No value when
/// the figures admit no such rate (nothing disbursed net of costs, no instalments, or the
/// instalments do not even repay the net amount at a rate of -99 %).
std::optional<double> tegUsuraMutuo(double importo, double rata, int numRate, int ratePerAnno, const CostiMutuo& costi);

} // namespace vantrel
