#pragma once

#include "common/date.h"
#include "rates/classe_importo.h"
#include "rates/serie_ufficiale.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

/// A class limit as the decrees gave it in both currencies: 5.000 euro stands for the 10 million
/// lire of the first decrees; the other limits are the exact conversions.
struct LimiteClasse {
    double euro;
    double lire;
};

/// The class limits in force from a date on (upper limits of every class but the last).
struct LimitiDal {
    Data dal;
    std::vector<LimiteClasse> limiti;
};

/// A category of account of the calculation window: the text of its list (which a file of periods
/// may also write, case and accents aside), the rate slots its classes read, its class limits by
/// date, and whether it has no credit line (the accordato is then the average debt).
struct CategoriaConto {
    std::string nome;              // "Conto Corrente"
    std::string_view tipo;         // its kind of operation in the official series
    std::array<int, 3> voci;       // TM slot of classes 1 to 3 of the rate table; 0: no such class
    std::vector<LimitiDal> limiti; // in date order, the first in force from the start
    bool accordatoIndebitamento;   // no credit line: the accordato is the average debt

    /// The classes in force for a period that begins on `inizio`, written in `valuta`.
    std::vector<LimitiClasse> classi(const Data& inizio, Valuta valuta) const;
    /// The class (1 to 3) of an accordato written in `valuta` for a period that begins on `inizio`.
    int classe(double accordato, const Data& inizio, Valuta valuta) const;
    /// The classes the rate grid shows for it (2 or 3).
    int classiGriglia() const;
    /// "TM3": the rate slot of a class, as the rate table names it.
    std::string voceTasso(int classe) const;
    /// The official category in force on `d`, as the series names it; empty when none.
    std::string categoriaUfficiale(const SerieUfficiale& s, const Data& d) const;
};

/// Every category, in the order of the list.
const std::vector<CategoriaConto>& categorieConto();
/// The category of an item of the list; the first for no item.
const CategoriaConto& categoriaConto(int voce);
/// The item of the list that shows it.
int voceCategoria(const CategoriaConto& c);

} // namespace vantrel
