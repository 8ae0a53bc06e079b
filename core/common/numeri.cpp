#include "common/numeri.h"

#include "common/testo_decimale.h"

#include <charconv>
#include <cmath>
#include <string>

namespace vantrel {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::optional<double> parseC(const std::string& s) {
    double v = 0;
    auto res = std::from_chars(s.data(), s.data() + s.size(), v);
    if (res.ec != std::errc() || res.ptr != s.data() + s.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

// Appends an exponent ("e", sign, digits) read at `i`; false when it is malformed.
bool readExponent(std::string_view t, std::size_t& i, std::string& out) {
    if (i >= t.size() || (t[i] != 'e' && t[i] != 'E')) return true;
    std::size_t j = i + 1;
    std::string ex = "e";
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) ex.push_back(t[j++]);
    const std::size_t start = j;
    while (j < t.size() && isDigit(t[j]))
        ex.push_back(t[j++]);
    if (j == start) return false;
    out += ex;
    i = j;
    return true;
}

// Plain text of a decimal: every digit, the decimal comma, no grouping.
std::string testoDecimale(const DecimaleTesto& d) {
    const int cifre = static_cast<int>(d.cifre.size());
    const auto cifra = [&](int i) { return i >= 0 && i < cifre ? d.cifre[static_cast<std::size_t>(i)] : '0'; };
    std::string s;
    if (d.negativo) s += '-';
    if (d.esponente <= 0) s += '0';
    for (int i = 0; i < d.esponente; ++i)
        s += cifra(i);
    if (cifre > d.esponente) {
        s += ',';
        for (int i = d.esponente; i < cifre; ++i)
            s += cifra(i);
    }
    return s;
}

// Copies the exponent at text[i] ("e", an optional sign, digits) into c after its n characters and
// moves i past it; false when the "e" has no digit. No "e" there: nothing to copy.
bool copiaEsponente(std::string_view text, std::size_t& i, char* c, std::size_t& n) {
    if (i >= text.size() || (text[i] != 'e' && text[i] != 'E')) return true;
    std::size_t j = i + 1;
    c[n++] = 'e';
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) c[n++] = text[j++];
    const std::size_t start = j;
    while (j < text.size() && isDigit(text[j]))
        c[n++] = text[j++];
    if (j == start) return false;
    i = j;
    return true;
}

} // namespace

std::optional<double> leggiNumero(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    std::size_t end = text.size();
    while (end > i && isBlank(text[end - 1]))
        --end;
    if (end - i > 300) return std::nullopt; // no amount is written this long
    text = text.substr(0, end);

    // The number in C form, built in place: sign, digits, point, digits, exponent. Alongside, its
    // digits as an integer, for the exact quick reading below.
    char c[320];
    std::size_t n = 0;
    bool negativo = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negativo = text[i] == '-';
        if (negativo) c[n++] = '-';
        ++i;
    }
    bool digits = false;
    std::uint64_t m = 0;
    int significative = 0, decimali = 0;
    const auto cifra = [&](char d) {
        c[n++] = d;
        digits = true;
        if (m == 0 && d == '0') return;
        if (++significative <= 19) m = m * 10 + static_cast<std::uint64_t>(d - '0');
    };
    while (i < text.size() && (isDigit(text[i]) || text[i] == '.')) {
        if (text[i] != '.') cifra(text[i]);
        ++i;
    }
    if (i < text.size() && text[i] == ',') {
        c[n++] = '.';
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            cifra(text[i++]);
            ++decimali;
        }
    }
    if (!digits) return std::nullopt;
    if (i == text.size() && significative <= 15 && decimali <= 22) {
        // Both exact as doubles and the division correctly rounded: the nearest double, as below.
        const double v = static_cast<double>(m) / potenzaDieci(decimali);
        return negativo ? -v : v;
    }
    if (!copiaEsponente(text, i, c, n) || i != text.size()) return std::nullopt;
    double v = 0;
    const auto res = std::from_chars(c, c + n, v);
    if (res.ec != std::errc() || res.ptr != c + n || !std::isfinite(v)) return std::nullopt;
    return v;
}

double valNumero(std::string_view text) {
    std::string t;
    t.reserve(text.size());
    for (char ch : text)
        if (!isBlank(ch) && ch != '\n' && ch != '\r') t.push_back(ch);

    std::size_t i = 0;
    std::string c;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        if (t[i] == '-') c.push_back('-');
        ++i;
    }
    bool digits = false;
    while (i < t.size() && isDigit(t[i])) {
        c.push_back(t[i++]);
        digits = true;
    }
    if (i < t.size() && t[i] == '.') {
        c.push_back('.');
        ++i;
        while (i < t.size() && isDigit(t[i])) {
            c.push_back(t[i++]);
            digits = true;
        }
    }
    if (!digits) return 0.0;
    if (i < t.size() && (t[i] == 'd' || t[i] == 'D')) t[i] = 'e';
    readExponent(t, i, c);
    if (c.back() == '.') c.pop_back();
    if (c == "-") return 0.0;
    // An exponent too large for a double is an overflow, which the callers see as no number.
    return parseC(c).value_or(0.0);
}

std::optional<std::int16_t> leggiIntero16(std::string_view text) {
    const auto v = leggiNumero(text);
    if (!v) return std::nullopt;
    const double r = std::nearbyint(*v); // default rounding mode: halves to even
    if (r < -32768.0 || r > 32767.0) return std::nullopt;
    return static_cast<std::int16_t>(r);
}

std::string testoNumero(double value) {
    if (value == 0 || !std::isfinite(value)) return "0";
    // Fifteen significant digits, the precision of a double: the binary noise of a sum such as
    // 6,2 + 1,16 (7,359999999999999) never reaches the screen.
    return testoDecimale(DecimaleTesto::daDouble(value));
}

std::string testoNumero(float value) {
    if (value == 0 || !std::isfinite(value)) return "0";
    return testoDecimale(DecimaleTesto::daFloat(value));
}

double arrotonda(double value, int decimals) {
    DecimaleTesto d = DecimaleTesto::daDouble(value);
    d.arrotonda(decimals);
    const std::string digits = d.parteIntera() + d.parteDecimale(decimals);
    if (digits.size() <= 15 && decimals >= 0 && decimals <= 15) {
        // Exact integers divided by an exact power of ten: the division is correctly rounded, so
        // this is the double nearest to the decimal text, as reading it back would give.
        long long n = 0;
        for (char c : digits)
            n = n * 10 + (c - '0');
        double scale = 1;
        for (int i = 0; i < decimals; ++i)
            scale *= 10;
        const double r = static_cast<double>(n) / scale;
        return d.negativo ? -r : r;
    }
    std::string s = d.negativo ? "-" : "";
    const std::string intPart = d.parteIntera();
    s += intPart.empty() ? "0" : intPart;
    if (decimals > 0) s += "." + d.parteDecimale(decimals);
    return parseC(s).value_or(value);
}

} // namespace vantrel
