#pragma once

#include <array>
#include <cstdint>

namespace vantrel {

/// The loan figures the calculation window keeps between two presses of Calcola.
struct StatoMutuo {
    std::array<std::int16_t, 6> mesiPeriodo{}; // months between due dates for each frequency option
    std::int16_t mesiRata = 0;
    std::int16_t ratePerAnno = 0;
    double tassoPeriodo = 0; // periodic rate as a fraction
    double tasso = 0;        // annual nominal rate in percent
    double rata = 0;         // instalment without expenses
    double importo = 0;
    double numRate = 0;
    double quotaInteressi = 0;
    double quotaCapitale = 0;
    double capitaleRimborsato = 0;

    friend bool operator==(const StatoMutuo&, const StatoMutuo&) = default;
};

} // namespace vantrel
