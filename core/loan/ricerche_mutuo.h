#pragma once

#include <cstdint>
#include <optional>

namespace vantrel {

/// The step of both rate searches, added to the running rate at each step.
inline constexpr double kPassoRicerca = 0.0001;
/// Steps the TAEG search tries before giving up.
inline constexpr long kPassiTaeg = 2000000;
/// The annual-rate search has no natural end when the instalment cannot be reached; it gives up here.
inline constexpr long kPassiTassoMassimi = 1000000000;

/// The value `x` reaches after `passi` additions of kPassoRicerca, each rounded as a double addition
/// is. Inside one binade every addition adds the same rounded increment, so whole runs are jumped.
double avanzaPassi(double x, long passi);

/// The rate the annual-rate search tries after `passi` additions of kPassoRicerca to 0.5: the same
/// double as avanzaPassi(0.5, passi), read from a table of the runs between binade edges.
double tassoDopoPassi(long passi);

/// The annual rate: 0.5 plus 0.0001 at each step, the first rate at which the instalment reaches
/// the given one plus one currency unit. No value when it is not reached within the step limit.
std::optional<double> cercaTassoAnnuo(double importo, double numRate, std::int16_t ratePerAnno, double rataData,
                                      long limite = kPassiTassoMassimi);

/// The present value of `numRate` instalments at the periodic rate `p`.
double valoreAttuale(double rata, double p, int numRate);

/// The TAEG in percent: the annual rate rises by 0.0001 from `j` until the present value of the
/// instalments, rounded to 4 decimals, no longer exceeds the net amount. No value when that does
/// not happen within `limite` steps.
std::optional<double> cercaTaeg(double netto, double rata, double j, std::int16_t ratePerAnno, int numRate,
                                long limite = kPassiTaeg);

} // namespace vantrel
