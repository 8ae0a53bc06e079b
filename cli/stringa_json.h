#pragma once

#include <string>
#include <string_view>

namespace vantrel::cli {

/// Appends `s` to `buf` as a JSON string, quotes included, byte for byte as nlohmann::json writes it
/// (UTF-8 kept, control characters escaped, an invalid byte sequence replaced by U+FFFD), without
/// building a value for it.
void accodaStringaJson(std::string& buf, std::string_view s);

} // namespace vantrel::cli
