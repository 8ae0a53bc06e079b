#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

namespace vantrel {

/// A UTF-8 text as words are compared: lower case, the accents of the Latin letters dropped
/// ("Commissioni di MASSIMO scoperto" and "commissióni" both hold "commissioni").
std::string minuscoleSenzaAccenti(std::string_view utf8);

/// A column header or an option as compared: lower case, accents, apostrophes and dots dropped,
/// any other sign a single space between words ("C.M.S." is "cms", "Importo (EUR)" is "importo eur",
/// "Banca d'Italia" is "banca ditalia").
std::string chiaveTesto(std::string_view utf8);

/// Whether the bytes are well-formed UTF-8.
bool utf8Valido(std::string_view s);

/// The character that starts at byte `i` of a UTF-8 text; `i` moves past it.
char32_t carattereUtf8(std::string_view s, std::size_t& i);

/// Whether the stream from where it stands to its end is UTF-8, read a block at a time (a file of any
/// size); the stream is left at its end.
bool flussoUtf8(std::istream& in);

/// A file's text in UTF-8: without its byte-order mark, or read as Windows-1252 when it is not UTF-8.
/// False for UTF-16, which the caller refuses.
bool testoInUtf8(std::string_view byte, std::string& testo);

} // namespace vantrel
