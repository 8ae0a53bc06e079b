#pragma once

#include <string_view>

namespace vantrel {

/// Removes leading and trailing spaces only (tabs stay), as the report texts are compared and trimmed.
inline std::string_view togliSpazi(std::string_view s) {
    const auto a = s.find_first_not_of(' ');
    if (a == std::string_view::npos) return {};
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

} // namespace vantrel
