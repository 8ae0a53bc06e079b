#include "common/testo_confronto.h"

#include "common/cp1252.h"

namespace vantrel {
namespace {

bool continuazione(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

char32_t carattere(std::string_view s, std::size_t& i) {
    const auto b = static_cast<unsigned char>(s[i++]);
    if (b < 0x80) return b;
    const int n = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : 1;
    char32_t c = b & (0x3F >> n);
    for (int k = 0; k < n && i < s.size(); ++k)
        c = (c << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
    return c;
}

// A character in lower case without its accent; ASCII letters and digits, or 0 for the other signs.
char base(char32_t c) {
    // The letters of U+00C0..U+00FF without their accents; "*" is no letter.
    static constexpr std::string_view kLatino = "aaaaaaaceeeeiiiidnooooo*ouuuuy*saaaaaaaceeeeiiiidnooooo*ouuuuy*y";
    if (c >= 0xC0 && c <= 0xFF && kLatino[c - 0xC0] != '*') return kLatino[c - 0xC0];
    if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return static_cast<char>(c);
    return 0;
}

} // namespace

std::string minuscoleSenzaAccenti(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        if (static_cast<unsigned char>(s[i]) < 0x80) { // the usual case, without decoding
            const char c = s[i++];
            out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
            continue;
        }
        const std::size_t da = i;
        const char b = base(carattere(s, i));
        if (b != 0)
            out += b;
        else
            out.append(s, da, i - da);
    }
    return out;
}

std::string chiaveTesto(std::string_view s) {
    std::string out;
    bool spazio = false;
    for (std::size_t i = 0; i < s.size();) {
        const char32_t c = carattere(s, i);
        if (c == '.' || c == '\'' || c == 0x2019) continue;
        if (const char b = base(c); b != 0) {
            if (spazio && !out.empty()) out += ' ';
            spazio = false;
            out += b;
        } else {
            spazio = true;
        }
    }
    return out;
}

bool utf8Valido(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const std::size_t n = b < 0x80             ? 1
                              : (b & 0xE0) == 0xC0 ? 2
                              : (b & 0xF0) == 0xE0 ? 3
                              : (b & 0xF8) == 0xF0 ? 4
                                                   : 0;
        if (n == 0 || (n == 2 && b < 0xC2) || i + n > s.size()) return false;
        for (std::size_t k = 1; k < n; ++k)
            if (!continuazione(static_cast<unsigned char>(s[i + k]))) return false;
        i += n;
    }
    return true;
}

bool testoInUtf8(std::string_view b, std::string& testo) {
    if (b.starts_with("\xFF\xFE") || b.starts_with("\xFE\xFF")) return false;
    if (b.starts_with("\xEF\xBB\xBF")) b.remove_prefix(3);
    testo = utf8Valido(b) ? std::string(b) : daCp1252AUtf8(b);
    return true;
}

} // namespace vantrel
