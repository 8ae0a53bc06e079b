#include "common/numbers.h"

#include "common/decimal_text.h"

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

} // namespace

std::optional<double> leggiNumero(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    std::size_t end = text.size();
    while (end > i && isBlank(text[end - 1]))
        --end;
    text = text.substr(0, end);

    std::string c;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') c.push_back('-');
        ++i;
    }
    bool digits = false;
    while (i < text.size() && (isDigit(text[i]) || text[i] == '.')) {
        if (text[i] != '.') {
            c.push_back(text[i]);
            digits = true;
        }
        ++i;
    }
    if (i < text.size() && text[i] == ',') {
        c.push_back('.');
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            c.push_back(text[i++]);
            digits = true;
        }
    }
    if (!digits) return std::nullopt;
    if (!readExponent(text, i, c) || i != text.size()) return std::nullopt;
    if (c.back() == '.') c.pop_back();
    return parseC(c);
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
    char buf[400];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    std::string s(buf, static_cast<std::size_t>(res.ptr - buf));
    for (char& ch : s)
        if (ch == '.') ch = ',';
    return s;
}

std::string testoNumero(float value) {
    if (value == 0 || !std::isfinite(value)) return "0";
    const DecimaleTesto d = DecimaleTesto::daFloat(value);
    std::string s = d.negativo ? "-" : "";
    const std::string intPart = d.parteIntera();
    s += intPart.empty() ? "0" : intPart;
    const int fracDigits = static_cast<int>(d.cifre.size()) - d.esponente;
    if (fracDigits > 0) s += "," + d.parteDecimale(fracDigits);
    return s;
}

double arrotonda(double value, int decimals) {
    DecimaleTesto d = DecimaleTesto::daDouble(value);
    d.arrotonda(decimals);
    std::string s = d.negativo ? "-" : "";
    const std::string intPart = d.parteIntera();
    s += intPart.empty() ? "0" : intPart;
    if (decimals > 0) s += "." + d.parteDecimale(decimals);
    return parseC(s).value_or(value);
}

} // namespace vantrel
