#pragma once

#include "common/dates.h"

namespace vantrel {

enum class Norma { Vecchia, Nuova };

/// The threshold of an average rate: x 1,5 under the old rule; under the rule in force from
/// 14/05/2011 x 1,25 + 4, never more than 8 points above the average. Rounded to two decimals.
double usura(double media, Norma norma);

/// The class of amount (1 to 3) of an accordato for a category (Combo2 index: 0 current account,
/// 1 account without credit line, 2 advances). The class limits changed on 01/01/2010; the lire
/// limits are 10.000.000, 2.904.405 and 193.627.000.
int classeImporto(int categoria, double accordato, const Data& inizio, bool lire);

} // namespace vantrel
