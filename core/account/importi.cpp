#include "account/importi.h"

#include "rates/tasso_esatto.h"

#include <cstdlib>

namespace vantrel {
namespace {

bool cifra(char c) {
    return c >= '0' && c <= '9';
}

// Drops blanks, no-break spaces (U+00A0, U+202F) and the euro sign (U+20AC) at both ends.
std::string_view senzaContorno(std::string_view s) {
    static constexpr std::string_view kContorno[] = {" ", "\t", "\xC2\xA0", "\xE2\x80\xAF", "\xE2\x82\xAC"};
    for (bool tolto = true; tolto && !s.empty();) {
        tolto = false;
        for (std::string_view c : kContorno) {
            if (s.starts_with(c)) s.remove_prefix(c.size()), tolto = true;
            if (s.ends_with(c)) s.remove_suffix(c.size()), tolto = true;
        }
    }
    return s;
}

// The integer part: digits, or groups of three after a first group of one to three, joined by dots;
// at most twelve digits, so that no sum of an account's movements or numeri can overflow.
std::optional<std::int64_t> parteIntera(std::string_view s) {
    if (s.empty() || s.size() > 24) return std::nullopt;
    std::int64_t v = 0;
    int cifre = 0;
    std::size_t gruppo = 0; // digits since the last dot
    bool puntato = false;
    for (char c : s) {
        if (c == '.') {
            if (gruppo == 0 || (puntato && gruppo != 3) || (!puntato && gruppo > 3)) return std::nullopt;
            puntato = true;
            gruppo = 0;
            continue;
        }
        if (!cifra(c) || ++cifre > 12) return std::nullopt;
        v = v * 10 + (c - '0');
        ++gruppo;
    }
    if (gruppo == 0 || (puntato && gruppo != 3)) return std::nullopt;
    return v;
}

// The decimals, scaled to `posti` places; extra places must be zeros.
std::optional<std::int64_t> parteDecimale(std::string_view s, int posti) {
    if (s.empty()) return std::nullopt;
    std::int64_t v = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (!cifra(s[i])) return std::nullopt;
        if (static_cast<int>(i) < posti)
            v = v * 10 + (s[i] - '0');
        else if (s[i] != '0')
            return std::nullopt;
    }
    for (std::size_t i = s.size(); static_cast<int>(i) < posti; ++i)
        v *= 10;
    return v;
}

// A non-negative decimal with at most `posti` decimals, scaled to integer units of the last place.
std::optional<std::int64_t> decimaleScalato(std::string_view s, int posti) {
    std::string_view intera = s, decimali;
    if (const auto virgola = s.find(','); virgola != std::string_view::npos) {
        intera = s.substr(0, virgola);
        decimali = s.substr(virgola + 1);
        if (decimali.empty()) return std::nullopt;
    } else if (const auto punto = s.rfind('.');
               punto != std::string_view::npos && s.find('.') == punto && s.size() - punto <= 3) {
        intera = s.substr(0, punto); // "12.50": an English decimal point, never a thousands dot
        decimali = s.substr(punto + 1);
    }
    if (intera.empty() && !decimali.empty()) intera = "0";
    const auto i = parteIntera(intera);
    if (!i) return std::nullopt;
    std::int64_t scala = 1;
    for (int k = 0; k < posti; ++k)
        scala *= 10;
    std::int64_t v = *i * scala;
    if (!decimali.empty()) {
        const auto d = parteDecimale(decimali, posti);
        if (!d) return std::nullopt;
        v += *d;
    }
    return v;
}

std::string conPunti(std::int64_t intera) {
    const std::string cifre = std::to_string(intera);
    std::string s;
    for (std::size_t i = 0; i < cifre.size(); ++i) {
        if (i > 0 && (cifre.size() - i) % 3 == 0) s += '.';
        s += cifre[i];
    }
    return s;
}

} // namespace

std::optional<Centesimi> leggiCentesimi(std::string_view testo) {
    std::string_view s = senzaContorno(testo);
    bool negativo = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negativo = s.front() == '-';
        s = senzaContorno(s.substr(1));
    } else if (!s.empty() && s.back() == '-') {
        negativo = true;
        s = senzaContorno(s.substr(0, s.size() - 1));
    }
    const auto v = decimaleScalato(s, 2);
    if (!v) return std::nullopt;
    return negativo ? -*v : *v;
}

std::string testoCentesimi(Centesimi c) {
    const std::int64_t a = c < 0 ? -c : c;
    std::string s = c < 0 ? "-" : "";
    s += conPunti(a / 100);
    s += ',';
    s += static_cast<char>('0' + a % 100 / 10);
    s += static_cast<char>('0' + a % 10);
    return s;
}

std::optional<TassoDecimale> leggiTassoDecimale(std::string_view testo) {
    std::string_view s = senzaContorno(testo);
    if (s.ends_with('%')) s = senzaContorno(s.substr(0, s.size() - 1));
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    // The rate set's own reading: one separator, the decimal point; no thousands; from 0 to 100.
    const auto t = leggiTasso(s).tasso;
    constexpr std::int64_t kPerUnita = TassoEsatto::kPunto / kUnoPerCento;
    if (!t || t->unita % kPerUnita != 0) return std::nullopt;
    return t->unita / kPerUnita;
}

std::string testoTasso(TassoDecimale t) {
    std::string s = t < 0 ? "-" : "";
    s += std::to_string(std::llabs(t) / kUnoPerCento);
    std::int64_t dec = std::llabs(t) % kUnoPerCento;
    if (dec == 0) return s;
    s += ',';
    for (std::int64_t unita = kUnoPerCento / 10; dec > 0; unita /= 10) {
        s += static_cast<char>('0' + dec / unita);
        dec %= unita;
    }
    return s;
}

} // namespace vantrel
