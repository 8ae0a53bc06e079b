#pragma once

#include "casefile/esito_ricalcolo.h"
#include "casefile/pratica.h"
#include "common/cartella_lavoro.h"
#include "common/documento.h"

namespace vantrel {

/// The recalculation period by period as a sheet: the bank's entries by kind and their total, the
/// recalculated interest, CMS, commissions, expenses and their total, the two balances after the
/// closing, the interest kept apart, the difference, what the choices did; the charges' totals below
/// as formulas. The periods where the bank took more are highlighted.
Foglio foglioRicalcolo(const RicalcoloSalvato& r);

/// The workbook of a recalculated case: the recalculation, the bank's scalare, the movements.
CartellaLavoro cartellaRicalcolo(const Pratica& p, const RicalcoloSalvato& r);

/// A sheet as a table of a document, each cell as the screen shows it, the totals as a last row in
/// bold; only the columns named in `colonne` (all when empty).
TabellaDocumento tabellaDaFoglio(const Foglio& f, const std::vector<std::string>& colonne = {});

} // namespace vantrel
