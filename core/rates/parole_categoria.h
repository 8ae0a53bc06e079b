#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

/// The words of an operation's name as the search compares them: lower case, accents and
/// punctuation dropped, articles and prepositions left out, each cut to its stem (final vowels
/// removed, so that "mutuo" and "mutui", "ipotecario" and "ipotecaria" compare equal). A remark
/// in parentheses ("(dal 1° gennaio 2010)") is left out when `conNote` is false.
std::vector<std::string> radiciParole(std::string_view utf8, bool conNote);

/// How well the searched words fit a name's words: every searched stem must begin a stem of the
/// name; the result is the number of the name's stems left unmatched (lower fits better), or -1
/// when some searched word is missing.
int scartoParole(const std::vector<std::string>& cercate, const std::vector<std::string>& nome);

} // namespace vantrel
