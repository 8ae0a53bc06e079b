#pragma once

#include "rates/record_tassi.h"
#include "rates/serie_ufficiale.h"

#include <string>
#include <vector>

namespace vantrel {

/// The rates of one quarter of the rate table as the official series gives them, with the
/// number of decimals each was published with (0 where the slot is empty).
struct PeriodoDallaSerie {
    std::string chiave; // "32004"
    Data inizio;
    RecordTassi valori;              // TM1..TM4, TM6..TM8 and TU1..TU4, TU6; TM5 and TU5 stay 0
    std::array<int, 9> decimaliTM{}; // by slot, as `valori.TM`
    std::array<int, 7> decimaliTU{}; // by slot, as `valori.TU`
};

/// The periods of the series mapped onto the rate table's slots, quarter by quarter, or why not.
struct PeriodiDallaSerie {
    std::vector<PeriodoDallaSerie> periodi;
    std::string errore;
};

/// Maps each period's categories and classes onto TM1..TM8 / TU1..TU6 through the table of the
/// official names (every name the table's categories have had). A quarter split by the series
/// (2nd quarter 2011) takes the figures of its first part. A period whose credit lines or
/// advances (and, from 2010, overdrafts and the third class of advances) are missing is an error:
/// it means a name the table does not know.
PeriodiDallaSerie periodiDallaSerie(const SerieUfficiale& s);

} // namespace vantrel
