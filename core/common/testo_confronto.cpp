#include "common/testo_confronto.h"

#include "common/cp1252.h"

#include <istream>
#include <vector>

namespace vantrel {
namespace {

bool continuazione(unsigned char c) {
    return (c & 0xC0) == 0x80;
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

// The bytes a sequence led by `b` takes (1 for a byte that cannot lead one).
std::size_t lunghezzaSequenza(unsigned char b) {
    return (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 1;
}

} // namespace

char32_t carattereUtf8(std::string_view s, std::size_t& i) {
    const auto b = static_cast<unsigned char>(s[i++]);
    if (b < 0x80) return b;
    const int n = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : 1;
    char32_t c = b & (0x3F >> n);
    for (int k = 0; k < n && i < s.size(); ++k)
        c = (c << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
    return c;
}

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
        const char b = base(carattereUtf8(s, i));
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
        const char32_t c = carattereUtf8(s, i);
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

bool flussoUtf8(std::istream& in) {
    std::vector<char> blocco(1 << 16);
    std::string testo; // a block, after what the last one cut of its final sequence
    while (in.read(blocco.data(), static_cast<std::streamsize>(blocco.size())) || in.gcount() > 0) {
        testo.append(blocco.data(), static_cast<std::size_t>(in.gcount()));
        std::size_t guida = testo.size(); // where the final sequence begins
        while (guida > 0 && testo.size() - guida < 4 && continuazione(static_cast<unsigned char>(testo[guida - 1])))
            --guida;
        std::size_t fine = testo.size();
        if (guida > 0 && testo.size() - (guida - 1) < lunghezzaSequenza(static_cast<unsigned char>(testo[guida - 1])))
            fine = guida - 1; // the sequence goes on in the next block
        if (!utf8Valido(std::string_view(testo).substr(0, fine))) return false;
        testo.erase(0, fine);
    }
    return utf8Valido(testo);
}

} // namespace vantrel
