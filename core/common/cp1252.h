#pragma once

#include <string>
#include <string_view>

namespace vantrel {

/// Windows-1252, the 8-bit code page of the program's files. Characters it cannot hold become "?".
std::string daUtf8ACp1252(std::string_view utf8);
std::string daCp1252AUtf8(std::string_view bytes);

} // namespace vantrel
