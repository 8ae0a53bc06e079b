#pragma once

#include "common/date.h"

#include <optional>
#include <string_view>

namespace vantrel {

/// A date as files from spreadsheets and home banking write it: day first ("15/03/2026", "15-03-26",
/// a two-digit year up to 29 being in the 2000s, as spreadsheets read them) or year first
/// ("2026-03-15"), with or without a time after it ("15/03/2026 00:00", "2026-03-15T00:00:00").
std::optional<Data> leggiDataCella(std::string_view testo);

} // namespace vantrel
