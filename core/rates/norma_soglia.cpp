#include "rates/norma_soglia.h"

#include "common/maschera_formato.h"
#include "common/numeri.h"
#include "common/testo.h"

namespace vantrel {
namespace {

constexpr double kFattoreVecchia = 1.5;
constexpr double kFattoreNuova = 1.25;
constexpr double kPuntiNuova = 4;
constexpr double kScartoMassimo = 8;
// At or above this average the cap of 8 points binds (16 x 1,25 + 4 = 16 + 8).
constexpr double kMediaTetto = (kScartoMassimo - kPuntiNuova) / (kFattoreNuova - 1);

} // namespace

double sogliaRegola(double media, Norma norma) {
    if (norma == Norma::Vecchia) return media * kFattoreVecchia;
    return media < kMediaTetto ? media * kFattoreNuova + kPuntiNuova : media + kScartoMassimo;
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
