#pragma once

// The two rate searches written step by step, as the window has always run them: the reference the
// fast searches must match exactly.

#include "loan/formule_mutuo.h"

#include <cmath>
#include <cstdint>
#include <optional>

namespace vantrel::letterale {

inline double tassoAnnuo(double importo, double numRate, std::int16_t ratePerAnno, double rataData) {
    double tasso = 0.5;
    double obiettivo = 0;
    double rata = 0;
    do {
        tasso = tasso + 0.0001;
        rata = formulaRata(importo, tasso, ratePerAnno, numRate);
        obiettivo = rataData + 1;
    } while (obiettivo > rata);
    return tasso;
}

inline std::optional<double> taeg(double netto, double rata, double j, std::int16_t m, int n, long passi = 2000000) {
    for (long step = 0; step < passi; ++step) {
        const double p = j / m;
        double s = 0;
        for (int k = 1; k <= n; ++k)
            s = s + rata / std::pow(1 + p, k);
        j = j + 0.0001;
        s = arrotonda4(s);
        if (s - netto <= 0) return (std::pow(1 + p, m) - 1) * 100;
    }
    return std::nullopt;
}

} // namespace vantrel::letterale
