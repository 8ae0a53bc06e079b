#pragma once

#include <array>
#include <cstdint>

namespace vantrel {

/// The loan figures the calculation window keeps between two presses of Calcola.
struct StatoMutuo {
    std::array<std::int16_t, 6> MesiPeriodo{}; // months between due dates for each frequency option
    std::int16_t MesiRata = 0;
    std::int16_t RatePerAnno = 0;
    double TassoPeriodo = 0; // periodic rate as a fraction
    double Tasso = 0;        // annual nominal rate in percent
    double Rata = 0;         // instalment without expenses
    double Importo = 0;
    double NumRate = 0;
    bool CalcoloOk = false;
    double QuotaInteressi = 0;
    double QuotaCapitale = 0;
    double CapitaleRimborsato = 0;

    friend bool operator==(const StatoMutuo&, const StatoMutuo&) = default;
};

} // namespace vantrel
