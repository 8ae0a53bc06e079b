#include "common/testo.h"

namespace vantrel {
namespace {

bool isContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Byte offset of the character with index `n`, or the size when the text is shorter.
std::size_t offsetOf(std::string_view s, std::size_t n) {
    std::size_t i = 0;
    while (i < s.size() && n > 0) {
        ++i;
        while (i < s.size() && isContinuation(s[i]))
            ++i;
        --n;
    }
    return i;
}

} // namespace

std::size_t lunghezza(std::string_view utf8) {
    std::size_t n = 0;
    for (char c : utf8)
        if (!isContinuation(c)) ++n;
    return n;
}

std::string_view trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string allineaDestra(std::string_view s, std::size_t width) {
    const std::size_t len = lunghezza(s);
    std::string out;
    if (len < width) out.assign(width - len, ' ');
    out.append(s);
    return out;
}

std::string tabulaDestra(std::string_view s, std::size_t width) {
    const std::size_t len = lunghezza(s);
    if (len <= width) return allineaDestra(s, width);
    return std::string(daCarattere(s, len - width));
}

std::string_view primiCaratteri(std::string_view s, std::size_t n) {
    return s.substr(0, offsetOf(s, n));
}

std::string_view daCarattere(std::string_view s, std::size_t from) {
    return s.substr(offsetOf(s, from));
}

bool contiene(std::string_view s, std::string_view what) {
    return s.find(what) != std::string_view::npos;
}

bool leggiCellaVirgolettata(std::string_view t, std::size_t& i, std::string& cella) {
    for (++i; i < t.size();) {
        if (t[i] != '"') {
            cella += t[i++];
        } else if (i + 1 < t.size() && t[i + 1] == '"') {
            cella += '"';
            i += 2;
        } else {
            ++i;
            return true;
        }
    }
    return false;
}

} // namespace vantrel
