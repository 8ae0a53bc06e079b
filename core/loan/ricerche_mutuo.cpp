#include "loan/ricerche_mutuo.h"

#include "loan/formule_mutuo.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vantrel {
namespace {

/// Steps checked one by one below the bracket: the noise of a sum flips the stop rule over a few
/// steps at most; past these the search keeps what it found, so it never takes long.
constexpr long kPassiVicini = 256;

/// The first step in [0, limite) at which `ferma` holds for the value `valuta` gives, or `limite`.
/// The search starts at `da`, gallops to a bracket, then halves it. `ferma` is monotone except for
/// rounding noise, which only matters where `vicino` holds: there every step is checked one by one.
template <class Valuta, class Ferma, class Vicino>
long primoPasso(long limite, long da, Valuta valuta, Ferma ferma, Vicino vicino) {
    if (limite <= 0) return limite;
    da = std::clamp(da, 0L, limite - 1);
    // ferma holds at hi (or hi is limite); it fails at lo, whose value is kept (or lo is -1).
    long lo = -1;
    long hi = limite;
    double valoreLo = 0;
    const double valoreDa = valuta(da);
    if (ferma(valoreDa)) {
        hi = da;
        for (long salto = 1; hi > 0; salto *= 2) {
            const long k = std::max(hi - salto, 0L);
            const double v = valuta(k);
            if (!ferma(v)) {
                lo = k;
                valoreLo = v;
                break;
            }
            hi = k;
        }
    } else {
        lo = da;
        valoreLo = valoreDa;
        for (long salto = 1;; salto *= 2) {
            const long k = std::min(lo + salto, limite - 1);
            if (k == lo) break;
            const double v = valuta(k);
            if (ferma(v)) {
                hi = k;
                break;
            }
            lo = k;
            valoreLo = v;
        }
    }
    while (hi < limite && hi - lo > 1) {
        const long mid = lo + (hi - lo) / 2;
        const double v = valuta(mid);
        if (ferma(v)) {
            hi = mid;
        } else {
            lo = mid;
            valoreLo = v;
        }
    }
    long primo = hi;
    for (long k = hi - 1; k >= 0 && k >= hi - kPassiVicini; --k) {
        const double v = k == lo ? valoreLo : valuta(k);
        if (!vicino(v)) break;
        if (ferma(v)) primo = k;
    }
    return primo;
}

/// A run of the annual-rate ladder: from step `primo` on, inside one binade, every addition of
/// kPassoRicerca adds the same rounded `incremento`.
struct Tratto {
    long primo = 0;
    double valore = 0;
    double incremento = 0;
};

/// The runs from 0.5 up to the first binade past kMassimoScala steps; `fine` and `valoreFine` are
/// the step and the rate where the table stops.
struct Scala {
    static constexpr long kMassimoScala = 4 * kPassiTassoMassimi;
    std::array<Tratto, 64> tratti{};
    int numero = 0;
    long fine = 0;
    double valoreFine = 0.5;
};

const Scala& scalaTassi() {
    static const Scala scala = [] {
        Scala s;
        const double d = kPassoRicerca;
        double x = 0.5;
        long k = 0;
        while (s.numero < static_cast<int>(s.tratti.size()) && k < Scala::kMassimoScala) {
            const int e = std::ilogb(x);
            const double u = std::ldexp(1.0, e - 52);
            const double inc = (x + d) - x;
            if (std::fmod(d, u) == u / 2 || !(inc > 0)) break;
            s.tratti[static_cast<std::size_t>(s.numero++)] = {k, x, inc};
            const double salto = std::floor((std::ldexp(1.0, e + 1) - x) / inc) - 2;
            if (salto >= 1) {
                x = x + salto * inc;
                k += static_cast<long>(salto);
            }
            while (std::ilogb(x) == e) {
                x = x + d;
                ++k;
            }
        }
        s.fine = k;
        s.valoreFine = x;
        return s;
    }();
    return scala;
}

/// The run holding step `passi`; the table must hold it (passi < fine).
const Tratto& trattoDi(const Scala& s, long passi) {
    int t = s.numero - 1;
    while (t > 0 && s.tratti[static_cast<std::size_t>(t)].primo > passi)
        --t;
    return s.tratti[static_cast<std::size_t>(t)];
}

/// About how many steps from 0.5 reach the annual rate `tasso`, within [0, limite].
long passiPerTasso(double tasso, long limite) {
    const Scala& s = scalaTassi();
    if (!(tasso > 0.5) || s.numero == 0) return 0;
    if (!(tasso < s.valoreFine)) return std::min(s.fine, limite);
    int t = s.numero - 1;
    while (t > 0 && s.tratti[static_cast<std::size_t>(t)].valore > tasso)
        --t;
    const Tratto& r = s.tratti[static_cast<std::size_t>(t)];
    const double passi = static_cast<double>(r.primo) + std::floor((tasso - r.valore) / r.incremento);
    return static_cast<long>(std::clamp(passi, 0.0, static_cast<double>(limite)));
}

/// The annual rate whose instalment is `rata`, estimated by Newton's method on the periodic rate.
/// The instalment grows and is convex in the rate, so from the rate R / P, never below the answer,
/// the iterates fall towards it. Only a starting point: the exact search corrects it.
double stimaTasso(double importo, double numRate, std::int16_t ratePerAnno, double rata) {
    double i = rata / importo;
    for (int giro = 0; giro < 40 && i > 0 && std::isfinite(i); ++giro) {
        const double q = std::pow(1 + i, -numRate);
        const double a = 1 - q;
        const double f = importo * i / a - rata;
        const double df = importo / a - importo * i * numRate * q / ((1 + i) * a * a);
        const double passo = f / df;
        if (!std::isfinite(passo)) break;
        i -= passo;
        if (std::fabs(passo) <= 1e-12 * i) break;
    }
    return i * 100 * ratePerAnno;
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

double tassoDopoPassi(long passi) {
    const Scala& s = scalaTassi();
    if (passi <= 0 || s.numero == 0) return avanzaPassi(0.5, passi);
    if (passi >= s.fine) return avanzaPassi(s.valoreFine, passi - s.fine);
    const Tratto& r = trattoDi(s, passi);
    return r.valore + static_cast<double>(passi - r.primo) * r.incremento;
}

std::optional<double> cercaTassoAnnuo(double importo, double numRate, std::int16_t ratePerAnno, double rataData,
                                      long limite) {
    const double obiettivo = rataData + 1;
    // Step k (from 0) tries the rate after k + 1 additions.
    auto tasso = [](long k) { return tassoDopoPassi(k + 1); };
    auto rata = [&](long k) { return formulaRata(importo, tasso(k), ratePerAnno, numRate); };
    auto ferma = [&](double r) { return !(obiettivo > r); };
    const bool monotona = importo > 0 && std::isfinite(importo) && numRate > 0 && std::isfinite(numRate) &&
                          ratePerAnno > 0 && std::isfinite(obiettivo);
    long k = 0;
    if (limite <= 0) {
        k = limite;
    } else if (monotona) {
        const double margine = 1e-9 * std::max(1.0, std::fabs(obiettivo));
        const long da = passiPerTasso(stimaTasso(importo, numRate, ratePerAnno, obiettivo), limite) - 1;
        k = primoPasso(limite, da, rata, ferma, [&](double r) { return std::fabs(r - obiettivo) <= margine; });
    } else {
        // A loan that is not positive has an instalment that does not grow with the rate: the
        // first step decides.
        k = ferma(rata(0)) ? 0 : limite;
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
    auto fermaValore = [&](double s) { return arrotonda4(s) - netto <= 0; };
    auto ferma = [&](long k) { return fermaValore(valore(k)); };
    auto taeg = [&](long k) { return (std::pow(1 + periodo(k), ratePerAnno) - 1) * 100; };
    if (limite <= 0) return std::nullopt;
    // Without a positive instalment the sum does not fall as the rate rises: the first step decides.
    if (!(rata > 0) || numRate < 1 || !std::isfinite(netto) || !std::isfinite(rata) || ratePerAnno < 1 ||
        !std::isfinite(j))
        return ferma(0) ? std::optional<double>(taeg(0)) : std::nullopt;
    // Below a periodic rate of -1 the sum swings in sign: those steps are taken one by one, and the
    // search goes on from the first step past them. Far below it there is no loan to speak of.
    long fatti = 0;
    for (double jj = j; !(jj / m > -1); jj = jj + kPassoRicerca, ++fatti) {
        if (fatti >= limite || fatti >= kPassiVicini) return std::nullopt;
        const double p = jj / m;
        if (arrotonda4(valoreAttuale(rata, p, numRate)) - netto <= 0) return (std::pow(1 + p, ratePerAnno) - 1) * 100;
    }
    if (fatti > 0) return cercaTaeg(netto, rata, avanzaPassi(j, fatti), ratePerAnno, numRate, limite - fatti);
    // Rounding to four decimals flips the stop rule where the sum lies on a half of the fourth decimal
    // next to the net amount: only there can the noise of the sum matter.
    auto vicino = [&](double s) {
        const double x = s * 10000;
        const double mezzo = std::floor(x) + 0.5;
        return std::fabs(s - netto) <= 0.0002 && std::fabs(x - mezzo) <= 1e-9 * std::max(1.0, std::fabs(x));
    };
    const long k = primoPasso(limite, 0, valore, fermaValore, vicino);
    if (k >= limite) return std::nullopt;
    return taeg(k);
}

} // namespace vantrel
