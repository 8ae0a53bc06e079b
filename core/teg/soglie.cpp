#include "teg/soglie.h"

#include "common/format_mask.h"
#include "common/numbers.h"

namespace vantrel {

double usura(double media, Norma norma) {
    double s = 0;
    if (norma == Norma::Nuova)
        s = media < 16 ? media * 1.25 + 4 : media + 8;
    else
        s = media * 1.5;
    return arrotonda(s, 2); // as writing it with "##.00" and reading it back
}

int classeImporto(int categoria, double a, const Data& inizio, bool lire) {
    const double primo = lire ? 10000000.0 : 5000.0;
    if (inizio < Data{2010, 1, 1}) return a < primo ? 1 : 2;
    switch (categoria) {
    case 1:
        return a < (lire ? 2904405.0 : 1500.0) ? 1 : 2;
    case 2:
        if (a < primo) return 1;
        return a < (lire ? 193627000.0 : 100000.0) ? 2 : 3;
    default:
        return a < primo ? 1 : 2;
    }
}

} // namespace vantrel
