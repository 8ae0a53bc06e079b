#include "loan/teg_usura.h"

#include <cmath>

namespace vantrel {
namespace {

// Present value of the flows at the effective annual rate i, less the net amount: falls as i rises.
double scarto(double i, double netto, double flusso, int n, int m) {
    const double v = std::pow(1 + i, -1.0 / m); // one period's discount factor
    // Sum of a geometric series, written so that v close to 1 keeps its precision.
    const double somma = std::fabs(1 - v) < 1e-12 ? n : v * (1 - std::pow(v, n)) / (1 - v);
    return flusso * somma - netto;
}

} // namespace

std::optional<double> tegUsuraMutuo(double importo, double rataPagata, int numRate, int ratePerAnno,
                                    const CostiMutuo& costi) {
    const double netto = importo - costi.totale();
    const double flusso = rataPagata;
    if (!(netto > 0) || !(flusso > 0) || numRate < 1 || ratePerAnno < 1 || !std::isfinite(netto) ||
        !std::isfinite(flusso))
        return std::nullopt;
    double basso = -0.99, alto = 1.0;
    if (scarto(basso, netto, flusso, numRate, ratePerAnno) < 0) return std::nullopt;
    // Widen until the flows are worth less than the net amount; rates past 10^6 % are not a loan.
    while (scarto(alto, netto, flusso, numRate, ratePerAnno) > 0) {
        alto *= 2;
        if (alto > 1e4) return std::nullopt;
    }
    // Bisection to the last bit: monotone, and exact enough for a figure shown with four decimals.
    for (int k = 0; k < 200 && alto - basso > 1e-15; ++k) {
        const double medio = (basso + alto) / 2;
        (scarto(medio, netto, flusso, numRate, ratePerAnno) > 0 ? basso : alto) = medio;
    }
    return (basso + alto) / 2 * 100;
}

} // namespace vantrel
