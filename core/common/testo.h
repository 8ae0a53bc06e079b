#pragma once

#include <string>
#include <string_view>

namespace vantrel {

/// Texts inside the program are UTF-8; widths and positions count characters, not bytes.
std::size_t lunghezza(std::string_view utf8);

/// Removes leading and trailing blanks (spaces and tabs), as the trim of the screen fields does.
std::string_view trim(std::string_view s);

/// Right-aligns `s` in `width` characters, padding with spaces on the left; a longer text is kept whole.
std::string allineaDestra(std::string_view s, std::size_t width);

/// The last `width` characters of (`width` spaces followed by `s`): a longer text loses its left part.
std::string tabulaDestra(std::string_view s, std::size_t width);

/// The first `n` characters of `s`, and the characters from position `from` (0-based) on.
std::string_view primiCaratteri(std::string_view s, std::size_t n);
std::string_view daCarattere(std::string_view s, std::size_t from);

bool contiene(std::string_view s, std::string_view what);

/// Reads a quoted CSV cell whose opening quote is at `t[i]`: appends its text to `cella` (a doubled
/// quote is one quote) and leaves `i` after the closing quote. False when the quote is never closed.
bool leggiCellaVirgolettata(std::string_view t, std::size_t& i, std::string& cella);

} // namespace vantrel
