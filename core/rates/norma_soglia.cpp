#include "rates/norma_soglia.h"

#include "common/maschera_formato.h"
#include "common/numeri.h"
#include "common/testo.h"

#include <algorithm>

namespace vantrel {
namespace {

// The rules' figures: the average times 3/2; from 14/05/2011 times 5/4 plus 4 points, never more
// than 8 points above it.
struct Fattore {
    int num, den;
};
constexpr Fattore kFattoreVecchia{3, 2};
constexpr Fattore kFattoreNuova{5, 4};
constexpr int kPuntiNuova = 4;
constexpr int kScartoMassimo = 8;

// An average of at most six decimals is a whole number of hundreds of units: times 3/2 and 5/4 stay exact.
std::int64_t per(std::int64_t unita, Fattore f) {
    return unita * f.num / f.den;
}

// Whether the cap of 8 points binds: the average x 1,25 + 4 would be higher.
bool tetto(const TassoEsatto& tegm) {
    return per(tegm.unita, kFattoreNuova) + kPuntiNuova * TassoEsatto::kPunto >=
           tegm.unita + kScartoMassimo * TassoEsatto::kPunto;
}

} // namespace

TassoEsatto sogliaSecondoRegola(const TassoEsatto& tegm, Norma norma) {
    const std::int64_t t = tegm.unita;
    if (norma == Norma::Vecchia) return TassoEsatto::esatto(per(t, kFattoreVecchia));
    if (tetto(tegm)) return TassoEsatto::esatto(t + kScartoMassimo * TassoEsatto::kPunto);
    return TassoEsatto::esatto(per(t, kFattoreNuova) + kPuntiNuova * TassoEsatto::kPunto);
}

std::optional<TassoEsatto> sogliaDelTesto(std::string_view media, Norma norma) {
    const auto m = TassoEsatto::leggi(media);
    if (!m) return std::nullopt;
    return sogliaSecondoRegola(*m, norma);
}

std::string nomeNorma(Norma norma) {
    return norma == Norma::Vecchia ? "vecchia norma" : "nuova norma";
}

std::string formulaNorma(Norma norma) {
    return norma == Norma::Vecchia ? "TEGM × 1,5" : "TEGM × 1,25 + 4 punti, al massimo TEGM + 8 punti";
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

std::string formulaSoglia(const TassoEsatto& media, Norma norma) {
    const std::string m = media.testoAlmeno(2);
    const std::string risultato = " = " + sogliaSecondoRegola(media, norma).testoAlmeno(2);
    if (norma == Norma::Vecchia) return m + " x 1,5" + risultato;
    if (!tetto(media)) return m + " x 1,25 + 4" + risultato;
    return m + " + 8" + risultato + " (tetto di 8 punti sul tasso medio)";
}

} // namespace vantrel
