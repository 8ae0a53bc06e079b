#include "common/testo_decimale.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vantrel {
namespace {

// Builds the form from scientific text such as "-1.2345e+02".
DecimaleTesto daScientifico(std::string_view s) {
    DecimaleTesto d;
    if (!s.empty() && s.front() == '-') {
        d.negativo = true;
        s.remove_prefix(1);
    }
    std::size_t e = 0;
    while (e < s.size() && s[e] != 'e' && s[e] != 'E')
        ++e;
    if (e == s.size()) e = std::string_view::npos;
    const std::string_view mant = s.substr(0, e);
    int exp = 0;
    if (e != std::string_view::npos) {
        std::string_view ex = s.substr(e + 1);
        if (!ex.empty() && ex.front() == '+') ex.remove_prefix(1);
        std::from_chars(ex.data(), ex.data() + ex.size(), exp);
    }
    char digits[64];
    std::size_t n = 0;
    int pointPos = static_cast<int>(mant.size());
    for (std::size_t i = 0; i < mant.size() && n < sizeof digits; ++i) {
        if (mant[i] == '.')
            pointPos = static_cast<int>(i);
        else
            digits[n++] = mant[i];
    }
    std::size_t lead = 0;
    while (lead < n && digits[lead] == '0')
        ++lead;
    std::size_t last = n;
    while (last > lead && digits[last - 1] == '0')
        --last;
    if (last == lead) return DecimaleTesto{};
    d.cifre.assign(digits + lead, last - lead);
    d.esponente = pointPos + exp - static_cast<int>(lead);
    return d;
}

constexpr double kLimiteQuindici = 1e15;

// The form of a positive integer m times 10^-k.
DecimaleTesto daIntero(bool negativo, std::uint64_t m, int k) {
    int zeri = 0;
    for (; m % 10 == 0; m /= 10)
        ++zeri;
    char buf[20];
    char* inizio = buf + sizeof buf;
    for (; m > 0; m /= 10)
        *--inizio = static_cast<char>('0' + m % 10);
    DecimaleTesto d;
    d.negativo = negativo;
    d.cifre.assign(inizio, buf + sizeof buf);
    d.esponente = static_cast<int>(d.cifre.size()) + zeri - k;
    return d;
}

// The value rounded to 15 significant digits, worked out exactly for the usual magnitudes: the
// product by 10^s is held as hi + lo, lo being its exact rounding error. Nothing outside those
// magnitudes and on an exact half, left to the general conversion.
std::optional<DecimaleTesto> quindiciCifre(double value) {
    const double a = std::fabs(value);
    if (!(a >= 1e-7 && a < kLimiteQuindici)) return std::nullopt;
    int s = 0;
    while (a * potenzaDieci(s) < 1e14)
        ++s;
    double hi = a * potenzaDieci(s);
    double lo = std::fma(a, potenzaDieci(s), -hi);
    if (hi == 1e14 && lo < 0) { // the product itself is just below 10^14
        ++s;
        hi = a * potenzaDieci(s);
        lo = std::fma(a, potenzaDieci(s), -hi);
    }
    double m = std::nearbyint(hi);
    const double resto = (hi - m) + lo;
    if (resto == 0.5 || resto == -0.5) return std::nullopt;
    if (resto > 0.5) m += 1;
    if (resto < -0.5) m -= 1;
    return daIntero(value < 0, static_cast<std::uint64_t>(m), s);
}

} // namespace

double potenzaDieci(int n) {
    static constexpr double kPotenze[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                          1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    return kPotenze[n];
}

DecimaleTesto DecimaleTesto::daDouble(double value) {
    if (auto d = quindiciCifre(value)) return std::move(*d);
    char buf[64];
    // The shortest text that reads back as the value is the 15-digit rounding whenever it has at most
    // 15 digits, and it is much cheaper to obtain.
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
    std::size_t digits = 0;
    for (const char* p = buf; p < res.ptr && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') ++digits;
    if (digits > 15) res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    return daScientifico(std::string_view(buf, static_cast<std::size_t>(res.ptr - buf)));
}

DecimaleTesto DecimaleTesto::daFloat(float value) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
    DecimaleTesto d = daScientifico(std::string_view(buf, static_cast<std::size_t>(res.ptr - buf)));
    if (d.cifre.size() > 7) {
        res = std::to_chars(buf, buf + sizeof buf, static_cast<double>(value), std::chars_format::scientific, 6);
        d = daScientifico(std::string_view(buf, static_cast<std::size_t>(res.ptr - buf)));
    }
    return d;
}

void DecimaleTesto::arrotonda(int decimals) {
    const int keep = esponente + decimals; // digits kept
    if (keep >= static_cast<int>(cifre.size())) return;
    if (keep < 0) {
        cifre.clear();
        esponente = 0;
        negativo = false;
        return;
    }
    const bool up = cifre[static_cast<std::size_t>(keep)] >= '5';
    cifre.resize(static_cast<std::size_t>(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && cifre[static_cast<std::size_t>(i)] == '9') {
            cifre[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i < 0) {
            cifre.insert(cifre.begin(), '1');
            ++esponente;
        } else {
            ++cifre[static_cast<std::size_t>(i)];
        }
    }
    while (!cifre.empty() && cifre.back() == '0')
        cifre.pop_back();
    if (cifre.empty()) {
        esponente = 0;
        negativo = false;
    }
}

std::string DecimaleTesto::parteIntera() const {
    if (esponente <= 0) return {};
    std::string out = cifre.substr(0, static_cast<std::size_t>(esponente));
    out.append(static_cast<std::size_t>(esponente) - out.size(), '0');
    return out;
}

std::string DecimaleTesto::parteDecimale(int decimals) const {
    std::string out;
    for (int i = 0; i < decimals; ++i) {
        const int idx = esponente + i; // index into cifre
        out.push_back(idx >= 0 && idx < static_cast<int>(cifre.size()) ? cifre[static_cast<std::size_t>(idx)] : '0');
    }
    return out;
}

} // namespace vantrel
