#include "loan/formule_mutuo.h"

#include "common/numeri.h"
#include "common/testo.h"

#include <cmath>

namespace vantrel {

double arrotondaEuro(double x) {
    const double segno = x < 0 ? -1.0 : 1.0;
    double a = std::fabs(x);
    const double f = a * 100 - std::floor(a * 100);
    if (f >= 0.5) a = a + 0.01;
    return std::trunc(a * 100) * segno / 100;
}

std::optional<Data> leggiDataErogazione(std::string_view sdat) {
    if (sdat.size() != 10) return std::nullopt;
    return leggiData(sdat);
}

double formulaRata(double importo, double tasso, std::int16_t ratePerAnno, double numRate) {
    const double i = tasso / 100 / ratePerAnno;
    return importo * i / (1 - std::pow(1 + i, -numRate));
}

double formulaImporto(double rata, double tasso, std::int16_t ratePerAnno, double numRate) {
    const double i = tasso / 100 / ratePerAnno;
    const double f = std::pow(1 + i, numRate);
    return rata / (i * f / (f - 1));
}

std::optional<double> formulaNumeroRate(double rata, double importo, double tasso, std::int16_t ratePerAnno) {
    const double i = tasso / 100 / ratePerAnno;
    const double quoziente = rata / (rata - importo * i);
    if (!(quoziente > 0) || !(i > -1) || i == 0) return std::nullopt;
    const double n = std::log(quoziente) / std::log(1 + i);
    const double r = std::floor((n * 100 + 50) / 100);
    if (!std::isfinite(r)) return std::nullopt;
    return r;
}

double arrotonda4(double x) {
    return std::isfinite(x) ? arrotonda(x, 4) : x;
}

} // namespace vantrel
