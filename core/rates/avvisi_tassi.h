#pragma once

#include "rates/tabella_tassi.h"

#include <string>
#include <string_view>
#include <utility>

namespace vantrel {

/// The text a threshold field shows when the rate table has no rate for the period.
inline constexpr const char* kSogliaNonDisponibile = "n.d.";

/// Where the user gets rates: the rate window's download and import, or the command line.
std::string doveTrovareITassi();

/// The warning of a load that left no usable table (files missing, empty or damaged), saying
/// where to get rates; empty when the table loaded well.
std::string avvisoTabellaTassi(const TabellaTassi& t);

/// The warning of a period whose quarter (1 to 4) the table does not hold.
std::string avvisoTrimestreSenzaTassi(const TabellaTassi& t, int trimestre, std::string_view anno);

/// The warning of a quarter whose stored row has no average rate for the category and class.
std::string avvisoCategoriaSenzaTasso(int trimestre, std::string_view anno, std::string_view categoria);

/// The years a year list offers, first and last: those from `primo` to this year and every year
/// of the table, then one more (the first quarter's rates are published in December). A year far
/// from today (a mistyped key) does not stretch the list.
std::pair<int, int> anniElenco(const TabellaTassi& t, int primo, int annoCorrente);

} // namespace vantrel
