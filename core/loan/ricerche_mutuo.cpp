#include "loan/ricerche_mutuo.h"

#include "loan/formule_mutuo.h"

#include <algorithm>
#include <cmath>

namespace vantrel {
namespace {

/// The first step in [0, limite) at which `ferma` holds, or `limite`. `ferma` is monotone except for
/// rounding noise, which only matters where `vicino` holds: there every step is checked one by one.
template <class Ferma, class Vicino>
long primoPasso(long limite, Ferma ferma, Vicino vicino) {
    if (limite <= 0) return limite;
    if (ferma(0)) return 0;
    long lo = 0;
    long hi = limite;
    for (long salto = 1;; salto *= 2) {
        const long k = std::min(lo + salto, limite - 1);
        if (k == lo) break;
        if (ferma(k)) {
            hi = k;
            break;
        }
        lo = k;
    }
    while (hi < limite && hi - lo > 1) {
        const long mid = lo + (hi - lo) / 2;
        (ferma(mid) ? hi : lo) = mid;
    }
    long primo = hi;
    for (long k = hi - 1; k >= 1 && vicino(k); --k)
        if (ferma(k)) primo = k;
    return primo;
}

} // namespace

double avanzaPassi(double x, long passi) {
    const double d = kPassoRicerca;
    while (passi > 0) {
        if (x == 0 || !std::isfinite(x)) {
            x += d;
            --passi;
            continue;
        }
        const int e = std::ilogb(x);
        const double u = std::ldexp(1.0, e - 52);
        // A remainder of exactly half a unit rounds to even, which depends on x: step one by one.
        if (std::fmod(d, u) == u / 2) {
            x += d;
            --passi;
            continue;
        }
        const double inc = (x + d) - x;
        const double basso = std::ldexp(1.0, e);
        const double alto = 2 * basso;
        // Steps whose operand and result both stay inside the binade of x.
        const double spazio = x > 0 ? (alto - x) / inc : (-x - basso) / inc;
        const double m = std::floor(spazio) - 2;
        if (!(m >= 1) || inc <= 0) {
            x += d;
            --passi;
            continue;
        }
        const long salto = static_cast<long>(std::min(m, static_cast<double>(passi)));
        x = x + static_cast<double>(salto) * inc;
        passi -= salto;
    }
    return x;
}

std::optional<double> cercaTassoAnnuo(double importo, double numRate, std::int16_t ratePerAnno, double rataData,
                                      long limite) {
    const double obiettivo = rataData + 1;
    // Step k (from 0) tries the rate after k + 1 additions.
    auto tasso = [](long k) { return avanzaPassi(0.5, k + 1); };
    auto rata = [&](long k) { return formulaRata(importo, tasso(k), ratePerAnno, numRate); };
    auto ferma = [&](long k) { return !(obiettivo > rata(k)); };
    const bool monotona = importo > 0 && std::isfinite(importo) && numRate > 0 && std::isfinite(numRate) &&
                          ratePerAnno > 0 && std::isfinite(obiettivo);
    long k = 0;
    if (monotona) {
        const double margine = 1e-9 * std::max(1.0, std::fabs(obiettivo));
        k = primoPasso(limite, ferma, [&](long s) { return std::fabs(rata(s) - obiettivo) <= margine; });
    } else {
        // A loan that is not positive has an instalment that does not grow with the rate: the
        // first step decides.
        k = ferma(0) ? 0 : limite;
    }
    if (k >= limite) return std::nullopt;
    return tasso(k);
}

double valoreAttuale(double rata, double p, int numRate) {
    double s = 0;
    for (int k = 1; k <= numRate; ++k)
        s = s + rata / std::pow(1 + p, k);
    return s;
}

std::optional<double> cercaTaeg(double netto, double rata, double j, std::int16_t ratePerAnno, int numRate,
                                long limite) {
    const double m = ratePerAnno;
    auto periodo = [&](long k) { return avanzaPassi(j, k) / m; };
    auto valore = [&](long k) { return valoreAttuale(rata, periodo(k), numRate); };
    auto ferma = [&](long k) { return arrotonda4(valore(k)) - netto <= 0; };
    auto taeg = [&](long k) { return (std::pow(1 + periodo(k), ratePerAnno) - 1) * 100; };
    if (limite <= 0) return std::nullopt;
    // Without a positive instalment the sum does not fall as the rate rises: the first step decides.
    if (!(rata > 0) || numRate < 1 || !std::isfinite(netto) || !std::isfinite(rata) || ratePerAnno < 1 ||
        !std::isfinite(j))
        return ferma(0) ? std::optional<double>(taeg(0)) : std::nullopt;
    // Below a periodic rate of -1 the sum swings in sign: those steps are taken one by one, and the
    // search goes on from the first step past them.
    long fatti = 0;
    for (double jj = j; !(jj / m > -1); jj = jj + kPassoRicerca, ++fatti) {
        if (fatti >= limite) return std::nullopt;
        const double p = jj / m;
        if (arrotonda4(valoreAttuale(rata, p, numRate)) - netto <= 0) return (std::pow(1 + p, ratePerAnno) - 1) * 100;
    }
    if (fatti > 0) return cercaTaeg(netto, rata, avanzaPassi(j, fatti), ratePerAnno, numRate, limite - fatti);
    auto vicino = [&](long k) {
        const double s = valore(k);
        return std::fabs(s - netto) <= 0.0001 + 1e-9 * std::max(1.0, std::fabs(s));
    };
    const long k = primoPasso(limite, ferma, vicino);
    if (k >= limite) return std::nullopt;
    return taeg(k);
}

} // namespace vantrel
