#include "teg/soglie.h"

#include "common/maschera_formato.h"

#include <array>
#include <cmath>

namespace vantrel {
namespace {

constexpr double kLira = 1936.27; // lire to the euro

struct Limiti {
    int classi;
    std::array<double, 2> euro; // upper limits of classes 1 and 2 (the second only with three classes)
};

Limiti limiti(int categoria, const Data& inizio) {
    if (inizio < Data{2010, 1, 1}) return {2, {5000, 0}};
    if (categoria == 1) return {2, {1500, 0}};
    if (categoria != 2) return {2, {5000, 0}};
    if (inizio < Data{2010, 4, 1}) return {2, {5000, 0}}; // 1st quarter 2010: up to / over 5.000 euro
    if (inizio < Data{2017, 4, 1}) return {3, {5000, 100000}};
    return {3, {50000, 200000}};
}

// A limit in the chosen currency: 5.000 euro is taken as 10.000.000 lire, the others converted.
double limite(double euro, bool lire) {
    if (!lire) return euro;
    if (euro == 5000) return 10000000;
    return static_cast<double>(std::llround(euro * kLira));
}

std::string cifra(double euro, bool lire) {
    return formatta(limite(euro, lire), "#,###,###,##0");
}
std::string importo(double euro, bool lire) {
    return cifra(euro, lire) + (lire ? " lire" : " euro");
}

} // namespace

int classeImporto(int categoria, double a, const Data& inizio, bool lire) {
    const Limiti l = limiti(categoria, inizio);
    if (a < limite(l.euro[0], lire)) return 1;
    if (l.classi == 2 || a < limite(l.euro[1], lire)) return 2;
    return 3;
}

std::string descrizioneClasse(int categoria, int classe, const Data& inizio, bool lire) {
    const Limiti l = limiti(categoria, inizio);
    if (classe <= 1) return "fino a " + importo(l.euro[0], lire);
    if (l.classi == 2 || classe >= 3) return "oltre " + importo(l.euro[static_cast<std::size_t>(l.classi - 2)], lire);
    return "da " + cifra(l.euro[0], lire) + " a " + importo(l.euro[1], lire);
}

} // namespace vantrel
