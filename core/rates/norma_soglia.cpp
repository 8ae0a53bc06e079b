#include "rates/norma_soglia.h"

#include "common/maschera_formato.h"
#include "common/numeri.h"
#include "common/testo.h"

#include <algorithm>

namespace vantrel {
namespace {

// The rules' figures, written once for both forms: the average times 3/2; from 14/05/2011 times 5/4
// plus 4 points, never more than 8 points above it.
struct Fattore {
    int num, den;
};
constexpr Fattore kFattoreVecchia{3, 2};
constexpr Fattore kFattoreNuova{5, 4};
constexpr int kPuntiNuova = 4;
constexpr int kScartoMassimo = 8;
// At or above this average the cap of 8 points binds (16 x 1,25 + 4 = 16 + 8).
constexpr double kMediaTetto =
    static_cast<double>((kScartoMassimo - kPuntiNuova) * kFattoreNuova.den) / (kFattoreNuova.num - kFattoreNuova.den);

// x num / den gives the same double as x 1,5 or x 1,25: the product rounds once, the division by a
// power of two is exact.
double per(double x, Fattore f) {
    return x * f.num / f.den;
}

} // namespace

double sogliaRegola(double media, Norma norma) {
    if (norma == Norma::Vecchia) return per(media, kFattoreVecchia);
    return media < kMediaTetto ? per(media, kFattoreNuova) + kPuntiNuova : media + kScartoMassimo;
}

TassoEsatto sogliaSecondoRegola(const TassoEsatto& tegm, Norma norma) {
    const std::int64_t t = tegm.unita;
    if (norma == Norma::Vecchia) return TassoEsatto::esatto(t * kFattoreVecchia.num / kFattoreVecchia.den);
    return TassoEsatto::esatto(std::min(t * kFattoreNuova.num / kFattoreNuova.den + kPuntiNuova * TassoEsatto::kPunto,
                                        t + kScartoMassimo * TassoEsatto::kPunto));
}

std::string nomeNorma(Norma norma) {
    return norma == Norma::Vecchia ? "vecchia norma" : "nuova norma";
}

std::string formulaNorma(Norma norma) {
    return norma == Norma::Vecchia ? "TEGM × 1,5" : "TEGM × 1,25 + 4 punti, al massimo TEGM + 8 punti";
}

double usura(double media, Norma norma) {
    return arrotonda(sogliaRegola(media, norma), 2); // as writing it with "##.00" and reading it back
}

double sogliaEsatta(double media, Norma norma) {
    // A single-precision average is first brought back to its published figure (9,57, not 9,5699997);
    // four decimals times 1,25 or 1,5 need at most six.
    return arrotonda(sogliaRegola(arrotonda(media, 4), norma), 6);
}

bool periodoACavallo(const Data& inizio, const Data& fine) {
    return inizio < kInizioNuovaNorma && !(fine < kInizioNuovaNorma);
}

Norma normaDelPeriodo(const Data& inizio) {
    return inizio < kInizioNuovaNorma ? Norma::Vecchia : Norma::Nuova;
}

Norma normaDelTrimestre(int trimestre, int anno) {
    return anno * 10 + trimestre <= 20112 ? Norma::Vecchia : Norma::Nuova;
}

Norma normaDellaChiave(std::string_view periodo) {
    const std::string_view k = trim(periodo);
    if ((k.size() != 5 && k.size() != 4) || k.find_first_not_of("0123456789") != std::string_view::npos)
        return Norma::Nuova;
    const int anno = static_cast<int>(valNumero(k.substr(k.size() - 4)));
    return normaDelTrimestre(k.size() == 5 ? k[0] - '0' : 1, anno);
}

std::string testoTasso(double tasso) {
    return formatta(tasso, "#0.00####");
}

std::string formulaSoglia(double media, Norma norma) {
    const double m = arrotonda(media, 4);
    const std::string risultato = " = " + testoTasso(sogliaEsatta(m, norma));
    if (norma == Norma::Vecchia) return testoTasso(m) + " x 1,5" + risultato;
    if (m < kMediaTetto) return testoTasso(m) + " x 1,25 + 4" + risultato;
    return testoTasso(m) + " + 8" + risultato + " (tetto di 8 punti sul tasso medio)";
}

} // namespace vantrel
