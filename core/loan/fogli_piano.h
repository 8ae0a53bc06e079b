#pragma once

#include "common/cartella_lavoro.h"
#include "loan/piano_ammortamento.h"

#include <string>
#include <vector>

namespace vantrel {

/// The loan's figures as the fields show them, in this order: amount, date, frequency, number of
/// instalments, annual rate, instalment, initial expenses, expenses per instalment, TAEG, total
/// interest, total of the loan, total expenses.
using DatiMutuo = std::vector<std::string>;

/// The workbook of a loan: the plan, one row per instalment with its totals as formulas, and the
/// loan's figures.
CartellaLavoro cartellaPiano(const Piano& piano, const DatiMutuo& dati);

} // namespace vantrel
