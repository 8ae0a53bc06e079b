#include "rates/tasso_esatto.h"

#include "common/testo.h"

#include <algorithm>

namespace vantrel {
namespace {

constexpr std::int64_t kPotenze[] = {100'000'000, 10'000'000, 1'000'000, 100'000, 10'000, 1'000, 100, 10, 1};

} // namespace

std::optional<TassoEsatto> TassoEsatto::leggi(std::string_view s) {
    return leggiTasso(s).tasso;
}

LetturaTasso leggiTasso(std::string_view testo) {
    const auto errore = [&](const char* perche) {
        return LetturaTasso{std::nullopt, "tasso " + citazione(testo) + perche};
    };
    std::int64_t interi = 0;
    std::int64_t frazione = 0;
    int cifreInteri = 0; // from the first that is not a leading zero
    int decimali = 0;
    int separatori = 0;
    bool cifre = false;
    for (const char c : trim(testo)) {
        if (c == ',' || c == '.') {
            ++separatori;
            continue;
        }
        if (c < '0' || c > '9') return errore(" non numerico");
        cifre = true;
        if (separatori > 0) {
            if (++decimali <= 6) frazione = frazione * 10 + (c - '0');
        } else if ((cifreInteri > 0 || c != '0') && ++cifreInteri <= 3) {
            interi = interi * 10 + (c - '0');
        }
    }
    if (!cifre) return errore(" non numerico");
    if (separatori > 1)
        return errore(" con un separatore delle migliaia: un tasso ha un solo separatore, quello dei decimali");
    if (decimali > 6) return errore(" con più di sei decimali");
    const TassoEsatto t{interi * TassoEsatto::kPunto + frazione * kPotenze[decimali], decimali};
    if (cifreInteri > 3 || t.unita > 100 * TassoEsatto::kPunto) return errore(" non compreso tra 0 e 100");
    return {t, {}};
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
