#include "rates/tasso_esatto.h"

#include <algorithm>

namespace vantrel {
namespace {

constexpr std::int64_t kPotenze[] = {100'000'000, 10'000'000, 1'000'000, 100'000, 10'000, 1'000, 100, 10, 1};

} // namespace

std::optional<TassoEsatto> TassoEsatto::leggi(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    std::int64_t interi = 0;
    std::int64_t frazione = 0;
    int cifreInteri = 0;
    int decimali = 0;
    bool separatore = false;
    for (const char c : s) {
        if (c == ',' || c == '.') {
            if (separatore) return std::nullopt;
            separatore = true;
        } else if (c >= '0' && c <= '9') {
            if (separatore) {
                if (++decimali > 6) return std::nullopt;
                frazione = frazione * 10 + (c - '0');
            } else {
                if (++cifreInteri > 6) return std::nullopt;
                interi = interi * 10 + (c - '0');
            }
        } else {
            return std::nullopt;
        }
    }
    if (cifreInteri + decimali == 0) return std::nullopt;
    return TassoEsatto{interi * kPunto + frazione * kPotenze[decimali], decimali};
}

TassoEsatto TassoEsatto::esatto(std::int64_t unita) {
    int d = 0;
    while (d < kMaxDecimali && unita % kPotenze[d] != 0)
        ++d;
    return {unita, d};
}

TassoEsatto TassoEsatto::arrotondato(int d) const {
    if (d < 0) d = 0;
    if (d >= kMaxDecimali) return {unita, kMaxDecimali};
    const std::int64_t passo = kPotenze[d];
    const std::int64_t segno = unita < 0 ? -1 : 1;
    const std::int64_t assoluto = unita * segno;
    return {segno * ((assoluto + passo / 2) / passo * passo), d};
}

std::string TassoEsatto::testo(int d) const {
    const TassoEsatto r = arrotondato(d);
    const std::int64_t assoluto = r.unita < 0 ? -r.unita : r.unita;
    std::string s = r.unita < 0 ? "-" : "";
    s += std::to_string(assoluto / kPunto);
    if (r.decimali > 0) {
        std::string frazione = std::to_string(assoluto % kPunto);
        frazione.insert(0, static_cast<std::size_t>(kMaxDecimali) - frazione.size(), '0');
        s += ',';
        s.append(frazione, 0, static_cast<std::size_t>(r.decimali));
    }
    return s;
}

std::string TassoEsatto::testo() const {
    return testo(decimali);
}

std::string TassoEsatto::testoAlmeno(int d) const {
    return testo(std::max(d, esatto(unita).decimali));
}

} // namespace vantrel
