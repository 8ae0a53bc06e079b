#pragma once

#include "account/scalare.h"
#include "rates/categoria_conto.h"
#include "teg/controllo_periodo.h"

#include <optional>

namespace vantrel {

/// A period of the scalare as a row of the period check, filled as a user would fill the calculation
/// window: the debit numeri in euro x days ("Numeri debitori"), the interest within the line
/// ("Interessi"), over the line ("altri interessi"), the CMS on the interest side, the expenses per
/// movement and fixed ("spese"), the fees on the credit line and for overdrafts ("altri oneri"), the
/// highest debit balance ("Massimo scoperto"), the credit line in force on the last day as accordato.
/// The category is categoriaDelConto's. The rule follows the period's dates, the formula is the Bank of
/// Italy's. No row for a period without debit numeri: there is no TEG to check. `riga` numbers the
/// period in the messages.
std::optional<PeriodoDaControllare> periodoDaControllare(const PeriodoScalare& p, int riga);

/// The category of an account period by the credit line in force on its last day: "Conto Corrente"
/// with a line, the overdrafts' category (its accordato the average debt) without one.
const CategoriaConto& categoriaDelConto(Centesimi fido);

} // namespace vantrel
