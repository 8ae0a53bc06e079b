#include "rates/classe_importo.h"

#include "common/numeri.h"

#include <string>
#include <vector>

namespace vantrel {
namespace {

constexpr double kLirePerEuro = 1936.27;

std::vector<std::string> parole(std::string_view s) {
    std::vector<std::string> out;
    std::string corrente;
    for (const char c : s) {
        if (c == ' ' || c == '\t') {
            if (!corrente.empty()) out.push_back(std::move(corrente));
            corrente.clear();
        } else {
            corrente += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        }
    }
    if (!corrente.empty()) out.push_back(std::move(corrente));
    return out;
}

} // namespace

bool LimitiClasse::contiene(double euro) const {
    return riconosciuta && (!oltre || euro > *oltre) && (!finoA || euro <= *finoA);
}

LimitiClasse leggiClasse(std::string_view testo) {
    const std::vector<std::string> p = parole(testo);
    LimitiClasse l;
    if (p.empty() || (p.size() == 2 && p[0] == "intera" && p[1] == "distribuzione")) return l;

    // Keyword, number, keyword, number ... then an optional unit: "milioni di lire", "lire", "euro".
    double scala = 1;
    std::size_t fine = p.size();
    if (fine >= 3 && p[fine - 3] == "milioni" && p[fine - 2] == "di" && p[fine - 1] == "lire") {
        scala = 1e6 / kLirePerEuro;
        fine -= 3;
    } else if (fine >= 1 && p[fine - 1] == "lire") {
        scala = 1 / kLirePerEuro;
        fine -= 1;
    } else if (fine >= 1 && p[fine - 1] == "euro") {
        fine -= 1;
    }
    const auto numero = [&](std::size_t i) -> std::optional<double> {
        if (i >= fine) return std::nullopt;
        const auto x = leggiNumero(p[i]);
        if (!x || *x < 0) return std::nullopt;
        return *x * scala;
    };
    bool ok = true;
    std::size_t i = 0;
    while (ok && i < fine) {
        const std::string& chiave = p[i];
        std::optional<double> x;
        if (chiave == "fino" && i + 1 < fine && p[i + 1] == "a") {
            x = numero(i + 2);
            ok = x && !l.finoA;
            l.finoA = x;
            i += 3;
        } else if (chiave == "a" && l.oltre && !l.finoA) { // "da X a Y"
            x = numero(i + 1);
            ok = x.has_value();
            l.finoA = x;
            i += 2;
        } else if ((chiave == "oltre" || chiave == "da") && !l.oltre && !l.finoA) {
            x = numero(i + 1);
            ok = x.has_value();
            l.oltre = x;
            i += 2;
        } else {
            ok = false;
        }
    }
    if (!ok || (l.oltre && l.finoA && *l.finoA <= *l.oltre) || (!l.oltre && !l.finoA))
        return LimitiClasse{{}, {}, false};
    return l;
}

} // namespace vantrel
