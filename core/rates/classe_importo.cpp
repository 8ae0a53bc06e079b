#include "rates/classe_importo.h"

#include "common/maschera_formato.h"
#include "common/numeri.h"

#include <string>
#include <vector>

namespace vantrel {
namespace {

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

std::string cifra(double x) {
    return formatta(x, "#,###,###,##0");
}

} // namespace

bool LimitiClasse::contiene(double importo, Valuta v) const {
    // The amount goes into the currency of the limits, which the decrees wrote as round figures.
    if (v != valuta) importo = v == Valuta::Lire ? importo / kLirePerEuro : importo * kLirePerEuro;
    return riconosciuta && (!oltre || importo > *oltre) && (!finoA || importo <= *finoA);
}

std::string LimitiClasse::descrizione() const {
    const std::string unita = valuta == Valuta::Lire ? " lire" : " euro";
    if (!riconosciuta || (!oltre && !finoA)) return "intera distribuzione";
    if (!oltre) return "fino a " + cifra(*finoA) + unita;
    if (!finoA) return "oltre " + cifra(*oltre) + unita;
    return "da " + cifra(*oltre) + " a " + cifra(*finoA) + unita;
}

LimitiClasse leggiClasse(std::string_view testo) {
    const std::vector<std::string> p = parole(testo);
    LimitiClasse l;
    if (p.empty() || (p.size() == 2 && p[0] == "intera" && p[1] == "distribuzione")) return l;

    // Keyword, number, keyword, number ... then an optional unit: "milioni di lire", "lire", "euro".
    double scala = 1;
    std::size_t fine = p.size();
    if (fine >= 3 && p[fine - 3] == "milioni" && p[fine - 2] == "di" && p[fine - 1] == "lire") {
        scala = 1e6;
        l.valuta = Valuta::Lire;
        fine -= 3;
    } else if (fine >= 1 && p[fine - 1] == "lire") {
        l.valuta = Valuta::Lire;
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
        return LimitiClasse{{}, {}, l.valuta, false};
    return l;
}

std::vector<LimitiClasse> classiDaiLimiti(const std::vector<double>& limiti, Valuta v) {
    std::vector<LimitiClasse> classi;
    std::optional<double> oltre;
    for (const double finoA : limiti) {
        classi.push_back({oltre, finoA, v});
        oltre = finoA;
    }
    classi.push_back({oltre, std::nullopt, v});
    return classi;
}

int classeDi(const std::vector<LimitiClasse>& classi, double importo, Valuta v) {
    for (std::size_t k = 0; k < classi.size(); ++k)
        if (classi[k].contiene(importo, v)) return static_cast<int>(k) + 1;
    return 0;
}

} // namespace vantrel
