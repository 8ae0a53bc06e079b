#pragma once

#include "rates/riga_serie.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

/// A category in force on a date with its classes (rows of the series, in the series' order).
struct CategoriaInVigore {
    std::string nome;
    std::vector<const RigaSerie*> classi;
};

/// The answer of a search in the series: the row found, or the reason in Italian. `classi` holds
/// the classes of the category found (also when the amount was missing or matched none).
struct RicercaSerie {
    const RigaSerie* riga = nullptr;
    std::vector<const RigaSerie*> classi;
    std::string errore;
};

/// The class of a category in force that holds `importo` (in `valuta`): its only class when it has
/// one, whatever the amount; without an amount a category of several classes gives no row.
RicercaSerie classeDellaCategoria(const CategoriaInVigore& c, std::optional<double> importo, Valuta valuta);

/// The official series of average rates and thresholds, every category and class, period by period.
class SerieUfficiale {
public:
    /// Takes rows already checked (see leggiSerieUfficiale); sorts them by period, keeping each
    /// period's rows in their order.
    explicit SerieUfficiale(std::vector<RigaSerie> righe);

    const std::vector<RigaSerie>& righe() const { return righe_; }
    const std::vector<PeriodoSerie>& periodi() const { return periodi_; }

    /// The period in force on a date; nothing before the first or after the last.
    const PeriodoSerie* periodo(const Data& d) const;
    /// The categories in force on a date, in the series' order.
    std::vector<CategoriaInVigore> categorie(const Data& d) const;
    /// The row of the category in force on `d` that has all the words of `parole` (compared
    /// without case, accents, articles and endings: "mutui ipotecari a tasso fisso"; of several,
    /// the one whose name has no other words, else none), in the class that holds `importo`
    /// (in `valuta`); without an amount only a category with one class gives a row.
    RicercaSerie cerca(const Data& d, std::string_view parole, std::optional<double> importo = {},
                       Valuta valuta = Valuta::Euro) const;

private:
    struct NomeCategoria {
        std::string nome;
        std::vector<std::string> radici;        // without the remark in parentheses
        std::vector<std::string> radiciConNote; // the whole name
    };

    std::vector<RigaSerie> righe_;
    std::vector<PeriodoSerie> periodi_;
    std::vector<NomeCategoria> nomi_;
    std::vector<std::size_t> nomeRiga_; // index into nomi_ of each row's category
};

} // namespace vantrel
