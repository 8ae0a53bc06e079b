#pragma once

#include "common/date.h"
#include "rates/maggiorazione_mora.h"
#include "rates/norma_soglia.h"
#include "rates/serie_ufficiale.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

/// Who lends: up to 31/12/2009 personal credit and the other loans to families have a category for
/// the banks and one for the other intermediaries.
enum class Intermediario { Banca, NonBancario };

/// A kind of operation followed across the renamings of the official categories (01/07/2003,
/// 01/07/2004, 01/01/2010, 01/04/2010, 01/04/2011, 01/04/2017, 01/10/2025).
struct TipoOperazione {
    std::string nome;                                  // "Mutui ipotecari a tasso fisso"
    TipoMora mora;                                     // the kind of loan of the default-interest surcharge
    std::vector<std::string> categorie;                // every official name it has had, for either intermediary
    std::string nomeMutuo = {};                        // its name in the loan check's list; empty: not offered there
    int voceMutuo = 0;                                 // its place in that list, from 1
    std::vector<Data> dal = {};                        // the first day of each name, where a label needs it
    std::vector<std::vector<std::string>> radici = {}; // their words, as radiciParole gives them

    /// Whether an official name is one of the kind's (compared by words, case and accents aside).
    bool comprende(std::string_view categoria) const;
};

/// The kind's official name in force on `d`, as a label reads it: without the remark in parentheses,
/// only its first letter in capitals; empty before the kind existed.
std::string nomeInVigore(const TipoOperazione& t, const Data& d);

/// Every kind, in the order of the official tables.
const std::vector<TipoOperazione>& tipiOperazione();
/// The first kind an official name belongs to; nullptr when none. A name of two kinds (the
/// mortgages "a tasso fisso e variabile" up to 2004) belongs to both.
const TipoOperazione* tipoDiCategoria(std::string_view categoria);
/// The kinds the loan check offers, in the order of its list.
std::vector<const TipoOperazione*> tipiMutuo();
/// The intermediary an official name is for; none when it is for both.
std::optional<Intermediario> intermediarioDi(std::string_view categoria);

/// The row of the kind's category in force on `d` for the intermediary, in the class that holds
/// `importo` (euro), or why there is none.
RicercaSerie cercaTipo(const SerieUfficiale& s, const Data& d, const TipoOperazione& tipo, Intermediario chi,
                       std::optional<double> importo);

/// One period of a kind of operation: its dates and figures, for a chart over the years.
struct PuntoAndamento {
    Data inizio;
    Data fine;
    TassoEsatto tegm;
    TassoEsatto soglia;       // as published
    TassoEsatto sogliaRegola; // by the rule in force
};

/// The kind's figures period by period in the class that holds `importo` (in `valuta`), or in its
/// only class; periods where the kind has no such class are left out.
std::vector<PuntoAndamento> andamento(const SerieUfficiale& s, const TipoOperazione& tipo,
                                      std::optional<double> importo, Valuta valuta = Valuta::Euro);

} // namespace vantrel
