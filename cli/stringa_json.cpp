#include "stringa_json.h"

#include <nlohmann/json.hpp>

namespace vantrel::cli {
namespace {

/// The bytes of the sequence a lead byte opens (0: it opens none) and the range of its second byte.
struct Sequenza {
    std::size_t byte;
    unsigned char min, max;
};

Sequenza sequenzaDi(unsigned char b) {
    if (b >= 0xC2 && b <= 0xDF) return {2, 0x80, 0xBF};
    if (b == 0xE0) return {3, 0xA0, 0xBF}; // no overlong form
    if (b == 0xED) return {3, 0x80, 0x9F}; // no surrogate
    if (b >= 0xE1 && b <= 0xEF) return {3, 0x80, 0xBF};
    if (b == 0xF0) return {4, 0x90, 0xBF};
    if (b >= 0xF1 && b <= 0xF3) return {4, 0x80, 0xBF};
    if (b == 0xF4) return {4, 0x80, 0x8F}; // nothing past U+10FFFF
    return {0, 0, 0};
}

// The bytes of the valid UTF-8 sequence at `i`, whose first byte is not ASCII; 0 when there is none.
std::size_t sequenzaValida(std::string_view s, std::size_t i) {
    const Sequenza q = sequenzaDi(static_cast<unsigned char>(s[i]));
    if (q.byte == 0 || i + q.byte > s.size()) return 0;
    for (std::size_t k = 1; k < q.byte; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if (c < (k == 1 ? q.min : 0x80) || c > (k == 1 ? q.max : 0xBF)) return 0;
    }
    return q.byte;
}

} // namespace

void accodaStringaJson(std::string& buf, std::string_view s) {
    static constexpr char kCifre[] = "0123456789abcdef";
    const std::size_t inizio = buf.size();
    buf += '"';
    std::size_t da = 0; // the first byte not yet appended: runs that need no escape go in whole
    for (std::size_t i = 0; i < s.size();) {
        const char c = s[i];
        if (static_cast<unsigned char>(c) >= 0x80) {
            const std::size_t n = sequenzaValida(s, i);
            if (n == 0) {
                // The library's own replacement of the bytes it cannot read: rare, and kept exactly.
                buf.resize(inizio);
                buf += nlohmann::json(std::string(s)).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
                return;
            }
            i += n;
            continue;
        }
        if (static_cast<unsigned char>(c) >= 0x20 && c != '"' && c != '\\') {
            ++i;
            continue;
        }
        buf.append(s.substr(da, i - da));
        da = ++i;
        switch (c) {
        case '"':
            buf += "\\\"";
            break;
        case '\\':
            buf += "\\\\";
            break;
        case '\b':
            buf += "\\b";
            break;
        case '\t':
            buf += "\\t";
            break;
        case '\n':
            buf += "\\n";
            break;
        case '\f':
            buf += "\\f";
            break;
        case '\r':
            buf += "\\r";
            break;
        default:
            buf += "\\u00";
            buf += kCifre[(c >> 4) & 0xF];
            buf += kCifre[c & 0xF];
        }
    }
    buf.append(s.substr(da));
    buf += '"';
}

} // namespace vantrel::cli
